// The editing half of the canvas: select tool, link tool, properties command and the
// undo record. Until the editing tools and the edit history are built, these change nothing.
#include "editor/CProjectViewer.h"

bool CProjectViewer::RunSelectTool(wxMouseEvent&)
{
    return false;
}
bool CProjectViewer::RunLinkTool(wxMouseEvent&)
{
    return false;
}
void CProjectViewer::OnPropertiesCommand(wxMouseEvent&) {}
bool CProjectViewer::RecordEdit()
{
    return false;
}
