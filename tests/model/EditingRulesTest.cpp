// Connecting and removing blocks on real graphs, as the canvas and the palette ask for them.

#include "model/CProgram.h"
#include "model/Prototypes.h"
#include "support/EditingGraphCheck.h"
#include "support/EditingRandomDriver.h"
#include "support/ScriptedUserInterface.h"

#include <gtest/gtest.h>

namespace {
enum : int
{
    Bottom = 1,
    Top = 2,
    Right = 4,
    Left = 8
};

CState* Proto(PalettePage page, size_t i)
{
    return Prototypes::Get().At(page, i);
}
CState* Wait()
{
    return Proto(PalettePage::Action, 0);
}
CState* Buzzer()
{
    return Proto(PalettePage::Action, 1);
}
CState* Motor1()
{
    return Proto(PalettePage::Action, 3);
}
CState* Motor2()
{
    return Proto(PalettePage::Action, 4);
}
CState* Forward()
{
    return Proto(PalettePage::Action2, 0);
}
CState* Backward()
{
    return Proto(PalettePage::Action2, 1);
}
CState* Switch1()
{
    return Proto(PalettePage::Sensor, 0);
}
CState* Variable()
{
    return Proto(PalettePage::Sensor, 5);
}
CState* Link()
{
    return Prototypes::Get().LinkPrototype();
}

const wxString kStepTaken = "Deze actuator is reeds ingesteld op deze stap.";
const wxString kTopDown = wxString(L"Une action ou une condition ne peut-\u00eatre li\u00e9e que de haut en bas.");

struct Editing : ::testing::Test
{
    ScriptedUserInterface ui;
    CProgram program;
    CState* root = nullptr;

    void SetUp() override
    {
        root = program.EnsureRoot();
        root->SetPosition(300, 40);
    }
    void TearDown() override { EXPECT_EQ(GraphFault(program), ""); }

    // Drops a clone of a prototype on a side of a target the way the canvas does: placed at the
    // target's neighbour point on that side; a refused clone is deleted. The clone, or null.
    CState* Drop(CState* target, CState* prototype, int side)
    {
        CState* clone = prototype->Clone();
        const int direction = side == Bottom ? 0 : side == Top ? 1 : side == Right ? 2 : 3;
        const CGraphicState::Point point = target->GetNeighbourPoint(direction);
        clone->SetPosition(point.x, point.y);
        if (program.ConnectBlock(target, clone, side))
            return clone;
        delete clone;
        return nullptr;
    }
    // A chain below the root: Start, piece, first, piece, second ...
    CState* Chain(std::initializer_list<CState*> prototypes)
    {
        CState* last = root;
        for (CState* prototype : prototypes) {
            last = Drop(last, prototype, Bottom);
            if (!last)
                return nullptr;
        }
        return last;
    }
    std::vector<CState*> Row(CState* member)
    {
        std::vector<CState*> row;
        for (CState* m = member->LeftmostOfRow(); m; m = m->GetRowNeighbour(1))
            row.push_back(m);
        return row;
    }
};
} // namespace

TEST_F(Editing, DropBelowAnActionAddsALinkPieceAndTheBlockOneStepFurther)
{
    CState* wait = Drop(root, Wait(), Bottom);
    ASSERT_NE(wait, nullptr);
    CState* piece = root->GetSon();
    ASSERT_NE(piece, wait);
    EXPECT_TRUE(piece->IsLinkPiece());
    EXPECT_EQ(piece->GetConnectorMask(), 0x06);
    EXPECT_EQ(piece->GetParent(), root);
    EXPECT_EQ(piece->GetSon(), wait);
    EXPECT_EQ(wait->GetParent(), piece);
    EXPECT_EQ(piece->GetX(), 300);
    EXPECT_EQ(piece->GetY(), 100);
    EXPECT_EQ(wait->GetY(), 160);
    EXPECT_EQ(piece->GetSideSet(), SideSet::Top | SideSet::Bottom);
    EXPECT_TRUE(root->GetSideSet() & SideSet::Bottom);
}

