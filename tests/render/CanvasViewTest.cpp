#include "TestFrame.h"

#include "model/CProgram.h"

#include <gtest/gtest.h>
#include <wx/scrolbar.h>

namespace {
struct CanvasView : ::testing::Test
{
    TestFrame* frame = nullptr;
    void SetUp() override
    {
        TheViewZoom() = ViewZoom();
        frame = new TestFrame();
    }
    void TearDown() override
    {
        frame->Destroy();
        TestFrame::WaitFor([] { return wxTopLevelWindows.empty(); }, 1000);
        TheViewZoom() = ViewZoom();
    }
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
