#pragma once
// Sides, directions and connector masks shared by the model, the canvas and the renderer.

namespace Direction {
// Direction codes, also used as exit side codes of a condition.
enum : int
{
    Down = 0,
    Up = 1,
    Right = 2,
    Left = 3
};
// The opposite of a direction; -1 for anything that is not a direction.
inline int Opposite(int direction)
{
    return direction >= 0 && direction <= 3 ? direction ^ 1 : -1;
}
} // namespace Direction

namespace SideSet {
// Bits of a block's side set: the sides that carry a drawn link.
enum : int
{
    Right = 1,
    Bottom = 2,
    Left = 4,
    Top = 8
};
// The bit of the side a direction points to; 0 for anything that is not a direction.
inline int OfDirection(int direction)
{
    constexpr int bits[] = {Bottom, Top, Right, Left};
    return direction >= 0 && direction <= 3 ? bits[direction] : 0;
}
} // namespace SideSet

namespace Connector {
// A connector mask (shape code) packs four 2-bit side values: 0 none, 1 exit, 2 entry.
enum : int
{
    TopShift = 0,
    BottomShift = 2,
    RightShift = 4,
    LeftShift = 6
};
inline int Top(int mask)
{
    return mask & 3;
}
inline int Bottom(int mask)
{
    return (mask >> 2) & 3;
}
inline int Right(int mask)
{
    return (mask >> 4) & 3;
}
inline int Left(int mask)
{
    return (mask >> 6) & 3;
}
inline int Pack(int top, int right, int bottom, int left)
{
    return (top & 3) | ((bottom & 3) << 2) | ((right & 3) << 4) | ((left & 3) << 6);
}
// The shift of the field of the side a direction points to; -1 for anything that is not a direction.
inline int ShiftOfDirection(int direction)
{
    constexpr int shifts[] = {BottomShift, TopShift, RightShift, LeftShift};
    return direction >= 0 && direction <= 3 ? shifts[direction] : -1;
}
constexpr int FullHorizontal = 0x90;
constexpr int FullVertical = 0x06;
constexpr int FourWay = 0x96;
} // namespace Connector

// Drawing units of one flowchart step and of a block picture.
constexpr int kStepUnits = 60;
constexpr int kBlockUnits = 96;
