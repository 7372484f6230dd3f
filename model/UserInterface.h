#pragma once
// The few ways the model speaks to the user: questions, messages, console lines and repaint
// requests. The GUI installs message boxes and the console; tests install scripted answers.

#include <wx/string.h>

class UserInterface
{
public:
    virtual ~UserInterface() = default;
    // A question with Yes and No buttons; true for Yes.
    virtual bool AskYesNo(const wxString& message, const wxString& caption) = 0;
    // A message with an OK button.
    virtual void ShowMessage(const wxString& message, const wxString& caption) = 0;
    // A console line: level 0 a warning, level 1 an error.
    virtual void Report(int level, const wxString& message) = 0;
    // The console's remembered message: a report equal to it is not shown again. The canvas
    // clears it on every click and overwrites it with its trace texts.
    virtual void SetLastMessage(const wxString& message) { (void)message; }
    // The canvas should repaint when it next can.
    virtual void RequestRepaint() {}
};

// The installed interface; without one, questions are answered No and the rest goes to standard error.
UserInterface& Ui();
void InstallUserInterface(UserInterface* ui);
