#include "simulation/RunPanel.h"

#include "bytecode/TamekMachine.h"
#include "model/CProgram.h"

std::array<RowText, 7> ActuatorRowTexts(const TamekMachine& machine)
{
    const auto channel = [&machine](int number) {
        return wxString::Format("%3d", static_cast<int>(machine.GetChannel(number).lastWritten));
    };
    return {{
        {RunRow::Wait, wxString::Format("%d", static_cast<int>(machine.Timer() / 2))},
        {RunRow::Buzzer, wxString::Format("%d", machine.BuzzerOn() ? 1 : 0)},
        {RunRow::LedR, wxString::Format("%d", machine.RedLedOn() ? 1 : 0)},
        {RunRow::Motor1, channel(3)},
        {RunRow::Motor2, channel(2)},
        {RunRow::Servo1, channel(0)},
        {RunRow::Servo2, channel(1)},
    }};
}

std::vector<wxString> VariableTexts(const TamekMachine& machine, const CProgram& program)
{
    // The variable's own index is the one its code uses; it equals its place in the list.
    std::vector<wxString> texts;
    for (const CState* variable : program.Variables())
        texts.push_back(wxString::Format("%3d", static_cast<int>(machine.Variable(variable->GetVariableIndex()))));
    return texts;
}

wxString SensorText(int value)
{
    return wxString::Format("%5d", value);
}

std::vector<RowText> SensorRowTexts(int port, int raw)
{
    std::vector<RowText> rows{{RunRow::Switch1 + port, SensorText(raw < 512 ? 1 : 0)}};
    if (port < 2)
        rows.push_back({RunRow::Detector1 + port, SensorText(1023 - raw)});
    return rows;
}
