#pragma once
// What a run shows in the names list's "Waarde" column: the rows by the numbers the run uses, and
// the texts of the actuator and variable rows as the machine's values give them.

#include <array>
#include <vector>
#include <wx/string.h>

class CProgram;
class TamekMachine;

// The fixed rows of the names list: the sensors, then the actuators.
namespace RunRow {
enum : int
{
    Switch1 = 0,
    Switch2 = 1,
    Switch3 = 2,
    Detector1 = 3,
    Detector2 = 4,
    Wait = 5,
    Buzzer = 6,
    LedR = 7,
    Motor1 = 8,
    Motor2 = 9,
    Servo1 = 10,
    Servo2 = 11,
    Stop = 12
};
}

struct RowText
{
    int row;
    wxString text;
};

// Rows 5-11: the timer in tenths of a second and the buzzer and LED bits ("%d"), then motor 1
// (channel 3), motor 2 (channel 2), servo 1 and servo 2 by their last-written values ("%3d").
std::array<RowText, 7> ActuatorRowTexts(const TamekMachine& machine);
// For each entry of the program's variable list, in its order, the value of that variable ("%3d").
std::vector<wxString> VariableTexts(const TamekMachine& machine, const CProgram& program);
// A sensor row's value as run control and the robot pane write it ("%5d": "    0" for 0).
wxString SensorText(int value);
// The sensor rows that raw input port (0-2) set to raw shows: its switch 1 when raw is below 512,
// else 0, and for ports 0 and 1 also its detector's reading, 1023 - raw.
std::vector<RowText> SensorRowTexts(int port, int raw);
