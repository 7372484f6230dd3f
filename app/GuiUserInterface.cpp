#include "app/GuiUserInterface.h"

#include "app/CFrame.h"
#include "console/CConsoleViewer.h"

#include <wx/msgdlg.h>

namespace {
wxWindow* DialogParent()
{
    return MainFrameIfAny();
}
} // namespace

bool GuiUserInterface::AskYesNo(const wxString& message, const wxString& caption)
{
    return wxMessageBox(message, caption, wxYES_NO, DialogParent()) == wxYES;
}

void GuiUserInterface::ShowMessage(const wxString& message, const wxString& caption)
{
    wxMessageBox(message, caption, wxOK, DialogParent());
}

void GuiUserInterface::Report(int level, const wxString& message)
{
    if (CConsoleViewer* console = TheConsole())
        console->Report(level, message);
}

void GuiUserInterface::SetLastMessage(const wxString& message)
{
    if (CConsoleViewer* console = TheConsole())
        console->SetLastMessage(message);
}

void GuiUserInterface::RequestRepaint()
{
    if (CFrame* frame = MainFrameIfAny())
        frame->RefreshCanvas();
}

void InstallGuiUserInterface()
{
    static GuiUserInterface ui;
    InstallUserInterface(&ui);
}
