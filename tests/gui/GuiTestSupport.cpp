#include "GuiTestSupport.h"

#include "app/CFrame.h"
#include "app/CRobotApp.h"
#include "app/CommandIds.h"
#include "app/DisplaySystem.h"
#include "model/CProgram.h"
#include "model/EditHistory.h"

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>
#include <wx/app.h>
#include <wx/dir.h>
#include <wx/filename.h>
#include <wx/window.h>

bool WaitFor(const std::function<bool()>& predicate, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!predicate()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        wxTheApp->Yield(true);
        wxTheApp->ProcessIdle(); // deletes windows whose destruction is pending
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

namespace {
wxString DisplayScript()
{
    return wxString(TAMEK_SOURCE_DIR) + "/tests/gui/display.sh";
}
} // namespace

wxArrayString DisplayedWindowTitles()
{
    wxArrayString titles, errors;
    wxExecute(DisplayScript() + " titles", titles, errors, wxEXEC_SYNC | wxEXEC_NOEVENTS);
    return titles;
}

bool WaitForRepaint(wxWindow* window)
{
    bool painted = false;
    const auto notice = [&painted](wxPaintEvent& event) {
        painted = true;
        event.Skip(); // the window's own handler paints
    };
    window->Bind(wxEVT_PAINT, notice);
    window->Refresh();
    const bool done = WaitFor([&] { return painted; });
    window->Unbind(wxEVT_PAINT, notice);
    wxTheApp->Yield(true); // hands the painted picture to the display
    return done;
}

bool SaveScreenshot(const wxString& name)
{
    wxString folder;
    if (!wxGetEnv("TAMEK_SCREENSHOTS", &folder) || folder.empty())
        return false;
    const char* backend = OnWayland() ? "wayland" : "x11";
    const wxString file = wxString::Format("%s/%s-%s.png", folder, name, backend);
    return wxExecute(wxString::Format("%s screenshot '%s'", DisplayScript(), file), wxEXEC_SYNC | wxEXEC_NOEVENTS) == 0;
}

wxString FreshFolder(const wxString& name)
{
    wxString base;
    wxGetEnv("TAMEK_TEST_TMP", &base);
    const wxString folder = base + "/" + name;
    if (wxDirExists(folder))
        wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
    wxFileName::Mkdir(folder, 0777, wxPATH_MKDIR_FULL);
    return folder;
}

bool WriteTextFile(const wxString& path, const std::string& text)
{
    std::ofstream out(path.fn_str(), std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

std::string ReadTextFile(const wxString& path)
{
    std::ifstream in(path.fn_str(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void MainWindowTest::SetUp()
{
    // An empty settings folder for each test.
    wxString data;
    wxGetEnv("XDG_DATA_HOME", &data);
    if (wxDirExists(data + "/Tamek"))
        wxFileName::Rmdir(data + "/Tamek", wxPATH_RMDIR_RECURSIVE);
    frame = CreateMainWindow();
    ASSERT_TRUE(WaitFor([this] { return frame->IsShownOnScreen(); }));
}

void MainWindowTest::TearDown()
{
    if (CFrame* open = MainFrameIfAny()) {
        open->Destroy();
        EXPECT_TRUE(WaitFor([] { return MainFrameIfAny() == nullptr; }));
    }
    SetCurrentBlock(nullptr);
    TheProgram().Clear();
    TheEditHistory().Reset();
}

void MainWindowTest::MarkModified()
{
    frame->EnableCommands(CMD_SAVE);
}
