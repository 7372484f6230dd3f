// Painting a flowchart of 2,000 pieces (blocks and link pieces) into an off-screen bitmap of the
// window's size, as the canvas paints on every refresh, and an edit, undo or redo up to the
// repainted canvas. Needs a display (xvfb-run).
#include "EditedFlowchart.h"
#include "Serpentine.h"
#include "drawing/BlockDrawing.h"
#include "drawing/ImageExport.h"
#include "drawing/WxImageStore.h"
#include "editor/CProjectViewer.h"
#include "editor/CanvasOwner.h"
#include "model/CProgram.h"
#include "model/EditHistory.h"
#include "model/Prototypes.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/graphics.h>
#include <wx/init.h>

namespace {
class BenchFrame : public wxFrame, public CanvasOwner
{
public:
    BenchFrame() : wxFrame(nullptr, wxID_ANY, "paint")
    {
        canvas = new CProjectViewer(this, this);
        SetClientSize(800, 600);
    }
    void EnableCommands(long) override {}
    void DisableCommands(long) override {}
    bool IsSimulationRunning() const override { return false; }
    bool IsShiftHeld() const override { return false; }
    void EnableZoomCommands(bool, bool, bool) override {}
    bool AskToStopSimulation() override { return true; }
    int ShowBlockProperties(CState*, bool) override { return kPropertiesAbandoned; }
    void VariablesChanged() override {}
    CProjectViewer* canvas;
};

// Every other cell an action with its parameter, the rest link pieces.
void BuildSerpentine(CProgram& program, CProjectViewer* viewer, int pieces)
{
    const PalettePage pages[] = {PalettePage::Action, PalettePage::Action2};
    ::BuildSerpentine(program, viewer, pieces, [&](int n) -> CState* {
        if (n % 2 != 0)
            return nullptr;
        CState* block = Prototypes::Get().At(pages[n % 4 / 2], static_cast<size_t>(n % 4))->Clone();
        block->SetParameterText(wxString::Format("%d", n % 100));
        return block;
    });
}

void PaintCanvas(benchmark::State& state, int zoom)
{
    auto* frame = new BenchFrame();
    TheViewZoom() = ViewZoom{zoom, zoom};
    TheProgram().Destroy();
    BuildSerpentine(TheProgram(), frame->canvas, 2000);
    const wxSize size(800, 600);
    wxBitmap bitmap(size, 24);
    for (auto _ : state) {
        wxMemoryDC dc(bitmap);
        std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
        frame->canvas->PaintView(gc.get(), size);
    }
    TheProgram().Destroy();
    TheViewZoom() = ViewZoom();
    frame->Destroy();
}

void BM_PaintCanvas100(benchmark::State& state)
{
    PaintCanvas(state, 10);
}
void BM_PaintCanvas50(benchmark::State& state)
{
    PaintCanvas(state, 5);
}

// The whole tree without skipping what lies outside the window, as the printout draws it.
void BM_DrawWholeTree(benchmark::State& state)
{
    auto* frame = new BenchFrame();
    TheProgram().Destroy();
    BuildSerpentine(TheProgram(), frame->canvas, 2000);
    wxBitmap bitmap(800, 600, 24);
    for (auto _ : state) {
        wxMemoryDC dc(bitmap);
        std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
        DrawTree(TheProgram().GetRoot(), gc.get());
    }
    TheProgram().Destroy();
    frame->Destroy();
}

// The whole 2,000-piece flowchart exported as a picture file's bytes (2500 x 3000 units: a PNG of
// 5,048 x 6,048 pixels, or an SVG), as "Exporteer als afbeelding..." and tamekc export make it.
void BM_ExportPicture(benchmark::State& state)
{
    auto* frame = new BenchFrame();
    TheProgram().Destroy();
    BuildSerpentine(TheProgram(), frame->canvas, 2000);
    const PictureFormat format = state.range(0) == 0 ? PictureFormat::Png : PictureFormat::Svg;
    size_t bytes = 0;
    for (auto _ : state)
        bytes = FlowchartPicture(TheProgram(), format).size();
    state.counters["bytes"] = static_cast<double>(bytes);
    TheProgram().Destroy();
    frame->Destroy();
}
// The canvas on a flowchart of 2,000 pieces built through the editing rules, its history started
// from it, painted into a bitmap of the window's size as a refresh paints it.
struct EditedCanvas
{
    EditedCanvas()
    {
        TheProgram().Destroy();
        TheProgram().EnsureRoot()->SetViewer(frame->canvas);
        pieces = bench_programs::BuildEditedFlowchart(TheProgram(), 2000);
        TheProgram().ForEachBlock([this](CState* block) { block->SetViewer(frame->canvas); });
        frame->canvas->ProgramChanged();
        TheEditHistory().Reset();
    }
    ~EditedCanvas()
    {
        TheEditHistory().Reset();
        TheProgram().Destroy();
        frame->Destroy();
    }
    void Paint()
    {
        wxMemoryDC dc(bitmap);
        std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
        frame->canvas->PaintView(gc.get(), bitmap.GetSize());
    }
    // The first action below the Start block, in view.
    CState* FirstAction() const { return TheProgram().GetRoot()->GetSon()->GetSon(); }