TEST_F(Editing, AStepHoldsOneBlockOfAKindButVariablesMayShare)
{
    CState* motor = Chain({Motor1()});
    ASSERT_NE(motor, nullptr);
    EXPECT_EQ(Drop(motor, Motor1(), Right), nullptr);
    ASSERT_EQ(ui.reports.size(), 1u);
    EXPECT_EQ(ui.reports[0].first, 0);
    EXPECT_EQ(ui.reports[0].second, kStepTaken);
    EXPECT_EQ(Row(motor).size(), 1u);

    CState* motor2 = Drop(motor, Motor2(), Right);
    ASSERT_NE(motor2, nullptr);
    EXPECT_EQ(motor2->GetConnectorMask(), 0x90);
    EXPECT_EQ(Row(motor), (std::vector<CState*>{motor, motor2}));
    // Forward and Backward never run together; the clash is found anywhere in the step.
    ASSERT_NE(Drop(motor, Forward(), Left), nullptr);
    EXPECT_EQ(Drop(motor2, Backward(), Right), nullptr);
    EXPECT_EQ(ui.reports.size(), 2u);

    CState* variable = Drop(motor, Variable(), Bottom);
    ASSERT_NE(variable, nullptr);
    CState* second = Drop(variable, Variable(), Right);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(Row(variable), (std::vector<CState*>{variable, second}));
}

TEST_F(Editing, AnActionBesideAWaitTakesItsPlaceAndTheWaitMovesRight)
{
    CState* wait = Chain({Wait()});
    ASSERT_NE(wait, nullptr);
    CState* piece = wait->GetParent();
    const int waitX = wait->GetX(), waitY = wait->GetY();
    CState* buzzer = Drop(wait, Buzzer(), Left);
    ASSERT_NE(buzzer, nullptr);
    EXPECT_EQ(piece->GetSon(), buzzer);
    EXPECT_EQ(buzzer->GetParent(), piece);
    EXPECT_EQ(wait->GetParent(), nullptr);
    EXPECT_EQ(Row(buzzer), (std::vector<CState*>{buzzer, wait}));
    EXPECT_EQ(buzzer->GetX(), waitX);
    EXPECT_EQ(buzzer->GetY(), waitY);
    EXPECT_EQ(wait->GetX(), waitX + 60);
    EXPECT_EQ(wait->GetConnectorMask(), 0x90);

    // A second action beside the Wait again pushes it right and hangs beside the head.
    CState* motor = Drop(wait, Motor1(), Right);
    ASSERT_NE(motor, nullptr);
    EXPECT_EQ(Row(buzzer), (std::vector<CState*>{buzzer, motor, wait}));
    EXPECT_EQ(motor->GetConnectorMask(), 0x90);
    EXPECT_EQ(motor->GetX(), waitX + 60);
    EXPECT_EQ(wait->GetX(), waitX + 120);
    // A second Wait has no place in the step.
    EXPECT_EQ(Drop(motor, Wait(), Left), nullptr);
}

TEST_F(Editing, ATakenPlaceInAStepIsReplacedOnlyWhenTheUserAgrees)
{
    CState* motor = Chain({Motor1()});
    CState* buzzer = Drop(motor, Buzzer(), Right);
    ASSERT_NE(buzzer, nullptr);
    ui.answers = {false, true};
    EXPECT_EQ(Drop(motor, Motor2(), Right), nullptr);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].first, "Weet u zeker dat u Zoemer voor Motor2 wilt vervangen?");
    EXPECT_EQ(ui.questions[0].second, "Vervangen");
    EXPECT_EQ(motor->GetRowNeighbour(1), buzzer);

    const int x = buzzer->GetX();
    CState* motor2 = Drop(motor, Motor2(), Right);
    ASSERT_NE(motor2, nullptr);
    EXPECT_EQ(Row(motor), (std::vector<CState*>{motor, motor2}));
    EXPECT_EQ(motor2->GetX(), x);
    // A variable assignment in the place of an action: another category, refused without a question.
    EXPECT_EQ(Drop(motor, Variable(), Right), nullptr);
    EXPECT_EQ(ui.questions.size(), 2u);
}

TEST_F(Editing, DroppingUnderAnActionWithASonIsRefusedButItsTopInsertsBelow)
{
    CState* wait = Chain({Wait(), Buzzer()});
    ASSERT_NE(wait, nullptr);
    CState* buzzer = wait;
    CState* first = buzzer->GetParent()->GetParent();
    EXPECT_EQ(first->GetKindWordRaw(), "Wait");
    EXPECT_EQ(Drop(first, Motor1(), Bottom), nullptr);

    const int buzzerY = buzzer->GetY();
    CState* motor = Drop(first, Motor1(), Top);
    ASSERT_NE(motor, nullptr);
    // Wait -> new piece -> Motor1 -> old piece -> Buzzer.
    CState* piece = first->GetSon();
    EXPECT_TRUE(piece->IsLinkPiece());
    EXPECT_EQ(piece->GetSon(), motor);
    EXPECT_EQ(motor->GetParent(), piece);
    ASSERT_NE(motor->GetSon(), nullptr);
    EXPECT_TRUE(motor->GetSon()->IsLinkPiece());
    EXPECT_EQ(motor->GetSon()->GetParent(), motor);
    EXPECT_EQ(motor->GetSon()->GetSon(), buzzer);
    // Laid out below the target, and what followed it moves down clear of them.
    EXPECT_EQ(piece->GetY(), first->GetY() + 60);
    EXPECT_EQ(motor->GetY(), first->GetY() + 120);
    EXPECT_EQ(motor->GetX(), first->GetX());
    EXPECT_EQ(motor->GetSon()->GetY(), first->GetY() + 180);
    EXPECT_EQ(buzzer->GetY(), buzzerY + 120);
}

