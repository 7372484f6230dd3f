#pragma once
// Shared support of the GUI tests: the real main window started per test, waiting with a time
// limit, and modal dialogs answered through wxWidgets' dialog test hook.

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <wx/arrstr.h>
#include <wx/string.h>

// Reports a dialog that no test expected (or one that did not come) as a test failure.
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>
class GtestModalHook : public wxTestingModalHook
{
public:
    GtestModalHook(const char* file, int line, const char* func) : wxTestingModalHook(file, line, func) {}

protected:
    void ReportFailure(const wxString& message) override { ADD_FAILURE() << message.utf8_str().data(); }
};
#undef wxTEST_DIALOG_HOOK_CLASS
#define wxTEST_DIALOG_HOOK_CLASS GtestModalHook

// A message box with this message and caption, answered with the given button id.
class ExpectMessage : public wxExpectModalBase<wxMessageDialog, ExpectMessage>
{
public:
    ExpectMessage(const wxString& message, const wxString& caption, int answer)
        : m_message(message), m_caption(caption), m_answer(answer)
    {
    }

protected:
    int OnInvoked(wxMessageDialog* dialog) const override
    {
        EXPECT_EQ(dialog->GetMessage(), m_message);
        EXPECT_EQ(dialog->GetCaption(), m_caption);
        return m_answer;
    }

private:
    wxString m_message, m_caption;
    int m_answer;
};

// The unsaved-changes question.
inline ExpectMessage ExpectSaveQuestion(int answer)
{
    return ExpectMessage("Project is aangepast, bewaren ?", "Bestand aangepast", answer);
}

// A file dialog with this title, answered with a path (or cancelled with an empty one).
class ExpectFileDialog : public wxExpectModalBase<wxFileDialog, ExpectFileDialog>
{
public:
    ExpectFileDialog(const wxString& title, const wxString& path) : m_title(title), m_path(path) {}

protected:
    int OnInvoked(wxFileDialog* dialog) const override
    {
        EXPECT_EQ(dialog->GetMessage(), m_title);
        if (m_path.empty())
            return wxID_CANCEL;
        dialog->SetPath(m_path);
        return wxID_OK;
    }

private:
    wxString m_title, m_path;
};

// Readable failure messages for wx strings.
inline void PrintTo(const wxString& text, std::ostream* out)
{
    *out << '"' << text.utf8_str().data() << '"';
}

class CFrame;

// Lets the event loop run until the predicate holds or the time is up; true when it holds.
bool WaitFor(const std::function<bool()>& predicate, int timeoutMs = 3000);

// The titles of the top-level windows as the display itself lists them (the X server, or the
// Wayland compositor's scene graph; tests/gui/display.sh), so a test sees what a pupil sees.
wxArrayString DisplayedWindowTitles();
// Has the window paint itself again and waits until it has, so that the display shows it whole.
class wxWindow;
bool WaitForRepaint(wxWindow* window);
// With TAMEK_SCREENSHOTS naming a folder, saves the whole screen there as "<name>-x11.png" or
// "<name>-wayland.png"; true when saved. Does nothing (false) without it.
bool SaveScreenshot(const wxString& name);

// A folder of its own under the test's temporary data directory, emptied first.
wxString FreshFolder(const wxString& name);
// Writes text into a file; true when written.
bool WriteTextFile(const wxString& path, const std::string& text);
std::string ReadTextFile(const wxString& path);

// Every test starts the real main window (with an empty settings folder) and closes it at the end.
class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // Makes the project look edited (the Save group enabled), as the canvas does after an edit.
    void MarkModified();

    CFrame* frame = nullptr;
};