    BenchFrame* frame = new BenchFrame();
    int pieces = 0;
    wxBitmap bitmap{wxSize(800, 600), 24};
};

// A Buzzer dropped beside the first action (its step takes it), the edit committed to the
// history and the canvas repainted; the undo that takes it away again is not counted.
void BM_DropCommitPaint(benchmark::State& state)
{
    EditedCanvas canvas;
    for (auto _ : state) {
        CState* buzzer = bench_programs::Proto(PalettePage::Action, 1)->Clone();
        buzzer->SetViewer(canvas.frame->canvas);
        const CGraphicState::Point point = canvas.FirstAction()->GetNeighbourPoint(3);
        buzzer->SetPosition(point.x, point.y);
        if (!TheProgram().ConnectBlock(canvas.FirstAction(), buzzer, 1 << 3) || !canvas.frame->canvas->CommitEdit()) {
            state.SkipWithError("the drop was refused");
            break;
        }
        canvas.frame->canvas->ProgramChanged();
        canvas.Paint();
        state.PauseTiming();
        TheEditHistory().Undo();
        state.ResumeTiming();
    }
    state.counters["pieces"] = canvas.pieces;
}

// One undo (or redo) of a parameter's edit as the window does it, up to the repainted canvas.
void UndoOrRedoPaint(benchmark::State& state, bool undo)
{
    EditedCanvas canvas;
    canvas.FirstAction()->SetParameterText("77");
    canvas.frame->canvas->CommitEdit();
    for (auto _ : state) {
        if (!undo) {
            state.PauseTiming();
            TheEditHistory().Undo();
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(undo ? TheEditHistory().Undo() : TheEditHistory().Redo());
        canvas.frame->canvas->ProgramChanged();
        canvas.Paint();
        if (undo) {
            state.PauseTiming();
            TheEditHistory().Redo();
            state.ResumeTiming();
        }
    }
    state.counters["pieces"] = canvas.pieces;
}
void BM_UndoPaint(benchmark::State& state)
{
    UndoOrRedoPaint(state, true);
}
void BM_RedoPaint(benchmark::State& state)
{
    UndoOrRedoPaint(state, false);
}
} // namespace

BENCHMARK(BM_ExportPicture)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintCanvas100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintCanvas50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawWholeTree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DropCommitPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoPaint)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv); // takes its own options out of argv before wx reads it
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        return 1;
    wxImage::AddHandler(new wxPNGHandler);
    InstallWxImageStore(TAMEK_DATA_DIR);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    wxEntryCleanup();
    return 0;
}
