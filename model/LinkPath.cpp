#include "model/LinkPath.h"

#include "base/Translation.h"
#include "model/FlowchartEdits.h"
#include "model/Prototypes.h"
#include "model/UserInterface.h"

#include <algorithm>
#include <cstdlib>

namespace {
constexpr int kLegLimit = 100;

bool HasFreeExit(const CState* block)
{
    return !block->GetSon() || (block->IsCondition() && !block->GetBranchSon(0));
}

// The first block that is no link piece, going up from block through link pieces (block itself
// when it is none).
const CState* FirstBlockAbove(const CState* block)
{
    for (int i = 0; block && block->IsLinkPiece() && i < (1 << 20); ++i)
        block = block->GetParent();
    return block;
}

bool Contains(const CState& block, int x, int y)
{
    return x >= block.GetX() && y >= block.GetY() && x < block.GetX() + block.ImageWidth() &&
           y < block.GetY() + block.ImageHeight();
}
} // namespace

bool LinkPath::Start(CState* from)
{
    Discard();
    if (!from || from->GetCategory() == Category::Placeholder)
        return false;
    if (from != m_program.GetRoot() && !from->GetParent() && from->IsInRow())
        return false; // a row member carries no successor
    if (from->IsLinkPiece() && from->GetSon()) {
        // A new route from inside a path: the pieces below are replaced when it is committed,
        // as long as they lead to no block of their own.
        std::vector<CState*> chain;
        CState* end = nullptr;
        for (CState* piece = from; piece->GetSon();) {
            CState* next = piece->GetSon();
            if (next->GetParent() != piece) {
                end = next;
                break;
            }
            if (!next->IsLinkPiece() || next->IsInRow() || next->GetBranchSon(0) || next->GetExtraParent(0))
                return false;
            chain.push_back(next);
            piece = next;
        }
        m_replaced = chain;
        (void)end;
    } else if (!HasFreeExit(from)) {
        return false;
    }
    m_from = from;
    return true;
}

int LinkPath::FirstDirection(int wanted) const
{
    if (m_from->IsLinkPiece())
        return wanted;
    if (!m_from->IsCondition())
        return Direction::Down; // a block's flow leaves at its bottom
    const bool sonFree = !m_from->GetSon(), branchFree = !m_from->GetBranchSon(0);
    if ((sonFree && wanted == m_from->GetSonExitSide()) || (branchFree && wanted == m_from->GetBranchExitSide()))
        return wanted;
    return sonFree ? m_from->GetSonExitSide() : m_from->GetBranchExitSide();
}

CState* LinkPath::Occupant(int x, int y) const
{
    for (CState* piece : m_pieces)
        if (piece->GetX() == x && piece->GetY() == y)
            return piece;
    return m_program.FindBlock(m_program.GetRoot(), [&](CState* block) {
        return block->GetX() == x && block->GetY() == y &&
               std::find(m_replaced.begin(), m_replaced.end(), block) == m_replaced.end();
    });
}

bool LinkPath::CanLinkOnto(CState* block) const
{
    if (!block || block == m_from || block == m_program.GetRoot() || !block->GetParent())
        return false; // only blocks of a path of the graph, not a row's side member
    if (block->GetExtraParent(0) && block->GetExtraParent(1))
        return false;
    if (std::find(m_pieces.begin(), m_pieces.end(), block) != m_pieces.end())
        return false;
    const CState* last = Last();
    if (block->IsCondition()) {
        // A condition is entered on a side that is none of its exits.
        const int entering = Direction::Opposite(StepDirection(*last, *block));
        if (entering == block->GetSonExitSide() || entering == block->GetBranchExitSide())
            return false;
    }
    const CState* above = FirstBlockAbove(m_from);
    if (above && above->IsCondition() && above == FirstBlockAbove(block->IsLinkPiece() ? block : block->GetParent())) {
        Ui().Report(0, Tr("2 condities kunnen niet direct gelinked worden."));
        return false;
    }
    return true;
}

bool LinkPath::Step(int direction, int x, int y)
{
    CState* last = Last();
    const CGraphicState::Point point = last->GetNeighbourPoint(direction);
    if (CState* occupant = Occupant(point.x, point.y)) {
        // The way is taken: the path ends here, linked onto the block when the mouse points at it.
        if (Contains(*occupant, x, y) && CanLinkOnto(occupant) && (!m_pieces.empty() || m_from->IsLinkPiece())) {
            m_target = occupant;
            last->SetSon(occupant); // drawn as linked; the target learns of it when committed
        }
        return false;
    }
    CState* piece = Prototypes::Get().LinkPrototype()->Clone();
    const bool vertical = direction == Direction::Down || direction == Direction::Up;
    piece->SetConnectorMask(vertical ? Connector::FullVertical : Connector::FullHorizontal);
    piece->SetViewer(m_from->GetViewer());
    piece->SetPosition(point.x, point.y);
    piece->SetParent(last);
    if (last != m_from)
        last->SetSon(piece);
    m_pieces.push_back(piece);
    m_directions.push_back(direction);
    return true;
}

void LinkPath::DropTarget()
{
    if (!m_target)
        return;
    if (!m_pieces.empty())
        m_pieces.back()->SetSon(nullptr);
    m_target = nullptr;
}

void LinkPath::Pop()
{
    DropTarget();
    delete m_pieces.back();
    m_pieces.pop_back();
    m_directions.pop_back();
    if (!m_pieces.empty())
        m_pieces.back()->SetSon(nullptr);
}

