// View commands of the main window: zoom, canvas tools, undo and redo, help and about.
#include "app/CFrame.h"

#include "app/AppPaths.h"
#include "app/CommandIds.h"
#include "app/ExportPicture.h"
#include "app/WebSite.h"
#include "base/Translation.h"
#include "model/CProgram.h"
#include "model/EditHistory.h"
#include "print/PrintCommands.h"
#include "print/PrintToFile.h"

#include <wx/filename.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

void CFrame::OnZoomIn(wxCommandEvent&)
{
    ZoomIn();
}
void CFrame::OnZoomOut(wxCommandEvent&)
{
    ZoomOut();
}
void CFrame::OnZoomReset(wxCommandEvent&)
{
    ZoomReset();
}

void CFrame::OnCanvasToolCommand(wxCommandEvent& event)
{
    switch (event.GetId()) {
    case ID_TOOL_SELECT:
        SelectCanvasTool(TOOL_SELECT);
        break;
    case ID_TOOL_MOVE:
    case ID_MENU_MOVE:
        SelectCanvasTool(TOOL_MOVE);
        break;
    case ID_TOOL_ZOOM:
        SelectCanvasTool(TOOL_ZOOM);
        break;
    case ID_TOOL_LINK:
        SelectCanvasTool(TOOL_LINK);
        break;
    default:
        break;
    }
}

void CFrame::OnUndo(wxCommandEvent&)
{
    if (!m_runControl.AskToDropRun())
        return;
    // The program is rebuilt from text: no block of the old graph may stay highlighted.
    CanvasCancelDrag();
    SetCurrentBlock(nullptr);
    if (!TheEditHistory().Undo())
        return;
    AfterHistoryStep();
}

void CFrame::OnRedo(wxCommandEvent&)
{
    if (!m_runControl.AskToDropRun())
        return;
    CanvasCancelDrag();
    SetCurrentBlock(nullptr);
    if (!TheEditHistory().Redo())
        return;
    AfterHistoryStep();
}

void CFrame::AfterHistoryStep()
{
    EditHistory& history = TheEditHistory();
    EnableCommands(CMD_SAVE);
    if (history.CanUndo())
        EnableCommands(CMD_UNDO);
    else
        DisableCommands(CMD_UNDO);
    if (history.CanRedo())
        EnableCommands(CMD_REDO);
    else
        DisableCommands(CMD_REDO);
    CanvasProgramChanged();
    VariablesChanged();
}

void CFrame::OnHelp(wxCommandEvent&)
{
    const wxString page = AppPath("Help/index.html");
    if (!wxFileName::FileExists(page) || !wxLaunchDefaultBrowser(wxFileName::FileNameToURL(page)))
        wxLogError(_("De helppagina kan niet geopend worden: %s"), page);
}

void CFrame::OnWebSite(wxCommandEvent&)
{
    if (!wxLaunchDefaultBrowser(kWebSiteAddress))
        wxLogError(_("De website kan niet geopend worden: %s"), kWebSiteAddress);
}

void CFrame::OnAbout(wxCommandEvent&)
{
    wxMessageBox(wxString::Format("%s", _("Tamek")), _("Over.."), wxOK, this);
}

void CFrame::OnPrint(wxCommandEvent&)
{
    // Printed to a file, a saved project is proposed as a PDF of its own name beside it.
    if (!m_projectPath.empty())
        ProposePdfFile(m_printData,
                       wxFileName(m_projectPath).GetPathWithSep() + wxFileName(m_projectPath).GetName() + ".pdf");
    PrintProject(this, m_printData, m_pageSetup);
}

void CFrame::OnExportPicture(wxCommandEvent&)
{
    ExportPictureWithDialog(this, TheProgram(), m_projectPath);
}

void CFrame::OnPrintPreview(wxCommandEvent&)
{
    ShowPrintPreview(this, m_printData, m_pageSetup);
}
