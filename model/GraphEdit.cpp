// The graph primitives of CProgram: every change of a link is made at both of its ends.

#include "model/CProgram.h"

void CProgram::AttachSon(CState* parent, CState* child)
{
    if (!parent || !child || parent->GetSon() || child->GetParent())
        return;
    parent->SetSon(child);
    child->SetParent(parent);
}

void CProgram::AttachBranch(CState* parent, CState* child, int slot)
{
    if (!parent || !child || (slot != 0 && slot != 1) || parent->GetBranchSon(slot) || child->GetParent())
        return;
    parent->SetBranchSon(slot, child);
    child->SetParent(parent);
}

void CProgram::DetachFromParent(CState* block)
{
    CState* parent = block ? block->GetParent() : nullptr;
    if (!parent)
        return;
    if (parent->GetSon() == block)
        parent->SetSon(nullptr);
    for (int i = 0; i < 2; ++i)
        if (parent->GetBranchSon(i) == block)
            parent->SetBranchSon(i, nullptr);
    block->SetParent(nullptr);
}

bool CProgram::JoinTo(CState* from, CState* target)
{
    if (!from || !target || from->GetSon())
        return false;
    for (int i = 0; i < 2; ++i)
        if (!target->GetExtraParent(i)) {
            target->SetExtraParent(i, from);
            from->SetSon(target);
            return true;
        }
    return false;
}

void CProgram::Unjoin(CState* from)
{
    CState* target = from ? from->GetSon() : nullptr;
    if (!target || target->GetParent() == from)
        return;
    for (int i = 0; i < 2; ++i)
        if (target->GetExtraParent(i) == from)
            target->SetExtraParent(i, nullptr);
    // The remaining extra parent takes the first slot, where a join is looked for first.
    if (!target->GetExtraParent(0) && target->GetExtraParent(1)) {
        target->SetExtraParent(0, target->GetExtraParent(1));
        target->SetExtraParent(1, nullptr);
    }
    from->SetSon(nullptr);
}

void CProgram::InsertInRow(CState* member, int side, CState* block)
{
    if (!member || !block || (side != 0 && side != 1) || block->IsInRow())
        return;
    CState* beyond = member->GetRowNeighbour(side);
    member->SetRowNeighbour(side, block);
    block->SetRowNeighbour(1 - side, member);
    block->SetRowNeighbour(side, beyond);
    if (beyond)
        beyond->SetRowNeighbour(1 - side, block);
}

void CProgram::LeaveRow(CState* block)
{
    if (!block)
        return;
    CState* left = block->GetRowNeighbour(0);
    CState* right = block->GetRowNeighbour(1);
    if (left && left->GetRowNeighbour(1) == block)
        left->SetRowNeighbour(1, right);
    if (right && right->GetRowNeighbour(0) == block)
        right->SetRowNeighbour(0, left);
    block->SetRowNeighbour(0, nullptr);
    block->SetRowNeighbour(1, nullptr);
}
