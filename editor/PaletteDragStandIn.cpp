// Stands in for the canvas's side of the palette drag until the canvas editing tools land: the
// drop as the select tool makes it, without the drawn picture. Removed when they land.
#include "editor/BlockDrawing.h"
#include "editor/CProjectViewer.h"
#include "editor/WxImageStore.h"
#include "model/CProgram.h"

#include <wx/image.h>

namespace {
CState* g_dragged = nullptr;

CState* FindTarget(CState* prototype, int& direction)
{
    CState* found = nullptr;
    TheProgram().FindBlock(TheProgram().GetRoot(), [&](CState* block) {
        for (int d = 0; d < 4 && !found; ++d) {
            const CGraphicState::Point point = prototype->GetConnectorPoint(d);
            if (block->GetAnchorRect(d).Contains(point.x, point.y))
                found = block, direction = d;
        }
        return found != nullptr;
    });
    return found;
}
} // namespace

void CProjectViewer::BeginPaletteDrag(CState* prototype, const wxBitmap&, const wxPoint&)
{
    g_dragged = prototype;
}

void CProjectViewer::MovePaletteDrag(const wxPoint&) {}

CState* CProjectViewer::EndPaletteDrag(const wxPoint& screen)
{
    CState* prototype = g_dragged;
    g_dragged = nullptr;
    const wxPoint window = ScreenToClient(screen);
    if (!prototype || !GetClientRect().Contains(window))
        return nullptr;
    const wxPoint drawing = ToDrawing(window);
    const int oldX = prototype->GetX(), oldY = prototype->GetY();
    prototype->SetPosition(drawing.x - prototype->GetGrabX(), drawing.y - prototype->GetGrabY());
    int direction = 0;
    CState* target = FindTarget(prototype, direction);
    prototype->SetPosition(oldX, oldY);
    if (!target)
        return nullptr;
    CState* clone = prototype->Clone();
    const CGraphicState::Point point = target->GetNeighbourPoint(direction);
    clone->SetPosition(point.x, point.y);
    clone->SetViewer(this);
    if (!TheProgram().ConnectBlock(target, clone, 1 << direction)) {
        delete clone;
        return nullptr;
    }
    Refresh();
    return clone;
}

void CProjectViewer::CancelPaletteDrag()
{
    g_dragged = nullptr;
}

bool CProjectViewer::IsPaletteDragActive() const
{
    return g_dragged != nullptr;
}

wxImage BlendedDragPicture(const CState& block)
{
    const WxBlockImage* picture = AsWx(const_cast<CState&>(block).DisplayedImage());
    return picture ? picture->Image() : wxImage();
}