void LinkPath::ExtendToward(int x, int y, int probe)
{
    if (!m_from)
        return;
    if (m_target && !Contains(*m_target, x, y))
        DropTarget();
    // Back across the last piece, on the axis of the step that led to it: that piece goes.
    while (!m_pieces.empty()) {
        const CState* last = m_pieces.back();
        const int lx = last->GetX(), ly = last->GetY();
        const int w = last->ImageWidth(), h = last->ImageHeight();
        bool back = false;
        switch (m_directions.back()) {
        case Direction::Right:
            back = x < lx + 16;
            break;
        case Direction::Left:
            back = x >= lx + w - 16;
            break;
        case Direction::Down:
            back = y < ly + 16;
            break;
        case Direction::Up:
            back = y >= ly + h - 16;
            break;
        }
        if (!back)
            break;
        Pop();
    }
    if (m_target)
        return;
    if (m_pieces.empty() && !m_from->IsLinkPiece()) {
        // The first piece leaves the block on its exit once the point is out of the block.
        if (Contains(*m_from, x, y))
            return;
        const int dx = x - (m_from->GetX() + m_from->ImageWidth() / 2);
        const int dy = y - (m_from->GetY() + m_from->ImageHeight() / 2);
        const int wanted = std::abs(dx) > std::abs(dy) ? (dx > 0 ? Direction::Right : Direction::Left)
                                                       : (dy > 0 ? Direction::Down : Direction::Up);
        if (!Step(FirstDirection(wanted), x, y))
            return;
    }
    const int half = probe / 2;
    for (int axis = 0; axis < 2 && !m_target; ++axis)
        for (int i = 0; i < kLegLimit && !m_target; ++i) {
            const CState* last = Last();
            const int distance =
                axis == 0 ? x - (last->GetX() + last->ImageWidth() / 2) : y - (last->GetY() + last->ImageHeight() / 2);
            if (std::abs(distance) < half)
                break;
            const int direction = axis == 0 ? (distance > 0 ? Direction::Right : Direction::Left)
                                            : (distance > 0 ? Direction::Down : Direction::Up);
            if (!Step(direction, x, y))
                break;
        }
}

int LinkPath::ShapeOf(const CState& block) const
{
    if (!m_from || !block.IsLinkPiece())
        return -1;
    if (&block == m_from) {
        const CState* son = !m_pieces.empty() ? m_pieces.front() : m_target;
        if (!son && m_replaced.empty())
            return -1;
        return m_from->LinkShapeWith(son, nullptr);
    }
    if (&block == m_target)
        return m_target->LinkShapeWith(m_target->GetSon(), Last());
    return -1;
}

bool LinkPath::Commit()
{
    if (!m_from || (m_pieces.empty() && !m_target)) {
        Discard();
        return false;
    }
    for (CState* piece : m_pieces) // the path's own pointers; the graph's primitives set them anew
        piece->SetParent(nullptr), piece->SetSon(nullptr);
    // The pieces replaced leave first, so that the path can take their place.
    CState* replacedFirst = m_replaced.empty() ? nullptr : m_replaced.front();
    CState* replacedEnd = m_replaced.empty() ? nullptr : m_replaced.back()->GetSon();
    CState* oldJoin = m_from->OwnsSon() ? nullptr : m_from->GetSon();
    if (replacedEnd)
        m_program.Unjoin(m_replaced.back());
    if (replacedFirst)
        m_program.DetachFromParent(replacedFirst);
    else if (oldJoin)
        m_program.Unjoin(m_from);

    bool linked;
    if (m_pieces.empty())
        linked = m_program.JoinTo(m_from, m_target);
    else
        linked = m_program.ConnectBlock(m_from, m_pieces.front(), 1 << m_directions.front());
    if (!linked) {
        // Refused: the graph is put back as it was.
        if (replacedFirst)
            m_program.AttachSon(m_from, replacedFirst);
        else if (oldJoin)
            m_program.JoinTo(m_from, oldJoin);
        if (replacedEnd)
            m_program.JoinTo(m_replaced.back(), replacedEnd);
        Discard();
        return false;
    }
    for (auto it = m_replaced.rbegin(); it != m_replaced.rend(); ++it)
        m_program.DestroyBlock(*it);
    m_replaced.clear();

    CState* previous = m_from;
    for (size_t i = 0; i < m_pieces.size(); ++i) {
        if (i > 0)
            m_program.AttachSon(previous, m_pieces[i]);
        LinkPieceToward(previous, m_directions[i], m_pieces[i]);
        previous = m_pieces[i];
    }
    if (m_target)
        m_program.JoinTo(previous, m_target);
    // Every piece touched shows its links in its connector mask, as the file keeps it.
    for (CState* piece : m_pieces)
        piece->RecomputeLinkSides();
    for (CState* end : {m_from, m_target})
        if (end && end->IsLinkPiece())
            end->RecomputeLinkSides();
    m_pieces.clear();
    m_directions.clear();
    Clear();
    return true;
}

void LinkPath::Discard()
{
    for (CState* piece : m_pieces)
        delete piece;
    m_pieces.clear();
    m_directions.clear();
    Clear();
}

void LinkPath::Clear()
{
    m_from = nullptr;
    m_target = nullptr;
    m_replaced.clear();
}
