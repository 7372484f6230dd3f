#include "calibration_dialog/CTamekConfigDialog.h"

#include "base/Translation.h"
#include "calibration/CalibrationRecord.h"
#include "calibration_dialog/CMySlider.h"
#include "robot/RobotLink.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/tooltip.h>

namespace {
enum
{
    ID_CONTINUOUS_1 = wxID_HIGHEST + 1,
    ID_CONTINUOUS_2,
    ID_OK_BUTTON,
    ID_STOPPEN,
    ID_DEFAULTS,
    ID_STOP_ACTUATORS,
};

const wxColour kBackground(240, 240, 240);
constexpr int kGap = 8;
constexpr int kDefaultTooltipDelay = 500;

// Calibration parameter indices: a servo's seven values from 7 * servo, a motor's three from 18 + 3 * motor.
int ServoIndex(int servo, int field)
{
    return 7 * servo + field;
}
int MotorIndex(int motor, int field)
{
    return 18 + 3 * motor + field;
}
enum ServoField
{
    PulseMin,
    PulseMax,
    AngleMin,
    AngleMax,
    Reversed,
    Continuous
};
enum MotorField
{
    Minimum,
    Maximum,
    Flags
};

// The registers the thumbs are tried on: servo 1, servo 2; motor 1, motor 2.
const int kServoRegisters[2] = {RobotRegister::Servo1, RobotRegister::Servo2};
const int kMotorRegisters[2] = {RobotRegister::Motor1, RobotRegister::Motor2};
} // namespace

wxBEGIN_EVENT_TABLE(CTamekConfigDialog, wxDialog)
    EVT_CHECKBOX(ID_CONTINUOUS_1, CTamekConfigDialog::OnContinuous)
    EVT_CHECKBOX(ID_CONTINUOUS_2, CTamekConfigDialog::OnContinuous)
    EVT_BUTTON(ID_OK_BUTTON, CTamekConfigDialog::OnOk)
    EVT_BUTTON(ID_STOPPEN, CTamekConfigDialog::OnStoppen)
    EVT_BUTTON(ID_DEFAULTS, CTamekConfigDialog::OnDefaults)
    EVT_BUTTON(ID_STOP_ACTUATORS, CTamekConfigDialog::OnStopActuators)
    EVT_CLOSE(CTamekConfigDialog::OnClose)
wxEND_EVENT_TABLE()

CTamekConfigDialog::CTamekConfigDialog(wxWindow* parent, CalibrationRecord& current, RobotLink* link)
    : wxDialog(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      m_current(current), m_link(link)
{
    SetTitle(_("Configuratie"));
    SetBackgroundColour(kBackground);
    wxToolTip::SetDelay(100);
    if (m_link)
        m_link->Stop();

    // Two columns of the same width; each row as high as its higher panel.
    auto* panels = new wxFlexGridSizer(2, 2, kGap, kGap);
    panels->SetFlexibleDirection(wxVERTICAL);
    panels->AddGrowableCol(0, 1);
    panels->AddGrowableCol(1, 1);
    panels->AddGrowableRow(0, 3);
    panels->AddGrowableRow(1, 2);
    panels->Add(BuildServoPanel(0), wxSizerFlags().Expand());
    panels->Add(BuildServoPanel(1), wxSizerFlags().Expand());
    panels->Add(BuildMotorPanel(0), wxSizerFlags().Expand());
    panels->Add(BuildMotorPanel(1), wxSizerFlags().Expand());
    auto* all = new wxBoxSizer(wxVERTICAL);
    all->Add(panels, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT | wxTOP, kGap));
    all->Add(BuildButtons(), wxSizerFlags().Center().Border(wxTOP | wxBOTTOM, 2 * kGap));
    SetSizer(all);

    LoadControls();
    SetEscapeId(ID_STOPPEN);
    SetSize(wxSize(600, 500));
    CentreOnParent();
}

CTamekConfigDialog::~CTamekConfigDialog()
{
    wxToolTip::SetDelay(kDefaultTooltipDelay);
}

