#include "simulator/CSimulatorButton.h"

#include "app/AppPaths.h"

#include <wx/dcbuffer.h>
#include <wx/image.h>
#include <wx/log.h>

namespace {
// A missing picture is simply not drawn.
wxBitmap LoadPicture(const wxString& relative)
{
    wxLogNull quiet;
    wxImage image;
    return image.LoadFile(AppPath(relative), wxBITMAP_TYPE_PNG) && image.IsOk() ? wxBitmap(image) : wxBitmap();
}
} // namespace

CSimulatorButton::CSimulatorButton(wxWindow* parent, const wxString& offFile, const wxString& onFile)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxSize(48, 48)), m_offPicture(LoadPicture(offFile)),
      m_onPicture(LoadPicture(onFile))
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CSimulatorButton::OnPaint, this);
}

void CSimulatorButton::SetOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    Refresh(false);
}

void CSimulatorButton::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
    dc.Clear();
    const wxBitmap& picture = m_on ? m_onPicture : m_offPicture;
    if (picture.IsOk())
        dc.DrawBitmap(picture, 0, 0, true);
}
