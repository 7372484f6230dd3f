// Entry point and shared support of the window tests: a real wxWidgets application on the display
// (Xvfb under ctest), with the settings kept in a temporary data folder. With TAMEK_TEST_DUTCH=1 the
// program's language is set up first, as start-up sets it, and only the Dutch* tests run; otherwise
// those are left out and the texts stay the source texts.
#include "GuiTest.h"

#include "app/AppPaths.h"
#include "app/CRobotApp.h"
#include "app/CommandIds.h"
#include "app/DisplaySystem.h"
#include "app/GuiUserInterface.h"
#include "app/Language.h"
#include "app/ToolPictures.h"
#include "model/CProgram.h"
#include "model/EditHistory.h"
#include "robot/HidTransport.h"
#include "robot/RobotLink.h"
#include "robot/VirtualRobotTransport.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fstream>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <wx/app.h>
#include <wx/aui/auibar.h>
#include <wx/dcmemory.h>
#include <wx/filename.h>
#include <wx/graphics.h>
#include <wx/init.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/stdpaths.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

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

bool IsMapped(wxWindow* window)
{
    // GTK is found in the running program: its development headers are needed nowhere else.
    using Mapped = int(void*);
    static auto* mapped = reinterpret_cast<Mapped*>(dlsym(RTLD_DEFAULT, "gtk_widget_get_mapped"));
    return window->GetHandle() && (mapped ? mapped(window->GetHandle()) != 0 : window->IsShownOnScreen());
}

void MoveMouseTo(const wxPoint& screen)
{
    wxUIActionSimulator mouse;
    mouse.MouseMove(screen);
    EXPECT_TRUE(WaitFor([&] { return wxGetMousePosition() == screen; }, 1000)) << "the pointer did not move";
}

void DragMouse(const wxPoint& from, const wxPoint& to)
{
    wxUIActionSimulator mouse;
    MoveMouseTo(from);
    mouse.MouseDown();
    WaitFor([] { return wxGetMouseState().LeftIsDown(); }, 1000);
    constexpr int kSteps = 6;
    for (int i = 1; i <= kSteps; ++i)
        MoveMouseTo(from + (to - from) * i / kSteps);
    mouse.MouseUp();
}

void ClickOn(wxWindow* window)
{
    const wxSize size = window->GetClientSize();
    ClickAt(window, wxPoint(size.x / 2, size.y / 2));
    wxTheApp->Yield(true);
}

void TypeText(const wxString& text)
{
    wxUIActionSimulator().Text(text.utf8_str());
    wxTheApp->Yield(true);
}

void PressKey(int key)
{
    wxUIActionSimulator().Char(key);
    wxTheApp->Yield(true);
}

namespace {
// Does action, then waits until window has had an event of this type that answers true.
template <class Event>
void Await(
    wxWindow* window, const wxEventTypeTag<Event>& type, const std::function<void()>& action,
    const std::function<bool(const Event&)>& wanted = [](const Event&) { return true; })
{
    bool seen = false;
    auto watch = [&](Event& event) { seen = seen || wanted(event), event.Skip(); };
    window->Bind(type, watch);
    action();
    EXPECT_TRUE(WaitFor([&] { return seen; })) << "the input did not reach " << window->GetName();
    window->Unbind(type, watch);
}
} // namespace

void ClickAt(wxWindow* window, const wxPoint& point, int button)
{
    wxUIActionSimulator mouse;
    const wxPoint screen = window->ClientToScreen(point);
    mouse.MouseMove(screen);
    WaitFor([&] { return wxGetMousePosition() == screen; }, 1000);
    if (button != wxMOUSE_BTN_NONE)
        Await(window, button == wxMOUSE_BTN_LEFT ? wxEVT_LEFT_UP : wxEVT_RIGHT_UP, [&] { mouse.MouseClick(button); });
}

void DragAt(wxWindow* window, const wxPoint& from, const wxPoint& to)
{
    wxUIActionSimulator mouse;
    ClickAt(window, from, wxMOUSE_BTN_NONE);
    mouse.MouseDown();
    const int steps = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)) / 4 + 1;
    for (int i = 1; i <= steps; ++i) {
        const wxPoint point = from + (to - from) * i / steps;
        Await<wxMouseEvent>(
            window, wxEVT_MOTION, [&] { mouse.MouseMove(window->ClientToScreen(point)); },
            [&](const wxMouseEvent& event) { return event.GetPosition() == point; });
    }
    Await(window, wxEVT_LEFT_UP, [&] { mouse.MouseUp(); });
}

void PressKey(wxWindow* window, int key)
{
    Await(window, wxEVT_KEY_UP, [&] { wxUIActionSimulator().Char(key); });
}

