#include "model/FlowchartEdits.h"

#include "model/Prototypes.h"

namespace {
// The connector mask of a set of sides: top and left entries (2), bottom and right exits (1).
int MaskOfSides(int sides)
{
    return Connector::Pack(sides & SideSet::Top ? 2 : 0, sides & SideSet::Right ? 1 : 0,
                           sides & SideSet::Bottom ? 1 : 0, sides & SideSet::Left ? 2 : 0);
}

bool IsExitSide(int side)
{
    return side == Direction::Down || side == Direction::Right || side == Direction::Left;
}
} // namespace

bool IsPlaceFree(const CState& block, int direction)
{
    if (block.IsCondition())
        return (direction == block.GetSonExitSide() && !block.GetSon()) ||
               (direction == block.GetBranchExitSide() && !block.GetBranchSon(0));
    if (!block.IsLinkPiece() && (direction == Direction::Right || direction == Direction::Left))
        return !block.GetRowNeighbour(direction == Direction::Right ? 1 : 0);
    return !block.GetSon();
}

Anchor FindAnchor(const CProgram& program, const CState& moving)
{
    CGraphicState::Point points[4];
    for (int d = 0; d < 4; ++d)
        points[d] = moving.GetConnectorPoint(d);
    // Blocks stand one step apart and their thirds overlap: a point can lie at two anchors (below
    // one piece and beside its neighbour). The first whose place is free wins, else the first.
    Anchor first, free;
    program.FindBlock(program.GetRoot(), [&](CState* block) {
        if (block == &moving)
            return false;
        for (int d = 0; d < 4; ++d)
            if (block->GetAnchorRect(d).Contains(points[d].x, points[d].y)) {
                if (!first)
                    first = Anchor{block, d};
                if (IsPlaceFree(*block, d)) {
                    free = Anchor{block, d};
                    return true;
                }
            }
        return false;
    });
    return free ? free : first;
}

CState* FindBlockAt(const CProgram& program, int x, int y, bool inner)
{
    const int margin = inner ? 16 : 0;
    return program.FindBlock(program.GetRoot(), [=](CState* block) {
        const CGraphicState::Rect rect{block->GetX() + margin, block->GetY() + margin, block->ImageWidth() - 2 * margin,
                                       block->ImageHeight() - 2 * margin};
        return rect.Contains(x, y);
    });
}

CState* DropPrototype(CProgram& program, CState* prototype, int x, int y, CProjectViewer* viewer)
{
    CState* clone = prototype->Clone();
    clone->SetPosition(x, y);
    if (!program.GetRoot()) {
        clone->SetViewer(viewer);
        program.AppendToChain(clone);
        return clone;
    }
    const Anchor anchor = FindAnchor(program, *clone);
    if (!anchor) {
        delete clone;
        return nullptr;
    }
    CState* target = anchor.block;
    const int d = anchor.direction;
    const CGraphicState::Point point = target->GetNeighbourPoint(d);
    clone->SetPosition(point.x, point.y);
    clone->SetViewer(viewer);
    if (!program.ConnectBlock(target, clone, 1 << d)) {
        delete clone;
        return nullptr;
    }
    if (target->IsLinkPiece()) {
        LinkPieceToward(target, d, clone);
    } else {
        target->SetSideSet(target->GetSideSet() | SideSet::OfDirection(d));
        clone->SetSideSet(clone->GetSideSet() | SideSet::OfDirection(Direction::Opposite(d)));
    }
    if (clone->IsCondition())
        for (int side : {clone->GetSonExitSide(), clone->GetBranchExitSide()}) {
            CState* piece = LinkPieceToward(clone, side, nullptr);
            if (!program.ConnectBlock(clone, piece, 1 << side))
                delete piece;
        }
    return clone;
}

CState* LinkPieceToward(CState* from, int direction, CState* piece)
{
    const bool made = piece == nullptr;
    if (made) {
        piece = Prototypes::Get().LinkPrototype()->Clone();
        const bool vertical = direction == Direction::Down || direction == Direction::Up;
        piece->SetConnectorMask(vertical ? Connector::FullVertical : Connector::FullHorizontal);
    }
    const int towardFrom = SideSet::OfDirection(Direction::Opposite(direction));
    piece->SetSideSet(piece->GetSideSet() | towardFrom);
    if (piece->IsLinkPiece())
        piece->SetConnectorMask(piece->GetConnectorMask() | MaskOfSides(towardFrom));
    if (from->IsLinkPiece()) {
        const int sides = from->GetSideSet() | SideSet::OfDirection(direction);
        from->SetSideSet(sides);
        from->SetConnectorMask((from->GetConnectorMask() & ~Connector::FourWay) | MaskOfSides(sides));
    }
    if (made) {
        piece->SetViewer(from->GetViewer());
        const CGraphicState::Point point = from->GetNeighbourPoint(direction);
        piece->SetPosition(point.x, point.y);
    }
    return piece;
}

