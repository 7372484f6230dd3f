#pragma once
// The input poll, run by the main window every 100 ms, without the window: it reads the robot's
// three inputs into the five sensor rows of the names list, rewriting a row only when its shown
// number changes (no flicker), and, in manual mode, hands them to the simulator.

#include "robot/RobotLink.h"

#include <array>
#include <wx/string.h>

// The sensor rows: "Schakelaar1", "Schakelaar2", "Schakelaar3", "Sensor1", "Sensor2".
constexpr int kSensorRows = 5;

// The shown values: a switch is 1 when its input is below 512; a detector is 1023 minus the low
// 10 bits of its input.
std::array<int, kSensorRows> SensorRowValues(const RobotInputs& inputs);
// "%4d".
wxString SensorRowText(int value);
// Whether a row that shows shown must be rewritten for value: the shown text read as a decimal
// number differs (in the low 10 bits for the two detector rows); text that is no number differs.
bool SensorRowChanged(int row, const wxString& shown, int value);

class RobotInputView
{
public:
    virtual ~RobotInputView() = default;
    virtual bool VirtualRunActive() const = 0;
    virtual bool ManualRunActive() const = 0;
    virtual wxString SensorRowText(int row) const = 0;
    virtual void SetSensorRowText(int row, const wxString& text) = 0;
    // The names list shows "-" in the value column of its variable rows.
    virtual void ShowVariablesUnknown() = 0;
    // Manual mode: the simulator takes the robot's inputs as its three raw values.
    virtual void FeedSimulator(const RobotInputs& inputs) = 0;
};

// One poll. A read that gets no answer changes nothing (zeros would show every switch pressed), and
// a robot that recently did not answer is not asked.
void PollRobotInputs(RobotLink& link, RobotInputView& view);
