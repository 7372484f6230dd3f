#pragma once
// A long flowchart built through the editing rules as the canvas drops blocks, for the edit
// benchmarks.

#include "model/CProgram.h"
#include "model/Prototypes.h"
#include "support/Blocks.h"

namespace bench_programs {

inline CState* Proto(PalettePage page, size_t i)
{
    return Prototypes::Get().At(page, i);
}

// Steps of one to three actions, every fourth step a condition with a block on its branch exit,
// every block joined to the next by a link piece. Answers the number of pieces.
inline int BuildEditedFlowchart(CProgram& program, int pieces)
{
    using testing_support::Drop;
    CState* last = program.EnsureRoot();
    last->SetPosition(600, 40);
    int count = 1;
    for (int step = 0; count < pieces; ++step) {
        if (step % 4 == 3) {
            CState* condition = Drop(program, last, Proto(PalettePage::Sensor, step % 5), 0);
            if (Drop(program, condition, Proto(PalettePage::Action, 1), 2))
                count += 2;
            last = condition;
            count += 2;
            continue;
        }
        CState* action = Drop(program, last, Proto(PalettePage::Action, 3 + step % 4), 0);
        action->SetParameterText(wxString::Format("%d", step % 100));
        count += 2;
        if (step % 3 == 0 && Drop(program, action, Proto(PalettePage::Action2, 0), 2))
            ++count;
        if (step % 6 == 0 && Drop(program, action, Proto(PalettePage::Action, 0), 2))
            ++count;
        last = action;
    }
    return count;
}

} // namespace bench_programs
