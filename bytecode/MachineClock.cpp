#include "bytecode/MachineClock.h"

#include <algorithm>

MachineClock::MachineClock(long stepsPerTick) : m_stepsPerTick(std::max(1L, stepsPerTick)) {}

long MachineClock::Run(TamekMachine& machine, long maxSteps)
{
    long steps = 0;
    while (steps < maxSteps && machine.GetRunState() == TamekMachine::Running) {
        const long chunk = std::min(m_stepsPerTick - m_sinceTick, maxSteps - steps);
        const long done = machine.RunSteps(chunk);
        steps += done;
        m_sinceTick += done;
        if (m_sinceTick == m_stepsPerTick) {
            machine.ClockTick();
            m_sinceTick = 0;
        }
        if (done < chunk)
            break;
    }
    return steps;
}

void StartByGo(TamekMachine& machine)
{
    machine.RunReset();
    machine.OutputReset();
    machine.SetGo(true);
    machine.MachineStep();
    machine.SetGo(false);
    machine.MachineStep();
}
