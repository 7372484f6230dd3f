// The golden projects run in the simulator as the run window runs them, compared with tamekc run
// (the same machine under the command line's time model): the same final state, the timer aside.
// Also, on the same projects, the address table against the graph search.

#include "bytecode/HeadlessRun.h"
#include "support/RunDriver.h"
#include "support/RunTamekc.h"

#include <gtest/gtest.h>
#include <regex>

using namespace testing_support;

namespace {
// Every project of these data folders. They end, or settle in a state that repeats: a loop waiting
// on an input compares without its timer and registers (a blinking program, whose state follows the
// time model, has no place here). One that tamekc refuses opens no run.
std::vector<std::string> Projects()
{
    std::vector<std::string> projects;
    for (const std::string folder : {"", "compile/", "simulation/"})
        for (const std::string& name : ProjectNames(std::string(TAMEK_TEST_DATA) + "/" + folder))
            projects.push_back(folder + name + ".tamek");
    return projects;
}

// A report without the fields that depend on the time model or on how far a run was followed.
std::string Settled(const std::string& json)
{
    static const std::regex timing("\"(steps|pc|timer|a|b)\":-?[0-9]+,");
    return std::regex_replace(json, timing, "");
}

struct GoldenRun : ::testing::TestWithParam<std::string>
{
};
} // namespace

TEST_P(GoldenRun, EndsInTheStateOfTamekcRun)
{
    const std::string project = GetParam();
    const TamekcResult expected = Tamekc("run '" + std::string(TAMEK_TEST_DATA) + "/" + project + "'");
    CProgram program;
    RunDriver run(program, project);
    run.control.Start();
    ASSERT_EQ(run.control.IsRunActive(), expected.status == 0) << expected.err;
    if (expected.status != 0)
        return;
    for (int pc = -4; pc < program.ImageLength() + 4; ++pc) // the run's address table, as the graph search
        EXPECT_EQ(run.control.Run()->BlockAt(pc), program.FindByAddress(pc)) << pc;
    HeadlessRunResult result;
    result.ended = run.RunToEnd(600000);
    const TamekMachine& machine = result.ended ? run.stateAtEnd : run.Machine();
    EXPECT_EQ(Settled(HeadlessRunJson(machine, result, program) + "\n"), Settled(expected.out));
}

INSTANTIATE_TEST_SUITE_P(Projects, GoldenRun, ::testing::ValuesIn(Projects()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = std::regex_replace(info.param, std::regex("[^A-Za-z0-9]"), "_");
                             return name.substr(0, name.size() - 6);
                         });
