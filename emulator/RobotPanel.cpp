#include "emulator/RobotPanel.h"

#include "bytecode/TamekMachine.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <wx/dcbuffer.h>
#include <wx/graphics.h>

namespace {
const wxColour kBody(54, 69, 79), kBodyEdge(30, 38, 44), kLabel(235, 240, 242), kDim(90, 100, 108);

void Label(wxGraphicsContext& gc, const wxString& text, double centreX, double y)
{
    double width, height;
    gc.GetTextExtent(text, &width, &height);
    gc.DrawText(text, centreX - width / 2, y);
}

void Lamp(wxGraphicsContext& gc, double x, double y, bool on, const wxColour& colour, const wxString& name)
{
    gc.SetPen(wxPen(kBodyEdge, 2));
    gc.SetBrush(wxBrush(on ? colour : kDim));
    gc.DrawEllipse(x - 12, y - 12, 24, 24);
    if (on) { // a halo
        gc.SetPen(wxPen(wxColour(colour.Red(), colour.Green(), colour.Blue(), 110), 4));
        gc.SetBrush(*wxTRANSPARENT_BRUSH);
        gc.DrawEllipse(x - 17, y - 17, 34, 34);
    }
    Label(gc, name, x, y + 20);
}

void Buzzer(wxGraphicsContext& gc, double x, double y, bool on)
{
    gc.SetPen(wxPen(kBodyEdge, 2));
    gc.SetBrush(wxBrush(on ? wxColour(250, 200, 60) : kDim));
    gc.DrawRectangle(x - 14, y - 7, 10, 14);
    wxGraphicsPath cone = gc.CreatePath();
    cone.MoveToPoint(x - 4, y - 7);
    cone.AddLineToPoint(x + 6, y - 14);
    cone.AddLineToPoint(x + 6, y + 14);
    cone.AddLineToPoint(x - 4, y + 7);
    cone.CloseSubpath();
    gc.FillPath(cone);
    gc.StrokePath(cone);
    if (on) { // sound waves
        gc.SetPen(wxPen(wxColour(250, 200, 60), 2));
        for (int r = 12; r <= 20; r += 8) {
            wxGraphicsPath wave = gc.CreatePath();
            wave.AddArc(x + 4, y, r, -M_PI / 4, M_PI / 4, true);
            gc.StrokePath(wave);
        }
    }
    Label(gc, on ? _("Zoemer aan") : _("Zoemer"), x, y + 20);
}

// A servo as a dial with its arm at the last written angle (-90 to 90 degrees, 0 straight up).
void Servo(wxGraphicsContext& gc, double x, double y, int value, const wxString& name)
{
    gc.SetPen(wxPen(kBodyEdge, 2));
    gc.SetBrush(wxBrush(wxColour(38, 48, 56)));
    gc.DrawEllipse(x - 28, y - 28, 56, 56);
    const double angle = std::clamp(value, -90, 90) * M_PI / 180;
    gc.SetPen(wxPen(wxColour(120, 200, 255), 5, wxPENSTYLE_SOLID));
    gc.StrokeLine(x, y, x + 24 * std::sin(angle), y - 24 * std::cos(angle));
    gc.SetBrush(wxBrush(kLabel));
    gc.SetPen(*wxTRANSPARENT_PEN);
    gc.DrawEllipse(x - 4, y - 4, 8, 8);
    Label(gc, wxString::Format("%s: %d", name, value), x, y + 32);
}

// A motor as a wheel with an arrow: up forward, down backward, longer the faster (100 fills it).
void Motor(wxGraphicsContext& gc, double x, double y, int value, int direction, const wxString& name)
{
    gc.SetPen(wxPen(kBodyEdge, 2));
    gc.SetBrush(wxBrush(wxColour(25, 25, 25)));
    gc.DrawRoundedRectangle(x - 14, y - 40, 28, 80, 6);
    if (direction != TamekMachine::None) {
        const double length = 10 + 28 * std::min(100, std::abs(value)) / 100.0;
        const double sign = direction == TamekMachine::Forward ? -1 : 1;
        const wxColour colour = direction == TamekMachine::Forward ? wxColour(110, 220, 110) : wxColour(250, 140, 60);
        gc.SetPen(wxPen(colour, 4));
        gc.StrokeLine(x, y - sign * length / 2, x, y + sign * length / 2);
        wxGraphicsPath head = gc.CreatePath();
        head.MoveToPoint(x - 8, y + sign * (length / 2 - 8));
        head.AddLineToPoint(x, y + sign * length / 2 + sign * 2);
        head.AddLineToPoint(x + 8, y + sign * (length / 2 - 8));
        gc.StrokePath(head);
    }
    Label(gc, name, x, y + 44);
    Label(gc, wxString::Format("%d", value), x, y + 60);
}

wxString RunStateText(const RobotSnapshot& s)
{
    if (s.programLength == 0)
        return _("geen programma");
    switch (s.runState) {
    case TamekMachine::Armed:
        return _("GO ingedrukt");
    case TamekMachine::Running:
        return s.held ? _("gepauzeerd") : _("loopt");
    case TamekMachine::Ended:
        return _("klaar");
    default:
        return _("wacht op GO");
    }
}
} // namespace

RobotPanel::RobotPanel(wxWindow* parent) : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxSize(440, 300))
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &RobotPanel::OnPaint, this);
    m_shown.plugged = !m_shown.plugged; // the first ShowState always paints
}

void RobotPanel::ShowState(const RobotSnapshot& snapshot)
{
    if (snapshot == m_shown)
        return;
    m_shown = snapshot;
    Refresh(false);
}

void RobotPanel::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(wxBrush(GetBackgroundColour()));
    dc.Clear();
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
    if (!gc)
        return;
    const wxSize size = GetClientSize();
    const double w = size.x, h = size.y;
    const RobotSnapshot& s = m_shown;

    gc->SetPen(wxPen(kBodyEdge, 3));
    gc->SetBrush(wxBrush(kBody));
    gc->DrawRoundedRectangle(70, 8, w - 140, h - 40, 24);
    gc->SetFont(GetFont(), kLabel);

    Lamp(*gc, w / 2 - 70, 36, s.runLight, wxColour(80, 230, 90), _("Loopt"));
    Lamp(*gc, w / 2, 36, s.led, wxColour(240, 50, 40), _("LED"));
    Buzzer(*gc, w / 2 + 70, 36, s.buzzer);
    Servo(*gc, w / 2 - 70, 125, s.servo[0], "Servo1");
    Servo(*gc, w / 2 + 70, 125, s.servo[1], "Servo2");

    const wxString status = s.programLength == 0
                                ? RunStateText(s)
                                : wxString::Format(_("%s  -  %d bytes  -  PC %04X  -  timer %.1f s"), RunStateText(s),
                                                   s.programLength, s.pc & 0xFFFF, s.timer / 20.0);
    Label(*gc, status, w / 2, h - 70);
    gc->SetFont(GetFont(), wxColour(40, 40, 40));
    Motor(*gc, 40, 130, s.motor[0], s.motorDirection[0], "Motor1"); // the wheels stand outside the body
    Motor(*gc, w - 40, 130, s.motor[1], s.motorDirection[1], "Motor2");
    Label(*gc,
          !s.plugged     ? _("USB: los")
          : !s.answering ? _("USB: aangesloten, antwoordt niet")
                         : wxString::Format(_("USB: aangesloten, %d verbinding(en)"), s.clients),
          w / 2, h - 26);
}
