// The flowchart canvas in the "project" pane, as the main window drives it.
#include "app/CFrame.h"

#include "app/CommandIds.h"
#include "editor/CProjectViewer.h"

#include <wx/menu.h>

namespace {
CProjectViewer* Viewer(wxWindow* canvas)
{
    return static_cast<CProjectViewer*>(canvas);
}

int ViewerTool(int tool)
{
    switch (tool) {
    case TOOL_MOVE:
        return CProjectViewer::MoveTool;
    case TOOL_ZOOM:
        return CProjectViewer::ZoomTool;
    case TOOL_LINK:
        return CProjectViewer::LinkTool;
    default:
        return CProjectViewer::SelectTool;
    }
}
} // namespace

wxWindow* CFrame::CreateCanvas()
{
    return new CProjectViewer(this, this);
}

void CFrame::SetCanvasViewerTool(int tool)
{
    Viewer(m_canvas)->SetTool(ViewerTool(tool));
}

void CFrame::ZoomIn()
{
    Viewer(m_canvas)->ZoomIn();
}
void CFrame::ZoomOut()
{
    Viewer(m_canvas)->ZoomOut();
}
void CFrame::ZoomReset()
{
    Viewer(m_canvas)->ZoomReset();
}

void CFrame::EnableZoomCommands(bool zoomIn, bool zoomOut, bool reset)
{
    wxMenuBar* menuBar = GetMenuBar();
    if (!menuBar)
        return;
    menuBar->Enable(ID_MENU_ZOOM_IN, zoomIn);
    menuBar->Enable(ID_MENU_ZOOM_OUT, zoomOut);
    menuBar->Enable(ID_MENU_ZOOM_RESET, reset);
}

void CFrame::CanvasProgramChanged()
{
    Viewer(m_canvas)->UpdateScrollBars();
    m_canvas->Refresh();
    VariablesChanged();
}

void CFrame::CanvasDeleteKey()
{
    // The canvas deletes the selected block under the editing rules, whichever window has the focus.
    wxKeyEvent key(wxEVT_KEY_DOWN);
    key.m_keyCode = WXK_DELETE;
    key.SetEventObject(m_canvas);
    m_canvas->GetEventHandler()->ProcessEvent(key);
}

bool CFrame::CanvasRotateExits(CState* block)
{
    // Rotating a condition's exits comes with the canvas editing tools.
    (void)block;
    return false;
}

void CFrame::CanvasCommitEdit()
{
    Viewer(m_canvas)->CommitEdit();
}
