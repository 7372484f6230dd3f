// The undo command and the snapshot comparison; random edits that keep the graph sound, and random
// committed edits that undo and redo to the exact texts.

#include "model/CStateCommand.h"
#include "model/EditHistory.h"
#include "support/Blocks.h"
#include "support/EditingRandomDriver.h"
#include "support/ProjectText.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace testing_support;

TEST(SnapshotComparison, LinesDecideAndAnEarlyEndIsADifference)
{
    const std::pair<const char*, const char*> same[] = {
        {"", ""}, {"a\nb\n", "a\nb\n"}, {"a\r\nb\r\n", "a\nb\n"}, {"a\rb", "a\nb\n"}};
    const std::pair<const char*, const char*> different[] = {
        {"a\nb\n", "a\nB\n"}, {"a\nb\n", "a\n"}, {"a\n", "a\nb\n"}, {"a\n\n", "a\n"}, {"ab\n", "a\n"}};
    for (auto [a, b] : same)
        EXPECT_FALSE(TextsDiffer(a, std::strlen(a), b, std::strlen(b))) << a << "|" << b;
    for (auto [a, b] : different)
        EXPECT_TRUE(TextsDiffer(a, std::strlen(a), b, std::strlen(b))) << a << "|" << b;
}

TEST(History, TheCommandKeepsBothTextsAndAResetForgetsEverything)
{
    ScriptedUserInterface ui;
    CProgram program;
    CState* root = program.EnsureRoot();
    CStateCommand command(program);
    EXPECT_TRUE(command.CanUndo());
    EXPECT_TRUE(command.GetName().empty());
    ASSERT_NE(Drop(program, root, Proto(KindId::Wait), 0), nullptr);
    EXPECT_TRUE(command.Finish());
    const std::string after = Snapshot(program);
    EXPECT_TRUE(command.Undo());
    EXPECT_EQ(root->GetSon(), nullptr);
    EXPECT_TRUE(command.Do());
    EXPECT_EQ(Snapshot(program), after);

    EditHistory history(program);
    ASSERT_TRUE(root->GetSon() && root->GetSon()->GetSon());
    ASSERT_NE(Drop(program, root->GetSon()->GetSon(), Proto(KindId::Stop), 0), nullptr);
    ASSERT_TRUE(history.CommitEdit());
    history.Reset();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_FALSE(history.CommitEdit());
}

TEST(EditingRandom, RandomConnectsAndRemovesKeepTheGraphSound)
{
    ScriptedUserInterface ui;
    int connects = 0, removes = 0, accepted = 0, joins = 0;
    for (unsigned seed = 1; seed <= RandomSequences(2000); ++seed) {
        CProgram program;
        program.EnsureRoot()->SetPosition(600, 40);
        RandomEditor editor(program, ui, seed);
        for (int step = 0; step < 30; ++step)
            ASSERT_EQ(editor.Step(), "") << "seed " << seed << " step " << step;
        connects += editor.connects, removes += editor.removes, accepted += editor.accepted, joins += editor.joins;
    }
    // The edits reach every kind of case, not only refusals.
    EXPECT_GT(accepted, (connects + removes) / 3);
    EXPECT_GT(joins, 100);
    EXPECT_GT(ui.reports.size(), 0u);
    EXPECT_GT(ui.questions.size(), 0u);
}

TEST(EditingRandom, CommittedEditsReadBackAndUndoAndRedoToTheExactTexts)
{
    ScriptedUserInterface ui;
    for (unsigned seed = 1000; seed < 1000 + RandomSequences(1000); ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        CProgram program;
        program.EnsureRoot()->SetPosition(600, 40);
        EditHistory history(program);
        RandomEditor editor(program, ui, seed);
        std::vector<std::string> texts{Snapshot(program)};
        std::mt19937 undoChance(seed);
        bool undoneAtEnd = false; // steps undone in between and not edited over stay redoable
        for (int step = 0; step < 20; ++step) {
            if (texts.size() > 1 && undoChance() % 10 == 0) {
                // Now and then an undo in between, after which editing goes on from the text read.
                ASSERT_TRUE(history.Undo());
                texts.pop_back();
                undoneAtEnd = true;
                ASSERT_EQ(Snapshot(program), texts.back());
                continue;
            }
            ASSERT_EQ(editor.Step(), "") << "step " << step;
            if (history.CommitEdit()) {
                texts.push_back(Snapshot(program));
                undoneAtEnd = false;
            } else {
                ASSERT_EQ(Snapshot(program), texts.back()) << "step " << step;
            }
        }
        // Reading the last text back gives the same program, from which the history goes back.
        program.Clear();
        program.ResetPrototypeNames();
        ASSERT_TRUE(ReadString(program, texts.back()));
        ASSERT_EQ(Snapshot(program), texts.back());
        ASSERT_EQ(GraphFault(program), "");
        for (size_t i = texts.size() - 1; i > 0; --i) {
            ASSERT_TRUE(history.Undo());
            ASSERT_EQ(Snapshot(program), texts[i - 1]) << "undo to " << i - 1;
            ASSERT_EQ(GraphFault(program), "");
        }
        EXPECT_FALSE(history.CanUndo());
        for (size_t i = 1; i < texts.size(); ++i) {
            ASSERT_TRUE(history.Redo());
            ASSERT_EQ(Snapshot(program), texts[i]) << "redo to " << i;
        }
        EXPECT_EQ(history.CanRedo(), undoneAtEnd);
    }
    EXPECT_TRUE(ui.messages.empty());
}
