// The editing rules: what connecting a block to a side of another, and removing a block, mean
// for the graph. Every refusal is decided before the first change, so a refused edit leaves the
// graph as it was.

#include "base/Translation.h"
#include "model/CProgram.h"
#include "model/Prototypes.h"
#include "model/UserInterface.h"

#include <wx/intl.h>

#include <vector>

namespace {
// The direction of a side bit (1 bottom, 2 top, 4 right, 8 left); -1 for anything else.
int DirectionOfSide(int side)
{
    switch (side) {
    case 1:
        return Direction::Down;
    case 2:
        return Direction::Up;
    case 4:
        return Direction::Right;
    case 8:
        return Direction::Left;
    }
    return -1;
}

bool IsHorizontal(int direction)
{
    return direction == Direction::Right || direction == Direction::Left;
}

// Actions and variable assignments: the blocks that stand in steps.
bool IsStepBlock(const CState* block)
{
    return block->GetCategory() == Category::Action || block->GetCategory() == Category::Variable;
}

bool HasExtraParent(const CState* block)
{
    return block->GetExtraParent(0) || block->GetExtraParent(1);
}
bool HasBranchSon(const CState* block)
{
    return block->GetBranchSon(0) || block->GetBranchSon(1);
}
bool HasSuccessor(const CState* block)
{
    return block->GetSon() || HasBranchSon(block);
}

// The link pieces that hang on a condition's exits and lead nowhere: each exit a chain of owned
// pieces with nothing beyond them, nothing joining into them and no row. False when an exit leads
// on (to a block, a loop or a join), so the condition is not bare.
bool CollectBareExits(const CState* condition, std::vector<CState*>& pieces)
{
    for (CState* exit : {condition->GetSon(), condition->GetBranchSon(0), condition->GetBranchSon(1)})
        for (CState* piece = exit; piece; piece = piece->GetSon()) {
            if (!piece->IsLinkPiece() || piece->GetParent() != (piece == exit ? condition : pieces.back()) ||
                HasBranchSon(piece) || HasExtraParent(piece) || piece->IsInRow())
                return false;
            pieces.push_back(piece);
        }
    return true;
}

// Whether block stands in step with another block (a kind is set once per step, opposite
// movements never together); variable assignments may share a step.
bool ClashesInStep(const CState* member, const CState* block)
{
    const CState* source = member->GetCloneSource();
    if (source && source->IsCompatible(0, block->GetPrototypeId()))
        return true;
    return member->GetPrototypeId() == block->GetPrototypeId() && member->GetCategory() != Category::Variable;
}

void WarnStepTaken()
{
    Ui().Report(0, Tr("Deze actuator is reeds ingesteld op deze stap."));
}

void WarnTopDown()
{
    Ui().Report(0, Tr(L"Une action ou une condition ne peut-\u00eatre li\u00e9e que de haut en bas."));
}

bool AskReplace(const CState* inPlace, const CState* block)
{
    const wxString question = wxString::Format(Tr("Weet u zeker dat u %s voor %s wilt vervangen?"),
                                               inPlace->ResolvedName(), block->ResolvedName());
    return Ui().AskYesNo(question, Tr("Vervangen"));
}

void MoveOneStep(CState* block, int direction)
{
    int dx = 0, dy = 0;
    switch (direction) {
    case Direction::Down:
        dy = kStepUnits;
        break;
    case Direction::Up:
        dy = -kStepUnits;
        break;
    case Direction::Right:
        dx = kStepUnits;
        break;
    case Direction::Left:
        dx = -kStepUnits;
        break;
    }
    block->SetPosition(block->GetX() + dx, block->GetY() + dy);
}
} // namespace

// The rules work on the program's private graph operations.
class EditingRules
{
public:
    explicit EditingRules(CProgram& program) : m_program(program) {}

    bool Connect(CState* target, CState* block, int side);
    bool Remove(CState* block);

private:
    // Connecting, by the target's category.
    bool ConnectToStepBlock(CState* target, CState* block, int direction);
    bool ConnectToCondition(CState* target, CState* block, int direction);
    bool ConnectToLinkPiece(CState* target, CState* block);
    bool JoinStep(CState* target, CState* block, int direction);
    bool JoinStepOfWait(CState* wait, CState* block);
    bool Replace(CState* inPlace, CState* block);
    bool InsertWithPiece(CState* target, CState* block, int direction, bool asSon);
    void Attach(CState* block, CState* after, bool asSon);

