// Entry point of the GUI tests: a real wxWidgets application on the display (Xvfb, or the headless
// Wayland compositor, under ctest), with the settings kept in a temporary data folder.
#include "app/AppPaths.h"
#include "app/GuiUserInterface.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <wx/app.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>

namespace {
class GuiTestApp : public wxApp
{
public:
    bool OnInit() override { return true; }
};

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg)
{
    ADD_FAILURE_AT(file.utf8_str().data(), line) << "wxWidgets assertion in " << func.utf8_str().data() << ": "
                                                 << cond.utf8_str().data() << " " << msg.utf8_str().data();
}
} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);

    char pattern[] = "/tmp/tamek-gui-XXXXXX";
    const char* temporary = mkdtemp(pattern);
    if (!temporary)
        return 1;
    const std::string data = std::string(temporary) + "/data", runtime = std::string(temporary) + "/run";
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    // A runtime folder of its own: locks and sockets of other test runs and of a running Tamek
    // lie elsewhere. (Under Wayland the compositor is found through an absolute WAYLAND_DISPLAY.)
    if (mkdir(runtime.c_str(), 0700) != 0)
        return 1;
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("TAMEK_TEST_TMP", temporary, 1);
    setenv("GSETTINGS_BACKEND", "memory", 1); // no session bus under Xvfb

    wxApp::SetInstance(new GuiTestApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        return 1;
    wxTheApp->SetExitOnFrameDelete(false);
    wxSetAssertHandler(FailOnAssert);
    // Logged errors go to standard error: a log window would wait for a click that never comes.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    InitialiseAppPaths(); // the tests run from build/bin, beside Img/, locale/ and Help/
    wxImage::AddHandler(new wxPNGHandler);
    InstallGuiUserInterface();

    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    wxFileName::Rmdir(temporary, wxPATH_RMDIR_RECURSIVE);
    return result;
}
