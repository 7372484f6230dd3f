// The flowchart canvas in the "project" pane, as the main window drives it.
#include "app/CFrame.h"

#include <wx/panel.h>

wxWindow* CFrame::CreateCanvas()
{
    auto* canvas = new wxPanel(this, wxID_ANY);
    canvas->SetBackgroundColour(*wxWHITE);
    return canvas;
}

void CFrame::SetCanvasViewerTool(int tool) { (void)tool; }

void CFrame::CanvasZoomChanged() {}

void CFrame::CanvasProgramChanged() {}

bool CFrame::CanvasRotateExits(CState* block)
{
    (void)block;
    return false;
}