bool SamePicture(const wxBitmap& shown, const wxString& file)
{
    const wxImage a = shown.ConvertToImage(), b = LoadToolPicture(file).ConvertToImage();
    return a.GetSize() == b.GetSize() && memcmp(a.GetData(), b.GetData(), a.GetWidth() * a.GetHeight() * 3) == 0;
}

void InstallTestRobotLink()
{
    const std::string noHidraw = std::string(getenv("TAMEK_TEST_TMP")) + "/no-hidraw";
    CFrame::SetRobotLinkMaker([noHidraw] {
        return std::make_unique<RobotLink>(std::make_unique<HidTransport>(noHidraw, noHidraw),
                                           std::make_unique<VirtualRobotTransport>());
    });
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
    const wxString folder = wxString(getenv("TAMEK_TEST_TMP")) + "/" + name;
    wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
    wxFileName::Mkdir(folder, 0777, wxPATH_MKDIR_FULL);
    return folder;
}

bool WriteTextFile(const wxString& path, const std::string& text)
{
    return static_cast<bool>(std::ofstream(path.fn_str(), std::ios::binary) << text);
}

std::string ReadTextFile(const wxString& path)
{
    std::ostringstream text;
    text << std::ifstream(path.fn_str(), std::ios::binary).rdbuf();
    return text.str();
}

wxString DataPath(const wxString& name)
{
    return name.StartsWith("examples/") ? wxString(TAMEK_SOURCE_DIR) + "/" + name
                                        : wxString(TAMEK_TEST_DATA) + "/" + name;
}

