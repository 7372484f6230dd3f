#pragma once
// Shared support of the window tests: the real main window started per test, waiting with a time
// limit, modal dialogs answered through wxWidgets' dialog test hook, real mouse clicks, pictures
// compared with reviewed references, and the menu and toolbar states read back.

#include "app/CFrame.h"
#include "editor/CProjectViewer.h"
#include "model/CProgram.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <wx/aui/auibar.h>
#include <wx/filedlg.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>
#include <wx/timer.h>

// Reports a dialog that no test expected (or one that did not come) as a test failure.
class GtestModalHook : public wxTestingModalHook
{
public:
    GtestModalHook(const char* file, int line, const char* func) : wxTestingModalHook(file, line, func) {}

protected:
    void ReportFailure(const wxString& message) override { ADD_FAILURE() << message.utf8_str().data(); }
};
#undef wxTEST_DIALOG_HOOK_CLASS
#define wxTEST_DIALOG_HOOK_CLASS GtestModalHook

// A dialog of this kind, looked at and answered by a function.
template <class Dialog> class Expect : public wxExpectModalBase<Dialog, Expect<Dialog>>
{
public:
    explicit Expect(std::function<int(Dialog*)> answer) : m_answer(std::move(answer)) {}

protected:
    int OnInvoked(Dialog* dialog) const override { return m_answer(dialog); }

private:
    std::function<int(Dialog*)> m_answer;
};

// A message box with this message and caption, answered with the given button id.
inline Expect<wxMessageDialog> ExpectMessage(const wxString& message, const wxString& caption, int answer)
{
    return Expect<wxMessageDialog>([=](wxMessageDialog* box) {
        EXPECT_EQ(box->GetMessage() + " | " + box->GetCaption(), message + " | " + caption);
        return answer;
    });
}
inline Expect<wxMessageDialog> ExpectSaveQuestion(int answer)
{
    return ExpectMessage("Project is aangepast, bewaren ?", "Bestand aangepast", answer);
}
// A file dialog with this title, answered with a path (or cancelled with an empty one).
inline Expect<wxFileDialog> ExpectFileDialog(const wxString& title, const wxString& path)
{
    return Expect<wxFileDialog>([=](wxFileDialog* dialog) {
        EXPECT_EQ(dialog->GetMessage(), title);
        dialog->SetPath(path);
        return path.empty() ? wxID_CANCEL : wxID_OK;
    });
}

// Readable failure messages for wx strings.
inline void PrintTo(const wxString& text, std::ostream* out)
{
    *out << '"' << text.utf8_str().data() << '"';
}

// Lets the event loop run until the predicate holds or the time is up; true when it holds.
bool WaitFor(const std::function<bool()>& predicate, int timeoutMs = 3000);

// Real input (X11 only) at client points of a window, waiting until the window has had it
// (wxMOUSE_BTN_NONE: only a move); a key goes to window, which has the focus.
void ClickAt(wxWindow* window, const wxPoint& point, int button = wxMOUSE_BTN_LEFT);
void DragAt(wxWindow* window, const wxPoint& from, const wxPoint& to);
void PressKey(wxWindow* window, int key);

// Whether a toolbar bitmap shows the picture of a file.
bool SamePicture(const wxBitmap& shown, const wxString& file);

// Windows of the tests link to a virtual robot in the test run's runtime folder, never a USB robot.
void InstallTestRobotLink();

// Real input through the simulated mouse and keyboard (X11 only), each step waited for.
// Moves the pointer to a screen point.
void MoveMouseTo(const wxPoint& screen);
// Presses the left button at from, moves to to in a few steps and releases it there.
void DragMouse(const wxPoint& from, const wxPoint& to);
// Clicks the left button in the middle of a window (a button, a check box, a radio button).
void ClickOn(wxWindow* window);
// Types a text, or presses one key, in the window that has the focus.
void TypeText(const wxString& text);
void PressKey(int key);

// Whether the display shows a window (also a native dialog the toolkit does not track).
bool IsMapped(wxWindow* window);

// Runs act on the next dialog of this class that is shown modally (a message box too), inside its
// modal loop, so act can click and type in it for real; the test fails when none is shown before
// this object goes.
template <class Dialog> class WhenShown : public wxTimer, public wxModalDialogHook
{
public:
    explicit WhenShown(std::function<void(Dialog*)> act) : m_act(std::move(act))
    {
        Register();
        Start(20);
    }
    ~WhenShown() override
    {
        Stop();
        Unregister();
        EXPECT_TRUE(m_shown) << "no dialog was shown";
    }
    bool Shown() const { return m_shown; }

protected:
    int Enter(wxDialog* dialog) override
    {
        if (!m_dialog && !m_shown)
            m_dialog = dynamic_cast<Dialog*>(dialog);
        return wxID_NONE; // shown as usual
    }
    void Exit(wxDialog*) override {}

private:
    void Notify() override
    {
        if (!m_dialog || !IsMapped(m_dialog))
            return;
        Stop();
        Dialog* dialog = m_dialog;
        m_dialog = nullptr;
        m_shown = true;
        m_act(dialog);
    }
    std::function<void(Dialog*)> m_act;
    Dialog* m_dialog = nullptr;
    bool m_shown = false;
};

