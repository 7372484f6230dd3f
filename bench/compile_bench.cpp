// Compile time of a program near the 1024-byte image limit.

#include "BenchPrograms.h"

#include "bytecode/ProgramCompiler.h"
#include "calibration/CalibrationRecord.h"

#include <benchmark/benchmark.h>
#include <wx/init.h>

namespace {

using namespace bench_programs;

// A chain of waits, drives, assignments with expressions, buzzer expressions and detectors whose
// else paths stop, closed by a Stop block: about 1000 bytes of code.
void NearlyFullProgram(CProgram& program)
{
    CState* last = program.EnsureRoot();
    for (int i = 0; i < 14; ++i) {
        last = Son(last, Block("Wait", "5", 5));
        last = Son(last, Block("Forward", "7", 7));
        last = Son(last, Variable(program, "Variable", "x", "x + 1 * y"));
        last = Son(last, Block("Buzzer", "Switch1"));
        CState* detector = Son(last, Block("Detector1", "512", 512));
        detector->SetConditionOperator(">");
        CState* stop = Block("Stop", "");
        detector->SetBranchSon(0, stop);
        stop->SetParent(detector);
        last = detector;
    }
    Son(last, Block("Stop", ""));
}

void BM_CompileNearlyFullImage(benchmark::State& state)
{
    wxInitializer initializer;
    CProgram program;
    Variable(program, "Variable", "y", "3");
    NearlyFullProgram(program);
    const unsigned char* image = nullptr;
    int length = 0;
    if (!CompileProgram(program, DefaultCalibration(), image, length)) {
        state.SkipWithError("the program does not compile");
        return;
    }
    for (auto _ : state) {
        CompileProgram(program, DefaultCalibration(), image, length);
        benchmark::DoNotOptimize(image);
    }
    state.counters["bytes"] = length;
}
BENCHMARK(BM_CompileNearlyFullImage)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
