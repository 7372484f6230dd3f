#include "scenario/ScenarioWriter.h"

std::string ScenarioText(const Scenario& scenario, const std::string& comment)
{
    std::string text;
    if (!comment.empty())
        text += "# " + comment + "\n";
    if (!scenario.name.empty())
        text += "naam: " + scenario.name + "\n";
    if (scenario.durationMs > 0)
        text += "duur: " + SecondsText(scenario.durationMs) + "\n";
    for (const ScenarioInput& input : scenario.inputs) {
        text += "op " + SecondsText(input.timeMs) + " " + SensorName(input.sensor);
        if (IsSwitch(input.sensor))
            text += input.value ? " ingedrukt\n" : " losgelaten\n";
        else
            text += " = " + std::to_string(input.value) + "\n";
    }
    for (const Expectation& expectation : scenario.expectations)
        text += ExpectationText(expectation) + "\n";
    return text;
}
