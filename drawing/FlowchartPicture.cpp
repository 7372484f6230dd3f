#include "drawing/FlowchartPicture.h"

#include "drawing/BlockDrawing.h"
#include "model/CProgram.h"

void DrawFlowchart(const CProgram& program, wxGraphicsContext* gc)
{
    CState* root = program.GetRoot();
    if (!root)
        return;
    // Nothing is drawn red on paper or in a picture: the current block is cleared for the while.
    CState* current = GetCurrentBlock();
    SetCurrentBlock(nullptr);
    BlockPainter painter(gc);
    painter.SetSharp(true);
    painter.SetAllTexts(true);
    painter.DrawBlock(*root, false);
    painter.DrawTree(root, nullptr);
    SetCurrentBlock(current);
}
