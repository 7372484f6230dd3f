// The editing half of the canvas: select tool, link tool and properties command. Until the
// editing tools are built, these change nothing.
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