    // Removing, by the block's category.
    bool RemoveAction(CState* block);
    bool RemoveFromStep(CState* block);
    bool RemoveCondition(CState* block);
    bool RemoveLinkChain(CState* piece);
    void RemoveHalfParent(CState* parent);
    void TakeOverChainLinks(CState* from, CState* to);
    // Moves a block, its row and everything it owns a number of steps in a direction.
    void MoveSubtree(CState* top, int direction, int steps);

    CState* NewLinkPiece(const CState* near, int direction) const;
    // Whether a block may take a successor: not a row member other than the row's head, whose
    // successors would never be reached.
    bool CanOwnSuccessor(const CState* block) const;
    // A block that is in no graph: no parent, no row, not the root (link pieces may carry a join).
    bool IsLoose(const CState* block) const;
    // Whether other lies in the subtree that block owns.
    bool OwnsBlock(CState* block, const CState* other) const;
    CState* HeadOfRow(CState* block) const;

    CProgram& m_program;
};

bool CProgram::ConnectBlock(CState* target, CState* block, int side)
{
    return EditingRules(*this).Connect(target, block, side);
}

bool CProgram::RemoveBlock(CState* block)
{
    return EditingRules(*this).Remove(block);
}

bool CProgram::CanRemoveWithItsExits(const CState* block) const
{
    if (!block->IsCondition())
        return !HasSuccessor(block);
    std::vector<CState*> pieces;
    return CollectBareExits(block, pieces);
}

// ---------------------------------------------------------------------------------------------
// Helpers

CState* EditingRules::NewLinkPiece(const CState* near, int direction) const
{
    CState* piece = Prototypes::Get().LinkPrototype()->Clone();
    piece->SetConnectorMask(IsHorizontal(direction) ? Connector::FullHorizontal : Connector::FullVertical);
    if (near->GetViewer())
        piece->SetViewer(near->GetViewer());
    return piece;
}

CState* EditingRules::HeadOfRow(CState* block) const
{
    for (CState* member = block->LeftmostOfRow(); member; member = member->GetRowNeighbour(1))
        if (member->GetParent() || member == m_program.GetRoot())
            return member;
    return nullptr;
}

bool EditingRules::CanOwnSuccessor(const CState* block) const
{
    return !block->IsInRow() || block->GetParent() || block == m_program.GetRoot();
}

bool EditingRules::IsLoose(const CState* block) const
{
    if (block->GetParent() || block->IsInRow() || block == m_program.GetRoot())
        return false;
    return block->IsLinkPiece() || !HasExtraParent(block);
}

bool EditingRules::OwnsBlock(CState* block, const CState* other) const
{
    return m_program.FindBlock(block, [other](CState* b) { return b == other; }) != nullptr;
}

void EditingRules::Attach(CState* block, CState* after, bool asSon)
{
    if (asSon ? after->GetSon() : after->GetBranchSon(0)) {
        m_program.InsertAfter(block, after, asSon);
        return;
    }
    // An empty place: the block keeps whatever follows it already.
    if (asSon)
        m_program.AttachSon(after, block);
    else
        m_program.AttachBranch(after, block);
}

// ---------------------------------------------------------------------------------------------
// Connecting

bool EditingRules::Connect(CState* target, CState* block, int side)
{
    if (!target || !block || target == block || !IsLoose(block) || OwnsBlock(block, target))
        return false;
    if (block->GetCategory() == Category::Placeholder)
        return false;
    const int direction = DirectionOfSide(side);
    switch (target->GetCategory()) {
    case Category::Action:
    case Category::Variable:
        return direction >= 0 && ConnectToStepBlock(target, block, direction);
    case Category::SensorCondition:
    case Category::VariableCondition:
        return direction >= 0 && ConnectToCondition(target, block, direction);
    case Category::LinkPiece:
        return ConnectToLinkPiece(target, block);
    }
    // Nothing can be attached to a placeholder; the caller keeps its block.
    return false;
}

bool EditingRules::ConnectToStepBlock(CState* target, CState* block, int direction)
{
    if (IsStepBlock(block)) {
        if (IsHorizontal(direction))
            return JoinStep(target, block, direction);
        if (direction == Direction::Down && target->GetSon())
            return false;
        // Dropped on either end, the block comes below the target.
        return InsertWithPiece(target, block, Direction::Down, true);
    }
    if (block->IsLinkPiece()) {
        if (block->GetY() < target->GetY())
            return false;
        if (block->GetSon())
            return true; // a path already laid: nothing to do here
        if (!CanOwnSuccessor(target))
            return false;
        Attach(block, target, true);
        return true;
    }
    // A condition: only in the target's column, and only without a son of its own.
    if (block->GetSon() || block->GetX() != target->GetX())
        return false;
    if (direction == Direction::Down && target->GetSon())
        return false;
    return InsertWithPiece(target, block, Direction::Down, true);
}

