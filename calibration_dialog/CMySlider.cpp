#include "calibration_dialog/CMySlider.h"

#include "app/AppPaths.h"
#include "calibration_dialog/CTamekConfigDialog.h"

#include <algorithm>
#include <cstdlib>
#include <wx/dcbuffer.h>
#include <wx/image.h>
#include <wx/log.h>

namespace {
const wxColour kInk(49, 49, 49);
const wxColour kBackground(240, 240, 240);
const wxColour kDisabledInk(160, 160, 160);
constexpr int kTrackY = 25;   // the line where the thumbs' points meet
constexpr int kValueTop = 40; // the low and high values are written under their thumbs
constexpr int kHeight = 54;
constexpr int kFallbackThumb = 14; // a thumb whose picture is missing is drawn this wide

wxBitmap LoadThumb(const char* relative)
{
    wxLogNull quiet; // a missing picture is drawn as a plain triangle
    wxImage image;
    if (!image.LoadFile(AppPath(relative), wxBITMAP_TYPE_PNG) || !image.IsOk())
        return wxBitmap();
    return wxBitmap(image);
}

// A triangle in place of a missing thumb picture, its point at the track.
void DrawPlainThumb(wxDC& dc, const wxRect& rect, bool pointsUp)
{
    const int mid = rect.x + rect.width / 2;
    const wxPoint up[] = {{mid, rect.y}, {rect.GetRight(), rect.GetBottom()}, {rect.x, rect.GetBottom()}};
    const wxPoint down[] = {{rect.x, rect.y}, {rect.GetRight(), rect.y}, {mid, rect.GetBottom()}};
    dc.SetPen(wxPen(kInk));
    dc.SetBrush(wxBrush(kInk));
    dc.DrawPolygon(3, pointsUp ? up : down);
}
} // namespace

CMySlider::CMySlider(wxWindow* parent, CTamekConfigDialog* dialog, const wxString& name)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxSize(-1, kHeight),
              wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE | wxBORDER_NONE, name),
      m_dialog(dialog), m_up(LoadThumb("Img/Icons/slider_up.png")), m_down(LoadThumb("Img/Icons/slider_down.png")),
      m_hoverUp(LoadThumb("Img/Icons/slider_Hover_up.png")), m_hoverDown(LoadThumb("Img/Icons/slider_Hover_down.png"))
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetBackgroundColour(kBackground);
    SetMinSize(wxSize(120, kHeight));
    Bind(wxEVT_PAINT, &CMySlider::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CMySlider::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CMySlider::OnLeftUp, this);
    Bind(wxEVT_MOTION, &CMySlider::OnMotion, this);
    Bind(wxEVT_LEAVE_WINDOW, &CMySlider::OnLeave, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CMySlider::OnCaptureLost, this);
    Bind(wxEVT_KEY_DOWN, &CMySlider::OnKeyDown, this);
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& event) { Refresh(), event.Skip(); });
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) { Refresh(), event.Skip(); });
}

void CMySlider::Load(SliderMode mode, int low, int middle, int high)
{
    m_thumbs.SetMode(mode);
    m_thumbs.SetValues(low, middle, high);
    if (!m_thumbs.Has(m_selected))
        m_selected = Thumb::None;
    SetHover(Thumb::None);
    Refresh();
}

void CMySlider::SetThumbLabels(const wxString& low, const wxString& middle, const wxString& high)
{
    m_labels[0] = low, m_labels[1] = middle, m_labels[2] = high;
}

int CMySlider::HalfThumb() const
{
    return (m_up.IsOk() ? m_up.GetWidth() : kFallbackThumb) / 2;
}

int CMySlider::ThumbLeft(int value) const
{
    const int span = GetClientSize().x - 2 * HalfThumb() - 2 * kMargin;
    return kMargin + (value - m_thumbs.Minimum()) * span / (m_thumbs.Maximum() - m_thumbs.Minimum());
}

int CMySlider::ValueAt(int x) const
{
    const int span = std::max(1, GetClientSize().x - 2 * HalfThumb() - 2 * kMargin);
    return m_thumbs.Minimum() + (x - kMargin) * (m_thumbs.Maximum() - m_thumbs.Minimum()) / span;
}

wxRect CMySlider::ThumbRect(Thumb thumb) const
{
    if (!m_thumbs.Has(thumb))
        return wxRect();
    // A value outside the range (read from a file) is drawn at the nearer end.
    const int value = std::clamp(m_thumbs.Value(thumb), m_thumbs.Minimum(), m_thumbs.Maximum());
    const int height = m_up.IsOk() ? m_up.GetHeight() : kFallbackThumb;
    return wxRect(ThumbLeft(value), thumb == Thumb::Middle ? kMiddleTop : kOuterTop, 2 * HalfThumb(), height);
}

Thumb CMySlider::ThumbAt(const wxPoint& point) const
{
    Thumb found = Thumb::None;
    int distance = 0;
    for (Thumb thumb : {Thumb::Low, Thumb::Middle, Thumb::High}) {
        const wxRect rect = ThumbRect(thumb);
        const int d = std::abs(point.x - (rect.x + rect.width / 2));
        if (!rect.IsEmpty() && rect.Contains(point) && (found == Thumb::None || d < distance))
            found = thumb, distance = d;
    }
    return found;
}

void CMySlider::Select(Thumb thumb)
{
    m_selected = thumb;
    Refresh();
    if (m_dialog)
        m_dialog->TryThumb(*this, thumb);
}

