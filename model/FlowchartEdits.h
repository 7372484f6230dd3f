#pragma once
// The edits the canvas makes with the mouse, as operations on the program: finding where a block
// held over the flowchart would attach, dropping a clone of a prototype there, making link pieces
// next to a block, and turning a condition's exits. They work through the graph primitives and
// the editing rules of CProgram and know nothing of windows.

#include "model/CProgram.h"

class CProjectViewer;

// A block of the graph and one of its sides (a direction code), or no block.
struct Anchor
{
    CState* block = nullptr;
    int direction = -1;
    explicit operator bool() const { return block != nullptr; }
};

// The first block, in the graph's search order (each block of a row in turn, then its son's rows,
// then its branch son's rows), whose anchor third on a side d holds the connector point d of
// moving (a block held at its position); d is tried 0 to 3 on each block. Of several, the first
// whose place on that side is free.
Anchor FindAnchor(const CProgram& program, const CState& moving);
// Whether a block's place on a side is free: its son (a condition: that side's exit), or its row
// neighbour on that side for an action's right and left.
bool IsPlaceFree(const CState& block, int direction);
// The first block whose picture (inner: its picture less 16 units on every side) holds the point.
CState* FindBlockAt(const CProgram& program, int x, int y, bool inner = false);

// A clone of prototype, held with its top-left corner at (x, y), dropped onto the flowchart: at
// the neighbour point of the anchor it finds, connected by the editing rules with the side bits
// of the new link, and a new condition with a link piece on each exit. With no root the clone
// becomes the root. Null (nothing added) when no anchor is found or the rules refuse.
CState* DropPrototype(CProgram& program, CState* prototype, int x, int y, CProjectViewer* viewer);

// Makes (piece null) or fixes a link piece next to from in direction d: the piece's side toward
// from is connected, and a link piece from also gets the side toward the piece. A new piece is a
// straight one, owned by from's canvas and placed at from's neighbour point in direction d.
CState* LinkPieceToward(CState* from, int direction, CState* piece);

// Gives a condition the exit sides son and branch (direction codes 0, 2, 3): each exit whose side
// changes gets a new first link piece on its new side, which takes over the old piece's place
// (what followed it, and loops or joins into it); an old first block that is no link piece moves
// behind the new piece. True when anything changed.
bool SetExitSides(CProgram& program, CState* condition, int son, int branch);
// Turns a condition's exits to the next arrangement (Tab); true when a piece was rebuilt.
bool RotateExits(CProgram& program, CState* condition);
// The context menu's "TRUE" (asTrue) or "FALSE" exit on side: the other exit takes the old side
// when side was its own. True when anything changed.
bool MoveExitTo(CProgram& program, CState* condition, bool asTrue, int side);