bool EditingRules::JoinStep(CState* target, CState* block, int direction)
{
    // The Start block stands alone: blocks beside it would be neither drawn nor run.
    if (HasSuccessor(block) || target == m_program.GetRoot())
        return false;
    for (CState* member = target->LeftmostOfRow(); member; member = member->GetRowNeighbour(1))
        if (ClashesInStep(member, block)) {
            WarnStepTaken();
            return false;
        }
    if (target->GetKindWordRaw() == "Wait")
        return JoinStepOfWait(target, block);

    const int slot = direction == Direction::Right ? 1 : 0;
    CState* inPlace = target->GetRowNeighbour(slot);
    if (!inPlace) {
        block->SetConnectorMask(Connector::FullHorizontal);
        m_program.InsertInRow(target, slot, block);
        return true;
    }
    if (inPlace->GetCategory() == block->GetCategory() && !inPlace->IsLinkPiece())
        return Replace(inPlace, block);
    return false;
}

// The block takes the Wait's place and the Wait moves to the right end of the step, one place
// right of its last member, so a Wait stays the rightmost piece of its step and every other
// member, the head among them, keeps its column.
bool EditingRules::JoinStepOfWait(CState* wait, CState* block)
{
    const bool waitWasHead = wait->GetParent() != nullptr;
    m_program.SwapInPlace(wait, block);
    if (!waitWasHead)
        block->SetConnectorMask(Connector::FullHorizontal);
    CState* last = block->RightmostOfRow();
    m_program.InsertInRow(last, 1, wait);
    wait->SetConnectorMask(Connector::FullHorizontal);
    const CGraphicState::Point point = last->GetNeighbourPoint(Direction::Right);
    wait->SetPosition(point.x, point.y);
    return true;
}

bool EditingRules::Replace(CState* inPlace, CState* block)
{
    if (inPlace == m_program.GetRoot() || HasSuccessor(block) || HasExtraParent(block))
        return false;
    if (!AskReplace(inPlace, block))
        return false;
    m_program.SwapInPlace(inPlace, block);
    m_program.DestroyBlock(inPlace); // it now holds none of the graph's links
    return true;
}

// A new link piece joins target and block: the piece hangs on the target (as its son, or in its
// first branch slot) one step from it, and the block one step further on hangs on the piece.
// Whatever followed the target follows the block and moves two steps on, clear of both.
bool EditingRules::InsertWithPiece(CState* target, CState* block, int direction, bool asSon)
{
    if (!CanOwnSuccessor(target))
        return false;
    CState* former = asSon ? target->GetSon() : target->GetBranchSon(0);
    if (former && block->GetSon())
        return false; // the block's own son would be lost
    CState* piece = NewLinkPiece(target, direction);
    const CGraphicState::Point point = target->GetNeighbourPoint(direction);
    piece->SetPosition(point.x, point.y);
    piece->SetSideSet(SideSet::OfDirection(Direction::Opposite(direction)));
    if (!target->IsCondition()) // a condition's exits are marked by its exit sides
        target->SetSideSet(target->GetSideSet() | SideSet::OfDirection(direction));
    if (former && former->GetParent() == target)
        MoveSubtree(former, direction, 2);
    Attach(piece, target, asSon);
    piece->SetSideSet(piece->GetSideSet() | SideSet::OfDirection(direction));
    block->SetPosition(point.x, point.y);
    MoveOneStep(block, direction);
    Attach(block, piece, true);
    return true;
}

void EditingRules::MoveSubtree(CState* top, int direction, int steps)
{
    std::vector<CState*> blocks{top};
    m_program.FindBlock(top, [&blocks](CState* b) {
        blocks.push_back(b);
        return false;
    });
    for (CState* member = top->GetRowNeighbour(0); member; member = member->GetRowNeighbour(0))
        blocks.push_back(member);
    for (CState* member = top->GetRowNeighbour(1); member; member = member->GetRowNeighbour(1))
        blocks.push_back(member);
    for (CState* b : blocks)
        for (int i = 0; i < steps; ++i)
            MoveOneStep(b, direction);
}

