// Painting a flowchart of 2,000 pieces (blocks and link pieces) into an off-screen bitmap of the
// window's size, as the canvas paints on every refresh. Needs a display (xvfb-run).
#include "drawing/BlockDrawing.h"
#include "drawing/ImageExport.h"
#include "drawing/WxImageStore.h"
#include "editor/CProjectViewer.h"
#include "editor/CanvasOwner.h"
#include "model/CProgram.h"
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

// A serpentine of 2,000 pieces filling the drawing area: columns of 50 cells, down and up in
// turn, every other cell an action with its parameter, the rest link pieces.
void BuildSerpentine(CProgram& program, CProjectViewer* viewer, int pieces)
{
    CState* last = program.EnsureRoot();
    last->SetViewer(viewer);
    last->SetPosition(10, 10);
    const PalettePage pages[] = {PalettePage::Action, PalettePage::Action2};
    for (int n = 1; n < pieces; ++n) {
        const int column = n / 50, row = n % 50;
        const int x = 10 + 60 * column;
        const int y = 10 + 60 * (column % 2 == 0 ? row : 49 - row);
        CState* block;
        if (n % 2 == 0 && row != 0 && row != 49) {
            block = Prototypes::Get().At(pages[n % 4 / 2], static_cast<size_t>(n % 4))->Clone();
            block->SetParameterText(wxString::Format("%d", n % 100));
        } else {
            block = Prototypes::Get().LinkPrototype()->Clone();
            block->SetConnectorMask(0x06);
        }
        block->SetViewer(viewer);
        block->SetPosition(x, y);
        last->SetSon(block);
        block->SetParent(last);
        last = block;
    }
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
} // namespace

BENCHMARK(BM_ExportPicture)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintCanvas100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintCanvas50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawWholeTree)->Unit(benchmark::kMillisecond);

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
