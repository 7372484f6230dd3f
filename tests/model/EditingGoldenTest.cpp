// A pupil's program built by drops and a removal, as the canvas asks for them: the project text
// it ends with is exactly the golden one, and undoing every step brings back the bare Start block.

#include "model/CProgram.h"
#include "model/CStateCommand.h"
#include "model/EditHistory.h"
#include "model/Prototypes.h"
#include "support/EditingGraphCheck.h"
#include "support/ScriptedUserInterface.h"

#include "support/ProjectText.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {
CState* Proto(PalettePage page, size_t i)
{
    return Prototypes::Get().At(page, i);
}

using testing_support::Snapshot;

std::string Golden(const char* name)
{
    std::ifstream file(std::string(TAMEK_TEST_DATA) + "/editing/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A clone placed at the target's neighbour point in a direction and linked there.
CState* Drop(CProgram& program, CState* target, CState* prototype, int direction)
{
    CState* clone = prototype->Clone();
    const CGraphicState::Point point = target->GetNeighbourPoint(direction);
    clone->SetPosition(point.x, point.y);
    if (program.ConnectBlock(target, clone, 1 << direction))
        return clone;
    delete clone;
    return nullptr;
}

// The exit piece the canvas lays on a new condition's exit.
CState* ExitPiece(CProgram& program, CState* condition, int direction)
{
    CState* piece = Prototypes::Get().LinkPrototype()->Clone();
    piece->SetConnectorMask(direction == 0 ? 0x06 : 0x90);
    const CGraphicState::Point point = condition->GetNeighbourPoint(direction);
    piece->SetPosition(point.x, point.y);
    if (program.ConnectBlock(condition, piece, 1 << direction))
        return piece;
    delete piece;
    return nullptr;
}
} // namespace

TEST(EditingGolden, APupilsProgramEndsInTheGoldenTextAndUndoesToTheStart)
{
    ScriptedUserInterface ui;
    CProgram program;
    CState* root = program.EnsureRoot();
    root->SetPosition(300, 40);
    EditHistory history(program);
    const std::string bare = Snapshot(program);

    CState* wait = Drop(program, root, Proto(PalettePage::Action, 0), 0);
    ASSERT_NE(wait, nullptr);
    wait->SetParameterText("10");
    ASSERT_TRUE(history.CommitEdit());

    CState* motor = Drop(program, wait, Proto(PalettePage::Action, 3), 2);
    ASSERT_NE(motor, nullptr);
    motor->SetParameterText("50");
    ASSERT_TRUE(history.CommitEdit());

    CState* condition = Drop(program, motor, Proto(PalettePage::Sensor, 0), 0);
    ASSERT_NE(condition, nullptr);
    CState* yes = ExitPiece(program, condition, 0);
    CState* no = ExitPiece(program, condition, 2);
    ASSERT_NE(yes, nullptr);
    ASSERT_NE(no, nullptr);
    condition->SetConditionOperator(">=");
    condition->SetParameterText("1");
    ASSERT_TRUE(history.CommitEdit());

    CState* buzzer = Drop(program, yes, Proto(PalettePage::Action, 1), 0);
    ASSERT_NE(buzzer, nullptr);
    buzzer->SetParameterText("1");
    ASSERT_NE(Drop(program, no, Proto(PalettePage::Action, 8), 0), nullptr);
    ASSERT_TRUE(history.CommitEdit());

    ASSERT_TRUE(program.RemoveBlock(wait));
    ASSERT_TRUE(history.CommitEdit());
    EXPECT_EQ(GraphFault(program), "");

    EXPECT_EQ(Snapshot(program), Golden("pupil_program.txt"));

    for (int step = 0; step < 5; ++step)
        ASSERT_TRUE(history.Undo());
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(Snapshot(program), bare);
    for (int step = 0; step < 5; ++step)
        ASSERT_TRUE(history.Redo());
    EXPECT_EQ(Snapshot(program), Golden("pupil_program.txt"));
}
