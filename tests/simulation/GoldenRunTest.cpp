// The golden projects run in the simulator as the run window runs them, compared with tamekc run
// (the same machine under the command line's time model): the same final state, the timer aside.
// Also, on the same projects, the address table against the graph search, and the code budget.

#include "bytecode/HeadlessRun.h"
#include "bytecode/ProgramCompiler.h"
#include "simulation/CodeBudget.h"
#include "support/RunDriver.h"
#include "support/RunTamekc.h"

#include <gtest/gtest.h>
#include <regex>

using namespace testing_support;

namespace {
// Every project of tests/data that compiles, and the switch example: they end, or settle in a state
// that repeats (a loop waiting on an input compares without its timer and registers; a blinking
// program, whose state follows the time model, is left out).
const char* const kProjects[] = {
    "worked_example.tamek",
    "rows.tamek",
    "loops.tamek",
    "condition_join.tamek",
    "branch_only.tamek",
    "calibration.tamek",
    "prototype_names.tamek",
    "compile/calibration_angles.tamek",
    "compile/calibration_block.tamek",
    "compile/detector.tamek",
    "compile/forward.tamek",
    "compile/limit_992.tamek",
    "compile/renamed_stop.tamek",
    "compile/repeat_loop.tamek",
    "compile/rows.tamek",
    "compile/variables.tamek",
    "compile/wait_stop.tamek",
    "compile/switch_expression.tamek",
    "simulation/outputs.tamek",
    "simulation/motor_forever.tamek",
    "simulation/wait_for_switch.tamek",
    "../../examples/switch.tamek",
};

// A report without the fields that depend on the time model or on how far a run was followed.
std::string Settled(const std::string& json)
{
    static const std::regex timing("\"(steps|pc|timer|a|b)\":-?[0-9]+,");
    return std::regex_replace(json, timing, "");
}

struct GoldenRun : ::testing::TestWithParam<const char*>
{
};
} // namespace

TEST_P(GoldenRun, EndsInTheStateOfTamekcRun)
{
    const std::string project = GetParam();
    const TamekcResult expected = Tamekc("run '" + std::string(TAMEK_TEST_DATA) + "/" + project + "'");
    ASSERT_EQ(expected.status, 0) << expected.err;

    CProgram program;
    RunDriver run(program, project);
    run.control.Start();
    ASSERT_TRUE(run.control.IsRunActive());
    HeadlessRunResult result;
    result.ended = run.RunToEnd(600000);
    const TamekMachine& machine = result.ended ? run.stateAtEnd : run.Machine();
    EXPECT_EQ(Settled(HeadlessRunJson(machine, result, program) + "\n"), Settled(expected.out));
}

TEST_P(GoldenRun, TheAddressTableAnswersAsTheGraphSearch)
{
    CProgram program;
    RunDriver run(program, GetParam());
    const unsigned char* image = nullptr;
    int length = 0;
    ASSERT_TRUE(CompileProgram(program, run.calibration, image, length));
    const BlockAddresses addresses(program);
    for (int pc = -4; pc < length + 4; ++pc)
        EXPECT_EQ(addresses.At(pc), program.FindByAddress(pc)) << pc;
}

INSTANTIATE_TEST_SUITE_P(Projects, GoldenRun, ::testing::ValuesIn(kProjects),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name = std::regex_replace(info.param, std::regex("[^A-Za-z0-9]"), "_");
                             return name.substr(0, name.size() - 6);
                         });

TEST(CodeBudget, TellsTheSizeOrThatTheCodeIsTooLongAndKeepsTheHighlight)
{
    CProgram program;
    RunDriver fits(program, "compile/limit_992.tamek");
    CState* highlighted = program.GetRoot()->GetSon();
    SetCurrentBlock(highlighted);
    CodeBudget budget = MeasureCodeBudget(program, fits.calibration);
    EXPECT_EQ(BudgetText(budget), wxString::Format("%d / 1024 bytes", program.ImageLength()));
    EXPECT_GT(budget.length, 992);
    EXPECT_EQ(GetCurrentBlock(), highlighted);

    CProgram longer;
    RunDriver refused(longer, "compile/limit_993.tamek");
    budget = MeasureCodeBudget(longer, refused.calibration);
    EXPECT_TRUE(budget.tooLong);
    EXPECT_EQ(BudgetText(budget), wxString::Format("Te lang: %d / 1024 bytes", budget.length));
}
