#include "simulator/RobotPaneDrawing.h"

#include "base/Translation.h"
#include "bytecode/TamekMachine.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <wx/brush.h>
#include <wx/graphics.h>
#include <wx/pen.h>

namespace {
const wxColour kPaper(246, 247, 249), kInk(38, 50, 56), kMuted(120, 132, 140), kBody(55, 71, 79), kBodyEdge(33, 43, 48),
    kBodyInk(226, 233, 236), kDim(84, 100, 108), kTrack(207, 214, 219), kForward(76, 175, 80), kBackward(255, 143, 0),
    kGreen(102, 220, 110), kRed(244, 67, 54), kAmber(255, 193, 7), kSensor(3, 155, 229);

// The pane's one font, made once.
const wxFont& PaneFont()
{
    static const wxFont font(wxFontInfo(8));
    return font;
}

wxColour WithAlpha(const wxColour& colour, int alpha)
{
    return wxColour(colour.Red(), colour.Green(), colour.Blue(), alpha);
}

void Text(wxGraphicsContext& gc, const wxString& text, double centreX, double top, const wxColour& colour)
{
    double width, height;
    gc.SetFont(PaneFont(), colour);
    gc.GetTextExtent(text, &width, &height);
    gc.DrawText(text, centreX - width / 2, top);
}

// A lamp: a glass dome, lit with a halo.
void Lamp(wxGraphicsContext& gc, double x, double y, bool on, const wxColour& colour, const wxString& label)
{
    if (on) {
        gc.SetPen(*wxTRANSPARENT_PEN);
        gc.SetBrush(gc.CreateRadialGradientBrush(x, y, x, y, 20, WithAlpha(colour, 150), WithAlpha(colour, 0)));
        gc.DrawEllipse(x - 20, y - 20, 40, 40);
    }
    gc.SetPen(wxPen(kBodyEdge, 1.5));
    const wxColour centre = on ? colour.ChangeLightness(160) : kDim.ChangeLightness(120);
    gc.SetBrush(gc.CreateRadialGradientBrush(x - 3, y - 3, x, y, 10, centre, on ? colour : kDim));
    gc.DrawEllipse(x - 9, y - 9, 18, 18);
    Text(gc, label, x, y + 13, kBodyInk);
}

// The buzzer: a speaker, with sound waves while it sounds.
void Buzzer(wxGraphicsContext& gc, double x, double y, bool on, const wxString& label)
{
    const wxColour fill = on ? kAmber : kDim.ChangeLightness(120);
    gc.SetPen(wxPen(kBodyEdge, 1.5));
    gc.SetBrush(wxBrush(fill));
    wxGraphicsPath cone = gc.CreatePath();
    cone.MoveToPoint(x - 10, y - 4);
    cone.AddLineToPoint(x - 5, y - 4);
    cone.AddLineToPoint(x + 2, y - 10);
    cone.AddLineToPoint(x + 2, y + 10);
    cone.AddLineToPoint(x - 5, y + 4);
    cone.AddLineToPoint(x - 10, y + 4);
    cone.CloseSubpath();
    gc.DrawPath(cone);
    if (on) {
        gc.SetPen(wxPen(kAmber, 1.8));
        for (double r : {6.0, 10.0}) {
            wxGraphicsPath wave = gc.CreatePath();
            wave.AddArc(x + 2, y, r, -M_PI / 4, M_PI / 4, true);
            gc.StrokePath(wave);
        }
    }
    Text(gc, label, x, y + 13, kBodyInk);
}

// A servo: a dial with its arm at the angle (0 straight ahead), or, turning on, an arrow round it
// whose length is the speed.
void Servo(wxGraphicsContext& gc, double x, double y, int value, bool continuous, const wxString& label)
{
    gc.SetPen(wxPen(kBodyEdge, 1.5));
    gc.SetBrush(gc.CreateRadialGradientBrush(x, y - 6, x, y, 26, wxColour(74, 92, 102), wxColour(44, 58, 65)));
    gc.DrawEllipse(x - 24, y - 24, 48, 48);
    gc.SetPen(wxPen(WithAlpha(kBodyInk, 90), 1));
    for (int tick = -90; tick <= 90; tick += 45) {
        const double a = tick * M_PI / 180;
        gc.StrokeLine(x + 18 * std::sin(a), y - 18 * std::cos(a), x + 22 * std::sin(a), y - 22 * std::cos(a));
    }
    if (continuous) {
        if (value != 0) {
            const double sweep = std::min(1.0, std::abs(value) / 10.0) * 1.6 * M_PI;
            const double start = -M_PI / 2, end = value > 0 ? start + sweep : start - sweep;
            gc.SetPen(wxPen(kSensor.ChangeLightness(140), 3));
            wxGraphicsPath arc = gc.CreatePath();
            arc.AddArc(x, y, 14, start, end, value > 0);
            gc.StrokePath(arc);
            const double tipX = x + 14 * std::cos(end), tipY = y + 14 * std::sin(end);
            const double along = end + (value > 0 ? M_PI / 2 : -M_PI / 2);
            wxGraphicsPath head = gc.CreatePath();
            head.MoveToPoint(tipX + 6 * std::cos(along), tipY + 6 * std::sin(along));
            head.AddLineToPoint(tipX + 5 * std::cos(end), tipY + 5 * std::sin(end));
            head.AddLineToPoint(tipX - 5 * std::cos(end), tipY - 5 * std::sin(end));
            head.CloseSubpath();
            gc.SetBrush(wxBrush(kSensor.ChangeLightness(140)));
            gc.SetPen(*wxTRANSPARENT_PEN);
            gc.FillPath(head);
        }
    } else {
        const double a = std::clamp(value, -90, 90) * M_PI / 180;
        gc.SetPen(wxPen(kSensor.ChangeLightness(140), 4));
        gc.StrokeLine(x, y, x + 17 * std::sin(a), y - 17 * std::cos(a));
    }
    gc.SetPen(*wxTRANSPARENT_PEN);
    gc.SetBrush(wxBrush(kBodyInk));
    gc.DrawEllipse(x - 3.5, y - 3.5, 7, 7);
    const wxString unit = continuous ? wxString() : wxString(L"\u00b0");
    Text(gc, wxString::Format("%s  %d", label, value) + unit, x, y + 27, kBodyInk);
}

// A motor: its wheel with treads, an arrow on it for the direction (up forward), longer the faster.
void Wheel(wxGraphicsContext& gc, double x, double y, int value, int direction, int limit, const wxString& label)
{
    gc.SetPen(wxPen(wxColour(10, 12, 14), 1.5));
    gc.SetBrush(gc.CreateLinearGradientBrush(x - 14, y, x + 14, y, wxColour(40, 44, 48), wxColour(70, 76, 82)));
    gc.DrawRoundedRectangle(x - 14, y - 56, 28, 112, 7);
    gc.SetPen(wxPen(wxColour(95, 102, 108), 1));
    for (double tread = y - 50; tread <= y + 50; tread += 8)
        gc.StrokeLine(x - 11, tread, x + 11, tread);
    if (direction != TamekMachine::None && value != 0) {
        const double speed = std::min(1.0, std::abs(value) / static_cast<double>(std::max(1, limit)));
        const double half = 14 + 32 * speed, sign = direction == TamekMachine::Forward ? -1 : 1;
        const wxColour colour = direction == TamekMachine::Forward ? kForward : kBackward;
        gc.SetPen(wxPen(wxColour(255, 255, 255, 200), 7));
        gc.StrokeLine(x, y - sign * half, x, y + sign * (half - 6));
        gc.SetPen(wxPen(colour, 4));
        gc.StrokeLine(x, y - sign * half, x, y + sign * (half - 6));
        wxGraphicsPath head = gc.CreatePath();
        head.MoveToPoint(x - 9, y + sign * (half - 10));
        head.AddLineToPoint(x, y + sign * (half + 2));
        head.AddLineToPoint(x + 9, y + sign * (half - 10));
        head.CloseSubpath();
        gc.SetPen(wxPen(wxColour(255, 255, 255, 200), 1.5));
        gc.SetBrush(wxBrush(colour));
        gc.DrawPath(head);
    }
    Text(gc, label, x, y + 62, kInk);
    Text(gc, wxString::Format("%d", value), x, y + 76, value ? kInk : kMuted);
}

// A push button seen from above: raised when free, pushed in and lit when pressed.
void Switch(wxGraphicsContext& gc, double x, double y, bool pressed, bool active, const wxString& label)
{
    const double r = RobotPaneLayout::kSwitchRadius;
    gc.SetPen(wxPen(wxColour(150, 160, 168), 1.5));
    gc.SetBrush(wxBrush(wxColour(226, 231, 235)));
    gc.DrawRoundedRectangle(x - r - 4, y - r - 4, 2 * r + 8, 2 * r + 8, 8);
    const wxColour cap = !active ? wxColour(190, 198, 204) : pressed ? kSensor : wxColour(250, 252, 253);
    const double inset = pressed ? 3 : 0;
    gc.SetPen(wxPen(pressed ? kSensor.ChangeLightness(70) : wxColour(140, 150, 158), 1.5));
    gc.SetBrush(gc.CreateRadialGradientBrush(x - 5, y - 7 + inset, x, y + inset, r, cap.ChangeLightness(115), cap));
    gc.DrawEllipse(x - r + inset, y - r + inset, 2 * (r - inset), 2 * (r - inset));
    Text(gc, pressed ? _("aan") : _("uit"), x, y - 6, pressed ? *wxWHITE : kMuted);
    Text(gc, label, x, y + r + 8, active ? kInk : kMuted);
}

// A detector: its name, a track filled up to the value, the thumb, and the value.
void Detector(wxGraphicsContext& gc, double y, int value, bool active, const wxString& label)
{
    const double left = RobotPaneLayout::kTrackLeft, right = RobotPaneLayout::kTrackRight;
    double width, height;
    gc.SetFont(PaneFont(), active ? kInk : kMuted);
    gc.GetTextExtent(label, &width, &height);
    gc.DrawText(label, left - 12 - width, y - height / 2);
    gc.SetPen(*wxTRANSPARENT_PEN);
    gc.SetBrush(wxBrush(kTrack));
    gc.DrawRoundedRectangle(left, y - 3, right - left, 6, 3);
    const double at = left + (right - left) * std::clamp(value, 0, 1023) / 1023.0;
    gc.SetBrush(wxBrush(active ? kSensor : kMuted));
    gc.DrawRoundedRectangle(left, y - 3, at - left, 6, 3);
    gc.SetPen(wxPen(active ? kSensor.ChangeLightness(70) : kMuted, 1.5));
    gc.SetBrush(wxBrush(*wxWHITE));
    gc.DrawEllipse(at - 8, y - 8, 16, 16);
    const wxString number = wxString::Format("%d", value);
    gc.GetTextExtent(number, &width, &height);
    gc.DrawText(number, right + 12, y - height / 2);
}

wxString StateText(const RobotView& view)
{
    switch (view.state) {
    case RobotView::Running:
        return _("Simulatie loopt");
    case RobotView::Paused:
        return _("Simulatie onderbroken");
    case RobotView::Stepping:
        return _("Stap voor stap");
    default:
        return _("Geen simulatie");
    }
}
} // namespace

