#include "TestFrame.h"

#include "model/CProgram.h"
#include "model/EditHistory.h"
#include "model/Prototypes.h"
#include "model/UserInterface.h"

#include <gtest/gtest.h>
#include <wx/scrolbar.h>

namespace {
struct CanvasView : CanvasFixture
{
    // A mouse event as the dispatcher receives it.
    void Mouse(wxEventType type, int x, int y)
    {
        wxMouseEvent event(type);
        event.SetPosition(wxPoint(x, y));
        event.m_leftDown = type == wxEVT_LEFT_DOWN || type == wxEVT_MOTION;
        event.SetEventObject(frame->canvas);
        frame->canvas->GetEventHandler()->ProcessEvent(event);
    }
};
} // namespace

TEST_F(CanvasView, NewCanvasHasStartBlockAndTheFirstScrollBars)
{
    CState* root = TheProgram().GetRoot();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->GetKindWordRaw(), "Start");
    EXPECT_EQ(root->GetX(), 577);
    EXPECT_EQ(root->GetY(), 48);
    EXPECT_EQ(root->GetConnectorMask(), 0x04);

    wxScrollBar* h = frame->canvas->HorizontalBar();
    EXPECT_EQ(h->GetThumbPosition(), 500);
    EXPECT_EQ(h->GetThumbSize(), 785);
    EXPECT_EQ(h->GetPageSize(), 785);
    EXPECT_EQ(h->GetRange(), 2500);
    wxScrollBar* v = frame->canvas->VerticalBar();
    EXPECT_EQ(v->GetThumbPosition(), 0);
    EXPECT_EQ(v->GetThumbSize(), 585);
    EXPECT_EQ(v->GetRange(), 3000);
    EXPECT_EQ(h->GetRect(), wxRect(0, 585, 785, 15));
    EXPECT_EQ(v->GetRect(), wxRect(785, 0, 15, 585));
}

namespace {
// Remembers the console's last message as the canvas writes it.
struct TraceUi : UserInterface
{
    bool AskYesNo(const wxString&, const wxString&) override { return false; }
    void ShowMessage(const wxString&, const wxString&) override {}
    void Report(int, const wxString&) override {}
    void SetLastMessage(const wxString& message) override { last = message; }
    wxString last = "untouched";
};
} // namespace

TEST_F(CanvasView, ZoomCommandsStopAtTheirLimitsAndEnableTheCommands)
{
    CProjectViewer* canvas = frame->canvas;
    for (int i = 0; i < 5; ++i)
        canvas->ZoomIn();
    EXPECT_EQ(TheViewZoom().x, 15);
    EXPECT_EQ(TheViewZoom().y, 15);
    EXPECT_FALSE(frame->zoomInEnabled);
    EXPECT_TRUE(frame->zoomOutEnabled);
    EXPECT_TRUE(frame->zoomResetEnabled);
    EXPECT_FALSE(CProjectViewer::ZoomStep(1));
    canvas->ZoomIn();
    EXPECT_EQ(TheViewZoom().x, 15);
    // At 150 % the bars count zoomed pixels: the whole area is one and a half times as long.
    EXPECT_EQ(canvas->HorizontalBar()->GetRange(), 3750);
    EXPECT_EQ(canvas->HorizontalBar()->GetThumbPosition(), static_cast<int>(canvas->GetScrollX() * 1.5));
    EXPECT_EQ(canvas->VerticalBar()->GetRange(), 4500);

    canvas->ZoomReset();
    EXPECT_EQ(TheViewZoom().x, 10);
    EXPECT_FALSE(frame->zoomResetEnabled);
    EXPECT_TRUE(frame->zoomInEnabled);
    for (int i = 0; i < 6; ++i)
        canvas->ZoomOut();
    EXPECT_EQ(TheViewZoom().x, 5);
    EXPECT_FALSE(frame->zoomOutEnabled);
    EXPECT_TRUE(CProjectViewer::ZoomStep(1));
}

TEST_F(CanvasView, ZoomToolClicks)
{
    CProjectViewer* canvas = frame->canvas;
    Mouse(wxEVT_RIGHT_DOWN, 100, 100); // select tool: a right press is no zoom
    EXPECT_EQ(TheViewZoom().x, 10);
    canvas->SetTool(CProjectViewer::ZoomTool);
    Mouse(wxEVT_LEFT_DOWN, 100, 100);
    Mouse(wxEVT_LEFT_DOWN, 100, 100);
    EXPECT_EQ(TheViewZoom().x, 12);
    EXPECT_TRUE(frame->zoomResetEnabled);
    Mouse(wxEVT_RIGHT_DOWN, 100, 100);
    EXPECT_EQ(TheViewZoom().x, 11);
    Mouse(wxEVT_MOTION, 150, 100);
    EXPECT_EQ(TheViewZoom().x, 11);
}

