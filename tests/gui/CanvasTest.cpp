// The canvas in the main window: scroll bars, zooming, panning, scrolling, cursors.
#include "GuiTest.h"

#include "app/CommandIds.h"
#include "console/CConsoleViewer.h"
#include "model/CProgram.h"

#include <wx/scrolbar.h>

namespace {
struct CanvasView : MainWindowTest
{
    void SetUp() override
    {
        MainWindowTest::SetUp();
        SizeCanvas(wxSize(800, 600));
    }
    // The scroll position and the view offset.
    std::tuple<int, int, double, double> View() const
    {
        return {Canvas()->GetScrollX(), Canvas()->GetScrollY(), Canvas()->GetOffsetX(), Canvas()->GetOffsetY()};
    }
};
} // namespace

TEST_F(CanvasView, StartsWithTheStartBlockAndTheFirstScrollBars)
{
    const CState* root = TheProgram().GetRoot(); // made by the window before the canvas, adopted by it
    EXPECT_EQ(std::make_tuple(root->GetKindWordRaw(), root->GetX(), root->GetY(), root->GetConnectorMask()),
              std::make_tuple(wxString("Start"), 577, 48, 0x04));
    EXPECT_TRUE(root->GetViewer() == Canvas() && root->IsOnCanvas());
    const wxScrollBar *h = Canvas()->HorizontalBar(), *v = Canvas()->VerticalBar();
    EXPECT_EQ(std::make_tuple(h->GetThumbPosition(), h->GetThumbSize(), h->GetPageSize(), h->GetRange()),
              std::make_tuple(500, 785, 785, 2500));
    EXPECT_EQ(std::make_tuple(v->GetThumbPosition(), v->GetThumbSize(), v->GetRange()), std::make_tuple(0, 585, 3000));
    EXPECT_EQ(h->GetRect(), wxRect(0, 585, 785, 15));
    EXPECT_EQ(v->GetRect(), wxRect(785, 0, 15, 585));
    // A click on a program of only the Start block enables nothing.
    Click(wxPoint(300, 300));
    EXPECT_EQ(frame->GetCommandState(), kStateAtStart);
}

TEST_F(CanvasView, ZoomStopsAtItsLimitsWithItsCommandsAndTheBarsCountZoomedPixels)
{
    EXPECT_TRUE(CProjectViewer::ZoomStep(1));
    for (int i = 0; i < 6; ++i)
        Command(ID_MENU_ZOOM_IN);
    EXPECT_FALSE(CProjectViewer::ZoomStep(1));
    EXPECT_EQ(std::make_pair(TheViewZoom().x, TheViewZoom().y), std::make_pair(15, 15));
    EXPECT_FALSE(MenuEnabled(ID_MENU_ZOOM_IN));
    EXPECT_TRUE(MenuEnabled(ID_MENU_ZOOM_OUT) && MenuEnabled(ID_MENU_ZOOM_RESET));
    EXPECT_EQ(Canvas()->HorizontalBar()->GetRange(), 3750);
    EXPECT_EQ(Canvas()->HorizontalBar()->GetThumbPosition(), static_cast<int>(Canvas()->GetScrollX() * 1.5));
    EXPECT_EQ(Canvas()->VerticalBar()->GetRange(), 4500);
    Command(ID_MENU_ZOOM_RESET);
    EXPECT_EQ(TheViewZoom().x, 10);
    EXPECT_FALSE(MenuEnabled(ID_MENU_ZOOM_RESET));
    for (int i = 0; i < 6; ++i)
        Command(ID_MENU_ZOOM_OUT);
    EXPECT_EQ(TheViewZoom().y, 5);
    EXPECT_FALSE(CProjectViewer::ZoomStep(-1));
    EXPECT_FALSE(MenuEnabled(ID_MENU_ZOOM_OUT));
    EXPECT_TRUE(MenuEnabled(ID_MENU_ZOOM_IN));
}

