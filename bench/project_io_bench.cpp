// Reading and writing the project text of a 2,000-piece flowchart (blocks and link pieces with
// rows, branches, joins, variables and a loop): the snapshot in memory, and the project file.

#include "ProjectGenerator.h"
#include "base/RecoveryStore.h"
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

// What the recovery keeper does every interval while there are unsaved changes: the project text
// with its calibration block, wrapped as a recovery file and written atomically.
void BM_KeepRecovery(benchmark::State& state)
{
    CProgram program;
    BuildLargeProject(program, kPieces);
    const wxString folder = wxFileName::CreateTempFileName("tamek-bench");
    wxRemoveFile(folder);
    const CalibrationRecord calibration = CalibrationRecord::Defaults();
    {
        RecoveryStore store(folder);
        for (auto _ : state) {
            RecoveryRecord record;
            record.projectPath = "/home/leerling/project.tamek";
            record.projectBytes = ProjectWriter::Text(program, CalibrationBlock(calibration));
            if (!store.Keep(record))
                state.SkipWithError("cannot write");
        }
    }
    wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
}
BENCHMARK(BM_KeepRecovery)->Unit(benchmark::kMillisecond);

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

// Damaged texts of 20,000 lines that would make a reader searching the whole graph per line take
// quadratic time: every block numbered and expecting the same number, one row of 20,000 members,
// one row of 20,000 placeholders all with the same number.
std::string DamagedText(int kind)
{
    constexpr int kLines = 20000;
    std::string text = "Node: 0 => State Start: Position:300,40. ";
    if (kind == 0) {
        text += "Son 2\n";
        for (int i = 0; i < kLines; ++i)
            text += "Node: 2 => State Wait: Position:300," + std::to_string(100 + i) + ". Son 2\n";
        return text;
    }
    text += "frNode";
    for (int i = 1; i <= kLines; ++i)
        text += ":" + std::to_string(kind == 1 ? i : 2);
    text += ". Son \n";
    for (int i = 1; i <= kLines; ++i)
        text += "Node: " + std::to_string(kind == 1 ? i : 2) + " => State Wait: Position:" + std::to_string(300 + i) +
                ",40. \n";
    return text;
}

void BM_ReadDamaged(benchmark::State& state)
{
    const std::string text = DamagedText(static_cast<int>(state.range(0)));
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
        program.ReadText(stream, displacement, bounds, calibration);
    }
}
BENCHMARK(BM_ReadDamaged)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

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
