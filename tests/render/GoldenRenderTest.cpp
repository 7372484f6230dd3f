// The canvas drawn off-screen and compared with reviewed reference pictures.
#include "GoldenImage.h"
#include "TestFrame.h"
#include "TestGraphs.h"

#include "calibration/CalibrationRecord.h"
#include "model/CProgram.h"

#include <memory>
#include <wx/dcmemory.h>
#include <wx/graphics.h>

namespace {
struct Golden : CanvasFixture
{
    // The canvas's view of the area around the program, drawn into a bitmap of a fixed size.
    wxImage Render(const wxSize& size)
    {
        wxBitmap bitmap(size, 24);
        {
            wxMemoryDC dc(bitmap);
            std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
            frame->canvas->PaintView(gc.get(), size);
        }
        return bitmap.ConvertToImage();
    }
};
} // namespace

TEST_F(Golden, NewProjectShowsTheStartBlock)
{
    TheProgram().EnsureRoot()->SetViewer(frame->canvas);
    // The view starts at the drawing's origin: the Start block stands at (577, 48).
    wxImage image = Render(wxSize(800, 300));
    EXPECT_TRUE(MatchesGolden(image, "start.png"));
}

TEST_F(Golden, BranchingProgramWithALoopAndAStep)
{
    GraphBuilder graph(TheProgram(), frame->canvas);
    graph.BranchingLoop();
    SetCurrentBlock(graph.WaitBlock());
    EXPECT_TRUE(MatchesGolden(Render(wxSize(800, 560)), "branching-loop.png"));
}

TEST_F(Golden, BranchingProgramAt150Percent)
{
    GraphBuilder graph(TheProgram(), frame->canvas);
    graph.BranchingLoop();
    frame->canvas->ZoomIn();
    frame->canvas->ZoomIn();
    frame->canvas->ZoomIn();
    frame->canvas->ZoomIn();
    frame->canvas->ZoomIn();
    EXPECT_TRUE(MatchesGolden(Render(wxSize(1200, 840)), "branching-loop-150.png"));
}

TEST_F(Golden, PendingLinkPathIsDrawnAndTakenOutAgain)
{
    CState* root = TheProgram().EnsureRoot();
    root->SetViewer(frame->canvas);
    GraphBuilder graph(TheProgram(), frame->canvas);
    CState* first = graph.Piece(root->GetX(), root->GetY() + 60);
    CState* second = graph.Piece(root->GetX(), root->GetY() + 120);
    first->SetParent(root);
    second->SetParent(first);
    frame->canvas->PendingPath().Append(first);
    frame->canvas->PendingPath().Append(second);

    const wxImage image = Render(wxSize(800, 300));
    // The second piece's line runs through its centre: (577 + 48, 48 + 120 + 48) on the window.
    EXPECT_EQ(image.GetRed(625, 216), 0x4A);
    EXPECT_EQ(image.GetGreen(625, 216), 0x5D);
    EXPECT_EQ(image.GetBlue(625, 216), 0x73);
    // After painting the path hangs from nothing again.
    EXPECT_EQ(root->GetSon(), nullptr);
    EXPECT_EQ(first->GetSon(), nullptr);
    EXPECT_EQ(second->GetParent(), first);

    frame->canvas->PendingPath().Clear();
    first->SetParent(nullptr);
    delete second;
    delete first;
}

TEST_F(Golden, ProjectFilesAsTheCanvasShowsThem)
{
    const std::pair<const char*, const char*> cases[] = {{"condition_join.tamek", "condition_join.png"},
                                                         {"rows.tamek", "rows.png"},
                                                         {"loops.tamek", "loops.png"},
                                                         {"render/branching-loop.tamek", "branching-loop-file.png"}};
    for (const auto& [file, picture] : cases) {
        SCOPED_TRACE(file);
        ASSERT_TRUE(ReadTestProject(file));
        EXPECT_TRUE(MatchesGolden(Render(wxSize(800, 580)), picture));
    }
}
