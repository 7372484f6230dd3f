// The GUI image store: every path decoded once and shared, missing and damaged files quietly empty,
// and every picture the program asks for by name present in the build.
#include "drawing/WxImageStore.h"
#include "model/CGraphicState.h"

#include <gtest/gtest.h>
#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/imagbmp.h>
#include <wx/log.h>

namespace {
struct ErrorCounter : wxLog
{
    int errors = 0;
    wxLog* previous;
    ErrorCounter() { previous = wxLog::SetActiveTarget(this); }
    ~ErrorCounter() override { wxLog::SetActiveTarget(previous); }
    void DoLogRecord(wxLogLevel level, const wxString&, const wxLogRecordInfo&) override
    {
        if (level <= wxLOG_Warning)
            ++errors;
    }
};
} // namespace

TEST(ImageStore, DecodesEachPathOnceAndShares)
{
    WxImageStore store(TAMEK_DATA_DIR);
    ImageHandle first = store.Load("Img/State/Wait.png");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Width(), 96);
    EXPECT_EQ(first->Height(), 96);
    EXPECT_EQ(store.Load("Img/State/Wait.png"), first);
    EXPECT_TRUE(AsWx(first)->Bitmap().IsOk());
    EXPECT_FALSE(AsWx(first)->GraphicsBitmap().IsNull());
    // Both spellings of the tool folder lead to the same pictures.
    EXPECT_TRUE(store.Load("Img/icons/zoom_on-ico.png"));
    EXPECT_TRUE(store.Load("Img/Icons/zoom_on-ico.png"));
}

TEST(ImageStore, MissingAndDamagedFilesGiveEmptyHandlesQuietly)
{
    const wxString folder = wxFileName::CreateTempFileName("tamek-store");
    wxRemoveFile(folder);
    ASSERT_TRUE(wxFileName::Mkdir(folder + "/Img/State", wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL));
    wxFFile damaged(folder + "/Img/State/Wait.png", "wb");
    const char bytes[] = "\x89PNG\r\n\x1a\n this is not a picture";
    ASSERT_EQ(damaged.Write(bytes, sizeof bytes - 1), sizeof bytes - 1);
    damaged.Close();

    ErrorCounter log;
    WxImageStore store(folder);
    EXPECT_FALSE(store.Load("Img/State/Wait.png"));
    EXPECT_FALSE(store.Load("Img/State/Wait_on.png"));
    EXPECT_EQ(log.errors, 0);
    wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
}

TEST(ImageStore, EveryNamedPictureIsBuilt)
{
    WxImageStore store(TAMEK_DATA_DIR);
    const char* kinds[] = {"Fake",         "Start",           "Stop",          "Wait",      "Buzzer",
                           "DelR",         "Motor1",          "Motor2",        "Servo1",    "Servo2",
                           "Repeat",       "Forward",         "Backward",      "TurnLeft",  "TurnRight",
                           "Switch1",      "Switch2",         "Switch3",       "Detector1", "Detector2",
                           "Var",          "VarIf",           "LinkFullH",     "LinkFullV", "LinkTopLeft",
                           "LinkTopRight", "LinkBottomRight", "LinkBottomLeft"};
    for (const char* kind : kinds) {
        SCOPED_TRACE(kind);
        ImageHandle picture = store.Load(wxString("Img/State/") + kind + ".png");
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->Width(), 96);
        ImageHandle icon = store.Load(wxString("Img/State/icons/") + kind + ".png");
        ASSERT_TRUE(icon);
        EXPECT_EQ(icon->Width(), 32);
    }
    for (const char* kind : {"Buzzer", "DelR", "Switch1", "Switch2", "Switch3", "Motor1", "Motor2"})
        for (const char* state : {"_on", "_off"})
            EXPECT_TRUE(store.Load(wxString("Img/State/") + kind + state + ".png")) << kind << state;
    // 45 tiles in each set: every shape code, half or not, finds a tile (its own or the fallback).
    for (TileSet set : {TileSet::Blue, TileSet::Red, TileSet::Link})
        for (int shape = 0; shape < 256; ++shape)
            for (bool half : {false, true})
                ASSERT_TRUE(store.Load(TileFolder(set) + TileFileName(shape, half))) << shape << half;
    for (const char* name :
         {"Img/State/pos0.png", "Img/State/pos1.png", "Img/State/pos2.png", "Img/State/pos3.png", "Img/State/oui.png",
          "Img/State/non.png", "Img/State/icons/varadd.png", "Img/Icons/move_cursor.png", "Img/Icons/zoom.png",
          "Img/Icons/mouse_link.png", "Img/Icons/slider_up.png", "Img/Icons/slider_down.png",
          "Img/Icons/slider_Hover_up.png", "Img/Icons/slider_Hover_down.png", "Img/Tamek-Splash.png",
          "Img/Simulator/DEL Rouge/IOn.png", "Img/Simulator/Bouton poussoir/IOff.png", "Img/Simulator/Buzzer/IOn.png",
          "Img/Simulator/Detecteur passif/IOff.png"})
        EXPECT_TRUE(store.Load(name)) << name;
    for (const char* tool :
         {"nouveau2-ico",   "open-ico",      "save-ico",        "print-ico",      "undo-ico",     "redo-ico",
          "arrow_on-ico",   "arrow_off-ico", "move_on-ico",     "move_off_g-ico", "zoom_on-ico",  "zoom_off-ico",
          "link_on-ico",    "link_off-ico",  "play-ico",        "play-ico_g",     "suivant-ico",  "suivant-ico_g",
          "pause-ico",      "pause-ico_g",   "stop-ico",        "stop-ico_g",     "ghost-ico",    "ghost_on-ico",
          "ghost-ico_g",    "pilotage-ico",  "pilotage_on-ico", "pilotage-ico_g", "automate-ico", "automate_on-ico",
          "automate-ico_g", "setting-ico",   "stop_off-ico",    "usb-ico"}) {
        ImageHandle picture = store.Load(wxString("Img/Icons/") + tool + ".png");
        ASSERT_TRUE(picture) << tool;
        EXPECT_EQ(picture->Width(), 32) << tool;
    }
    // The window icon reads with the toolkit's icon reader.
    if (!wxImage::FindHandler(wxBITMAP_TYPE_ICO))
        wxImage::AddHandler(new wxICOHandler);
    wxImage icon;
    ASSERT_TRUE(icon.LoadFile(wxString(TAMEK_DATA_DIR) + "/Img/Tamek.ico", wxBITMAP_TYPE_ICO));
    EXPECT_EQ(icon.GetWidth(), 48); // the largest of its three sizes
}

TEST(ImageStore, SharpVersionIsDrawnAtThePicturesOwnSize)
{
    WxImageStore store(TAMEK_DATA_DIR);
    ImageHandle wait = store.Load("Img/State/Wait.png");
    ASSERT_TRUE(wait);
    const wxGraphicsBitmap& plain = AsWx(wait)->GraphicsBitmap(false);
    const wxGraphicsBitmap& sharp = AsWx(wait)->GraphicsBitmap(true);
    EXPECT_FALSE(sharp.IsNull());
    EXPECT_NE(sharp.GetRefData(), plain.GetRefData());
    EXPECT_EQ(wait->Width(), 96); // the geometry keeps the picture's own size
    // Without a sharp version the plain picture serves.
    ImageHandle icon = store.Load("Img/State/icons/Wait.png");
    ASSERT_TRUE(icon);
    EXPECT_EQ(AsWx(icon)->GraphicsBitmap(true).GetRefData(), AsWx(icon)->GraphicsBitmap(false).GetRefData());
}
