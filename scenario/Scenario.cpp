#include "scenario/Scenario.h"

int SensorPort(ScenarioSensor sensor)
{
    switch (sensor) {
    case ScenarioSensor::Switch1:
    case ScenarioSensor::Sensor1:
        return 1;
    case ScenarioSensor::Switch2:
    case ScenarioSensor::Sensor2:
        return 2;
    case ScenarioSensor::Switch3:
        break;
    }
    return 3;
}

bool IsSwitch(ScenarioSensor sensor)
{
    return sensor == ScenarioSensor::Switch1 || sensor == ScenarioSensor::Switch2 || sensor == ScenarioSensor::Switch3;
}

int RawValueOf(ScenarioSensor sensor, int value)
{
    if (IsSwitch(sensor))
        return value ? 0 : 1023;
    return 1023 - value;
}

const char* SensorName(ScenarioSensor sensor)
{
    static const char* const kNames[] = {"Schakelaar1", "Schakelaar2", "Schakelaar3", "Sensor1", "Sensor2"};
    return kNames[static_cast<int>(sensor)];
}

const char* OutputName(ScenarioOutput output)
{
    static const char* const kNames[] = {"led", "buzzer", "motor1", "motor2", "servo1", "servo2", "ended", ""};
    return kNames[static_cast<int>(output)];
}

const char* ComparisonText(ScenarioComparison comparison)
{
    static const char* const kTexts[] = {"==", "!=", "<", "<=", ">", ">="};
    return kTexts[static_cast<int>(comparison)];
}

bool Compare(long long seen, ScenarioComparison comparison, long long value)
{
    switch (comparison) {
    case ScenarioComparison::Equal:
        return seen == value;
    case ScenarioComparison::NotEqual:
        return seen != value;
    case ScenarioComparison::Less:
        return seen < value;
    case ScenarioComparison::LessOrEqual:
        return seen <= value;
    case ScenarioComparison::Greater:
        return seen > value;
    case ScenarioComparison::GreaterOrEqual:
        break;
    }
    return seen >= value;
}

std::string SecondsText(long timeMs)
{
    std::string text = std::to_string(timeMs / 1000);
    if (const long fraction = timeMs % 1000) {
        std::string digits = std::to_string(1000 + fraction).substr(1);
        digits.erase(digits.find_last_not_of('0') + 1);
        text += "." + digits;
    }
    return text;
}

std::string ExpectationText(const Expectation& expectation)
{
    std::string text = "verwacht ";
    switch (expectation.when) {
    case ExpectationWhen::At:
        text += "op " + SecondsText(expectation.timeMs);
        break;
    case ExpectationWhen::By:
        text += "voor " + SecondsText(expectation.timeMs);
        break;
    case ExpectationWhen::Always:
        text += "altijd";
        break;
    }
    text += " ";
    text += expectation.output == ScenarioOutput::Variable ? expectation.variable : OutputName(expectation.output);
    text += std::string(" ") + ComparisonText(expectation.comparison) + " " + std::to_string(expectation.value);
    return text;
}