namespace {
// Gives the exit in slot (son or first branch son) a new first link piece toward side.
void RebuildExit(CProgram& program, CState* condition, bool son, int side)
{
    CState* old = son ? condition->GetSon() : condition->GetBranchSon(0);
    if (old && old->GetParent() != condition)
        old = nullptr; // a loop straight out of the condition is left to the editing rules
    CState* piece = LinkPieceToward(condition, side, nullptr);
    CState* follower = nullptr;
    bool followerOwned = false;
    CState* joiners[2] = {nullptr, nullptr};
    if (old && old->IsLinkPiece()) {
        // The new piece takes over what followed the old one, and the loops and joins into it.
        follower = old->GetSon();
        followerOwned = old->OwnsSon();
        if (followerOwned)
            program.DetachFromParent(follower);
        else
            program.Unjoin(old);
        for (CState*& joiner : joiners)
            if ((joiner = old->GetExtraParent(0)) != nullptr)
                program.Unjoin(joiner);
        program.DetachFromParent(old);
        program.DestroyBlock(old);
    } else if (old) {
        follower = old;
        followerOwned = true;
        program.DetachFromParent(old);
    }
    if (son)
        program.AttachSon(condition, piece);
    else
        program.AttachBranch(condition, piece);
    if (follower && followerOwned)
        program.AttachSon(piece, follower);
    else if (follower)
        program.JoinTo(piece, follower);
    for (CState* joiner : joiners)
        if (joiner)
            program.JoinTo(joiner, piece);
    piece->RecomputeLinkSides();
}
} // namespace

bool SetExitSides(CProgram& program, CState* condition, int son, int branch)
{
    if (!condition || !condition->IsCondition() || !IsExitSide(son) || !IsExitSide(branch) || son == branch)
        return false;
    const bool sonMoves = son != condition->GetSonExitSide();
    const bool branchMoves = branch != condition->GetBranchExitSide();
    if (!sonMoves && !branchMoves)
        return false;
    // The sides first, so that each new piece is made toward its exit's new side.
    condition->SetSonExitSide(son);
    condition->SetBranchExitSide(branch);
    if (sonMoves)
        RebuildExit(program, condition, true, son);
    if (branchMoves)
        RebuildExit(program, condition, false, branch);
    return true;
}

bool RotateExits(CProgram& program, CState* condition)
{
    if (!condition || !condition->IsCondition())
        return false;
    const CState* son = condition->GetSon();
    const CState* branch = condition->GetBranchSon(0);
    const bool sonContinues = son && son->GetSon();
    const bool branchContinues = branch && branch->GetSon();
    const int y = condition->GetSonExitSide(), n = condition->GetBranchExitSide();
    if (sonContinues && branchContinues)
        return SetExitSides(program, condition, n, y);
    // Y and N before, whether the table's condition looks at the son (else the branch), and the
    // arrangement after when it holds and when it does not.
    struct Turn
    {
        int y, n;
        bool bySon;
        int yHolds, nHolds, yElse, nElse;
    };
    static const Turn kTurns[] = {
        {0, 2, true, 3, 0, 3, 2}, {0, 3, false, 3, 2, 0, 2}, {2, 0, false, 0, 3, 2, 3},
        {2, 3, true, 0, 2, 0, 3}, {3, 0, true, 2, 3, 2, 0},  {3, 2, false, 2, 0, 3, 0},
    };
    for (const Turn& turn : kTurns)
        if (turn.y == y && turn.n == n) {
            const bool holds = turn.bySon ? sonContinues : branchContinues;
            return SetExitSides(program, condition, holds ? turn.yHolds : turn.yElse, holds ? turn.nHolds : turn.nElse);
        }
    return false;
}

bool MoveExitTo(CProgram& program, CState* condition, bool asTrue, int side)
{
    if (!condition || !condition->IsCondition())
        return false;
    int y = condition->GetSonExitSide(), n = condition->GetBranchExitSide();
    if (asTrue) {
        if (side == n)
            n = y;
        y = side;
    } else {
        if (side == y)
            y = n;
        n = side;
    }
    return SetExitSides(program, condition, y, n);
}
