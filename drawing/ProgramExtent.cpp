#include "drawing/ProgramExtent.h"

#include "model/CProgram.h"

namespace {
wxRect PictureRect(CState& block)
{
    const ImageHandle& picture = block.DisplayedImage();
    const int width = picture ? picture->Width() : block.ImageWidth();
    const int height = picture ? picture->Height() : block.ImageHeight();
    return wxRect(block.GetX(), block.GetY(), width, height);
}
} // namespace

wxRect ComputeProgramExtent(const CProgram& program)
{
    CState* root = program.GetRoot();
    if (!root)
        return wxRect();
    wxRect extent = PictureRect(*root);
    program.ForEachBlock([&extent](CState* block) {
        const wxRect picture = PictureRect(*block);
        // Moving the left (top) edge keeps the right (bottom) edge where it was.
        if (picture.x < extent.x) {
            extent.width += extent.x - picture.x;
            extent.x = picture.x;
        }
        if (picture.GetRight() > extent.GetRight())
            extent.width = picture.GetRight() - extent.x + 1;
        if (picture.y < extent.y) {
            extent.height += extent.y - picture.y;
            extent.y = picture.y;
        }
        if (picture.GetBottom() > extent.GetBottom())
            extent.height = picture.GetBottom() - extent.y + 1;
    });
    return extent;
}