TEST_F(Editing, AConditionJoinsOnlyInTheTargetsColumn)
{
    CState* wait = Chain({Wait()});
    CState* aside = Switch1()->Clone();
    aside->SetPosition(wait->GetX() + 10, wait->GetY() + 60);
    EXPECT_FALSE(program.ConnectBlock(wait, aside, Bottom));
    EXPECT_EQ(wait->GetSon(), nullptr);
    delete aside;
    CState* condition = Drop(wait, Switch1(), Bottom);
    ASSERT_NE(condition, nullptr);
    EXPECT_TRUE(wait->GetSon()->IsLinkPiece());
    EXPECT_EQ(wait->GetSon()->GetSon(), condition);
}

TEST_F(Editing, ABlockOnAConditionsExitsHangsOnALinkPiece)
{
    CState* condition = Chain({Switch1()});
    ASSERT_NE(condition, nullptr);
    CState* onSon = Drop(condition, Wait(), Bottom);
    ASSERT_NE(onSon, nullptr);
    EXPECT_TRUE(condition->GetSon()->IsLinkPiece());
    EXPECT_EQ(condition->GetSon()->GetSon(), onSon);

    // The branch exit: the piece in the condition's first branch slot, the block its son, one step right.
    const int x = condition->GetX(), y = condition->GetY();
    CState* onBranch = Drop(condition, Buzzer(), Right);
    ASSERT_NE(onBranch, nullptr);
    CState* piece = condition->GetBranchSon(0);
    ASSERT_NE(piece, nullptr);
    EXPECT_TRUE(piece->IsLinkPiece());
    EXPECT_EQ(piece->GetParent(), condition);
    EXPECT_EQ(piece->GetConnectorMask(), 0x90);
    EXPECT_EQ(piece->GetSon(), onBranch);
    EXPECT_EQ(piece->GetX(), x + 60);
    EXPECT_EQ(onBranch->GetX(), x + 120);
    EXPECT_EQ(onBranch->GetY(), y);

    // Both exits taken, or a side that is no exit: the block is not placed.
    EXPECT_EQ(Drop(condition, Motor1(), Right), nullptr);
    EXPECT_EQ(Drop(condition, Motor1(), Left), nullptr);
}

TEST_F(Editing, LinkPiecesLinkTopDownAndReplaceTheirSon)
{
    CState* wait = Chain({Wait()});
    CState* piece = wait->GetParent();
    // A lone link piece below the wait, then an action above a link piece is refused.
    CState* tail = Drop(wait, Link(), Bottom);
    ASSERT_NE(tail, nullptr);
    EXPECT_EQ(wait->GetSon(), tail);
    CState* above = Buzzer()->Clone();
    above->SetPosition(tail->GetX(), tail->GetY() - 60);
    EXPECT_FALSE(program.ConnectBlock(tail, above, Top));
    delete above;
    ASSERT_EQ(ui.reports.size(), 1u);
    EXPECT_EQ(ui.reports[0].second, kTopDown);

    // The son of a link piece is replaced by a block of its category when the user agrees.
    ui.answers = {true};
    CState* motor = Drop(piece, Motor1(), Bottom);
    ASSERT_NE(motor, nullptr);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].first, "Weet u zeker dat u Wacht voor Motor1 wilt vervangen?");
    EXPECT_EQ(piece->GetSon(), motor);
    EXPECT_EQ(motor->GetSon(), tail);
    EXPECT_EQ(tail->GetParent(), motor);
    // A condition is not an action: refused without a question.
    EXPECT_EQ(Drop(piece, Switch1(), Bottom), nullptr);
    EXPECT_EQ(ui.questions.size(), 1u);
}

TEST_F(Editing, BlocksAlreadyInTheGraphAreNotConnectedAgain)
{
    CState* wait = Chain({Wait(), Buzzer()});
    CState* first = wait->GetParent()->GetParent();
    EXPECT_FALSE(program.ConnectBlock(wait, first, Bottom));
    EXPECT_FALSE(program.ConnectBlock(wait, root, Bottom));
    EXPECT_FALSE(program.ConnectBlock(wait, wait, Bottom));
    EXPECT_FALSE(program.ConnectBlock(wait, nullptr, Bottom));
}

