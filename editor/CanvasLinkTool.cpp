// The link tool of the canvas: a link piece follows the mouse while the button is held, a path of
// pieces grows from the block where the press began toward the mouse and onto a block, and the
// release hangs the path into the program.
#include "base/Translation.h"
#include "editor/CProjectViewer.h"
#include "model/CProgram.h"
#include "model/FlowchartEdits.h"
#include "model/UserInterface.h"

namespace {
constexpr int kLinkProbe = 60;
} // namespace

bool CProjectViewer::RunLinkTool(wxMouseEvent& event)
{
    const wxPoint drawing = ToDrawing(event.GetPosition());
    if (event.LeftUp()) {
        m_cursorShown = false;
        const bool changed = m_path.IsActive() && m_path.Commit();
        Refresh();
        return changed;
    }
    if (!event.LeftDown() && !event.Dragging())
        return false;
    const int half = kBlockUnits / 2;
    m_cursorPiece->SetPosition(drawing.x - half, drawing.y - half);
    m_cursorShown = true;
    CProgram& program = TheProgram();
    if (!program.GetRoot()) {
        Refresh();
        return false;
    }
    if (!m_path.IsActive()) {
        // Where the path starts: the block under the mouse, else the block the piece would attach to.
        Anchor start{FindBlockAt(program, drawing.x, drawing.y, true), -1};
        if (!start)
            start = FindAnchor(program, *m_cursorPiece);
        // A path never enters an action from its side; said once per press.
        if (start && start.block->GetCategory() == Category::Action &&
            (start.direction == Direction::Right || start.direction == Direction::Left)) {
            if (event.LeftDown())
                Ui().Report(1, Tr("Actie toevoegen niet toegestaan."));
            Refresh();
            return false;
        }
        if (start && m_path.Start(start.block)) {
            m_linkAnchorX = m_linkHoverX = drawing.x;
            m_linkAnchorY = m_linkHoverY = drawing.y;
            Ui().SetLastMessage(wxString::Format("Link with anchor position detected %d", start.direction));
        }
    }
    if (m_path.IsActive())
        m_path.ExtendToward(drawing.x, drawing.y, kLinkProbe);
    Refresh();
    return false;
}
