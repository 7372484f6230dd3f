#pragma once
// The user interface of the running program: questions and messages are message boxes over the
// main window, reports and the last message go to the console pane.

#include "model/UserInterface.h"

class GuiUserInterface final : public UserInterface
{
public:
    bool AskYesNo(const wxString& message, const wxString& caption) override;
    void ShowMessage(const wxString& message, const wxString& caption) override;
    void Report(int level, const wxString& message) override;
    void SetLastMessage(const wxString& message) override;
    void RequestRepaint() override;
};

// Installs the one GUI user interface (idempotent).
void InstallGuiUserInterface();
