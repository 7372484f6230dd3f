#pragma once
// Playing a scenario's inputs: given the simulated time of a run, the raw port values to set now.
// The runner feeds its machine through it, and the simulator can do the same while a program runs
// in virtual mode (call Advance with the run's simulated time before the machine executes on).

#include "scenario/Scenario.h"

#include <vector>

struct RawInputChange
{
    int port = 1; // 1-3
    int raw = 1023;
};

class ScenarioPlayer
{
public:
    explicit ScenarioPlayer(const Scenario& scenario);

    // The raw values of the inputs due at or before timeMs that were not given yet, in the order of
    // their lines (a later change of the same port comes later).
    std::vector<RawInputChange> Advance(long timeMs);
    // The time of the next input not given yet; -1 when every input was given.
    long NextTimeMs() const { return m_next < m_inputs.size() ? m_inputs[m_next].timeMs : -1; }
    // Starts the inputs over, for a new run.
    void Rewind() { m_next = 0; }

private:
    std::vector<ScenarioInput> m_inputs;
    size_t m_next = 0;
};
