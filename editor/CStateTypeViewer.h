#pragma once
// One picture page of the palette: the prototypes of a palette page drawn one below the other,
// scrolled by the palette's scroll bar.

#include "model/KindInfo.h"

#include <vector>
#include <wx/panel.h>

class CState;

class CStateTypeViewer : public wxPanel
{
public:
    CStateTypeViewer(wxWindow* parent, PalettePage page);
    // Puts the prototypes back where the page found them (they outlive it).
    ~CStateTypeViewer() override;

    const std::vector<CState*>& GetPrototypes() const { return m_prototypes; }
    int GetScrollOffset() const { return m_scrollOffset; }
    // The last prototype's bottom and a margin: the height the page needs.
    int GetContentHeight() const { return m_contentHeight; }
    // Moves every prototype up by position less the offset, which becomes position.
    void ScrollTo(int position);
    // The first prototype whose picture contains a point of the page, or null.
    CState* PrototypeAt(const wxPoint& point) const;

private:
    void MovePrototypes(int change);
    void OnPaint(wxPaintEvent& event);

    std::vector<CState*> m_prototypes;
    int m_scrollOffset = 0;
    int m_contentHeight = 0;
};
