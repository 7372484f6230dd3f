#pragma once
// The time model of every run outside the simulator's window (tamekc run, the virtual robot): the
// clock ticks every 100 ms of running time and adds 2 to the timer (which counts twentieths of a
// second); between two ticks the machine executes a fixed number of steps. A run driven by this
// clock therefore reaches the same state after the same number of steps whether it is run as fast
// as possible (tamekc run) or paced by the wall clock (the virtual robot).

#include "bytecode/TamekMachine.h"

namespace TimeModel {
constexpr int kClockPeriodMs = 100;
constexpr int kTimerUnitsPerTick = 2;
constexpr int kSubCountPerTick = 4700;
constexpr long kStepsPerTick = 1000;
} // namespace TimeModel

class MachineClock
{
public:
    // stepsPerTick below 1 counts as 1.
    explicit MachineClock(long stepsPerTick = TimeModel::kStepsPerTick);

    // Runs up to maxSteps steps while the machine is running, ticking the machine's clock after
    // every stepsPerTick steps counted since the last Restart (the tick also follows the step that
    // ends the run, whose result is still true). Returns the steps taken.
    long Run(TamekMachine& machine, long maxSteps);
    // Counting starts again: the next tick comes after stepsPerTick steps. Call when a run starts.
    void Restart() { m_sinceTick = 0; }
    long StepsPerTick() const { return m_stepsPerTick; }

private:
    long m_stepsPerTick;
    long m_sinceTick = 0;
};

// Starts the loaded program as the simulator prepares a run: output and run reset, then GO pressed
// (the machine arms) and released (it starts). The machine is then running with GO released.
void StartByGo(TamekMachine& machine);