// The titles of the top-level windows as the display itself lists them (the X server, or the
// Wayland compositor's scene graph; tests/gui/display.sh), so a test sees what a pupil sees.
wxArrayString DisplayedWindowTitles();
// Has the window paint itself again and waits until it has, so that the display shows it whole.
bool WaitForRepaint(wxWindow* window);
// With TAMEK_SCREENSHOTS naming a folder, saves the whole screen there as "<name>-x11.png" or
// "<name>-wayland.png"; true when saved. Does nothing (false) without it.
bool SaveScreenshot(const wxString& name);

// A folder of its own under the test's temporary data directory, emptied first.
wxString FreshFolder(const wxString& name);
bool WriteTextFile(const wxString& path, const std::string& text);
std::string ReadTextFile(const wxString& path);
// A project file of tests/data, or of examples/ when the name starts with "examples/".
wxString DataPath(const wxString& name);

// A picture compared with its reviewed reference in tests/data/render/, with a small tolerance (a
// pixel differs when a channel differs by more than 48; at most 0.5 % may differ). The picture
// drawn is written to "render-actual/<name>" beside the test executable for review;
// TAMEK_UPDATE_GOLDEN=1 makes it the new reference.
::testing::AssertionResult MatchesGolden(const wxImage& actual, const wxString& name);
// Two pictures of one size that agree within the same tolerance.
::testing::AssertionResult ImagesMatch(const wxImage& actual, const wxImage& expected);

// A text compared with its reviewed reference in tests/data/ (exactly); TAMEK_UPDATE_GOLDEN=1 makes
// the text the new reference.
::testing::AssertionResult MatchesGoldenText(const std::string& actual, const wxString& name);

// Keeps the messages logged at this level or above while it lives.
struct LogCapture : wxLog
{
    explicit LogCapture(wxLogLevel worst = wxLOG_Error) : level(worst) {}
    ~LogCapture() override { wxLog::SetActiveTarget(previous); }
    void DoLogRecord(wxLogLevel at, const wxString& message, const wxLogRecordInfo&) override
    {
        if (at <= level)
            messages.Add(message);
    }
    wxLogLevel level;
    wxLog* previous = wxLog::SetActiveTarget(this);
    wxArrayString messages;
};

// Every test starts the real main window (with an empty settings folder, the program of only the
// Start block, at 100 % zoom) and closes it at the end.
class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    CProjectViewer* Canvas() const { return static_cast<CProjectViewer*>(frame->GetCanvas()); }
    // Gives the canvas this client size (the scroll bars follow), as the window would.
    void SizeCanvas(const wxSize& size);
    // The canvas's view of the drawing, painted into a bitmap of this size.
    wxImage Render(const wxSize& size) const;
    // A mouse event handed to the canvas (or another window) as the toolkit hands it.
    void Mouse(wxEventType type, int x, int y, wxWindow* window = nullptr);
    // A real click of the simulated mouse at a window point of the canvas (or of another window).
    void Click(const wxPoint& point, int button = wxMOUSE_BTN_LEFT, wxWindow* window = nullptr);
    // A real key press on the main window that should reach the menu command (on Wayland, which takes
    // no simulated keys, the command is sent instead).
    void PressCommandKey(int key, int modifiers, int command);
    // A real gesture of the simulated mouse with the left button on the canvas, in parts: pressed
    // at a window point, moved (held) to others, released; each part waits until the canvas has
    // seen it. Under Wayland the events are handed to the canvas as the toolkit hands them.
    void PressAt(const wxPoint& point);
    void DragTo(const wxPoint& point);
    void ReleaseAt(const wxPoint& point);
    // Pressed at the first point, dragged through the others, released at the last.
    void Gesture(std::initializer_list<wxPoint> points);
    // A menu or tool command as the menu or toolbar sends it; checked items carry their new state.
    void Command(int id, bool checked = false);
    // A key as the window's character hook sees it.
    void Key(int code);
    bool MenuEnabled(int id) const { return frame->GetMenuBar()->IsEnabled(id); }
    bool ToolEnabled(int id) const { return frame->GetTamekToolBar()->GetToolEnabled(id); }
    // Makes the project look edited (the Save group enabled), as the canvas does after an edit.
    void MarkModified() { frame->EnableCommands(0x8); }
    // Opens a project of tests/data (or examples/) and expects it to be read.
    void Open(const wxString& name) { ASSERT_TRUE(frame->OpenProjectByPath(DataPath(name))) << name; }
    int CountBlocks() const;
    // The block of the program of this kind word (and parameter text), or null.
    static CState* BlockOfKind(const char* word, const char* parameter = nullptr);
    // Whether the highlight (the current block) is on that block.
    static bool Highlighted(const char* word, const char* parameter = nullptr);
    // Whether the canvas draws block with the red tile (a red ring round its picture).
    bool DrawnRed(const CState* block);
    // Whether Start (menu and tool), Pause and Stop are enabled as given.
    bool RunToolsAre(bool start, bool pause, bool stop) const;
    // The canvas painted whole, then the screen saved as a screenshot (see SaveScreenshot).
    void Screenshot(const char* name);
    CState* BlockNumbered(int node) const
    {
        return TheProgram().FindBlock(TheProgram().GetRoot(), [=](CState* b) { return b->GetNodeNumber() == node; });
    }

    CFrame* frame = nullptr;
};
