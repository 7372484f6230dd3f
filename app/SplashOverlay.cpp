#include "app/SplashOverlay.h"

#include <wx/bitmap.h>
#include <wx/dcclient.h>
#include <wx/timer.h>
#include <wx/window.h>

namespace {
class SplashOverlay : public wxWindow
{
public:
    SplashOverlay(const wxBitmap& picture, wxWindow* parent, int milliseconds)
        : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSIMPLE_BORDER), m_picture(picture),
          m_timer(this)
    {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        SetClientSize(picture.GetSize());
        Centre(wxBOTH);
        Raise(); // above the panes, which were made before it
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            wxPaintDC dc(this);
            dc.DrawBitmap(m_picture, 0, 0);
        });
        Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent&) { Destroy(); });
        Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Destroy(); });
        // The window learns its final size from the compositor after it is shown.
        parent->Bind(wxEVT_SIZE, &SplashOverlay::OnParentSize, this);
        m_timer.StartOnce(milliseconds);
    }
    ~SplashOverlay() override { GetParent()->Unbind(wxEVT_SIZE, &SplashOverlay::OnParentSize, this); }

private:
    void OnParentSize(wxSizeEvent& event)
    {
        event.Skip();
        Centre(wxBOTH);
    }

    wxBitmap m_picture;
    wxTimer m_timer;
};
} // namespace

wxWindow* ShowSplashInWindow(const wxBitmap& picture, wxWindow* parent, int milliseconds)
{
    return new SplashOverlay(picture, parent, milliseconds);
}
