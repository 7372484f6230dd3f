#pragma once
// A flowchart of many pieces for the window benchmarks: a serpentine filling the drawing area in
// columns of 50 cells, down and up in turn, each cell an action or a link piece.

#include "editor/CProjectViewer.h"
#include "model/CProgram.h"
#include "model/Prototypes.h"

#include <functional>

// action(n) gives the action of cell n (1 .. pieces - 1), or null for a link piece; the first and
// last cell of a column are always link pieces (the turns).
inline void BuildSerpentine(CProgram& program, CProjectViewer* viewer, int pieces,
                            const std::function<CState*(int n)>& action)
{
    CState* last = program.EnsureRoot();
    last->SetViewer(viewer);
    last->SetPosition(10, 10);
    for (int n = 1; n < pieces; ++n) {
        const int column = n / 50, row = n % 50;
        const int x = 10 + 60 * column;
        const int y = 10 + 60 * (column % 2 == 0 ? row : 49 - row);
        CState* block = row != 0 && row != 49 ? action(n) : nullptr;
        if (!block) {
            block = Prototypes::Get().LinkPrototype()->Clone();
            block->SetConnectorMask(0x06);
        }
        block->SetViewer(viewer);
        block->SetPosition(x, y);
        last->SetSon(block);
        block->SetParent(last);
        last = block;
    }
}