::testing::AssertionResult ImagesMatch(const wxImage& actual, const wxImage& expected)
{
    if (expected.GetSize() != actual.GetSize())
        return ::testing::AssertionFailure() << "size " << actual.GetWidth() << "x" << actual.GetHeight();
    const unsigned char *a = actual.GetData(), *e = expected.GetData();
    const long pixels = static_cast<long>(actual.GetWidth()) * actual.GetHeight();
    long differing = 0;
    for (long i = 0; i < 3 * pixels; i += 3)
        differing +=
            std::abs(a[i] - e[i]) > 48 || std::abs(a[i + 1] - e[i + 1]) > 48 || std::abs(a[i + 2] - e[i + 2]) > 48;
    if (differing * 200 > pixels)
        return ::testing::AssertionFailure() << differing << " of " << pixels << " pixels differ";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult MatchesGolden(const wxImage& actual, const wxString& name)
{
    const wxString reference = wxString(TAMEK_TEST_DATA) + "/render/" + name;
    const wxString actualDir = wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath() + "/render-actual";
    wxFileName::Mkdir(actualDir, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    actual.SaveFile(actualDir + "/" + name, wxBITMAP_TYPE_PNG);
    if (wxString(getenv("TAMEK_UPDATE_GOLDEN")) == "1")
        return ::testing::AssertionResult(actual.SaveFile(reference, wxBITMAP_TYPE_PNG));
    wxImage expected;
    if (!wxFileName::FileExists(reference) || !expected.LoadFile(reference, wxBITMAP_TYPE_PNG))
        return ::testing::AssertionFailure() << "no reference picture " << reference;
    return ImagesMatch(actual, expected) << " (" << reference << ")";
}

::testing::AssertionResult MatchesGoldenText(const std::string& actual, const wxString& name)
{
    const wxString reference = wxString(TAMEK_TEST_DATA) + "/" + name;
    if (wxString(getenv("TAMEK_UPDATE_GOLDEN")) == "1")
        return ::testing::AssertionResult(WriteTextFile(reference, actual));
    const std::string expected = ReadTextFile(reference);
    if (expected == actual)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << name << " differs; the text is:\n" << actual;
}

void MainWindowTest::SetUp()
{
    wxFileName::Rmdir(wxString(getenv("XDG_DATA_HOME")) + "/Tamek", wxPATH_RMDIR_RECURSIVE);
    TheViewZoom() = ViewZoom();
    frame = CreateMainWindow();
    TheEditHistory().Reset(); // the history starts from this window's program, with its Start block
    ASSERT_TRUE(WaitFor([this] { return frame->IsShownOnScreen(); }));
    TheEditHistory().Reset(); // the history starts with the window's program, as at start-up
}

void MainWindowTest::TearDown()
{
    if (CFrame* open = MainFrameIfAny()) {
        open->Destroy();
        EXPECT_TRUE(WaitFor([] { return MainFrameIfAny() == nullptr; }));
    }
    SetCurrentBlock(nullptr);
    TheProgram().Destroy();
    TheEditHistory().Reset();
    TheViewZoom() = ViewZoom();
}

void MainWindowTest::SizeCanvas(const wxSize& size)
{
    Canvas()->SetSize(size);
    ASSERT_TRUE(WaitFor([&] { return Canvas()->GetClientSize() == size; }));
}

wxImage MainWindowTest::Render(const wxSize& size) const
{
    wxBitmap bitmap(size, 24);
    {
        wxMemoryDC dc(bitmap);
        std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
        Canvas()->PaintView(gc.get(), size);
    }
    return bitmap.ConvertToImage();
}

void MainWindowTest::Mouse(wxEventType type, int x, int y, wxWindow* window)
{
    window = window ? window : Canvas();
    wxMouseEvent event(type);
    event.SetPosition(wxPoint(x, y));
    event.m_leftDown = type == wxEVT_LEFT_DOWN || type == wxEVT_MOTION;
    event.SetEventObject(window);
    window->GetEventHandler()->ProcessEvent(event);
}

void MainWindowTest::Click(const wxPoint& point, int button, wxWindow* window)
{
    window = window ? window : Canvas();
    if (OnWayland()) { // the display moves no simulated pointer: the window gets the events as sent
        const bool left = button == wxMOUSE_BTN_LEFT;
        Mouse(left ? wxEVT_LEFT_DOWN : wxEVT_RIGHT_DOWN, point.x, point.y, window);
        Mouse(left ? wxEVT_LEFT_UP : wxEVT_RIGHT_UP, point.x, point.y, window);
        return;
    }
    ClickAt(window, point, button);
}

CState* MainWindowTest::BlockOfKind(const char* word, const char* parameter)
{
    return TheProgram().FindBlock(TheProgram().GetRoot(), [=](CState* b) {
        return b->GetKindWordRaw() == word && (!parameter || b->GetParameterText() == parameter);
    });
}

bool MainWindowTest::Highlighted(const char* word, const char* parameter)
{
    return GetCurrentBlock() && GetCurrentBlock() == BlockOfKind(word, parameter);
}

bool MainWindowTest::DrawnRed(const CState* block)
{
    // The red tile shows as a ring round the block's picture, inside the block's 96-unit square.
    const wxPoint corner = Canvas()->ToWindow(wxPoint(block->GetX(), block->GetY()));
    const wxImage square = Render(Canvas()->GetClientSize()).GetSubImage(wxRect(corner, wxSize(96, 96)));
    int red = 0;
    for (const unsigned char* p = square.GetData(); p < square.GetData() + 3 * 96 * 96; p += 3)
        red += p[0] > p[1] + 60 && p[0] > p[2] + 60;
    return red > 200;
}

bool MainWindowTest::RunToolsAre(bool start, bool pause, bool stop) const
{
    return ToolEnabled(ID_TOOL_START) == start && MenuEnabled(ID_MENU_START) == start &&
           ToolEnabled(ID_TOOL_PAUSE) == pause && ToolEnabled(ID_TOOL_STOP) == stop;
}

void MainWindowTest::Screenshot(const char* name)
{
    WaitForRepaint(Canvas());
    SaveScreenshot(name);
}

void MainWindowTest::PressCommandKey(int key, int modifiers, int command)
{
    if (OnWayland()) { // the display takes no simulated keys: the command the key stands for
        Command(command);
        return;
    }
    frame->Raise();
    frame->SetFocus();
    WaitFor([this] { return wxWindow::FindFocus() && wxGetTopLevelParent(wxWindow::FindFocus()) == frame; }, 1000);
    Await<wxCommandEvent>(
        frame, wxEVT_MENU, [&] { wxUIActionSimulator().Char(key, modifiers); },
        [command](const wxCommandEvent& event) { return event.GetId() == command; });
}

namespace {
// Sends one part of a gesture with the simulated mouse and waits until the canvas has seen an
// event of that type at that window point.
void SimulateAndWait(wxWindow* canvas, wxEventType type, const wxPoint& point, const std::function<void()>& act)
{
    bool seen = false;
    auto notice = [&](wxMouseEvent& event) {
        if (event.GetPosition() == point)
            seen = true;
        event.Skip();
    };
    canvas->Bind(wxEventTypeTag<wxMouseEvent>(type), notice);
    act();
    EXPECT_TRUE(WaitFor([&] { return seen; })) << "the mouse did not reach the canvas at " << point.x << "," << point.y;
    canvas->Unbind(wxEventTypeTag<wxMouseEvent>(type), notice);
}
} // namespace

void MainWindowTest::PressAt(const wxPoint& point)
{
    if (OnWayland())
        return Mouse(wxEVT_LEFT_DOWN, point.x, point.y);
    wxUIActionSimulator mouse;
    const wxPoint screen = Canvas()->ClientToScreen(point);
    mouse.MouseMove(screen);
    WaitFor([&] { return wxGetMousePosition() == screen; }, 1000);
    SimulateAndWait(Canvas(), wxEVT_LEFT_DOWN, point, [&] { mouse.MouseDown(); });
}

void MainWindowTest::DragTo(const wxPoint& point)
{
    if (OnWayland())
        return Mouse(wxEVT_MOTION, point.x, point.y);
    wxUIActionSimulator mouse;
    SimulateAndWait(Canvas(), wxEVT_MOTION, point, [&] { mouse.MouseMove(Canvas()->ClientToScreen(point)); });
}

void MainWindowTest::ReleaseAt(const wxPoint& point)
{
    if (OnWayland())
        return Mouse(wxEVT_LEFT_UP, point.x, point.y);
    wxUIActionSimulator mouse;
    if (wxGetMousePosition() != Canvas()->ClientToScreen(point))
        DragTo(point);
    SimulateAndWait(Canvas(), wxEVT_LEFT_UP, point, [&] { mouse.MouseUp(); });
}

void MainWindowTest::Gesture(std::initializer_list<wxPoint> points)
{
    const wxPoint* point = points.begin();
    PressAt(*point);
    for (++point; point != points.end(); ++point)
        DragTo(*point);
    ReleaseAt(*(points.end() - 1));
}

void MainWindowTest::Command(int id, bool checked)
{
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetInt(checked ? 1 : 0);
    event.SetEventObject(frame);
    frame->GetEventHandler()->ProcessEvent(event);
}

void MainWindowTest::Key(int code)
{
    wxKeyEvent event(wxEVT_CHAR_HOOK);
    event.m_keyCode = code;
    event.SetEventObject(frame);
    frame->GetEventHandler()->ProcessEvent(event);
}

int MainWindowTest::CountBlocks() const
{
    int count = 0;
    TheProgram().ForEachBlock([&count](CState*) { ++count; });
    return count;
}

namespace {
void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg)
{
    ADD_FAILURE_AT(file.utf8_str().data(), line) << "wxWidgets assertion in " << func.utf8_str().data() << ": "
                                                 << cond.utf8_str().data() << " " << msg.utf8_str().data();
}
} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const bool dutch = wxString(getenv("TAMEK_TEST_DUTCH")) == "1";
    std::string& filter = ::testing::GTEST_FLAG(filter);
    filter = dutch ? "Dutch.*" : filter + (filter.find('-') == std::string::npos ? "-" : ":") + "Dutch.*";

    char pattern[] = "/tmp/tamek-gui-XXXXXX";
    const char* temporary = mkdtemp(pattern);
    if (!temporary)
        return 1;
    const std::string runtime = std::string(temporary) + "/run";
    setenv("XDG_DATA_HOME", (std::string(temporary) + "/data").c_str(), 1);
    // A runtime folder of its own: locks and sockets of other test runs and of a running Tamek
    // lie elsewhere. (Under Wayland the compositor is found through an absolute WAYLAND_DISPLAY.)
    if (mkdir(runtime.c_str(), 0700) != 0)
        return 1;
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("TAMEK_TEST_TMP", temporary, 1);
    setenv("GSETTINGS_BACKEND", "memory", 1); // no session bus under Xvfb
    // Screenshots show controls at rest: GTK's transitions are off in a configuration folder of our own.
    const std::string config = std::string(temporary) + "/config";
    wxFileName::Mkdir(config + "/gtk-3.0", 0700, wxPATH_MKDIR_FULL);
    WriteTextFile(config + "/gtk-3.0/settings.ini", "[Settings]\ngtk-enable-animations=false\n");
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    if (dutch)
        SpeakDutchToTheSystem();

    wxApp::SetInstance(new wxApp); // its start-up reads no options: gtest took its own
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        return 1;
    wxTheApp->SetExitOnFrameDelete(false);
    wxSetAssertHandler(FailOnAssert);
    // Logged errors go to standard error: a log window would wait for a click that never comes.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    InitialiseAppPaths(); // the tests run from build/bin, beside Img/, locale/ and Help/
    wxImage::AddHandler(new wxPNGHandler);
    std::unique_ptr<wxLocale> locale(dutch ? SetUpDutchLocale() : nullptr);
    if (dutch && !locale)
        return 1;
    InstallGuiUserInterface();
    InstallTestRobotLink();

    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    locale.reset();
    wxEntryCleanup();
    wxFileName::Rmdir(temporary, wxPATH_RMDIR_RECURSIVE);
    return result;
}
