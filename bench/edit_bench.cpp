// The cost of one edit's commit (a snapshot and its comparison) and of one undo and one redo
// (clearing the program, reading a snapshot back and a new snapshot) on a flowchart of 2,000 pieces.

#include "EditedFlowchart.h"
#include "calibration/CalibrationRecord.h"
#include "model/CProgram.h"
#include "model/EditHistory.h"

#include <benchmark/benchmark.h>
#include <wx/init.h>
#include <wx/mstream.h>

namespace {
using bench_programs::BuildEditedFlowchart;

struct Flowchart
{
    CProgram program;
    int pieces = BuildEditedFlowchart(program, 2000);
    CState* edited = program.GetRoot()->GetSon()->GetSon();
};

void BM_CommitEdit(benchmark::State& state)
{
    Flowchart chart;
    EditHistory history(chart.program);
    int value = 0;
    for (auto _ : state) {
        chart.edited->SetParameterText(wxString::Format("%d", ++value % 2));
        benchmark::DoNotOptimize(history.CommitEdit());
        if (value % 64 == 0) {
            state.PauseTiming();
            history.Reset(); // keep the stored snapshots from piling up
            state.ResumeTiming();
        }
    }
    state.counters["pieces"] = chart.pieces;
}
BENCHMARK(BM_CommitEdit)->Unit(benchmark::kMillisecond);

void BM_Undo(benchmark::State& state)
{
    Flowchart chart;
    EditHistory history(chart.program);
    chart.edited->SetParameterText("7");
    history.CommitEdit();
    for (auto _ : state) {
        benchmark::DoNotOptimize(history.Undo());
        state.PauseTiming();
        history.Redo();
        state.ResumeTiming();
    }
    state.counters["pieces"] = chart.pieces;
}
BENCHMARK(BM_Undo)->Unit(benchmark::kMillisecond);

void BM_Redo(benchmark::State& state)
{
    Flowchart chart;
    EditHistory history(chart.program);
    chart.edited->SetParameterText("7");
    history.CommitEdit();
    for (auto _ : state) {
        state.PauseTiming();
        history.Undo();
        state.ResumeTiming();
        benchmark::DoNotOptimize(history.Redo());
    }
    state.counters["pieces"] = chart.pieces;
}
BENCHMARK(BM_Redo)->Unit(benchmark::kMillisecond);

// The two halves of the work: writing one snapshot, and clearing the program and reading one back.
void BM_WriteSnapshot(benchmark::State& state)
{
    Flowchart chart;
    for (auto _ : state) {
        wxMemoryOutputStream stream;
        benchmark::DoNotOptimize(chart.program.WriteSnapshot(stream));
    }
}
BENCHMARK(BM_WriteSnapshot)->Unit(benchmark::kMillisecond);

void BM_ClearAndReadSnapshot(benchmark::State& state)
{
    Flowchart chart;
    wxMemoryOutputStream text;
    chart.program.WriteSnapshot(text);
    for (auto _ : state) {
        chart.program.Clear();
        wxMemoryInputStream stream(text);
        Displacement displacement;
        ReadBounds bounds;
        CalibrationRecord calibration = CalibrationRecord::Defaults();
        benchmark::DoNotOptimize(chart.program.ReadText(stream, displacement, bounds, calibration));
    }
}
BENCHMARK(BM_ClearAndReadSnapshot)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    wxInitializer initializer;
    if (!initializer.IsOk())
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
