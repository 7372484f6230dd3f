#include "scenario/ScenarioPlayer.h"

#include <algorithm>

ScenarioPlayer::ScenarioPlayer(const Scenario& scenario) : m_inputs(scenario.inputs)
{
    // The reader keeps "op" times in order; a scenario built in code may not.
    std::stable_sort(m_inputs.begin(), m_inputs.end(),
                     [](const ScenarioInput& a, const ScenarioInput& b) { return a.timeMs < b.timeMs; });
}

std::vector<RawInputChange> ScenarioPlayer::Advance(long timeMs)
{
    std::vector<RawInputChange> changes;
    for (; m_next < m_inputs.size() && m_inputs[m_next].timeMs <= timeMs; ++m_next) {
        const ScenarioInput& input = m_inputs[m_next];
        changes.push_back({SensorPort(input.sensor), RawValueOf(input.sensor, input.value)});
    }
    return changes;
}
