// The docking panes (palette, canvas, console, robot) and the commands that show and hide them.
#include "app/CFrame.h"

#include "app/CommandIds.h"
#include "base/Translation.h"
#include "console/CConsoleViewer.h"
#include "editor/CProjectViewer.h"
#include "editor/CStateViewer.h"
#include "simulator/CRobotPane.h"

#include <wx/menu.h>
#include <wx/panel.h>

namespace {
const wxColour kPaneBackground(240, 240, 240);
const char* const kPalettePane = "State";
const char* const kConsolePane = "Console";
const char* const kRobotPane = "Robot";

// The palette page of each page command (4616 to 4620 show or hide pages 0 to 4).
int PageOfCommand(int id)
{
    return id >= ID_PALETTE_PAGE_0 && id <= ID_PALETTE_PAGE_4 ? id - ID_PALETTE_PAGE_0 : -1;
}
} // namespace

void CFrame::BuildPanes()
{
    m_canvas = CreateCanvas();
    m_stateViewer = new CStateViewer(this, static_cast<CProjectViewer*>(m_canvas), this, this);
    m_stateViewer->SetBackgroundColour(kPaneBackground);
    m_stateViewer->onProgramRebuilt = [this] {
        CanvasProgramChanged();
        VariablesChanged();
    };
    // The sensor, action and second action pages and the names list; the link page on demand.
    for (int page : {0, 1, 2})
        m_stateViewer->ShowPage(page, true);
    m_stateViewer->SelectPage(0);
    m_aui.AddPane(m_stateViewer, wxAuiPaneInfo()
                                     .Name(kPalettePane)
                                     .CaptionVisible(false)
                                     .Right()
                                     .MinSize(240, 400)
                                     .BestSize(340, 400)
                                     .Resizable(true)
                                     .CloseButton(false)
                                     .Floatable(false));

    m_aui.AddPane(m_canvas, wxAuiPaneInfo().Name("project").Caption(_("Projet")).CenterPane().Resizable(true));

    CConsoleViewer* console = TheConsole(this);
    console->AppendText("> \n");
    m_aui.AddPane(console, wxAuiPaneInfo()
                               .Name(kConsolePane)
                               .Caption(_("Scherm"))
                               .Bottom()
                               .MinSize(600, 100)
                               .MaxSize(600, 100)
                               .BestSize(600, 100)
                               .Resizable(false)
                               .Floatable(false));
    BuildRobotPane();
}

void CFrame::BuildRobotPane()
{
    m_robotPane = new CRobotPane(this, *this, [this] { return GetRunValues(); });
    m_aui.AddPane(m_robotPane, wxAuiPaneInfo()
                                   .Name(kRobotPane)
                                   .Caption(_("Robot"))
                                   .Left()
                                   .BestSize(300, 520)
                                   .MinSize(220, 380)
                                   .Floatable(false)
                                   .Hide());
    Bind(
        wxEVT_MENU, [this](wxCommandEvent& event) { ShowRobotPane(event.IsChecked()); }, ID_MENU_SHOW_ROBOT);
}

bool CFrame::IsPaneShown(const wxString& name)
{
    wxAuiPaneInfo& pane = m_aui.GetPane(name);
    return pane.IsOk() && pane.IsShown();
}

void CFrame::ShowPalettePane(bool show)
{
    m_aui.GetPane(kPalettePane).Show(show);
    m_aui.Update();
    GetMenuBar()->Check(ID_MENU_SHOW_PALETTE, show);
}

void CFrame::ShowConsolePane(bool show)
{
    m_aui.GetPane(kConsolePane).Show(show);
    m_aui.Update();
    GetMenuBar()->Check(ID_MENU_SHOW_CONSOLE, show);
}

void CFrame::ShowRobotPane(bool show)
{
    m_aui.GetPane(kRobotPane).Show(show);
    m_aui.Update();
    GetMenuBar()->Check(ID_MENU_SHOW_ROBOT, show);
    ShowRunInRobotPane();
}

void CFrame::ShowPalettePage(int page, bool show)
{
    if (page < 0 || page >= CStateViewer::kPageCount)
        return;
    const bool anyPage = m_stateViewer->ShowPage(page, show);
    ShowPalettePane(anyPage);
    GetMenuBar()->Enable(ID_MENU_SHOW_PALETTE, anyPage);
}

void CFrame::OnShowPalette(wxCommandEvent& event)
{
    ShowPalettePane(event.IsChecked());
}

void CFrame::OnShowConsole(wxCommandEvent& event)
{
    ShowConsolePane(event.IsChecked());
}

void CFrame::OnPalettePage(wxCommandEvent& event)
{
    ShowPalettePage(PageOfCommand(event.GetId()), event.IsChecked());
}

void CFrame::OnPaneClose(wxAuiManagerEvent& event)
{
    const wxAuiPaneInfo* pane = event.GetPane();
    if (pane && pane->name == kPalettePane)
        GetMenuBar()->Check(ID_MENU_SHOW_PALETTE, false);
    else if (pane && pane->name == kConsolePane)
        GetMenuBar()->Check(ID_MENU_SHOW_CONSOLE, false);
    else if (pane && pane->name == kRobotPane)
        GetMenuBar()->Check(ID_MENU_SHOW_ROBOT, false);
    event.Skip(); // the manager hides the pane
}