TEST_F(CanvasView, TheZoomToolZoomsAroundThePointUnderTheMouse)
{
    Click(wxPoint(100, 100), wxMOUSE_BTN_RIGHT); // the select tool: a right press is no zoom
    EXPECT_EQ(TheViewZoom().x, 10);
    frame->SelectCanvasTool(TOOL_ZOOM);
    const wxPoint mouse(625, 96); // the centre of the start block
    // Zooming out at the top: keeping the point would scroll above the area, so the view stays at the top.
    Click(mouse, wxMOUSE_BTN_RIGHT);
    EXPECT_EQ(TheViewZoom().y, 9);
    EXPECT_EQ(std::make_pair(Canvas()->GetScrollY(), Canvas()->GetOffsetY()), std::make_pair(0, 0.0));
    EXPECT_EQ(Canvas()->ToDrawing(mouse).x, 625);
    Command(ID_MENU_ZOOM_RESET);

    const wxPoint under = Canvas()->ToDrawing(mouse);
    Mouse(wxEVT_LEFT_DOWN, mouse.x, mouse.y);
    Mouse(wxEVT_LEFT_DOWN, mouse.x, mouse.y);
    EXPECT_EQ(TheViewZoom().x, 12);
    EXPECT_TRUE(MenuEnabled(ID_MENU_ZOOM_RESET));
    Mouse(wxEVT_MOTION, 650, 100);
    EXPECT_EQ(TheViewZoom().x, 12);
    for (int i = 0; i < 3; ++i)
        Mouse(wxEVT_LEFT_DOWN, mouse.x, mouse.y);
    EXPECT_EQ(TheViewZoom().x, 15);
    const wxPoint moved = Canvas()->ToDrawing(mouse) - under;
    EXPECT_TRUE(std::abs(moved.x) <= 1 && std::abs(moved.y) <= 1);
    // The scroll position follows the view: it moved right by as much as the offset moved left.
    EXPECT_NEAR(Canvas()->GetScrollX(), 500 - Canvas()->GetOffsetX(), 0.5);
    EXPECT_EQ(Canvas()->HorizontalBar()->GetThumbPosition(), static_cast<int>(Canvas()->GetScrollX() * 1.5));
}

TEST_F(CanvasView, AZoomAndItsReverseGiveBackTheView)
{
    Open("worked_example.tamek");
    const auto start = View();
    Command(ID_MENU_ZOOM_OUT);
    Command(ID_MENU_ZOOM_IN);
    EXPECT_EQ(View(), start);
    // Out to 50 %, in to 150 %: the program stays in sight, and the first zoom gives back the first view.
    for (int i = 0; i < 5; ++i)
        Command(ID_MENU_ZOOM_OUT);
    for (int i = 0; i < 10; ++i)
        Command(ID_MENU_ZOOM_IN);
    const CState* wait = BlockNumbered(1);
    EXPECT_TRUE(wxRect(Canvas()->GetClientSize()).Contains(Canvas()->ToWindow(wxPoint(wait->GetX(), wait->GetY()))));
    Command(ID_MENU_ZOOM_RESET);
    EXPECT_EQ(View(), start);
    // The same with the zoom tool, clicked at a point and then right-clicked there.
    frame->SelectCanvasTool(TOOL_ZOOM);
    Click(wxPoint(700, 500));
    Click(wxPoint(700, 500), wxMOUSE_BTN_RIGHT);
    EXPECT_EQ(View(), start);
    // The middle of the view stays where it is.
    const wxPoint middle((800 - 15) / 2, (600 - 15) / 2), before = Canvas()->ToDrawing(middle);
    Command(ID_MENU_ZOOM_IN);
    EXPECT_NEAR(Canvas()->ToDrawing(middle).x, before.x, 1);
    EXPECT_NEAR(Canvas()->ToDrawing(middle).y, before.y, 1);
}