void CMySlider::MoveSelected(int value, bool toward)
{
    if (m_selected == Thumb::None)
        return;
    if (!(toward ? m_thumbs.MoveToward(m_selected, value) : m_thumbs.Move(m_selected, value)))
        return;
    Refresh();
    if (m_dialog)
        m_dialog->TryThumb(*this, m_selected);
}

void CMySlider::SetHover(Thumb thumb)
{
    if (thumb == m_hover)
        return;
    m_hover = thumb;
    if (thumb == Thumb::None)
        UnsetToolTip();
    else
        SetToolTip(ThumbLabel(thumb));
    Refresh();
}

void CMySlider::OnLeftDown(wxMouseEvent& event)
{
    SetFocus();
    const Thumb thumb = ThumbAt(event.GetPosition());
    if (thumb == Thumb::None)
        return;
    m_dragging = true;
    m_pressX = event.GetX();
    m_pressValue = m_thumbs.Value(thumb);
    if (!HasCapture())
        CaptureMouse();
    Select(thumb);
}

void CMySlider::OnLeftUp(wxMouseEvent& event)
{
    m_dragging = false;
    if (HasCapture())
        ReleaseMouse();
    SetHover(ThumbAt(event.GetPosition())); // none when the drag ended outside
}

void CMySlider::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_dragging = false;
}

void CMySlider::OnMotion(wxMouseEvent& event)
{
    if (m_dragging && event.LeftIsDown()) {
        // The thumb moves as far as the mouse has; past the track's ends it stops there.
        const int value = m_pressValue + ValueAt(event.GetX()) - ValueAt(m_pressX);
        MoveSelected(std::clamp(value, m_thumbs.Minimum(), m_thumbs.Maximum()), true);
        return;
    }
    SetHover(ThumbAt(event.GetPosition()));
}

void CMySlider::OnLeave(wxMouseEvent& event)
{
    if (!m_dragging)
        SetHover(Thumb::None);
    event.Skip();
}

void CMySlider::OnKeyDown(wxKeyEvent& event)
{
    int step = 0;
    switch (event.GetKeyCode()) {
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT:
    case 'L':
        step = -1;
        break;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT:
    case 'M':
        step = 1;
        break;
    default:
        event.Skip(); // Tab, Escape and Enter keep their meaning in the dialog
        return;
    }
    if (event.GetModifiers() & ~wxMOD_SHIFT) {
        event.Skip();
        return;
    }
    MoveSelected(m_thumbs.Value(m_selected) + step, false);
}

void CMySlider::DrawValue(wxDC& dc, Thumb thumb, int left, int right)
{
    const wxString text = wxString::Format("%d", m_thumbs.Value(thumb));
    const wxRect rect = ThumbRect(thumb);
    const wxSize size = dc.GetTextExtent(text);
    int x = rect.x + rect.width / 2 - size.x / 2;
    x = std::clamp(x, left, std::max(left, right - size.x));
    const int y = thumb == Thumb::Middle ? std::max(0, kMiddleTop - size.y) : kValueTop;
    dc.DrawText(text, x, y);
}

void CMySlider::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(wxBrush(kBackground));
    dc.Clear();
    const bool enabled = IsEnabled();
    const wxColour ink = enabled ? kInk : kDisabledInk;
    const int width = GetClientSize().x, half = HalfThumb();

    // The track, a mark every 10 values and a longer one every 50.
    const int first = ThumbLeft(m_thumbs.Minimum()) + half, last = ThumbLeft(m_thumbs.Maximum()) + half;
    dc.SetPen(wxPen(ink));
    dc.SetBrush(wxBrush(ink));
    dc.DrawRectangle(first, kTrackY - 1, last - first + 1, 3);
    for (int value = m_thumbs.Minimum(); value <= m_thumbs.Maximum(); value += 10) {
        const int x = ThumbLeft(value) + half, reach = value % 50 == 0 ? 5 : 3;
        dc.DrawLine(x, kTrackY - reach, x, kTrackY + reach + 1);
    }

    // The thumbs, with their values: low and high under them (never over each other), the middle above.
    dc.SetFont(GetFont().Smaller());
    dc.SetTextForeground(ink);
    const wxRect lowRect = ThumbRect(Thumb::Low), highRect = ThumbRect(Thumb::High);
    const int between = (lowRect.x + highRect.x) / 2 + half;
    for (Thumb thumb : {Thumb::Low, Thumb::Middle, Thumb::High}) {
        if (!m_thumbs.Has(thumb))
            continue;
        const wxRect rect = ThumbRect(thumb);
        const bool up = thumb != Thumb::Middle, hover = enabled && thumb == m_hover;
        const wxBitmap& picture = up ? (hover ? m_hoverUp : m_up) : (hover ? m_hoverDown : m_down);
        if (picture.IsOk())
            dc.DrawBitmap(enabled ? picture : picture.ConvertToDisabled(), rect.x, rect.y, true);
        else
            DrawPlainThumb(dc, rect, up);
        const bool lowOfTwo = thumb == Thumb::Low && m_thumbs.Has(Thumb::High);
        const bool highOfTwo = thumb == Thumb::High && m_thumbs.Has(Thumb::Low);
        DrawValue(dc, thumb, highOfTwo ? between + 2 : 0, lowOfTwo ? between - 2 : width);
        if (thumb == m_selected && HasFocus()) {
            dc.SetPen(wxPen(ink, 1, wxPENSTYLE_DOT));
            dc.SetBrush(*wxTRANSPARENT_BRUSH);
            dc.DrawRectangle(wxRect(rect).Inflate(2));
        }
    }
}
