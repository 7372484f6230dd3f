#pragma once
// Recording the robot's inputs as they are polled into a scenario of inputs only: a line only when
// what a program can read changes, with its time, the sensor named as the names list names it.
//
// Ports 1 and 2 carry a switch or a sensor: a reading of exactly 0 or 1023 is written as the switch
// pressed or released (which set those very values), any other as the sensor's value, so the
// replay sets the same raw value. Port 3 carries only switch 3, which a program reads as pressed or
// not (below 512), so only that is written. Readings outside 0-1023 count as the nearest bound.

#include "scenario/Scenario.h"

#include <string>

class InputRecorder
{
public:
    // name becomes the scenario's name line.
    explicit InputRecorder(const std::string& name);

    // One poll: the robot's three inputs a, b and c as ReadInputs answers them, at timeMs of the
    // run's simulated time. A time before the previous poll's counts as that time.
    void AddPoll(long timeMs, int a, int b, int c);
    // The recording so far; it lasts until the last poll.
    const Scenario& Recording() const { return m_scenario; }
    // The recording as scenario file text.
    std::string Text() const;

private:
    Scenario m_scenario;
    int m_raw[3] = {1023, 1023, 1023}; // as the last lines left each port; a run starts released
};
