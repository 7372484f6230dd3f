#pragma once
// Soundness of a program graph after edits: every owned successor's parent points back, no
// block is reached twice over owned links (no cycle, no second owner), row neighbours point at
// each other and hang only on a row's head, loop and join references are recorded on both ends
// and lead to blocks of the graph, and the variable list and the current block name live blocks.

#include "model/CProgram.h"

#include <set>
#include <string>
#include <vector>

inline std::string GraphFault(const CProgram& program)
{
    const CState* root = program.GetRoot();
    if (!root)
        return std::string();
    std::set<const CState*> seen;
    std::vector<std::pair<const CState*, const CState*>> references; // (from, to) not owned
    std::vector<const CState*> stack{root};
    auto describe = [](const CState* b) {
        return std::string(b->GetKindWordRaw().utf8_str()) + "@" + std::to_string(b->GetX()) + "," +
               std::to_string(b->GetY());
    };
    if (root->GetParent())
        return "the root has a parent";
    while (!stack.empty()) {
        const CState* block = stack.back();
        stack.pop_back();
        if (!seen.insert(block).second)
            return "reached twice over owned links: " + describe(block);
        for (int i = 0; i < 2; ++i) {
            if (const CState* extra = block->GetExtraParent(i)) {
                if (extra->GetSon() != block)
                    return "extra parent whose son is elsewhere: " + describe(block);
                references.emplace_back(block, extra);
            }
            if (const CState* branch = block->GetBranchSon(i)) {
                if (branch->GetParent() != block)
                    return "branch son not owned: " + describe(block);
                stack.push_back(branch);
            }
        }
        if (const CState* son = block->GetSon()) {
            if (son->GetParent() == block) {
                stack.push_back(son);
            } else {
                if (son->GetExtraParent(0) != block && son->GetExtraParent(1) != block)
                    return "son reference not recorded as extra parent: " + describe(block);
                references.emplace_back(block, son);
            }
        }
        // The row hangs on the block that is reached through the chain.
        for (int side = 0; side < 2; ++side) {
            const CState* previous = block;
            for (const CState* member = block->GetRowNeighbour(side); member;
                 previous = member, member = member->GetRowNeighbour(side)) {
                if (member->GetRowNeighbour(1 - side) != previous)
                    return "row neighbour not pointing back: " + describe(member);
                if (member->GetParent() || member->GetSon() || member->GetBranchSon(0) || member->GetBranchSon(1) ||
                    member->GetExtraParent(0) || member->GetExtraParent(1))
                    return "row member with chain links: " + describe(member);
                if (!seen.insert(member).second)
                    return "row member reached twice: " + describe(member);
            }
        }
    }
    for (const auto& [from, to] : references)
        if (!seen.count(to))
            return "reference to a block outside the graph from " + describe(from);
    for (const CState* variable : program.Variables())
        if (!seen.count(variable))
            return "variable list names a block outside the graph";
    if (const CState* current = GetCurrentBlock(); current && !seen.count(current))
        return "the current block is outside the graph";
    return std::string();
}

// Every block of the graph, root first (owned links and rows).
inline std::vector<CState*> GraphBlocks(const CProgram& program)
{
    std::vector<CState*> blocks;
    program.ForEachBlock([&blocks](CState* b) { blocks.push_back(b); });
    return blocks;
}
