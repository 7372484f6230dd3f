#pragma once
// The virtual robot seen from above: run light, red LED, buzzer, two servos with their arms at the
// angle last written, two motors with an arrow for direction and speed, and a status line.

#include "emulator/RobotServer.h"

#include <wx/panel.h>

class RobotPanel : public wxPanel
{
public:
    explicit RobotPanel(wxWindow* parent);
    // Shows a new state; repaints only when something shown changed.
    void ShowState(const RobotSnapshot& snapshot);

private:
    void OnPaint(wxPaintEvent& event);

    RobotSnapshot m_shown;
};
