#pragma once
// A large flowchart built in code for the project text benchmarks: units of eight pieces, each a
// condition whose son path holds a step of three actions (a row) and a link piece, and whose branch
// path goes right through two corners and an action and joins the son path again; every fifth unit
// assigns a variable instead of waiting, and the last piece loops back to the first condition.

#include "model/CProgram.h"
#include "model/Prototypes.h"

inline void BuildLargeProject(CProgram& program, int pieces)
{
    CState* start = program.EnsureRoot();
    start->SetPosition(300, 40);
    auto make = [&](const char* word, int x, int y, const char* parameter) {
        CState* block = BlockFromFileWord(word, program);
        block->SetPosition(x, y);
        if (parameter)
            block->SetParameterText(parameter);
        return block;
    };
    auto own = [](CState* parent, CState* son, bool branch) {
        if (branch)
            parent->SetBranchSon(0, son);
        else
            parent->SetSon(son);
        son->SetParent(parent);
    };
    auto refer = [](CState* from, CState* target) {
        from->SetSon(target);
        target->SetExtraParent(target->GetExtraParent(0) ? 1 : 0, from);
    };
    CState* last = start;
    CState* firstCondition = nullptr;
    int y = 100;
    for (int unit = 0, made = 0; made + 8 <= pieces; ++unit, made += 8, y += 180) {
        CState* condition = make("Switch1", 300, y, "1");
        own(last, condition, false);
        if (!firstCondition)
            firstCondition = condition;
        CState* action = unit % 5 == 4 ? make("Variable", 300, y + 60, "v+1") : make("Wait", 300, y + 60, "5");
        if (action->GetCategory() == Category::Variable)
            action->SetName(wxString::Format("v%d", unit % 10));
        own(condition, action, false);
        CState* left = make("Buzzer", 180, y + 60, "1");
        CState* right = make("LedR", 420, y + 60, "0");
        action->SetRowNeighbour(0, left), left->SetRowNeighbour(1, action);
        action->SetRowNeighbour(1, right), right->SetRowNeighbour(0, action);
        CState* joint = make("LinkTopBottomRight", 300, y + 120, nullptr);
        own(action, joint, false);
        CState* corner = make("LinkTopRight", 540, y, nullptr);
        own(condition, corner, true);
        CState* motor = make("Motor1", 540, y + 60, "5");
        own(corner, motor, false);
        CState* back = make("LinkBottomRight", 540, y + 120, nullptr);
        own(motor, back, false);
        refer(back, joint);
        last = joint;
    }
    if (firstCondition && last != start)
        refer(last, firstCondition);
}
