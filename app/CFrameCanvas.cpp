// The flowchart canvas in the "project" pane, as the main window drives it.
#include "app/CFrame.h"

#include "app/CommandIds.h"
#include "base/Translation.h"
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
    Viewer(m_canvas)->ProgramChanged();
}

void CFrame::CanvasDeleteKey()
{
    // The selected block is deleted under the editing rules, whichever window has the focus.
    Viewer(m_canvas)->DeleteCurrentBlock();
}

bool CFrame::CanvasRotateExits(CState* block)
{
    return Viewer(m_canvas)->RotateExits(block);
}

void CFrame::CanvasCommitEdit()
{
    Viewer(m_canvas)->CommitEdit();
}

void CFrame::CanvasCancelDrag()
{
    Viewer(m_canvas)->CancelPaletteDrag();
}
