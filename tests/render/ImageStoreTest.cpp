// The GUI image store: every path decoded once and shared, missing and damaged files quietly empty,
// and every picture the program asks for by name present in the build.
#include "GuiTest.h"

#include "drawing/WxImageStore.h"
#include "model/CGraphicState.h"

#include <sstream>
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
    std::istringstream list(ReadTextFile(wxString(TAMEK_TEST_DATA) + "/render/pictures.list"));
    int count = 0;
    for (std::string line; std::getline(list, line); ++count) {
        const size_t space = line.rfind(' ');
        ImageHandle picture = line[0] == '#' ? ImageHandle() : store.Load(wxString::FromUTF8(line.substr(0, space)));
        EXPECT_TRUE(line[0] == '#' ||
                    (picture && (line.back() == '0' || picture->Width() == std::stoi(line.substr(space)))))
            << line;
    }
    EXPECT_GT(count, 120);
    // 45 tiles in each set: every shape code, half or not, finds a tile (its own or the fallback).
    for (TileSet set : {TileSet::Blue, TileSet::Red, TileSet::Link})
        for (int shape = 0; shape < 256; ++shape)
            for (bool half : {false, true})
                ASSERT_TRUE(store.Load(TileFolder(set) + TileFileName(shape, half))) << shape << half;
    // The window icon reads with the toolkit's icon reader; its largest size is 48.
    if (!wxImage::FindHandler(wxBITMAP_TYPE_ICO))
        wxImage::AddHandler(new wxICOHandler);
    wxImage icon;
    ASSERT_TRUE(icon.LoadFile(wxString(TAMEK_DATA_DIR) + "/Img/Tamek.ico", wxBITMAP_TYPE_ICO));
    EXPECT_EQ(icon.GetWidth(), 48);
}
