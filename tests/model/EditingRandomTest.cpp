// Thousands of random edits keep the graph sound and refused edits change nothing.

#include "support/EditingRandomDriver.h"

#include <gtest/gtest.h>

TEST(EditingRandom, RandomConnectsAndRemovesKeepTheGraphSound)
{
    ScriptedUserInterface ui;
    int connects = 0, removes = 0, accepted = 0, joins = 0;
    for (unsigned seed = 1; seed <= RandomSequences(2000); ++seed) {
        CProgram program;
        program.EnsureRoot()->SetPosition(600, 40);
        RandomEditor editor(program, ui, seed);
        for (int step = 0; step < 30; ++step) {
            const std::string fault = editor.Step();
            ASSERT_EQ(fault, "") << "seed " << seed << " step " << step;
        }
        connects += editor.connects, removes += editor.removes, accepted += editor.accepted;
        joins += editor.joins;
    }
    // The edits reach every kind of case, not only refusals.
    EXPECT_GT(accepted, (connects + removes) / 3);
    EXPECT_GT(joins, 100);
    EXPECT_GT(ui.reports.size(), 0u);
    EXPECT_GT(ui.questions.size(), 0u);
}
