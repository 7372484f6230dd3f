#pragma once
// What a run shows in the names list's "Waarde" column, and where the simulated inputs go.

#include <wx/string.h>

// The fixed rows of the names list, by the numbers the run uses: 0-4 the sensors ("Schakelaar1",
// "Schakelaar2", "Schakelaar3", "Sensor1", "Sensor2"), 5-12 the actuators ("Wacht", "Zoemer",
// "LedRood", "Motor1", "Motor2", "Servo1", "Servo2", "Stop"). Header rows the list may add are not
// counted.
class RunValues
{
public:
    virtual ~RunValues() = default;
    virtual void SetRowValue(int row, const wxString& text) = 0;
    virtual wxString GetRowValue(int row) const = 0;
    // The row of the variable-th entry of the program's variable list.
    virtual void SetVariableValue(int variable, const wxString& text) = 0;
    // "-" in every variable row; "-" in every row.
    virtual void ResetVariableValues() = 0;
    virtual void ResetAllValues() = 0;
};

// The simulator's inputs as the names list (and the robot pane) set them.
class SimulatedInputs
{
public:
    virtual ~SimulatedInputs() = default;
    // Whether a run exists in the virtual mode (the only time typed sensor values count).
    virtual bool IsVirtualRunActive() const = 0;
    // Sets raw input port (0-2) to raw (0-1023); the machine reads 1023 - raw.
    virtual void SetRawInput(int port, int raw) = 0;
};
