#include "app/CFrame.h"

#include "app/AppPaths.h"
#include "app/CommandIds.h"
#include "app/DisplaySystem.h"
#include "app/RecoveryKeeper.h"
#include "base/Translation.h"
#include "console/CConsoleViewer.h"
#include "model/CProgram.h"
#include "model/EditHistory.h"
#include "robot/RobotLink.h"

#include <wx/filename.h>
#include <wx/icon.h>
#include <wx/iconbndl.h>
#include <wx/image.h>
#include <wx/log.h>

namespace {
CFrame* g_mainFrame = nullptr;

// The window icon: "Img/Tamek.ico" when it loads, else its PNG twins in three sizes.
void SetWindowIcon(wxFrame* frame)
{
    wxLogNull quiet;
    wxIconBundle icons;
    const wxString ico = AppPath("Img/Tamek.ico");
    if (wxFileName::FileExists(ico) && wxImage::FindHandler(wxBITMAP_TYPE_ICO))
        icons.AddIcon(ico, wxBITMAP_TYPE_ICO);
    if (icons.IsEmpty())
        for (int size : {16, 32, 48}) {
            wxImage image;
            if (image.LoadFile(AppPath(wxString::Format("Img/Tamek-%d.png", size)), wxBITMAP_TYPE_PNG)) {
                wxIcon icon;
                icon.CopyFromBitmap(wxBitmap(image));
                icons.AddIcon(icon);
            }
        }
    if (!icons.IsEmpty())
        frame->SetIcons(icons);
}
} // namespace

wxBEGIN_EVENT_TABLE(CFrame, wxFrame)
    EVT_MENU(ID_MENU_NEW, CFrame::OnNew)
    EVT_MENU(ID_TOOL_NEW, CFrame::OnNew)
    EVT_MENU(ID_MENU_OPEN, CFrame::OnOpen)
    EVT_MENU(ID_TOOL_OPEN, CFrame::OnOpen)
    EVT_MENU_RANGE(ID_MENU_RECENT_FIRST, ID_MENU_RECENT_LAST, CFrame::OnRecent)
    EVT_MENU(ID_MENU_SAVE, CFrame::OnSave)
    EVT_MENU(ID_TOOL_SAVE, CFrame::OnSave)
    EVT_MENU(ID_MENU_SAVE_AS, CFrame::OnSaveAs)
    EVT_MENU(ID_MENU_EMPTY_RECENT, CFrame::OnEmptyRecent)
    EVT_MENU(ID_MENU_EXIT, CFrame::OnExit)
    EVT_MENU(ID_MENU_PRINT, CFrame::OnPrint)
    EVT_MENU(ID_TOOL_PRINT, CFrame::OnPrint)
    EVT_MENU(ID_MENU_PRINT_PREVIEW, CFrame::OnPrintPreview)
    EVT_MENU(ID_MENU_EXPORT_PICTURE, CFrame::OnExportPicture)
    EVT_MENU(ID_MENU_UNDO, CFrame::OnUndo)
    EVT_MENU(ID_TOOL_UNDO, CFrame::OnUndo)
    EVT_MENU(ID_MENU_REDO, CFrame::OnRedo)
    EVT_MENU(ID_TOOL_REDO, CFrame::OnRedo)
    EVT_MENU(ID_MENU_ZOOM_IN, CFrame::OnZoomIn)
    EVT_MENU(ID_MENU_ZOOM_OUT, CFrame::OnZoomOut)
    EVT_MENU(ID_MENU_ZOOM_RESET, CFrame::OnZoomReset)
    EVT_MENU(ID_MENU_MOVE, CFrame::OnCanvasToolCommand)
    EVT_MENU(ID_TOOL_SELECT, CFrame::OnCanvasToolCommand)
    EVT_MENU(ID_TOOL_MOVE, CFrame::OnCanvasToolCommand)
    EVT_MENU(ID_TOOL_ZOOM, CFrame::OnCanvasToolCommand)
    EVT_MENU(ID_TOOL_LINK, CFrame::OnCanvasToolCommand)
    EVT_MENU(ID_MENU_SHOW_PALETTE, CFrame::OnShowPalette)
    EVT_MENU(ID_MENU_SHOW_CONSOLE, CFrame::OnShowConsole)
    EVT_MENU(ID_PALETTE_PAGE_0, CFrame::OnPalettePage)
    EVT_MENU(ID_PALETTE_PAGE_1, CFrame::OnPalettePage)
    EVT_MENU(ID_PALETTE_PAGE_2, CFrame::OnPalettePage)
    EVT_MENU(ID_PALETTE_PAGE_3, CFrame::OnPalettePage)
    EVT_MENU(ID_PALETTE_PAGE_4, CFrame::OnPalettePage)
    EVT_MENU(ID_MENU_HELP, CFrame::OnHelp)
    EVT_MENU(ID_MENU_WEBSITE, CFrame::OnWebSite)
    EVT_MENU(ID_MENU_ABOUT, CFrame::OnAbout)
    EVT_AUI_PANE_CLOSE(CFrame::OnPaneClose)
    EVT_CHAR_HOOK(CFrame::OnCharHook)
    EVT_KEY_DOWN(CFrame::OnKeyDown)
    EVT_KEY_UP(CFrame::OnKeyUp)
    EVT_SIZE(CFrame::OnSize)
    EVT_CLOSE(CFrame::OnClose)
wxEND_EVENT_TABLE()

CFrame::CFrame(const wxString& title, const wxPoint& position, const wxSize& size)
    : wxFrame(nullptr, wxID_ANY, title, position, size, wxDEFAULT_FRAME_STYLE), m_runControl(TheProgram(), *this)
{
    SetWindowIcon(this);
    TheProgram().EnsureRoot();

    m_aui.SetManagedWindow(this);
    // The docking hint is a window of its own placed at screen coordinates, which a Wayland
    // compositor ignores (it would appear anywhere): there a pane is moved without the hint.
    const long hint =
        OnWayland() ? 0 : wxAUI_MGR_TRANSPARENT_HINT | wxAUI_MGR_HINT_FADE | wxAUI_MGR_NO_VENETIAN_BLINDS_FADE;
    m_aui.SetFlags(wxAUI_MGR_LIVE_RESIZE | hint);
    BuildToolBar();
    BuildPanes();
    BuildMenus();
    BindRunCommands();
    SetCommandState(kStateAtStart);
    CreateStatusBar(3);
    m_printData.SetOrientation(wxLANDSCAPE);
    m_pageSetup.SetPrintData(m_printData);
    StartRecovery();
    m_aui.Update();
    StartRobotLink();
    UpdateCodeBudget();
}

CFrame::~CFrame()
{
    TheEditHistory().SetChangeListener(nullptr);
    m_aui.UnInit();
    ForgetConsole();
    if (g_mainFrame == this)
        g_mainFrame = nullptr;
}

void CFrame::UpdateTitle()
{
    if (m_projectPath.empty())
        SetTitle(_("Tamek"));
    else
        SetTitle(_("Tamek") + wxString::Format(" - %s", m_projectPath));
}

void CFrame::RefreshCanvas()
{
    if (m_canvas)
        m_canvas->Refresh();
}

void CFrame::OnSize(wxSizeEvent& event)
{
    RefreshCanvas();
    event.Skip();
}

CFrame* MainFrame(const wxString& title, const wxPoint& position, const wxSize& size)
{
    if (!g_mainFrame)
        g_mainFrame = new CFrame(title, position, size);
    return g_mainFrame;
}

CFrame* MainFrameIfAny()
{
    return g_mainFrame;
}
