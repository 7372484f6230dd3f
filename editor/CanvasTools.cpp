// The select tool of the canvas: hovering with its tooltips, dragging placed blocks (and laying a
// link path from them with Shift), dropping palette prototypes, the Delete key and the
// properties dialog.
#include "base/Translation.h"
#include "drawing/BlockDrawing.h"
#include "editor/CProjectViewer.h"
#include "model/CProgram.h"
#include "model/FlowchartEdits.h"
#include "model/UserInterface.h"

namespace {
// Probe steps of a path laid with the mouse: the link tool's, and a select-tool drag's with Shift.
constexpr int kShiftProbe = 64;

// The tip of a link piece: whether it lies on a condition's TRUE or FALSE path.
wxString LinkTip(const CState& piece)
{
    const CState* below = &piece;
    const CState* above = piece.GetParent();
    for (int i = 0; above && above->IsLinkPiece() && i < (1 << 20); ++i) {
        below = above;
        above = above->GetParent();
    }
    if (!above || !above->IsCondition())
        return wxString();
    const bool isTrue = above->GetSon() == below;
    return wxString::Format(isTrue ? _("Parameter '%s' is TRUE") : _("Parameter '%s' is FALSE"), above->GetLabel());
}
} // namespace

bool CProjectViewer::RunSelectTool(wxMouseEvent& event)
{
    const wxPoint window = event.GetPosition();
    const wxPoint drawing = ToDrawing(window);
    if (m_drag.active && !m_drag.fromPalette) {
        if (event.LeftUp())
            return EndBlockDrag();
        if (!event.Dragging())
            return false;
        MoveDragPicture(window);
        if (m_owner && m_owner->IsShiftHeld()) {
            Ui().SetLastMessage("Check for link");
            if (!m_path.IsActive())
                m_path.Start(m_drag.block);
        }
        if (m_path.IsActive()) {
            m_path.ExtendToward(drawing.x, drawing.y, kShiftProbe);
            Refresh();
        }
        return false;
    }
    if (event.LeftDown()) {
        m_hoveredBlock = FindBlockAt(TheProgram(), drawing.x, drawing.y);
        if (m_hoveredBlock && !(m_owner && m_owner->IsSimulationRunning()))
            BeginBlockDrag(m_hoveredBlock, window, drawing);
        return false;
    }
    Hover(event, drawing);
    return false;
}

void CProjectViewer::Hover(wxMouseEvent& event, const wxPoint& drawing)
{
    CState* block = FindBlockAt(TheProgram(), drawing.x, drawing.y);
    if (!block) {
        ShowTip(wxString());
        Ui().SetLastMessage("Add Tip2 : ||");
        m_hoveredBlock = nullptr;
        return;
    }
    wxString tip = block->GetLabel();
    if (block->IsLinkPiece())
        tip = LinkTip(*block);
    m_menuBlock = m_hoveredBlock;
    m_hoveredBlock = block;
    if (event.RightUp() && !block->IsLinkPiece() && block != TheProgram().GetRoot()) {
        ShowTip(" ");
        Ui().SetLastMessage("Add Tip1 : | |");
        OpenContextMenu(block, event.GetPosition(), drawing);
    } else if (!m_tipFrozen) {
        ShowTip(tip);
        Ui().SetLastMessage(wxString::Format("Add Tip : |%s|", tip));
    }
}

void CProjectViewer::ShowTip(const wxString& text)
{
    // Setting the same tip again would make the tip window flicker on every motion.
    if (text == m_tipText)
        return;
    m_tipText = text;
    SetToolTip(text);
}

void CProjectViewer::BeginBlockDrag(CState* block, const wxPoint& window, const wxPoint& drawing)
{
    m_drag = Drag();
    m_drag.active = true;
    m_drag.block = block;
    block->SetGrabOffset(drawing.x - block->GetX(), drawing.y - block->GetY());
    // The picture as the block shows on screen, held where the mouse took it.
    wxImage picture = BlendedDragPicture(*block);
    const double zx = TheViewZoom().x / 10.0, zy = TheViewZoom().y / 10.0;
    if (picture.IsOk() && (zx != 1.0 || zy != 1.0))
        picture.Rescale(std::max(1, static_cast<int>(picture.GetWidth() * zx)),
                        std::max(1, static_cast<int>(picture.GetHeight() * zy)), wxIMAGE_QUALITY_HIGH);
    if (picture.IsOk())
        m_drag.picture = wxBitmap(picture);
    m_drag.grab = wxPoint(static_cast<int>(block->GetGrabX() * zx), static_cast<int>(block->GetGrabY() * zy));
    m_drag.at = window;
    SetCurrentBlock(nullptr);
    Refresh();
}