TEST_F(Editing, RemovingAnActionWithASonLeavesALinkPieceInItsPlace)
{
    CState* buzzer = Chain({Wait(), Buzzer()});
    CState* wait = buzzer->GetParent()->GetParent();
    const int x = wait->GetX(), y = wait->GetY();
    SetCurrentBlock(wait);
    EXPECT_TRUE(program.RemoveBlock(wait));
    EXPECT_EQ(GetCurrentBlock(), nullptr);
    CState* piece = root->GetSon()->GetSon();
    EXPECT_TRUE(piece->IsLinkPiece());
    EXPECT_EQ(piece->GetConnectorMask(), 0x06);
    EXPECT_EQ(piece->GetX(), x);
    EXPECT_EQ(piece->GetY(), y);
    // The chain still reaches the son.
    CState* reached = root;
    while (reached->GetSon() && reached != buzzer)
        reached = reached->GetSon();
    EXPECT_EQ(reached, buzzer);
    EXPECT_FALSE(program.RemoveBlock(root));
}

TEST_F(Editing, RemovingTheLastActionLeavesItsPieceAndAHalfLinkGoesWithIt)
{
    CState* wait = Chain({Wait()});
    CState* piece = wait->GetParent();
    EXPECT_TRUE(program.RemoveBlock(wait));
    EXPECT_EQ(piece->GetSon(), nullptr);
    EXPECT_EQ(root->GetSon(), piece);

    CState* again = Drop(piece, Wait(), Bottom);
    ASSERT_NE(again, nullptr);
    piece->MakeHalf();
    EXPECT_TRUE(program.RemoveBlock(again));
    EXPECT_EQ(root->GetSon(), nullptr);
}

TEST_F(Editing, AConditionWithAConnectedExitStays)
{
    CState* condition = Chain({Switch1()});
    CState* wait = Drop(condition, Wait(), Bottom);
    ASSERT_NE(wait, nullptr);
    EXPECT_FALSE(program.RemoveBlock(condition));
    EXPECT_TRUE(program.RemoveBlock(wait));
    EXPECT_FALSE(program.RemoveBlock(condition)); // its exit piece is still there
    EXPECT_TRUE(program.RemoveBlock(condition->GetSon()));
    EXPECT_EQ(condition->GetSon(), nullptr);
    CState* piece = condition->GetParent();
    EXPECT_TRUE(program.RemoveBlock(condition));
    EXPECT_EQ(piece->GetSon(), nullptr);
}

TEST_F(Editing, RemovingAStepMemberClosesTheRow)
{
    CState* motor = Chain({Motor1(), Buzzer()});
    CState* head = motor->GetParent()->GetParent();
    CState* m2 = Drop(head, Motor2(), Right);
    CState* fw = Drop(m2, Forward(), Right);
    ASSERT_NE(fw, nullptr);
    const int headX = head->GetX(), m2X = m2->GetX();
    CState* piece = head->GetParent();
    CState* below = head->GetSon();
    head->SetConnectorMask(0x96);

    // The head goes: its right neighbour takes its place in the chain and on the canvas.
    EXPECT_TRUE(program.RemoveBlock(head));
    EXPECT_EQ(piece->GetSon(), m2);
    EXPECT_EQ(m2->GetParent(), piece);
    EXPECT_EQ(m2->GetSon(), below);
    EXPECT_EQ(below->GetParent(), m2);
    EXPECT_EQ(m2->GetX(), headX);
    EXPECT_EQ(fw->GetX(), m2X);
    EXPECT_EQ(m2->GetConnectorMask(), 0x96);
    EXPECT_EQ(Row(m2), (std::vector<CState*>{m2, fw}));

    // A member right of the head goes: the row closes.
    EXPECT_TRUE(program.RemoveBlock(fw));
    EXPECT_EQ(Row(m2), (std::vector<CState*>{m2}));

    // A head with only a left neighbour hands its links to that neighbour.
    CState* left = Drop(m2, Motor1(), Left);
    ASSERT_NE(left, nullptr);
    EXPECT_TRUE(program.RemoveBlock(m2));
    EXPECT_EQ(piece->GetSon(), left);
    EXPECT_EQ(left->GetSon(), below);
}

