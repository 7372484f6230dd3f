#include "scenario/InputRecorder.h"

#include "scenario/ScenarioWriter.h"

#include <algorithm>

InputRecorder::InputRecorder(const std::string& name)
{
    m_scenario.name = name;
}

void InputRecorder::AddPoll(long timeMs, int a, int b, int c)
{
    timeMs = std::clamp(timeMs, m_scenario.durationMs, kScenarioMaxMs);
    m_scenario.durationMs = timeMs;
    const int readings[3] = {a, b, c};
    static const ScenarioSensor kSwitches[] = {ScenarioSensor::Switch1, ScenarioSensor::Switch2,
                                               ScenarioSensor::Switch3};
    static const ScenarioSensor kSensors[] = {ScenarioSensor::Sensor1, ScenarioSensor::Sensor2};
    for (int port = 0; port < 3; ++port) {
        int raw = std::clamp(readings[port], 0, 1023);
        if (port == 2)
            raw = raw < 512 ? 0 : 1023;
        if (raw == m_raw[port])
            continue;
        m_raw[port] = raw;
        ScenarioInput input;
        input.timeMs = timeMs;
        if (raw == 0 || raw == 1023) {
            input.sensor = kSwitches[port];
            input.value = raw == 0 ? 1 : 0;
        } else {
            input.sensor = kSensors[port];
            input.value = 1023 - raw;
        }
        m_scenario.inputs.push_back(input);
    }
}

std::string InputRecorder::Text() const
{
    return ScenarioText(m_scenario, "Opgenomen met Tamek: de invoer van de robot, zonder verwachtingen.");
}
