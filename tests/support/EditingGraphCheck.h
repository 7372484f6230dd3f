#pragma once
// Soundness of a program graph after edits: the model's own graph check, and two things edits must
// keep besides: a row member carries no chain links at all (not even a loop or join), and the current
// block is a block of the graph.

#include "model/CProgram.h"
#include "model/GraphCheck.h"

#include <set>
#include <string>
#include <vector>

inline std::string GraphFault(const CProgram& program)
{
    if (wxString problem; !CheckGraph(program, &problem))
        return std::string(problem.utf8_str());
    std::set<const CState*> blocks;
    std::string fault;
    program.ForEachBlock([&](CState* block) {
        blocks.insert(block);
        const bool rowMember = block != program.GetRoot() && !block->GetParent() &&
                               (block->GetRowNeighbour(0) || block->GetRowNeighbour(1));
        if (rowMember && fault.empty() && (block->GetSon() || block->GetExtraParent(0) || block->GetExtraParent(1)))
            fault = "row member with chain links: " + std::string(block->GetKindWordRaw().utf8_str()) + "@" +
                    std::to_string(block->GetX()) + "," + std::to_string(block->GetY());
    });
    if (!fault.empty())
        return fault;
    if (const CState* current = GetCurrentBlock(); current && !blocks.count(current))
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