TEST_F(CanvasView, PanningMovesTheViewAndStaysInsideTheArea)
{
    CProjectViewer* canvas = frame->canvas;
    canvas->SetTool(CProjectViewer::MoveTool);
    Mouse(wxEVT_MOTION, 400, 300); // the tool was just chosen: nothing until a press
    EXPECT_EQ(canvas->GetScrollX(), 500);
    Mouse(wxEVT_LEFT_DOWN, 400, 300);
    Mouse(wxEVT_MOTION, 500, 250);
    EXPECT_EQ(canvas->GetScrollX(), 400);
    EXPECT_EQ(canvas->GetScrollY(), 50);
    EXPECT_DOUBLE_EQ(canvas->GetOffsetX(), 100);
    EXPECT_DOUBLE_EQ(canvas->GetOffsetY(), -50);
    EXPECT_EQ(canvas->HorizontalBar()->GetThumbPosition(), 400);

    Mouse(wxEVT_MOTION, 2500, 2250); // far right and down: the view stops at the area's top-left
    EXPECT_EQ(canvas->GetScrollX(), 0);
    EXPECT_EQ(canvas->GetScrollY(), 0);
    EXPECT_DOUBLE_EQ(canvas->GetOffsetX(), 500);
    EXPECT_DOUBLE_EQ(canvas->GetOffsetY(), 0);

    Mouse(wxEVT_MOTION, -5000, -5000); // far left and up: the view stops at the bottom-right
    EXPECT_EQ(canvas->GetScrollX(), 2500 - 800);
    EXPECT_EQ(canvas->GetScrollY(), 3000 - 600);

    Mouse(wxEVT_LEFT_UP, -5000, -5000); // released: further motion pans no more
    Mouse(wxEVT_MOTION, 0, 0);
    EXPECT_EQ(canvas->GetScrollX(), 1700);
}

TEST_F(CanvasView, ScrollingMovesTheViewAndWritesTheTrace)
{
    TraceUi ui;
    InstallUserInterface(&ui);
    CProjectViewer* canvas = frame->canvas;
    canvas->VerticalBar()->SetThumbPosition(120);
    wxScrollEvent event(wxEVT_SCROLL_THUMBTRACK, canvas->VerticalBar()->GetId(), 120, wxVERTICAL);
    event.SetEventObject(canvas->VerticalBar());
    canvas->GetEventHandler()->ProcessEvent(event);
    EXPECT_EQ(canvas->GetScrollY(), 120);
    EXPECT_DOUBLE_EQ(canvas->GetOffsetY(), -120);
    EXPECT_EQ(ui.last, "In RangeY = 3000, pageSizeY = 585, ThumbPosY=120, ThumbSizeY=585, offset(0.000,-120.000)");
    // A drawing point maps through the offset both ways.
    EXPECT_EQ(canvas->ToWindow(wxPoint(577, 168)), wxPoint(577, 48));
    EXPECT_EQ(canvas->ToDrawing(wxPoint(577, 48)), wxPoint(577, 168));

    // A left press clears the remembered message so a repeated warning shows again.
    Mouse(wxEVT_LEFT_DOWN, 10, 10);
    EXPECT_EQ(ui.last, "");
    InstallUserInterface(nullptr);
}

TEST_F(CanvasView, ToolsChooseTheirCursors)
{
    CProjectViewer* canvas = frame->canvas;
    for (int tool : {CProjectViewer::MoveTool, CProjectViewer::ZoomTool, CProjectViewer::LinkTool}) {
        canvas->SetTool(tool);
        EXPECT_TRUE(canvas->IsToolChanged());
        wxSetCursorEvent event(100, 100);
        canvas->GetEventHandler()->ProcessEvent(event);
        ASSERT_TRUE(event.HasCursor()) << tool;
        EXPECT_NE(event.GetCursor().GetRefData(), wxSTANDARD_CURSOR->GetRefData()) << tool;
    }
    canvas->SetTool(CProjectViewer::SelectTool);
    wxSetCursorEvent event(100, 100);
    canvas->GetEventHandler()->ProcessEvent(event);
    EXPECT_TRUE(event.HasCursor());
}

TEST_F(CanvasView, DeleteKeyRemovesTheCurrentDeletableBlock)
{
    CProgram& program = TheProgram();
    CState* root = program.GetRoot();
    // A Wait below the start block, dropped through the editing rules.
    CState* wait = Prototypes::Get().At(PalettePage::Action, 0)->Clone();
    wait->SetViewer(frame->canvas);
    wait->SetPosition(root->GetX(), root->GetY() + 60);
    ASSERT_TRUE(program.ConnectBlock(root, wait, 1));
    ASSERT_NE(root->GetSon(), nullptr);

    // A left press with the start block linked enables the run and edit groups.
    Mouse(wxEVT_LEFT_DOWN, 5, 5);
    EXPECT_EQ(frame->enabled & (0x13be | 0x4000), 0x13be | 0x4000);
    frame->enabled = 0;
    frame->simulationRunning = true;
    Mouse(wxEVT_LEFT_DOWN, 5, 5);
    EXPECT_EQ(frame->enabled & 0x4000, 0);
    EXPECT_EQ(frame->enabled & 0x13be, 0x13be);

    wxKeyEvent other(wxEVT_KEY_DOWN);
    other.m_keyCode = WXK_BACK;
    SetCurrentBlock(wait);
    frame->canvas->GetEventHandler()->ProcessEvent(other);
    EXPECT_EQ(GetCurrentBlock(), wait);

    wxKeyEvent key(wxEVT_KEY_DOWN);
    key.m_keyCode = WXK_DELETE;
    frame->canvas->GetEventHandler()->ProcessEvent(key);
    EXPECT_EQ(GetCurrentBlock(), nullptr);
    EXPECT_EQ(program.FindBlock(root, [wait](CState* b) { return b == wait; }), nullptr);

    // A block that is not deletable (read from a file) stays.
    CState* son = root->GetSon();
    if (son) {
        son->SetDeletable(false);
        SetCurrentBlock(son);
        frame->canvas->GetEventHandler()->ProcessEvent(key);
        EXPECT_EQ(GetCurrentBlock(), son);
        SetCurrentBlock(nullptr);
    }
    program.Clear();
}

