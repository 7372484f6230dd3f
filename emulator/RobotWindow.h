#pragma once
// The virtual robot's window: the robot drawn from above, the GO button, three switches, two
// detector sliders and the USB switch. A switch and a detector on the same port share its reading:
// each shows what the other set.

#include <wx/frame.h>
#include <wx/timer.h>

class RobotServer;
class RobotPanel;
class wxSlider;
class wxStaticText;
class wxCheckBox;

class RobotWindow : public wxFrame
{
public:
    RobotWindow(RobotServer& server);

private:
    void UpdateFromRobot();
    void OnSwitch(int port);
    void OnDetector(int detector);
    void OnUsb();

    RobotServer& m_server;
    RobotPanel* m_panel;
    wxCheckBox* m_usb;
    wxCheckBox* m_switches[3];
    wxSlider* m_detectors[2];
    wxStaticText* m_detectorValues[2];
    wxTimer m_timer;
};
