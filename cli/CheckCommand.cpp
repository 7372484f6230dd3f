// tamekc check FILE: reads a project and prints what it holds, or the error.

#include "cli/Commands.h"
#include "cli/ProjectLoad.h"
#include "model/GraphCheck.h"
#include "model/KindInfo.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

std::string Utf8(const wxString& text)
{
    return std::string(text.utf8_str());
}

// The kind's class name without "CState" ("Wait", "LinkFullH").
std::string KindName(const CState& block)
{
    const char* name = block.Kind().className;
    return std::strncmp(name, "CState", 6) ? name : name + 6;
}

// Whether target owns, directly or through its descendants, from: a son reference back to it is a loop.
bool IsAncestor(const CState* target, const CState* from)
{
    for (const CState* block = from; block; block = block->GetParent())
        if (block == target)
            return true;
    return false;
}

void PrintSummary(const std::string& path, CProgram& program, const CalibrationRecord& calibration)
{
    std::map<std::string, int> kinds;
    std::vector<std::string> rows, loops, joins;
    int blocks = 0;
    auto visit = [&](CState* block) {
        ++blocks;
        ++kinds[KindName(*block)];
        if (CState* son = block->GetSon(); son && !block->OwnsSon()) {
            const std::string link =
                std::to_string(block->GetNodeNumber()) + " -> " + std::to_string(son->GetNodeNumber());
            (IsAncestor(son, block) ? loops : joins).push_back(link);
        }
    };
    auto visitRow = [&](CState* head) {
        if (!head->GetRowNeighbour(0) && !head->GetRowNeighbour(1))
            return;
        std::string row;
        for (CState* member = head->LeftmostOfRow(); member; member = member->GetRowNeighbour(1)) {
            row += (row.empty() ? "" : " ") + std::to_string(member->GetNodeNumber());
            if (member != head)
                visit(member);
        }
        rows.push_back(row);
    };
    CState* root = program.GetRoot();
    visitRow(root);
    program.ForEachBlock([&](CState* block) {
        if (block == root || block->GetParent())
            visit(block);
        if (block == root)
            return;
        if (block->GetParent())
            visitRow(block);
    });

    std::printf("%s: %d blocks\n", path.c_str(), blocks);
    for (const auto& [kind, count] : kinds)
        std::printf("  %-24s %d\n", kind.c_str(), count);
    std::printf("variables: %zu\n", program.Variables().GetCount());
    for (const CState* variable : program.Variables())
        std::printf("  %s = index %d\n", Utf8(variable->ResolvedName()).c_str(), variable->GetVariableIndex());
    auto list = [](const char* title, const std::vector<std::string>& items) {
        std::printf("%s: %zu\n", title, items.size());
        for (const std::string& item : items)
            std::printf("  %s\n", item.c_str());
    };
    list("rows (node numbers, left to right)", rows);
    list("loops", loops);
    list("joins", joins);
    std::printf("calibration: %s\n",
                calibration.present && CalibrationBlock(calibration).size() ? "own block" : "defaults");
}

int RunCheck(const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        std::fprintf(stderr, "Usage: tamekc check FILE.tamek\n");
        return CliExit::Usage;
    }
    CProgram program;
    CalibrationRecord calibration;
    if (!LoadProject(args[0], program, calibration))
        return CliExit::Unreadable;
    wxString problem;
    if (!CheckGraph(program, &problem)) {
        std::fprintf(stderr, "tamekc: %s: unsound graph: %s\n", args[0].c_str(), Utf8(problem).c_str());
        return CliExit::Unreadable;
    }
    PrintSummary(args[0], program, calibration);
    return CliExit::Ok;
}

const CliRegistrar registrar({"check", "FILE.tamek  print the blocks by kind, variables, rows, loops, or the error",
                              &RunCheck});
} // namespace