bool RobotView::operator==(const RobotView& o) const
{
    const auto fields = [](const RobotView& v) {
        return std::make_tuple(v.state, v.inputsActive, v.runLight, v.led, v.buzzer, v.servo[0], v.servo[1],
                               v.continuous[0], v.continuous[1], v.motor[0], v.motor[1], v.direction[0], v.direction[1],
                               v.motorLimit, v.raw[0], v.raw[1], v.raw[2]);
    };
    return fields(*this) == fields(o) && std::equal(std::begin(names), std::end(names), std::begin(o.names));
}

RobotPaneLayout::RobotPaneLayout(const wxSize& client)
{
    m_scale = std::clamp(std::min(client.x / kWidth, client.y / kHeight), 0.5, 2.5);
    m_originX = std::max(0.0, (client.x - kWidth * m_scale) / 2);
    m_originY = 0;
}

wxRect RobotPaneLayout::ToWindow(double x, double y, double width, double height) const
{
    return wxRect(static_cast<int>(std::floor(m_originX + x * m_scale)),
                  static_cast<int>(std::floor(m_originY + y * m_scale)), static_cast<int>(std::ceil(width * m_scale)),
                  static_cast<int>(std::ceil(height * m_scale)));
}

wxRect RobotPaneLayout::SwitchRect(int i) const
{
    const double r = kSwitchRadius + 4;
    return ToWindow(SwitchX(i) - r, kSwitchY - r, 2 * r, 2 * r);
}