TEST_F(Editing, RemovingALinkPieceTakesItsPathButNotABlockBelow)
{
    CState* wait = Chain({Wait()});
    CState* piece = wait->GetParent();
    EXPECT_TRUE(program.RemoveBlock(piece)); // the path leads on to a block: nothing changes
    EXPECT_EQ(root->GetSon(), piece);
    EXPECT_EQ(piece->GetSon(), wait);

    // A path of pieces hanging below the wait goes as a whole.
    CState* a = Drop(wait, Link(), Bottom);
    CState* b = Drop(a, Link(), Bottom);
    CState* c = Drop(b, Link(), Bottom);
    ASSERT_NE(c, nullptr);
    wait->SetSideSet(wait->GetSideSet() | SideSet::Bottom);
    const int mask = wait->GetConnectorMask();
    EXPECT_TRUE(program.RemoveBlock(b));
    EXPECT_EQ(wait->GetSon(), nullptr);
    EXPECT_FALSE(wait->GetSideSet() & SideSet::Bottom);
    EXPECT_EQ(wait->GetConnectorMask(), mask); // the block can still be linked below
}

TEST_F(Editing, RemovingALinkPathStopsAtAJoinAndAtAConditionsExit)
{
    // Start -> p -> Switch; its son exit piece e -> x -> y, where y loops back to the wait W
    // hanging below the branch exit.
    CState* condition = Chain({Switch1()});
    CState* e = Drop(condition, Link(), Bottom);
    CState* x = Drop(e, Link(), Bottom);
    CState* y = Drop(x, Link(), Bottom);
    CState* w = Drop(condition, Wait(), Right);
    ASSERT_NE(y, nullptr);
    ASSERT_NE(w, nullptr);
    y->SetSon(w);
    w->SetExtraParent(0, y);
    ASSERT_EQ(GraphFault(program), "");

    EXPECT_TRUE(program.RemoveBlock(y));
    EXPECT_EQ(condition->GetSon(), e); // the exit piece stays
    EXPECT_EQ(e->GetSon(), nullptr);
    EXPECT_EQ(w->GetExtraParent(0), nullptr);
    EXPECT_EQ(w->GetParent(), condition->GetBranchSon(0));
}

TEST_F(Editing, RemovingAPathThatOwnsAJoinHandsTheJoinToTheOtherPath)
{
    // Start -> p1 -> Switch; son exit e1 -> Wait W; branch exit b1 -> b2, whose son is W too.
    CState* condition = Chain({Switch1()});
    CState* w = Drop(condition, Wait(), Bottom);
    CState* e1 = condition->GetSon();
    CState* b1 = Drop(condition, Link(), Right);
    CState* b2 = Drop(b1, Link(), Bottom);
    ASSERT_NE(b2, nullptr);
    b2->SetSon(w);
    w->SetExtraParent(0, b2);
    ASSERT_EQ(GraphFault(program), "");

    // e1 is the condition's exit piece and owns W: the other path takes W over.
    EXPECT_TRUE(program.RemoveBlock(e1));
    EXPECT_EQ(condition->GetSon(), nullptr);
    EXPECT_EQ(w->GetParent(), b2);
    EXPECT_EQ(w->GetExtraParent(0), nullptr);
    EXPECT_EQ(b2->GetSon(), w);
}

TEST_F(Editing, RemovingAVariableForgetsItInTheVariableList)
{
    CState* variable = Chain({Variable()});
    program.RegisterVariable(variable);
    ASSERT_EQ(program.Variables().GetCount(), 1u);
    EXPECT_TRUE(program.RemoveBlock(variable));
    EXPECT_EQ(program.Variables().GetCount(), 0u);
}

TEST_F(Editing, ALoopIsNotCutOffFromTheProgram)
{
    // Start -> p1 -> Wait -> p2 -> p3, and p3 loops back to the Wait.
    CState* wait = Chain({Wait()});
    CState* p1 = wait->GetParent();
    CState* p2 = Drop(wait, Link(), Bottom);
    CState* p3 = Drop(p2, Link(), Bottom);
    ASSERT_NE(p3, nullptr);
    p3->SetSon(wait);
    wait->SetExtraParent(0, p3);
    ASSERT_EQ(GraphFault(program), "");
    const std::string before = GraphFingerprint(program);

    // The only other way into the Wait comes from below it: removing p1 would lose the loop.
    EXPECT_FALSE(program.RemoveBlock(p1));
    EXPECT_EQ(GraphFingerprint(program), before);
    // Removing the loop's own path ends at the Wait, which stays.
    EXPECT_TRUE(program.RemoveBlock(p3));
    EXPECT_EQ(wait->GetExtraParent(0), nullptr);
    EXPECT_EQ(wait->GetSon(), nullptr);
    EXPECT_EQ(root->GetSon(), p1);
}