TEST_F(CanvasView, CommitStoresAChangedProgramAndDisablesRedo)
{
    CProgram& program = TheProgram();
    TheEditHistory().Reset();    // the history outlives the canvases of earlier tests
    frame->canvas->CommitEdit(); // nothing changed: nothing stored
    EXPECT_EQ(frame->disabled & 0x40, 0);
    EXPECT_FALSE(TheEditHistory().CanUndo());

    CState* root = program.GetRoot();
    CState* wait = Prototypes::Get().At(PalettePage::Action, 0)->Clone();
    wait->SetViewer(frame->canvas);
    wait->SetPosition(root->GetX(), root->GetY() + 60);
    ASSERT_TRUE(program.ConnectBlock(root, wait, 1));
    frame->canvas->CommitEdit();
    EXPECT_EQ(frame->disabled & 0x40, 0x40);
    EXPECT_TRUE(TheEditHistory().CanUndo());
    program.Clear();
    TheEditHistory().Reset();
}

TEST(CanvasOwnership, CanvasAdoptsAStartBlockMadeBeforeIt)
{
    TheProgram().Destroy();
    CState* root = TheProgram().EnsureRoot(); // the main window makes the program first
    ASSERT_EQ(root->GetViewer(), nullptr);
    auto* frame = new TestFrame();
    EXPECT_EQ(root->GetViewer(), frame->canvas);
    EXPECT_TRUE(root->IsOnCanvas());
    EXPECT_EQ(TheProgram().GetRoot(), root);
    frame->Destroy();
    TestFrame::WaitFor([] { return wxTopLevelWindows.empty(); }, 1000);
    TheProgram().Destroy();
}

TEST_F(CanvasView, ZoomToolKeepsThePointUnderTheMouse)
{
    CProjectViewer* canvas = frame->canvas;
    canvas->SetTool(CProjectViewer::ZoomTool);
    const wxPoint mouse(625, 96); // the centre of the start block
    const wxPoint before = canvas->ToDrawing(mouse);
    for (int i = 0; i < 5; ++i)
        Mouse(wxEVT_LEFT_DOWN, mouse.x, mouse.y);
    EXPECT_EQ(TheViewZoom().x, 15);
    const wxPoint after = canvas->ToDrawing(mouse);
    EXPECT_NEAR(after.x, before.x, 1);
    EXPECT_NEAR(after.y, before.y, 1);
    // The scroll position follows the view: it moved right by as much as the offset moved left.
    EXPECT_NEAR(canvas->GetScrollX(), 500 - canvas->GetOffsetX(), 0.5);
    EXPECT_EQ(canvas->HorizontalBar()->GetThumbPosition(), static_cast<int>(canvas->GetScrollX() * 1.5));
}

TEST_F(CanvasView, ZoomingOutAtTheTopStopsAtTheAreaEdge)
{
    CProjectViewer* canvas = frame->canvas;
    canvas->SetTool(CProjectViewer::ZoomTool);
    Mouse(wxEVT_RIGHT_DOWN, 625, 96);
    EXPECT_EQ(TheViewZoom().y, 9);
    // Keeping the point would scroll above the area's top: the view stays at the top instead.
    EXPECT_EQ(canvas->GetScrollY(), 0);
    EXPECT_DOUBLE_EQ(canvas->GetOffsetY(), 0);
    EXPECT_EQ(canvas->ToDrawing(wxPoint(625, 96)).x, 625);
}

TEST_F(CanvasView, ZoomCommandsKeepTheMiddleOfTheView)
{
    CProjectViewer* canvas = frame->canvas;
    const wxPoint middle((800 - 15) / 2, (600 - 15) / 2);
    const wxPoint before = canvas->ToDrawing(middle);
    canvas->ZoomIn();
    canvas->ZoomIn();
    const wxPoint zoomed = canvas->ToDrawing(middle);
    EXPECT_NEAR(zoomed.x, before.x, 1);
    EXPECT_NEAR(zoomed.y, before.y, 1);
    canvas->ZoomReset();
    const wxPoint back = canvas->ToDrawing(middle);
    EXPECT_NEAR(back.x, before.x, 1);
    EXPECT_NEAR(back.y, before.y, 1);
    EXPECT_NEAR(canvas->GetScrollX(), 500 - canvas->GetOffsetX(), 1);
}
