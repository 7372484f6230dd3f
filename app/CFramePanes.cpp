// The docking panes (palette, canvas, console) and the commands that show and hide them.
#include "app/CFrame.h"

#include "app/CommandIds.h"
#include "base/Translation.h"
#include "console/CConsoleViewer.h"

#include <wx/menu.h>
#include <wx/panel.h>

namespace {
const wxColour kPaneBackground(240, 240, 240);
const char* const kPalettePane = "State";
const char* const kConsolePane = "Console";

// Palette page number of each page command, and its bit in the visible-pages set.
int PageOfCommand(int id)
{
    switch (id) {
    case ID_PALETTE_PAGE_0:
        return 0;
    case ID_PALETTE_PAGE_1:
        return 1;
    case ID_PALETTE_PAGE_2:
        return 2;
    case ID_PALETTE_PAGE_4:
        return 4;
    default:
        return -1;
    }
}
} // namespace

void CFrame::BuildPanes()
{
    m_palette = new wxPanel(this, wxID_ANY);
    m_palette->SetBackgroundColour(kPaneBackground);
    m_aui.AddPane(m_palette, wxAuiPaneInfo()
                                 .Name(kPalettePane)
                                 .CaptionVisible(false)
                                 .Right()
                                 .MinSize(240, 400)
                                 .Resizable(true)
                                 .CloseButton(false)
                                 .Floatable(false));

    m_canvas = CreateCanvas();
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

void CFrame::ShowPalettePage(int page, bool show)
{
    if (page < 0 || page > 4 || page == 3)
        return;
    if (show)
        m_visiblePalettePages |= 1u << page;
    else
        m_visiblePalettePages &= ~(1u << page);
    const bool anyPage = m_visiblePalettePages != 0;
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
    event.Skip(); // the manager hides the pane
}
