#pragma once
// The console pane at the bottom of the main window: refused edits are reported here as warning
// and error lines. A report equal to the last message is not repeated.

#include <wx/panel.h>

class wxTextCtrl;

class CConsoleViewer : public wxPanel
{
public:
    explicit CConsoleViewer(wxWindow* parent);

    // Level 0 appends a warning line, level 1 an error line, other levels nothing; a message
    // equal to the last message appends nothing. The message always becomes the last message.
    void Report(int level, const wxString& message);

    const wxString& GetLastMessage() const { return m_lastMessage; }
    // The canvas clears the last message on a click and overwrites it with its trace texts.
    void SetLastMessage(const wxString& message) { m_lastMessage = message; }

    // Appends text as it stands (the pane's first prompt).
    void AppendText(const wxString& text);
    wxString GetText() const;

private:
    void OnSize(wxSizeEvent& event);

    wxString m_lastMessage;
    wxTextCtrl* m_text;
};

// The one console of the running program, created on the first call with parent (the main window).
// Later calls return it whatever they pass; null before it exists when parent is null.
CConsoleViewer* TheConsole(wxWindow* parent = nullptr);
// Forgets the console once its window is gone (the main window closed).
void ForgetConsole();
