// Random edits, each committed: every text reads back unchanged, undoing every step brings back
// the first text and redoing every step the last.

#include "calibration/CalibrationRecord.h"
#include "model/CProgram.h"
#include "model/CStateCommand.h"
#include "model/EditHistory.h"
#include "support/EditingRandomDriver.h"

#include "support/ProjectText.h"

#include <gtest/gtest.h>
#include <wx/mstream.h>

namespace {
using testing_support::Snapshot;

// Writes the program, reads the text back into it and writes it again.
std::string ReadBack(CProgram& program, const std::string& text)
{
    program.Clear();
    program.ResetPrototypeNames();
    wxMemoryInputStream stream(text.data(), text.size());
    Displacement displacement;
    ReadBounds bounds;
    CalibrationRecord calibration = CalibrationRecord::Defaults();
    EXPECT_TRUE(program.ReadText(stream, displacement, bounds, calibration));
    return Snapshot(program);
}
} // namespace

TEST(EditingRandom, CommittedEditsReadBackAndUndoAndRedoToTheExactTexts)
{
    ScriptedUserInterface ui;
    for (unsigned seed = 1000; seed < 1000 + RandomSequences(1000); ++seed) {
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
                ASSERT_TRUE(history.Undo()) << "seed " << seed << " step " << step;
                texts.pop_back();
                undoneAtEnd = true;
                ASSERT_EQ(Snapshot(program), texts.back()) << "seed " << seed << " step " << step;
                continue;
            }
            ASSERT_EQ(editor.Step(), "") << "seed " << seed << " step " << step;
            if (history.CommitEdit()) {
                texts.push_back(Snapshot(program));
                undoneAtEnd = false;
            } else
                ASSERT_EQ(Snapshot(program), texts.back()) << "seed " << seed << " step " << step;
        }
        // Reading the last text back gives the same program, from which the history goes back.
        ASSERT_EQ(ReadBack(program, texts.back()), texts.back()) << "seed " << seed;
        ASSERT_EQ(GraphFault(program), "") << "seed " << seed;
        for (size_t i = texts.size() - 1; i > 0; --i) {
            ASSERT_TRUE(history.Undo()) << "seed " << seed;
            ASSERT_EQ(Snapshot(program), texts[i - 1]) << "seed " << seed << " undo to " << i - 1;
            ASSERT_EQ(GraphFault(program), "") << "seed " << seed;
        }
        EXPECT_FALSE(history.CanUndo());
        for (size_t i = 1; i < texts.size(); ++i) {
            ASSERT_TRUE(history.Redo()) << "seed " << seed;
            ASSERT_EQ(Snapshot(program), texts[i]) << "seed " << seed << " redo to " << i;
        }
        EXPECT_EQ(history.CanRedo(), undoneAtEnd);
    }
    EXPECT_TRUE(ui.messages.empty()) << (ui.messages.empty() ? wxString() : ui.messages.front().first);
}