bool EditingRules::ConnectToCondition(CState* target, CState* block, int direction)
{
    if (!CanOwnSuccessor(target))
        return false;
    if (!target->GetSon() && direction == target->GetSonExitSide()) {
        if (!block->IsLinkPiece())
            return InsertWithPiece(target, block, direction, true);
        Attach(block, target, true);
        return true;
    }
    if (!target->GetBranchSon(0) && direction == target->GetBranchExitSide()) {
        // Any other block appears on the branch exit too, joined to the condition by a piece.
        if (!block->IsLinkPiece())
            return InsertWithPiece(target, block, direction, false);
        Attach(block, target, false);
        return true;
    }
    // Both exits taken, or a side that is no exit: the block is not placed.
    return false;
}

bool EditingRules::ConnectToLinkPiece(CState* target, CState* block)
{
    CState* son = target->GetSon();
    if (!son) {
        if (!block->IsLinkPiece() && block->GetY() < target->GetY()) {
            WarnTopDown();
            return false;
        }
        if (!CanOwnSuccessor(target))
            return false;
        Attach(block, target, true);
        return true;
    }
    if (son->GetCategory() == block->GetCategory() && !block->IsLinkPiece())
        return Replace(son, block);
    return false;
}

// ---------------------------------------------------------------------------------------------
// Removing

bool EditingRules::Remove(CState* block)
{
    if (!block || block == m_program.GetRoot())
        return false;
    switch (block->GetCategory()) {
    case Category::Action:
    case Category::Variable:
        return block->IsInRow() ? RemoveFromStep(block) : RemoveAction(block);
    case Category::SensorCondition:
    case Category::VariableCondition:
        return RemoveCondition(block);
    case Category::LinkPiece:
        return RemoveLinkChain(block);
    }
    return false;
}

bool EditingRules::RemoveAction(CState* block)
{
    if (HasSuccessor(block)) {
        // A vertical piece takes the block's place, so the chain stays connected.
        CState* piece = NewLinkPiece(block, Direction::Down);
        m_program.SwapInPlace(block, piece);
        piece->SetSideSet(SideSet::Top | SideSet::Bottom);
        m_program.DestroyBlock(block);
        return true;
    }
    CState* parent = block->GetParent();
    m_program.DestroyBlock(block);
    RemoveHalfParent(parent);
    return true;
}

void EditingRules::RemoveHalfParent(CState* parent)
{
    if (!parent || !parent->IsLinkPiece() || !parent->IsHalf() || parent == m_program.GetRoot())
        return;
    if (HasSuccessor(parent) || parent->IsInRow())
        return;
    m_program.DestroyBlock(parent);
}

// The row member that takes over: the right neighbour when the step's head stands at or left of
// the block, else the left one; the pieces beyond it move one place toward the gap.
bool EditingRules::RemoveFromStep(CState* block)
{
    CState* head = HeadOfRow(block);
    bool headAtOrLeft = false;
    for (CState* member = block; member; member = member->GetRowNeighbour(0))
        if (member == head)
            headAtOrLeft = true;
    CState* left = block->GetRowNeighbour(0);
    CState* right = block->GetRowNeighbour(1);
    CState* taker = headAtOrLeft ? right : left;
    if (block == head && !taker)
        taker = left ? left : right; // the head's links must not be lost
    if (taker) {
        const int slot = taker == right ? 1 : 0;
        int x = block->GetX(), y = block->GetY();
        for (CState* member = taker; member; member = member->GetRowNeighbour(slot)) {
            const int oldX = member->GetX(), oldY = member->GetY();
            member->SetPosition(x, y);
            x = oldX, y = oldY;
        }
    }
    m_program.LeaveRow(block);
    if (block == head && taker)
        TakeOverChainLinks(block, taker);
    m_program.DestroyBlock(block);
    return true;
}

