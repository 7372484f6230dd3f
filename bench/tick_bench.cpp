// One tick of a run on a flowchart of 2,000 pieces, in the real main window: the machine's steps and
// the highlight's walk, the names list's values, the canvas repainted with the highlight and the
// robot pane repainted. A tick comes every 200 ms; under 16 ms it never makes the window stutter.
// Needs a display (xvfb-run).
#include "Serpentine.h"

#include "app/AppPaths.h"
#include "app/CFrame.h"
#include "app/CRobotApp.h"
#include "model/CProgram.h"
#include "simulator/CRobotPane.h"
#include "simulator/RobotPaneDrawing.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/init.h>

namespace {
CFrame* g_frame = nullptr;

// A run of the serpentine: an LED or buzzer block every tenth cell (2 bytes each), link pieces
// between; started once and kept running (its last block repeats for ever).
SimulationRun& TheRun()
{
    RunControl& control = g_frame->GetRunControl();
    if (!control.IsRunActive()) {
        control.Start();
        control.Run()->Tick(); // the first tick settles the highlight on the first block
    }
    return *control.Run();
}

void BuildProgram()
{
    TheProgram().Destroy();
    auto* canvas = static_cast<CProjectViewer*>(g_frame->GetCanvas());
    BuildSerpentine(TheProgram(), canvas, 2000, [](int n) -> CState* {
        if (n % 10 != 0)
            return nullptr;
        CState* block = PrototypeByName(n % 20 ? "LedR" : "Buzzer")->Clone();
        block->SetParameterText(n % 40 < 20 ? "1" : "0");
        block->SetParameterValue(n % 40 < 20 ? 1 : 0);
        return block;
    });
}

void PaintCanvas()
{
    static wxBitmap bitmap(800, 600, 24);
    wxMemoryDC dc(bitmap);
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
    static_cast<CProjectViewer*>(g_frame->GetCanvas())->PaintView(gc.get(), bitmap.GetSize());
}

void PaintRobotPane()
{
    static wxBitmap bitmap(300, 520, 24);
    wxMemoryDC dc(bitmap);
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
    DrawRobotPane(*gc, bitmap.GetSize(), g_frame->GetRobotPane()->View());
}

// The machine's steps and the highlight's walk alone.
void BM_TickMachineAndWalk(benchmark::State& state)
{
    SimulationRun& run = TheRun();
    for (auto _ : state) {
        run.SetDisplay(nullptr);
        run.Tick();
    }
    g_frame->StopRun();
}

// The same with the run window as the display: the names list's values and the robot pane's state.
void BM_TickWithNamesList(benchmark::State& state)
{
    for (auto _ : state)
        TheRun().Tick();
    g_frame->StopRun();
}

void BM_CanvasRepaint(benchmark::State& state)
{
    TheRun();
    for (auto _ : state)
        PaintCanvas();
    g_frame->StopRun();
}

void BM_RobotPaneRepaint(benchmark::State& state)
{
    TheRun();
    for (auto _ : state)
        PaintRobotPane();
    g_frame->StopRun();
}

// Everything one tick causes.
void BM_WholeTick(benchmark::State& state)
{
    for (auto _ : state) {
        TheRun().Tick();
        PaintCanvas();
        PaintRobotPane();
    }
    g_frame->StopRun();
}

// What finding the block of a program counter would cost each machine step without the address
// table: the graph search over every piece, for an address near the program's end.
void BM_BlockSearch(benchmark::State& state)
{
    const int pc = TheRun().Machine().Length() - 4;
    g_frame->StopRun();
    for (auto _ : state)
        benchmark::DoNotOptimize(TheProgram().FindByAddress(pc));
}
void BM_BlockTable(benchmark::State& state)
{
    SimulationRun& run = TheRun();
    const int pc = run.Machine().Length() - 4;
    for (auto _ : state)
        benchmark::DoNotOptimize(run.BlockAt(pc));
    g_frame->StopRun();
}
} // namespace

BENCHMARK(BM_TickMachineAndWalk)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickWithNamesList)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CanvasRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RobotPaneRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeTick)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BlockSearch)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BlockTable)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv); // takes its own options out of argv before wx reads it
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        return 1;
    InitialiseAppPaths();
    wxImage::AddHandler(new wxPNGHandler);
    g_frame = CreateMainWindow();
    g_frame->ShowRobotPane(true);
    BuildProgram();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_frame->Destroy();
    wxEntryCleanup();
    return 0;
}