wxRect RobotPaneLayout::DetectorTrack(int i) const
{
    return ToWindow(kTrackLeft - 10, DetectorY(i) - 12, kTrackRight - kTrackLeft + 20, 24);
}

int RobotPaneLayout::DetectorValueAt(int, int windowX) const
{
    const double x = (windowX - m_originX) / m_scale;
    return static_cast<int>(std::lround(std::clamp((x - kTrackLeft) / (kTrackRight - kTrackLeft), 0.0, 1.0) * 1023));
}

void DrawRobotPane(wxGraphicsContext& gc, const wxSize& client, const RobotView& view)
{
    gc.SetPen(*wxTRANSPARENT_PEN);
    gc.SetBrush(wxBrush(kPaper));
    gc.DrawRectangle(0, 0, client.x, client.y);
    const RobotPaneLayout layout(client);
    gc.Translate(layout.OriginX(), layout.OriginY());
    gc.Scale(layout.Scale(), layout.Scale());

    // The state of the run, as a pill at the top.
    const wxString state = StateText(view);
    const bool live = view.state != RobotView::NoRun;
    gc.SetBrush(wxBrush(live ? wxColour(232, 245, 233) : wxColour(236, 239, 241)));
    gc.SetPen(wxPen(live ? kForward.ChangeLightness(120) : kTrack, 1));
    gc.DrawRoundedRectangle(70, 10, 160, 24, 12);
    gc.SetPen(*wxTRANSPARENT_PEN);
    gc.SetBrush(wxBrush(view.state == RobotView::Running ? kForward : live ? kAmber : kMuted));
    gc.DrawEllipse(82, 17, 10, 10);
    Text(gc, state, 156, 15, kInk);

    // The robot from above: the body, the wheels on its sides, the servos at its front.
    gc.SetPen(wxPen(kBodyEdge, 2));
    gc.SetBrush(gc.CreateLinearGradientBrush(60, 50, 240, 260, kBody.ChangeLightness(112), kBody));
    gc.DrawRoundedRectangle(60, 50, 180, 210, 30);
    gc.SetPen(wxPen(WithAlpha(kBodyInk, 60), 1));
    gc.StrokeLine(84, 160, 216, 160);
    Wheel(gc, 38, 155, view.motor[0], view.direction[0], view.motorLimit, "Motor1");
    Wheel(gc, 262, 155, view.motor[1], view.direction[1], view.motorLimit, "Motor2");
    Servo(gc, 114, 98, view.servo[0], view.continuous[0], "Servo1");
    Servo(gc, 186, 98, view.servo[1], view.continuous[1], "Servo2");
    Lamp(gc, 96, 196, view.runLight, kGreen, _("Loopt"));
    Lamp(gc, 150, 196, view.led, kRed, _("LedRood"));
    Buzzer(gc, 206, 196, view.buzzer, _("Zoemer"));

    // The sensors.
    gc.SetPen(wxPen(kTrack, 1));
    gc.StrokeLine(16, 296, 284, 296);
    Text(gc, _("Sensoren"), 150, 288 - 8, kMuted);
    for (int i = 0; i < 3; ++i)
        Switch(gc, RobotPaneLayout::SwitchX(i), RobotPaneLayout::kSwitchY, view.SwitchPressed(i), view.inputsActive,
               view.names[i]);
    for (int i = 0; i < 2; ++i)
        Detector(gc, RobotPaneLayout::DetectorY(i), view.DetectorValue(i), view.inputsActive, view.names[3 + i]);
    if (!view.inputsActive)
        Text(gc, _("De sensoren werken tijdens een virtuele simulatie."), 150, 496, kMuted);
}
