// Entry point of the rendering and canvas tests: a real wx application on a display (Xvfb in the
// test run), with the image store on the pictures that the build put beside the executables.
#include "drawing/WxImageStore.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        return 1;
    wxImage::AddHandler(new wxPNGHandler);
    InstallWxImageStore(TAMEK_DATA_DIR);
    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