TEST_F(CanvasView, PanningMovesTheViewAndStaysInsideTheArea)
{
    frame->SelectCanvasTool(TOOL_MOVE);
    Mouse(wxEVT_MOTION, 400, 300); // the tool was just chosen: nothing until a press
    EXPECT_EQ(Canvas()->GetScrollX(), 500);
    Mouse(wxEVT_LEFT_DOWN, 400, 300);
    Mouse(wxEVT_MOTION, 500, 250);
    EXPECT_EQ(View(), std::make_tuple(400, 50, 100.0, -50.0));
    EXPECT_EQ(Canvas()->HorizontalBar()->GetThumbPosition(), 400);
    Mouse(wxEVT_MOTION, 2500, 2250); // far right and down: the view stops at the area's top-left
    EXPECT_EQ(View(), std::make_tuple(0, 0, 500.0, 0.0));
    Mouse(wxEVT_MOTION, -5000, -5000); // far left and up: the view stops at the bottom-right
    EXPECT_EQ(View(), std::make_tuple(2500 - 800, 3000 - 600, 500.0 - 1700, -2400.0));
    Mouse(wxEVT_LEFT_UP, -5000, -5000); // released: further motion pans no more
    Mouse(wxEVT_MOTION, 0, 0);
    EXPECT_EQ(Canvas()->GetScrollX(), 1700);
}

TEST_F(CanvasView, ScrollingMovesTheViewAndWritesTheTrace)
{
    Canvas()->VerticalBar()->SetThumbPosition(120);
    wxScrollEvent event(wxEVT_SCROLL_THUMBTRACK, Canvas()->VerticalBar()->GetId(), 120, wxVERTICAL);
    event.SetEventObject(Canvas()->VerticalBar());
    Canvas()->GetEventHandler()->ProcessEvent(event);
    EXPECT_EQ(View(), std::make_tuple(500, 120, 0.0, -120.0));
    EXPECT_EQ(TheConsole()->GetLastMessage(),
              "In RangeY = 3000, pageSizeY = 585, ThumbPosY=120, ThumbSizeY=585, offset(0.000,-120.000)");
    EXPECT_EQ(Canvas()->ToWindow(wxPoint(577, 168)), wxPoint(577, 48));
    EXPECT_EQ(Canvas()->ToDrawing(wxPoint(577, 48)), wxPoint(577, 168));
    Mouse(wxEVT_LEFT_DOWN, 10, 10); // a press clears it, so a repeated warning shows again
    EXPECT_EQ(TheConsole()->GetLastMessage(), "");
}

TEST_F(CanvasView, TheAreaGrowsSoTheEndOfALongColumnCanBeScrolledTo)
{
    Open("compile/limit_992.tamek"); // a column of Wait blocks as long as the robot holds, 5,896 units
    CState* end = nullptr;
    TheProgram().ForEachBlock([&](CState* b) { end = b->GetY() > (end ? end->GetY() : 0) ? b : end; });
    wxScrollBar* bar = Canvas()->VerticalBar();
    ASSERT_GE(bar->GetRange(), end->GetY() + end->ImageHeight());
    const int last = bar->GetRange() - bar->GetThumbSize();
    bar->SetThumbPosition(last);
    wxScrollEvent event(wxEVT_SCROLL_THUMBTRACK, bar->GetId(), last, wxVERTICAL);
    event.SetEventObject(bar);
    Canvas()->GetEventHandler()->ProcessEvent(event);
    const wxPoint bottom = Canvas()->ToWindow(wxPoint(end->GetX(), end->GetY() + end->ImageHeight()));
    EXPECT_TRUE(bottom.y > 0 && bottom.y <= bar->GetSize().y) << bottom.y;
}

TEST_F(CanvasView, ToolsChooseTheirCursors)
{
    for (int tool : {TOOL_MOVE, TOOL_ZOOM, TOOL_LINK, TOOL_SELECT}) {
        frame->SelectCanvasTool(tool);
        EXPECT_TRUE(Canvas()->IsToolChanged());
        wxSetCursorEvent event(100, 100);
        Canvas()->GetEventHandler()->ProcessEvent(event);
        ASSERT_TRUE(event.HasCursor()) << tool;
        EXPECT_EQ(event.GetCursor().GetRefData() == wxSTANDARD_CURSOR->GetRefData(), tool == TOOL_SELECT) << tool;
    }
}
