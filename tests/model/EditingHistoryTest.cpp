// Undo and redo: snapshots of the program text, their comparison, and the history of edits.

#include "model/CProgram.h"
#include "model/CStateCommand.h"
#include "model/EditHistory.h"
#include "model/Prototypes.h"
#include "support/EditingGraphCheck.h"
#include "support/ScriptedUserInterface.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {
CState* Proto(PalettePage page, size_t i)
{
    return Prototypes::Get().At(page, i);
}

std::string Snapshot(CProgram& program)
{
    wxMemoryOutputStream stream;
    EXPECT_TRUE(program.WriteSnapshot(stream));
    size_t size = 0;
    const char* bytes = StreamBytes(stream, size);
    return std::string(bytes, size);
}

bool Differ(const char* a, const char* b)
{
    return TextsDiffer(a, std::strlen(a), b, std::strlen(b));
}

struct History : ::testing::Test
{
    ScriptedUserInterface ui;
    CProgram program;
    CState* root = nullptr;

    void SetUp() override
    {
        root = program.EnsureRoot();
        root->SetPosition(300, 40);
    }
    void TearDown() override
    {
        EXPECT_EQ(GraphFault(program), "");
        program.ResetPrototypeNames();
    }
    CState* DropBelow(CState* target, CState* prototype)
    {
        CState* clone = prototype->Clone();
        const CGraphicState::Point point = target->GetNeighbourPoint(0);
        clone->SetPosition(point.x, point.y);
        if (program.ConnectBlock(target, clone, 1))
            return clone;
        delete clone;
        return nullptr;
    }
};
} // namespace

TEST(SnapshotComparison, LinesDecideAndAnEarlyEndIsADifference)
{
    EXPECT_FALSE(Differ("", ""));
    EXPECT_FALSE(Differ("a\nb\n", "a\nb\n"));
    EXPECT_FALSE(Differ("a\r\nb\r\n", "a\nb\n")); // line ends do not count
    EXPECT_FALSE(Differ("a\rb", "a\nb\n"));
    EXPECT_TRUE(Differ("a\nb\n", "a\nB\n")); // case-sensitive
    EXPECT_TRUE(Differ("a\nb\n", "a\n"));
    EXPECT_TRUE(Differ("a\n", "a\nb\n"));
    EXPECT_TRUE(Differ("a\n\n", "a\n"));
    EXPECT_TRUE(Differ("ab\n", "a\n"));
}

TEST_F(History, AnEditThatChangesNothingStoresNoStep)
{
    EditHistory history(program);
    EXPECT_FALSE(history.CommitEdit());
    EXPECT_FALSE(history.CanUndo());

    // A block dropped and taken away again before the commit.
    CState* wait = DropBelow(root, Proto(PalettePage::Action, 0));
    ASSERT_NE(wait, nullptr);
    ASSERT_TRUE(program.RemoveBlock(wait));
    ASSERT_TRUE(program.RemoveBlock(root->GetSon()));
    EXPECT_FALSE(history.CommitEdit());
    EXPECT_FALSE(history.CanUndo());

    // A refused drop.
    DropBelow(root, Proto(PalettePage::Action, 0));
    EXPECT_TRUE(history.CommitEdit());
    EXPECT_EQ(DropBelow(root, Proto(PalettePage::Action, 1)), nullptr);
    EXPECT_FALSE(history.CommitEdit());
    EXPECT_TRUE(history.CanUndo());
    history.Undo();
    EXPECT_FALSE(history.CanUndo());
}

TEST_F(History, UndoThenRedoGivesTheExactTextWithPositionsAndNames)
{
    EditHistory history(program);
    const std::string empty = Snapshot(program);

    CState* variable = DropBelow(root, Proto(PalettePage::Sensor, 5));
    ASSERT_NE(variable, nullptr);
    program.RegisterVariable(variable);
    variable->SetName("teller");
    variable->SetParameterText("teller+1");
    ASSERT_TRUE(history.CommitEdit());
    const std::string first = Snapshot(program);

    CState* motor = DropBelow(variable, Proto(PalettePage::Action, 3));
    ASSERT_NE(motor, nullptr);
    motor->SetParameterText("-40");
    motor->SetPosition(motor->GetX() + 7, motor->GetY() + 3);
    Proto(PalettePage::Action, 3)->SetName("Links");
    ASSERT_TRUE(history.CommitEdit());
    const std::string second = Snapshot(program);
    ASSERT_NE(second.find("Links"), std::string::npos);

    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(Snapshot(program), first);
    EXPECT_EQ(Proto(PalettePage::Action, 3)->GetName(), "Motor1"); // the renaming is undone too
    EXPECT_EQ(program.Variables().GetCount(), 1u);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(Snapshot(program), empty);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.Undo());

    ASSERT_TRUE(history.Redo());
    EXPECT_EQ(Snapshot(program), first);
    ASSERT_TRUE(history.Redo());
    EXPECT_EQ(Snapshot(program), second);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_FALSE(history.Redo());
}

TEST_F(History, ANewEditAfterUndoDropsTheRedoneSteps)
{
    EditHistory history(program);
    ASSERT_NE(DropBelow(root, Proto(PalettePage::Action, 0)), nullptr);
    ASSERT_TRUE(history.CommitEdit());
    ASSERT_TRUE(history.Undo());
    EXPECT_TRUE(history.CanRedo());

    // The pending command starts from the program now shown: the next edit is compared with it.
    ASSERT_NE(DropBelow(root, Proto(PalettePage::Action, 1)), nullptr);
    ASSERT_TRUE(history.CommitEdit());
    EXPECT_FALSE(history.CanRedo());
    const std::string buzzer = Snapshot(program);
    EXPECT_NE(buzzer.find("Zoemer"), std::string::npos);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(root->GetSon(), nullptr);
    ASSERT_TRUE(history.Redo());
    EXPECT_EQ(Snapshot(program), buzzer);

    history.Reset();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_FALSE(history.CommitEdit());
}

TEST_F(History, TheCommandKeepsBothTextsAndReadsThemBack)
{
    CStateCommand command(program);
    EXPECT_TRUE(command.CanUndo());
    EXPECT_TRUE(command.GetName().empty());
    ASSERT_NE(DropBelow(root, Proto(PalettePage::Action, 0)), nullptr);
    EXPECT_TRUE(command.Finish());
    const std::string after = Snapshot(program);
    EXPECT_TRUE(command.Undo());
    EXPECT_EQ(root->GetSon(), nullptr);
    EXPECT_TRUE(command.Do());
    EXPECT_EQ(Snapshot(program), after);
}
