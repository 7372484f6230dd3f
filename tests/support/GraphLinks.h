#pragma once
// Links set directly, for graphs built in tests and benchmarks without the editing rules.

#include "model/CState.h"

namespace graph_links {

// Makes child the owned son of parent and returns child.
inline CState* Son(CState* parent, CState* child)
{
    parent->SetSon(child);
    child->SetParent(parent);
    return child;
}

// Makes child the owned (first) branch son of a condition and returns child.
inline CState* Branch(CState* condition, CState* child)
{
    condition->SetBranchSon(0, child);
    child->SetParent(condition);
    return child;
}

// A loop or join: from's son is target, owned elsewhere, which records from as an extra parent.
inline void Join(CState* from, CState* target)
{
    from->SetSon(target);
    target->SetExtraParent(target->GetExtraParent(0) ? 1 : 0, from);
}

} // namespace graph_links
