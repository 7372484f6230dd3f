// The graph primitives keep both ends of every link; the edits of the canvas built on them (a
// link path, the turning of a condition's exits) leave a sound graph, and a dropped path leaves
// the program text as it was.

#include "model/FlowchartEdits.h"
#include "model/LinkPath.h"
#include "support/Blocks.h"
#include "support/EditingGraphCheck.h"
#include "support/ProjectText.h"
#include "support/ScriptedUserInterface.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {
struct Primitives : ::testing::Test
{
    ScriptedUserInterface ui;
    CProgram program;
    CState* root = program.EnsureRoot();
    CState* Add(CState* parent, const char* word, int dx, int dy)
    {
        CState* block = Make(word);
        block->SetPosition(parent->GetX() + dx, parent->GetY() + dy);
        return block;
    }
};
} // namespace

TEST_F(Primitives, EachPrimitiveKeepsBothEndsOfItsLinks)
{
    CState* wait = Add(root, "Wait", 0, 60);
    program.AttachSon(root, wait);
    CState* condition = Add(wait, "Switch1", 0, 60);
    program.AttachSon(wait, condition);
    CState* yes = Add(condition, "Link", 0, 60);
    CState* no = Add(condition, "Link", 60, 0);
    program.AttachSon(condition, yes);
    program.AttachBranch(condition, no);
    EXPECT_EQ(GraphFault(program), "");
    EXPECT_TRUE(program.JoinTo(yes, wait)); // a loop
    EXPECT_TRUE(program.JoinTo(no, wait));  // and a join: both slots taken
    CState* third = Add(root, "Link", 0, 0);
    EXPECT_FALSE(program.JoinTo(third, wait));
    delete third;
    EXPECT_EQ(GraphFault(program), "");
    program.Unjoin(yes);
    EXPECT_EQ(wait->GetExtraParent(0), no); // the remaining one moves to the first slot
    EXPECT_EQ(GraphFault(program), "");
    CState* buzzer = Add(wait, "Buzzer", 60, 0);
    CState* led = Add(wait, "LedR", 120, 0);
    program.InsertInRow(wait, 1, led);
    program.InsertInRow(wait, 1, buzzer); // the LedR moves beyond
    EXPECT_TRUE(wait->GetRowNeighbour(1) == buzzer && buzzer->GetRowNeighbour(1) == led);
    EXPECT_EQ(GraphFault(program), "");
    program.LeaveRow(buzzer);
    delete buzzer;
    EXPECT_TRUE(wait->GetRowNeighbour(1) == led && led->GetRowNeighbour(0) == wait);
    program.DetachFromParent(no);
    EXPECT_TRUE(!condition->GetBranchSon(0) && !no->GetParent());
    program.Unjoin(no);
    delete no;
    EXPECT_EQ(GraphFault(program), "");
}

TEST_F(Primitives, ALinkPathGrowsPopsAndChangesTheTextOnlyWhenCommitted)
{
    CState* wait = Drop(program, root, Proto(KindId::Wait), 0);
    ASSERT_NE(wait, nullptr);
    const std::string before = Snapshot(program);
    LinkPath path(program);
    ASSERT_TRUE(path.Start(wait));
    EXPECT_FALSE(LinkPath(program).Start(root)); // the Start block's son is taken
    const int cx = wait->GetX() + 48, cy = wait->GetY() + 48;
    path.ExtendToward(cx + 120, cy + 180, 60); // down first (a block's exit), then right, then down
    EXPECT_EQ(path.Pieces().size(), 5u);
    EXPECT_EQ(Snapshot(program), before);
    path.ExtendToward(cx + 10, cy + 70, 60); // back: the pieces beyond the first go
    EXPECT_EQ(path.Pieces().size(), 1u);
    path.Discard();
    EXPECT_EQ(Snapshot(program), before);
    ASSERT_TRUE(path.Start(wait));
    path.ExtendToward(cx, cy + 120, 60);
    EXPECT_TRUE(path.Commit());
    EXPECT_EQ(GraphFault(program), "");
    ASSERT_TRUE(wait->GetSon() && wait->GetSon()->GetSon());
    // From inside that path, a new route replaces the pieces below the press, once committed.
    CState* first = wait->GetSon();
    ASSERT_TRUE(path.Start(first));
    path.ExtendToward(first->GetX() + 48 + 60, first->GetY() + 48, 60);
    EXPECT_EQ(path.Replaced().size(), 1u);
    EXPECT_TRUE(path.Commit());
    EXPECT_EQ(GraphFault(program), "");
    EXPECT_EQ(first->GetSon()->GetY(), first->GetY());
    EXPECT_EQ(first->GetSon()->GetSon(), nullptr);
}

// The exits of a condition turn by the table, each changed exit getting a new first piece that
// keeps what followed the old one.
TEST_F(Primitives, ExitsTurnByTheTable)
{
    struct Case
    {
        int y, n;
        bool sonContinues, branchContinues;
        int yAfter, nAfter;
    };
    const Case cases[] = {
        {0, 2, true, false, 3, 0}, {0, 2, false, false, 3, 2}, {0, 3, false, true, 3, 2}, {0, 3, false, false, 0, 2},
        {2, 0, false, true, 0, 3}, {2, 0, false, false, 2, 3}, {2, 3, true, false, 0, 2}, {2, 3, false, false, 0, 3},
        {3, 0, true, false, 2, 3}, {3, 0, false, false, 2, 0}, {3, 2, false, true, 2, 0}, {3, 2, false, false, 3, 0},
        {0, 2, true, true, 2, 0},
    };
    for (const Case& c : cases) {
        program.Clear();
        CState* condition = Drop(program, root, Proto(KindId::Switch1), 0);
        condition->SetSonExitSide(c.y);
        condition->SetBranchExitSide(c.n);
        for (int side : {c.y, c.n}) {
            CState* piece = LinkPieceToward(condition, side, nullptr);
            ASSERT_TRUE(program.ConnectBlock(condition, piece, 1 << side));
        }
        CState* after[2] = {nullptr, nullptr};
        if (c.sonContinues)
            after[0] = Drop(program, condition->GetSon(), Proto(KindId::Wait), c.y == 0 ? 0 : c.y);
        if (c.branchContinues)
            after[1] = Drop(program, condition->GetBranchSon(0), Proto(KindId::Stop), c.n == 0 ? 0 : c.n);
        EXPECT_TRUE(RotateExits(program, condition));
        EXPECT_EQ(std::make_pair(condition->GetSonExitSide(), condition->GetBranchExitSide()),
                  std::make_pair(c.yAfter, c.nAfter))
            << c.y << c.n << c.sonContinues << c.branchContinues;
        const CGraphicState::Point yes = condition->GetNeighbourPoint(c.yAfter);
        EXPECT_EQ(std::make_pair(condition->GetSon()->GetX(), condition->GetSon()->GetY()),
                  std::make_pair(yes.x, yes.y));
        if (after[0]) {
            EXPECT_EQ(condition->GetSon()->GetSon(), after[0]);
        }
        if (after[1]) {
            EXPECT_EQ(condition->GetBranchSon(0)->GetSon(), after[1]);
        }
        EXPECT_EQ(GraphFault(program), "");
    }
}
