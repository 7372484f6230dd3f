#pragma once
// The calibration dialog: one panel per servo and motor with a slider whose thumbs are the pulse or
// speed values, tried out on the robot as they move; "Ok" writes the controls into the current
// calibration. Switching a servo's mode and restoring the defaults change the current calibration
// at once, whatever button closes the dialog.

#include "calibration/SliderThumbs.h"

#include <wx/dialog.h>

class CalibrationRecord;
class CMySlider;
class RobotLink;
class wxButton;
class wxCheckBox;
class wxSpinCtrl;
class wxStaticBox;
class wxStaticText;

class CTamekConfigDialog : public wxDialog
{
public:
    // The dialog's results.
    static constexpr int kAccepted = 1000; // "Ok": the controls were written into the calibration
    static constexpr int kStopped = 1001;  // "Stoppen" or the close box

    // current: the calibration in force, edited in place. link: the robot the thumbs are tried on
    // (null: nothing is sent). Stops the robot's program first.
    CTamekConfigDialog(wxWindow* parent, CalibrationRecord& current, RobotLink* link);
    ~CTamekConfigDialog() override;

    // The robot is gone: panels and buttons are disabled and the user is told; the close box still
    // closes. When it comes back they are enabled again.
    void RobotGone();
    void RobotBack();

    // A slider's thumb was selected or moved: the robot shows it (all outputs off first).
    void TryThumb(const CMySlider& slider, Thumb thumb);

private:
    struct ServoControls
    {
        wxStaticBox* panel;
        CMySlider* slider;
        wxCheckBox *continuous, *reversed;
        wxStaticText *angleLabel, *speedLabel;
        wxSpinCtrl *angleMin, *angleMax;
    };
    struct MotorControls
    {
        wxStaticBox* panel;
        CMySlider* slider;
        wxCheckBox* reversed;
    };

    wxSizer* BuildServoPanel(int servo);
    wxSizer* BuildMotorPanel(int motor);
    wxSizer* BuildButtons();
    // Every control from the current calibration.
    void LoadControls();
    // Sets the servo's continuous flag from its check box and shows the slider and labels of its mode.
    void ApplyServoMode(int servo);
    // The controls into the current calibration (the flags of a servo before its pulse values).
    void WriteControls();
    void StopActuators();
    // "Stoppen" and the close box: closes with kStopped, then stops the actuators.
    void Leave();
    void EnableControls(bool enable);

    void OnContinuous(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);
    void OnStoppen(wxCommandEvent& event);
    void OnDefaults(wxCommandEvent& event);
    void OnStopActuators(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);

    CalibrationRecord& m_current;
    RobotLink* m_link;
    ServoControls m_servo[2];
    MotorControls m_motor[2];
    wxButton* m_buttons[4];

    wxDECLARE_EVENT_TABLE();
};