// A row member becomes the head: it takes the old head's place in the chain, with its top and
// bottom connectors.
void EditingRules::TakeOverChainLinks(CState* from, CState* to)
{
    if (CState* parent = from->GetParent()) {
        if (parent->GetSon() == from)
            parent->SetSon(to);
        for (int i = 0; i < 2; ++i)
            if (parent->GetBranchSon(i) == from)
                parent->SetBranchSon(i, to);
    }
    to->SetParent(from->GetParent());
    from->SetParent(nullptr);
    for (int i = 0; i < 2; ++i) {
        CState* extra = from->GetExtraParent(i);
        to->SetExtraParent(i, extra);
        from->SetExtraParent(i, nullptr);
        if (extra && extra->GetSon() == from)
            extra->SetSon(to);
        CState* branch = from->GetBranchSon(i);
        to->SetBranchSon(i, branch);
        from->SetBranchSon(i, nullptr);
        if (branch && branch->GetParent() == from)
            branch->SetParent(to);
    }
    if (CState* son = from->GetSon()) {
        if (son->GetParent() == from)
            son->SetParent(to);
        for (int i = 0; i < 2; ++i)
            if (son->GetExtraParent(i) == from)
                son->SetExtraParent(i, to);
    }
    to->SetSon(from->GetSon());
    from->SetSon(nullptr);
    constexpr int kVertical = 0x0F; // the top and bottom fields of a connector mask
    to->SetConnectorMask((to->GetConnectorMask() & ~kVertical) | (from->GetConnectorMask() & kVertical));
    constexpr int kVerticalSides = SideSet::Top | SideSet::Bottom;
    to->SetSideSet((to->GetSideSet() & ~kVerticalSides) | (from->GetSideSet() & kVerticalSides));
}

bool EditingRules::RemoveCondition(CState* block)
{
    // A condition goes with the bare link pieces on its exits (those a drop gives it), never with
    // a path that leads on.
    std::vector<CState*> pieces;
    if (!CollectBareExits(block, pieces) || block->IsInRow())
        return false;
    for (auto it = pieces.rbegin(); it != pieces.rend(); ++it)
        m_program.DestroyBlock(*it);
    CState* parent = block->GetParent();
    m_program.DestroyBlock(block);
    RemoveHalfParent(parent);
    return true;
}

// A link piece goes with the pieces below it down to a join or the end of the path, and the
// pieces above it up to a block, a join, a fork or a condition's exit piece. A path that leads
// on to a block stays as it is.
bool EditingRules::RemoveLinkChain(CState* piece)
{
    if (HasBranchSon(piece) || piece->IsInRow())
        return false;

    std::vector<CState*> below;
    CState* last = piece;
    CState* join = nullptr;
    for (CState* son = piece->GetSon(); son; son = son->GetSon()) {
        if (HasExtraParent(son) || son->GetParent() != last) {
            join = son;
            break;
        }
        if (!son->IsLinkPiece())
            return true;
        if (HasBranchSon(son) || son->IsInRow())
            return false;
        below.push_back(son);
        last = son;
    }

    std::vector<CState*> above;
    CState* top = piece;
    for (CState* parent = piece->GetParent(); parent; parent = parent->GetParent()) {
        if (!parent->IsLinkPiece() || HasExtraParent(parent) || HasBranchSon(parent) || parent->IsInRow() ||
            parent->GetSon() != top || parent == m_program.GetRoot())
            break;
        if (parent->GetParent() && parent->GetParent()->IsCondition())
            break; // a condition keeps its exit piece
        above.push_back(parent);
        top = parent;
    }

    // A join that the path owned passes to another path that reaches it, outside its own subtree.
    CState* heir = nullptr;
    if (join && join->GetParent() == last) {
        for (int i = 0; i < 2 && !heir; ++i) {
            CState* extra = join->GetExtraParent(i);
            if (extra && extra->GetSon() == join && CanOwnSuccessor(extra) && !OwnsBlock(join, extra))
                heir = extra;
        }
        if (!heir)
            return false; // the join would be lost with the path
    }

    CState* remaining = top->GetParent();
    const int dx = remaining ? top->GetX() - remaining->GetX() : 0;
    const int dy = remaining ? top->GetY() - remaining->GetY() : 0;

    if (heir) {
        m_program.Unjoin(heir);
        m_program.DetachFromParent(join);
        m_program.AttachSon(heir, join);
    }
    // From the bottom up, so that each piece's owner is still there when it goes.
    for (auto it = below.rbegin(); it != below.rend(); ++it)
        m_program.DestroyBlock(*it);
    m_program.DestroyBlock(piece);
    for (CState* removed : above)
        m_program.DestroyBlock(removed);

    if (remaining) {
        int side;
        if (dx < 0)
            side = SideSet::Left;
        else if (dx > 0)
            side = SideSet::Right;
        else
            side = dy <= 0 ? SideSet::Top : SideSet::Bottom;
        remaining->SetSideSet(remaining->GetSideSet() & ~side);
        // A block keeps its own connectors, so that it can be linked again on that side.
        if (remaining->IsLinkPiece())
            remaining->DisconnectSides(dx, dy);
    }
    return true;
}
