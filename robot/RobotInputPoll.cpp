#include "robot/RobotInputPoll.h"

std::array<int, kSensorRows> SensorRowValues(const RobotInputs& inputs)
{
    return {inputs.a < 512 ? 1 : 0, inputs.b < 512 ? 1 : 0, inputs.c < 512 ? 1 : 0, 1023 - (inputs.a & 1023),
            1023 - (inputs.b & 1023)};
}

wxString SensorRowText(int value)
{
    return wxString::Format("%4d", value);
}

bool SensorRowChanged(int row, const wxString& shown, int value)
{
    long number = 0;
    if (!shown.Strip(wxString::both).ToLong(&number))
        return true;
    const bool detector = row >= 3;
    return detector ? (number & 1023) != (value & 1023) : number != value;
}

void PollRobotInputs(RobotLink& link, RobotInputView& view)
{
    if (view.VirtualRunActive())
        return;
    if (!link.IsConnected()) {
        view.ShowVariablesUnknown();
        return;
    }
    RobotInputs inputs;
    if (link.RecentlySilent() || !link.ReadInputs(inputs))
        return;
    const std::array<int, kSensorRows> values = SensorRowValues(inputs);
    for (int row = 0; row < kSensorRows; ++row)
        if (SensorRowChanged(row, view.SensorRowText(row), values[static_cast<size_t>(row)]))
            view.SetSensorRowText(row, SensorRowText(values[static_cast<size_t>(row)]));
    if (view.ManualRunActive())
        view.FeedSimulator(inputs);
}