wxSizer* CTamekConfigDialog::BuildServoPanel(int servo)
{
    const wxString name = wxString::Format("servo%d.", servo + 1);
    auto* box = new wxStaticBoxSizer(wxVERTICAL, this, wxString::Format("SERVO %d", servo + 1));
    wxStaticBox* panel = box->GetStaticBox();
    panel->SetName(name + "panel");
    ServoControls& c = m_servo[servo];
    c.panel = panel;
    c.slider = new CMySlider(panel, this, name + "slider");
    c.continuous = new wxCheckBox(panel, servo == 0 ? ID_CONTINUOUS_1 : ID_CONTINUOUS_2, _("Continue rotatie"),
                                  wxDefaultPosition, wxDefaultSize, 0, wxDefaultValidator, name + "continuous");
    c.reversed = new wxCheckBox(panel, wxID_ANY, _("Omgekeerde richting"), wxDefaultPosition, wxDefaultSize, 0,
                                wxDefaultValidator, name + "reversed");
    c.angleLabel = new wxStaticText(panel, wxID_ANY, _(L"Hoek (\u00b0)"), wxDefaultPosition, wxDefaultSize, 0,
                                    name + "angleLabel");
    c.speedLabel =
        new wxStaticText(panel, wxID_ANY, _("Snelheid (%)"), wxDefaultPosition, wxDefaultSize, 0, name + "speedLabel");
    c.angleMin = new wxSpinCtrl(panel, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS, -180,
                                180, 0, name + "angleMin");
    c.angleMax = new wxSpinCtrl(panel, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS, -180,
                                180, 0, name + "angleMax");
    // The spin controls stand for the slider's outer thumbs.
    c.angleMin->SetToolTip(_("Minimale hoek positie"));
    c.angleMax->SetToolTip(_("Maximale hoek positie"));

    // One control a line: the panels are half the dialog wide.
    auto* angles = new wxBoxSizer(wxHORIZONTAL);
    angles->Add(c.angleMin, wxSizerFlags().CenterVertical());
    angles->AddSpacer(kGap);
    angles->Add(c.angleMax, wxSizerFlags().CenterVertical());
    box->Add(c.slider, wxSizerFlags().Expand().Border(wxTOP, kGap));
    box->Add(c.continuous, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, kGap / 2));
    box->Add(c.reversed, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, kGap / 2));
    box->Add(c.angleLabel, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, kGap));
    box->Add(c.speedLabel, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, kGap));
    box->Add(angles, wxSizerFlags().Border(wxALL, kGap / 2));
    return box;
}

wxSizer* CTamekConfigDialog::BuildMotorPanel(int motor)
{
    const wxString name = wxString::Format("motor%d.", motor + 1);
    auto* box = new wxStaticBoxSizer(wxVERTICAL, this, _(wxString::Format("Motor%d", motor + 1)));
    MotorControls& c = m_motor[motor];
    c.panel = box->GetStaticBox();
    c.panel->SetName(name + "panel");
    c.slider = new CMySlider(c.panel, this, name + "slider");
    c.slider->SetThumbLabels(wxEmptyString, _("Nul snelheid"), _("Maximale snelheid"));
    c.reversed = new wxCheckBox(c.panel, wxID_ANY, _("Omgekeerde richting"), wxDefaultPosition, wxDefaultSize, 0,
                                wxDefaultValidator, name + "reversed");
    box->Add(c.slider, wxSizerFlags().Expand().Border(wxTOP, kGap));
    box->Add(c.reversed, wxSizerFlags().Border(wxALL, kGap / 2));
    return box;
}

wxSizer* CTamekConfigDialog::BuildButtons()
{
    const struct
    {
        int id;
        const char* label;
        const char* name;
    } buttons[] = {{ID_OK_BUTTON, "Ok", "ok"},
                   {ID_STOPPEN, "Stoppen", "stoppen"},
                   {ID_DEFAULTS, "Standaardwaarden herstellen", "defaults"},
                   {ID_STOP_ACTUATORS, "Stop servo/motor", "stopActuators"}};
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    for (int i = 0; i < 4; ++i) {
        m_buttons[i] = new wxButton(this, buttons[i].id, _(buttons[i].label), wxDefaultPosition, wxDefaultSize, 0,
                                    wxDefaultValidator, buttons[i].name);
        row->Add(m_buttons[i], wxSizerFlags().Border(wxLEFT | wxRIGHT, kGap / 2));
    }
    m_buttons[0]->SetDefault();
    return row;
}

void CTamekConfigDialog::LoadControls()
{
    for (int servo = 0; servo < 2; ++servo) {
        ServoControls& c = m_servo[servo];
        c.reversed->SetValue(m_current.Get(ServoIndex(servo, Reversed)) != 0);
        c.continuous->SetValue(m_current.Get(ServoIndex(servo, Continuous)) != 0);
        c.angleMin->SetValue(m_current.Get(ServoIndex(servo, AngleMin)));
        c.angleMax->SetValue(m_current.Get(ServoIndex(servo, AngleMax)));
        ApplyServoMode(servo);
    }
    for (int motor = 0; motor < 2; ++motor) {
        MotorControls& c = m_motor[motor];
        c.reversed->SetValue(m_current.Get(MotorIndex(motor, Flags)) != 0);
        c.slider->Load(SliderMode::Motor, 0, m_current.Get(MotorIndex(motor, Minimum)),
                       m_current.Get(MotorIndex(motor, Maximum)));
    }
}

