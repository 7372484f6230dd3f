#include "emulator/RobotWindow.h"

#include "emulator/RobotPanel.h"
#include "emulator/RobotServer.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcbuffer.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/stattext.h>

namespace {
// The GO button: pressed while the mouse button is held down on it, as the robot's own.
class GoButton : public wxPanel
{
public:
    GoButton(wxWindow* parent, RobotServer& server)
        : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxSize(84, 84)), m_server(server)
    {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        SetToolTip(_("Houd ingedrukt en laat los: het programma start"));
        Bind(wxEVT_PAINT, &GoButton::OnPaint, this);
        Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent&) {
            CaptureMouse();
            Press(true);
        });
        Bind(wxEVT_LEFT_UP, [this](wxMouseEvent&) {
            if (HasCapture())
                ReleaseMouse();
            Press(false);
        });
        Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { Press(false); });
    }

private:
    void Press(bool pressed)
    {
        if (pressed == m_pressed)
            return;
        m_pressed = pressed;
        m_server.SetGo(pressed);
        Refresh(false);
    }
    void OnPaint(wxPaintEvent&)
    {
        wxAutoBufferedPaintDC dc(this);
        dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
        dc.Clear();
        const wxSize size = GetClientSize();
        const int r = std::min(size.x, size.y) / 2 - 4;
        dc.SetPen(wxPen(wxColour(20, 60, 20), 3));
        dc.SetBrush(wxBrush(m_pressed ? wxColour(40, 140, 40) : wxColour(70, 200, 70)));
        dc.DrawCircle(size.x / 2, size.y / 2 + (m_pressed ? 2 : 0), r);
        wxFont font = GetFont().Bold();
        font.SetPointSize(font.GetPointSize() + 6);
        dc.SetFont(font);
        dc.SetTextForeground(*wxWHITE);
        const wxSize text = dc.GetTextExtent("GO");
        dc.DrawText("GO", (size.x - text.x) / 2, (size.y - text.y) / 2 + (m_pressed ? 2 : 0));
    }

    RobotServer& m_server;
    bool m_pressed = false;
};
} // namespace

RobotWindow::RobotWindow(RobotServer& server)
    : wxFrame(nullptr, wxID_ANY, _("Virtuele Tamek-robot")), m_server(server), m_timer(this)
{
    wxPanel* root = new wxPanel(this);
    wxBoxSizer* column = new wxBoxSizer(wxVERTICAL);

    m_usb = new wxCheckBox(root, wxID_ANY, _("USB aangesloten"));
    m_usb->SetValue(true);
    m_usb->SetToolTip(_("Sluit de robot aan of koppel hem los"));
    m_usb->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnUsb(); });
    column->Add(m_usb, 0, wxALL, 6);

    m_panel = new RobotPanel(root);
    column->Add(m_panel, 1, wxEXPAND | wxLEFT | wxRIGHT, 6);

    wxBoxSizer* controls = new wxBoxSizer(wxHORIZONTAL);
    controls->Add(new GoButton(root, server), 0, wxALIGN_CENTER_VERTICAL | wxALL, 6);
    wxBoxSizer* switches = new wxBoxSizer(wxVERTICAL);
    for (int port = 1; port <= 3; ++port) {
        m_switches[port - 1] = new wxCheckBox(root, wxID_ANY, wxString::Format(_("Schakelaar%d"), port));
        m_switches[port - 1]->Bind(wxEVT_CHECKBOX, [this, port](wxCommandEvent&) { OnSwitch(port); });
        switches->Add(m_switches[port - 1], 0, wxBOTTOM, 6);
    }
    controls->Add(switches, 0, wxALIGN_CENTER_VERTICAL | wxALL, 6);
    wxFlexGridSizer* detectors = new wxFlexGridSizer(3, 4, 6);
    detectors->AddGrowableCol(1);
    for (int detector = 1; detector <= 2; ++detector) {
        detectors->Add(new wxStaticText(root, wxID_ANY, wxString::Format(_("Sensor%d"), detector)), 0,
                       wxALIGN_CENTER_VERTICAL);
        m_detectors[detector - 1] = new wxSlider(root, wxID_ANY, 0, 0, 1023, wxDefaultPosition, wxSize(160, -1));
        m_detectors[detector - 1]->Bind(wxEVT_SLIDER, [this, detector](wxCommandEvent&) { OnDetector(detector); });
        detectors->Add(m_detectors[detector - 1], 1, wxEXPAND);
        m_detectorValues[detector - 1] = new wxStaticText(root, wxID_ANY, "   0", wxDefaultPosition, wxSize(40, -1));
        detectors->Add(m_detectorValues[detector - 1], 0, wxALIGN_CENTER_VERTICAL);
    }
    controls->Add(detectors, 1, wxALIGN_CENTER_VERTICAL | wxALL, 6);
    column->Add(controls, 0, wxEXPAND);

    root->SetSizer(column);
    wxBoxSizer* frame = new wxBoxSizer(wxVERTICAL);
    frame->Add(root, 1, wxEXPAND);
    SetSizerAndFit(frame);

    Bind(wxEVT_TIMER, [this](wxTimerEvent&) { UpdateFromRobot(); });
    m_timer.Start(50);
    UpdateFromRobot();
}

void RobotWindow::UpdateFromRobot()
{
    const RobotSnapshot s = m_server.Snapshot();
    m_panel->ShowState(s);
    if (m_usb->GetValue() != s.plugged)
        m_usb->SetValue(s.plugged);
    for (int i = 0; i < 3; ++i)
        if (m_switches[i]->GetValue() != (s.raw[i] < 512))
            m_switches[i]->SetValue(s.raw[i] < 512);
    for (int i = 0; i < 2; ++i) {
        const int value = 1023 - s.raw[i];
        if (m_detectors[i]->GetValue() != value)
            m_detectors[i]->SetValue(value);
        const wxString text = wxString::Format("%4d", value);
        if (m_detectorValues[i]->GetLabel() != text)
            m_detectorValues[i]->SetLabel(text);
    }
}

void RobotWindow::OnSwitch(int port)
{
    m_server.SetRawInput(port, m_switches[port - 1]->GetValue() ? 0 : 1023);
    UpdateFromRobot();
}

void RobotWindow::OnDetector(int detector)
{
    m_server.SetRawInput(detector, 1023 - m_detectors[detector - 1]->GetValue());
    UpdateFromRobot();
}

void RobotWindow::OnUsb()
{
    std::string why;
    if (!m_server.SetPlugged(m_usb->GetValue(), &why))
        wxMessageBox(wxString::FromUTF8(why), _("USB"), wxOK | wxICON_ERROR, this);
    UpdateFromRobot();
}
