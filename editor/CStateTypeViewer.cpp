#include "editor/CStateTypeViewer.h"

#include "drawing/BlockDrawing.h"
#include "model/Prototypes.h"

#include <memory>
#include <wx/dcbuffer.h>
#include <wx/graphics.h>

namespace {
const wxColour kBackground(240, 240, 240);
}

CStateTypeViewer::CStateTypeViewer(wxWindow* parent, PalettePage page)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxBORDER_NONE),
      m_prototypes(Prototypes::Get().Page(page))
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    if (!m_prototypes.empty()) {
        const CState* last = m_prototypes.back();
        m_contentHeight = last->GetY() + last->ImageHeight() + 30;
    }
    Bind(wxEVT_PAINT, &CStateTypeViewer::OnPaint, this);
}

CStateTypeViewer::~CStateTypeViewer()
{
    MovePrototypes(-m_scrollOffset);
}

void CStateTypeViewer::MovePrototypes(int change)
{
    for (CState* prototype : m_prototypes)
        prototype->SetPosition(prototype->GetX(), prototype->GetY() - change);
}

void CStateTypeViewer::ScrollTo(int position)
{
    if (position == m_scrollOffset)
        return;
    MovePrototypes(position - m_scrollOffset);
    m_scrollOffset = position;
    Refresh();
}

CState* CStateTypeViewer::PrototypeAt(const wxPoint& point) const
{
    for (CState* prototype : m_prototypes)
        if (wxRect(prototype->GetX(), prototype->GetY(), prototype->ImageWidth(), prototype->ImageHeight())
                .Contains(point))
            return prototype;
    return nullptr;
}

void CStateTypeViewer::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    dc.SetPen(wxPen(kBackground));
    dc.SetBrush(wxBrush(kBackground));
    dc.DrawRectangle(GetClientRect());
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
    if (!gc)
        return;
    BlockPainter painter(gc.get());
    for (CState* prototype : m_prototypes)
        painter.DrawBlock(*prototype, false);
}
