// The GUI image store: every path decoded once and shared, missing and damaged files quietly empty,
// and every picture the program asks for by name present in the build.
#include "GuiTest.h"

#include "editor/WxImageStore.h"
#include "model/CGraphicState.h"

#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/imagbmp.h>

TEST(ImageStore, DecodesEachPathOnceAndSharesItWithASharperVersion)
{
    WxImageStore store(TAMEK_DATA_DIR);
    ImageHandle wait = store.Load("Img/State/Wait.png");
    ASSERT_TRUE(wait);
    EXPECT_EQ(std::make_pair(wait->Width(), wait->Height()), std::make_pair(96, 96));
    EXPECT_EQ(store.Load("Img/State/Wait.png"), wait);
    EXPECT_TRUE(AsWx(wait)->Bitmap().IsOk());
    // The sharp version is another bitmap drawn at the picture's own size; without one the plain serves.
    EXPECT_FALSE(AsWx(wait)->GraphicsBitmap(true).IsNull());
    EXPECT_NE(AsWx(wait)->GraphicsBitmap(true).GetRefData(), AsWx(wait)->GraphicsBitmap(false).GetRefData());
    ImageHandle icon = store.Load("Img/State/icons/Wait.png");
    EXPECT_EQ(AsWx(icon)->GraphicsBitmap(true).GetRefData(), AsWx(icon)->GraphicsBitmap(false).GetRefData());
    // Both spellings of the tool folder lead to the same pictures.
    EXPECT_TRUE(store.Load("Img/icons/zoom_on-ico.png") && store.Load("Img/Icons/zoom_on-ico.png"));
}

TEST(ImageStore, MissingAndDamagedFilesGiveEmptyHandlesQuietly)
{
    const wxString folder = FreshFolder("store");
    ASSERT_TRUE(wxFileName::Mkdir(folder + "/Img/State", wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL));
    ASSERT_TRUE(WriteTextFile(folder + "/Img/State/Wait.png", "\x89PNG\r\n\x1a\n this is not a picture"));
    LogCapture log(wxLOG_Warning);
    WxImageStore store(folder);
    EXPECT_FALSE(store.Load("Img/State/Wait.png"));
    EXPECT_FALSE(store.Load("Img/State/Wait_on.png"));
    EXPECT_TRUE(log.messages.IsEmpty());
}

TEST(ImageStore, EveryNamedPictureIsBuilt)
{
    WxImageStore store(TAMEK_DATA_DIR);
    auto expect = [&store](const wxString& name, int width) {
        ImageHandle picture = store.Load(name);
        ASSERT_TRUE(picture) << name;
        EXPECT_TRUE(width == 0 || picture->Width() == width) << name;
    };
    for (const char* kind : {"Fake",         "Start",           "Stop",          "Wait",      "Buzzer",
                             "DelR",         "Motor1",          "Motor2",        "Servo1",    "Servo2",
                             "Repeat",       "Forward",         "Backward",      "TurnLeft",  "TurnRight",
                             "Switch1",      "Switch2",         "Switch3",       "Detector1", "Detector2",
                             "Var",          "VarIf",           "LinkFullH",     "LinkFullV", "LinkTopLeft",
                             "LinkTopRight", "LinkBottomRight", "LinkBottomLeft"}) {
        expect(wxString("Img/State/") + kind + ".png", 96);
        expect(wxString("Img/State/icons/") + kind + ".png", 32);
    }
    for (const char* kind : {"Buzzer", "DelR", "Switch1", "Switch2", "Switch3", "Motor1", "Motor2"})
        for (const char* state : {"_on", "_off"})
            expect(wxString("Img/State/") + kind + state + ".png", 96);
    // 45 tiles in each set: every shape code, half or not, finds a tile (its own or the fallback).
    for (TileSet set : {TileSet::Blue, TileSet::Red, TileSet::Link})
        for (int shape = 0; shape < 256; ++shape)
            for (bool half : {false, true})
                expect(TileFolder(set) + TileFileName(shape, half), 96);
    for (const char* name :
         {"State/pos0", "State/pos1", "State/pos2", "State/pos3", "State/oui", "State/non", "State/icons/varadd",
          "Icons/move_cursor", "Icons/zoom", "Icons/mouse_link", "Icons/slider_up", "Icons/slider_down",
          "Icons/slider_Hover_up", "Icons/slider_Hover_down", "Tamek-Splash", "Simulator/DEL Rouge/IOn",
          "Simulator/Bouton poussoir/IOff", "Simulator/Buzzer/IOn", "Simulator/Detecteur passif/IOff"})
        expect(wxString("Img/") + name + ".png", 0);
    for (const char* tool : {"nouveau2",    "open",     "save",        "print",   "undo",     "redo",     "arrow_on",
                             "arrow_off",   "move_on",  "move_off_g",  "zoom_on", "zoom_off", "link_on",  "link_off",
                             "play",        "suivant",  "pause",       "stop",    "ghost",    "ghost_on", "pilotage",
                             "pilotage_on", "automate", "automate_on", "setting", "stop_off", "usb"})
        expect(wxString("Img/Icons/") + tool + "-ico.png", 32);
    for (const char* greyed : {"play", "suivant", "pause", "stop", "ghost", "pilotage", "automate"})
        expect(wxString("Img/Icons/") + greyed + "-ico_g.png", 32);
    // The window icon reads with the toolkit's icon reader; its largest size is 48.
    if (!wxImage::FindHandler(wxBITMAP_TYPE_ICO))
        wxImage::AddHandler(new wxICOHandler);
    wxImage icon;
    ASSERT_TRUE(icon.LoadFile(wxString(TAMEK_DATA_DIR) + "/Img/Tamek.ico", wxBITMAP_TYPE_ICO));
    EXPECT_EQ(icon.GetWidth(), 48);
}
