// Machine throughput: instructions per second on the nested counting loop.

#include "BenchPrograms.h"

#include "bytecode/ProgramCompiler.h"
#include "bytecode/TamekMachine.h"
#include "calibration/CalibrationRecord.h"

#include <benchmark/benchmark.h>
#include <wx/init.h>

namespace {

void BM_MachineCountingLoop(benchmark::State& state)
{
    wxInitializer initializer;
    CProgram program;
    bench_programs::NestedLoop(program, 30000, 10);
    const unsigned char* image = nullptr;
    int length = 0;
    if (!CompileProgram(program, DefaultCalibration(), image, length)) {
        state.SkipWithError("the program does not compile");
        return;
    }
    long instructions = 0;
    for (auto _ : state) {
        TamekMachine machine;
        machine.LoadImage(image, length);
        machine.SetGo(true);
        machine.MachineStep();
        machine.SetGo(false);
        machine.MachineStep();
        while (machine.GetRunState() == TamekMachine::Running) {
            instructions += machine.RunSteps(1000);
            machine.ClockTick();
        }
        benchmark::DoNotOptimize(machine.Variable(1));
    }
    state.counters["instructions/s"] =
        benchmark::Counter(static_cast<double>(instructions), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MachineCountingLoop)->Unit(benchmark::kMillisecond);

// One MachineStep call per instruction, as the simulator's tick runs them.
void BM_MachineStepByStep(benchmark::State& state)
{
    wxInitializer initializer;
    CProgram program;
    bench_programs::NestedLoop(program, 30000, 1);
    const unsigned char* image = nullptr;
    int length = 0;
    CompileProgram(program, DefaultCalibration(), image, length);
    long instructions = 0;
    for (auto _ : state) {
        TamekMachine machine;
        machine.LoadImage(image, length);
        machine.SetGo(true);
        machine.MachineStep();
        machine.SetGo(false);
        machine.MachineStep();
        while (machine.MachineStep())
            ++instructions;
        benchmark::DoNotOptimize(machine.Variable(1));
    }
    state.counters["instructions/s"] =
        benchmark::Counter(static_cast<double>(instructions), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MachineStepByStep)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