void CTamekConfigDialog::ApplyServoMode(int servo)
{
    ServoControls& c = m_servo[servo];
    const bool continuous = c.continuous->GetValue();
    m_current.Set(ServoIndex(servo, Continuous), continuous ? 1 : 0);
    // The pulse pair that the flag now selects.
    const int low = m_current.Get(ServoIndex(servo, PulseMin)), high = m_current.Get(ServoIndex(servo, PulseMax));
    if (continuous) {
        c.slider->SetThumbLabels(_("Minimale snelheid"), _("Nul snelheid"), _("Maximale snelheid"));
        c.slider->Load(SliderMode::Continuous, low, (low + high) / 2, high);
    } else {
        c.slider->SetThumbLabels(_("Minimale hoek positie"), wxEmptyString, _("Maximale hoek positie"));
        c.slider->Load(SliderMode::Positional, low, 0, high);
    }
    c.angleLabel->Show(!continuous);
    c.angleMin->Show(!continuous);
    c.angleMax->Show(!continuous);
    c.speedLabel->Show(continuous);
    Layout();
}

void CTamekConfigDialog::WriteControls()
{
    for (int servo = 0; servo < 2; ++servo) {
        const ServoControls& c = m_servo[servo];
        const bool continuous = c.continuous->GetValue();
        m_current.Set(ServoIndex(servo, Reversed), c.reversed->GetValue() ? 1 : 0);
        m_current.Set(ServoIndex(servo, Continuous), continuous ? 1 : 0);
        m_current.Set(ServoIndex(servo, PulseMin), c.slider->Thumbs().Value(Thumb::Low));
        m_current.Set(ServoIndex(servo, PulseMax), c.slider->Thumbs().Value(Thumb::High));
        if (!continuous) {
            m_current.Set(ServoIndex(servo, AngleMin), c.angleMin->GetValue());
            m_current.Set(ServoIndex(servo, AngleMax), c.angleMax->GetValue());
        }
    }
    for (int motor = 0; motor < 2; ++motor) {
        const MotorControls& c = m_motor[motor];
        m_current.Set(MotorIndex(motor, Minimum), c.slider->Thumbs().Value(Thumb::Middle));
        m_current.Set(MotorIndex(motor, Maximum), c.slider->Thumbs().Value(Thumb::High));
        m_current.Set(MotorIndex(motor, Flags), c.reversed->GetValue() ? 1 : 0);
    }
}

void CTamekConfigDialog::TryThumb(const CMySlider& slider, Thumb thumb)
{
    if (!m_link || thumb == Thumb::None)
        return;
    for (int i = 0; i < 2; ++i) {
        ActuatorValue value;
        int number = 0;
        if (&slider == m_servo[i].slider) {
            value = ServoTestValue(slider.Thumbs(), thumb, m_servo[i].reversed->GetValue());
            number = kServoRegisters[i];
        } else if (&slider == m_motor[i].slider) {
            value = MotorTestValue(slider.Thumbs(), thumb, m_motor[i].reversed->GetValue());
            number = kMotorRegisters[i];
        } else {
            continue;
        }
        StopActuators();
        m_link->SetActuator(number, value.magnitude, value.reverse);
        return;
    }
}

void CTamekConfigDialog::StopActuators()
{
    if (m_link)
        m_link->SwitchOffOutputs(false);
}

void CTamekConfigDialog::EnableControls(bool enable)
{
    for (const ServoControls& c : m_servo)
        c.panel->Enable(enable);
    for (const MotorControls& c : m_motor)
        c.panel->Enable(enable);
    for (wxButton* button : m_buttons)
        button->Enable(enable);
}

void CTamekConfigDialog::RobotGone()
{
    EnableControls(false);
    wxMessageBox(_("Apparaat is ontkoppeld, instellingen niet beschikbaar!"), _("USB ontkoppelen"), wxOK, this);
}

void CTamekConfigDialog::RobotBack()
{
    EnableControls(true);
}

void CTamekConfigDialog::OnContinuous(wxCommandEvent& event)
{
    ApplyServoMode(event.GetId() == ID_CONTINUOUS_1 ? 0 : 1);
}

void CTamekConfigDialog::OnOk(wxCommandEvent&)
{
    StopActuators();
    WriteControls();
    EndModal(kAccepted);
}

void CTamekConfigDialog::OnStoppen(wxCommandEvent&)
{
    Leave();
}

void CTamekConfigDialog::OnClose(wxCloseEvent&)
{
    Leave();
}

void CTamekConfigDialog::Leave()
{
    if (IsModal())
        EndModal(kStopped);
    StopActuators();
}

void CTamekConfigDialog::OnDefaults(wxCommandEvent&)
{
    // Both pulse pairs of each servo, not only the pair its flags select now: the defaults whole.
    m_current = DefaultCalibration();
    LoadControls();
}

void CTamekConfigDialog::OnStopActuators(wxCommandEvent&)
{
    StopActuators();
}