bool CProjectViewer::EndBlockDrag()
{
    CState* block = m_drag.block;
    const bool changed = m_path.IsActive() && m_path.Commit();
    EndDrag();
    SetCurrentBlock(block);
    m_tipFrozen = false;
    Refresh();
    return changed;
}

wxRect CProjectViewer::DragPictureRect() const
{
    if (!m_drag.active || !m_drag.picture.IsOk())
        return wxRect();
    return wxRect(m_drag.at - m_drag.grab, m_drag.picture.GetSize()).Inflate(2);
}

void CProjectViewer::MoveDragPicture(const wxPoint& window)
{
    const wxRect before = DragPictureRect();
    m_drag.at = window;
    RefreshRect(before);
    RefreshRect(DragPictureRect());
}

void CProjectViewer::EndDrag()
{
    const wxRect before = DragPictureRect();
    if (m_drag.block)
        m_drag.block->SetGrabOffset(0, 0);
    m_drag = Drag();
    RefreshRect(before);
}

void CProjectViewer::BeginPaletteDrag(CState* prototype, const wxBitmap& picture, const wxPoint& grabOffset)
{
    EndDrag();
    m_drag.active = true;
    m_drag.fromPalette = true;
    m_drag.block = prototype;
    m_drag.picture = picture;
    m_drag.grab = grabOffset;
    m_drag.at = wxPoint(-10000, -10000); // outside until the mouse comes over the canvas
}

void CProjectViewer::MovePaletteDrag(const wxPoint& screen)
{
    if (IsPaletteDragActive())
        MoveDragPicture(ScreenToClient(screen));
}

CState* CProjectViewer::EndPaletteDrag(const wxPoint& screen)
{
    if (!IsPaletteDragActive())
        return nullptr;
    CState* prototype = m_drag.block;
    const wxPoint grab = m_drag.grab;
    EndDrag();
    const wxPoint window = ScreenToClient(screen);
    const wxSize client = GetClientSize();
    const wxRect drawingPane(0, 0, client.x - kBarSize, client.y - kBarSize);
    if (!drawingPane.Contains(window) || !prototype)
        return nullptr;
    if (m_owner && !m_owner->AskToStopSimulation())
        return nullptr;
    // The prototype's top-left corner where the picture's is, in drawing units.
    const wxPoint corner = ToDrawing(window - grab);
    CState* clone = DropPrototype(TheProgram(), prototype, corner.x, corner.y, this);
    if (clone) {
        SetCurrentBlock(clone);
        m_hoveredBlock = m_menuBlock = clone;
        ProgramChanged();
    }
    m_tipFrozen = false;
    Refresh();
    return clone;
}

void CProjectViewer::CancelPaletteDrag()
{
    if (m_drag.active)
        EndDrag();
    m_path.Discard();
    m_cursorShown = false;
    Refresh();
}

void CProjectViewer::DeleteCurrentBlock()
{
    CState* block = GetCurrentBlock();
    CProgram& program = TheProgram();
    if (!block || block == program.GetRoot())
        return;
    if (m_owner && !m_owner->AskToStopSimulation())
        return;
    const size_t variables = program.Variables().GetCount();
    const bool removed = program.RemoveBlock(block);
    SetCurrentBlock(nullptr);
    if (removed) {
        if (m_hoveredBlock == block)
            m_hoveredBlock = nullptr;
        if (m_menuBlock == block)
            m_menuBlock = nullptr;
        AfterEdit();
        if (program.Variables().GetCount() != variables && m_owner)
            m_owner->VariablesChanged();
    }
    Refresh();
}

void CProjectViewer::AfterEdit()
{
    CommitEdit();
    UpdateDrawingArea();
    UpdateScrollBars();
    EnableProgramCommands();
}

void CProjectViewer::ShowProperties(CState* block)
{
    if (!block || block->IsLinkPiece() || !m_owner)
        return;
    if (m_owner->ShowBlockProperties(block, false) == kPropertiesConfirmed) {
        CommitEdit();
        m_owner->EnableCommands(CanvasGroups::Saved);
    }
    Refresh();
}

void CProjectViewer::OnPropertiesCommand(wxMouseEvent&)
{
    if (m_tool != SelectTool || !m_hoveredBlock || m_hoveredBlock->IsLinkPiece())
        return;
    if (m_owner && !m_owner->AskToStopSimulation())
        return;
    ShowProperties(m_hoveredBlock);
}

bool CProjectViewer::RotateExits(CState* block)
{
    if (!::RotateExits(TheProgram(), block))
        return false;
    Refresh();
    return true;
}
