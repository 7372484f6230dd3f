// Reading and writing the project text of a 2,000-piece flowchart (blocks and link pieces with
// rows, branches, joins, variables and a loop): the snapshot in memory, and the project file.

#include "ProjectGenerator.h"
#include "calibration/CalibrationRecord.h"
#include "model/ProjectWriter.h"

#include <benchmark/benchmark.h>
#include <wx/filename.h>
#include <wx/init.h>
#include <wx/mstream.h>

namespace {

constexpr int kPieces = 2000;

std::string LargeProjectText()
{
    CProgram program;
    BuildLargeProject(program, kPieces);
    return ProjectWriter::Text(program, wxString());
}

void BM_WriteSnapshot(benchmark::State& state)
{
    CProgram program;
    BuildLargeProject(program, kPieces);
    for (auto _ : state) {
        wxMemoryOutputStream stream;
        program.WriteSnapshot(stream);
        benchmark::DoNotOptimize(stream.GetLength());
    }
}
BENCHMARK(BM_WriteSnapshot)->Unit(benchmark::kMillisecond);

void BM_WriteProjectFile(benchmark::State& state)
{
    CProgram program;
    BuildLargeProject(program, kPieces);
    const wxString path = wxFileName::CreateTempFileName("tamek-bench");
    CalibrationRecord calibration = CalibrationRecord::Defaults();
    calibration.motor[0].minimum = 30; // with a calibration block
    for (auto _ : state)
        if (!program.WriteProject(path, calibration))
            state.SkipWithError("cannot write");
    wxRemoveFile(path);
}
BENCHMARK(BM_WriteProjectFile)->Unit(benchmark::kMillisecond);

void BM_ReadText(benchmark::State& state)
{
    const std::string text = LargeProjectText();
    CProgram program;
    program.EnsureRoot();
    for (auto _ : state) {
        state.PauseTiming();
        program.Clear();
        state.ResumeTiming();
        wxMemoryInputStream stream(text.data(), text.size());
        Displacement displacement;
        ReadBounds bounds;
        CalibrationRecord calibration = CalibrationRecord::Defaults();
        if (!program.ReadText(stream, displacement, bounds, calibration))
            state.SkipWithError("read failed");
    }
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ReadText)->Unit(benchmark::kMillisecond);

void BM_ReadProjectFile(benchmark::State& state)
{
    const std::string text = LargeProjectText();
    const wxString path = wxFileName::CreateTempFileName("tamek-bench");
    {
        FILE* file = std::fopen(path.fn_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    CProgram program;
    program.EnsureRoot();
    for (auto _ : state) {
        state.PauseTiming();
        program.Clear();
        state.ResumeTiming();
        Displacement displacement;
        ReadBounds bounds;
        CalibrationRecord calibration = CalibrationRecord::Defaults();
        if (!program.ReadProject(path, displacement, bounds, calibration))
            state.SkipWithError("read failed");
    }
    wxRemoveFile(path);
}
BENCHMARK(BM_ReadProjectFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    wxInitializer initializer;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
