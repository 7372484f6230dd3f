#pragma once
// The whole flowchart as the printout and the exported pictures show it: the sharper pictures,
// and every block with its normal tile, the current block too.

class CProgram;
class wxGraphicsContext;

// Draws the program in drawing units; the caller places and scales the context.
void DrawFlowchart(const CProgram& program, wxGraphicsContext* gc);
