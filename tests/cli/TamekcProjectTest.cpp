// The built tamekc: "cat" prints every round-trip golden file byte for byte, "check" summarises a
// project, and unreadable files end with status 2 and a message naming file and line.

#include "support/RunTamekc.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

using Result = testing_support::TamekcResult;
using testing_support::Slurp;
using testing_support::Tamekc;

std::string Data(const std::string& name)
{
    return std::string(TAMEK_TEST_DATA) + "/" + name;
}

TEST(TamekcCat, PrintsEveryRoundTripFileByteForByte)
{
    std::istringstream list(Slurp(Data("project_roundtrip.list")));
    int files = 0;
    for (std::string name; std::getline(list, name);) {
        if (name.empty() || name[0] == '#')
            continue;
        const Result run = Tamekc("cat '" + Data(name) + "'");
        EXPECT_EQ(run.status, 0) << name << ": " << run.err;
        EXPECT_EQ(run.out, Slurp(Data(name))) << name;
        ++files;
    }
    EXPECT_GE(files, 7);
}

TEST(TamekcCat, UnreadableFilesEndWithStatusTwoNamingFileAndLine)
{
    Result run = Tamekc("cat /nonexistent/none.tamek");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("/nonexistent/none.tamek"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());

    const std::string bad = wxFileName::CreateTempFileName("tamekc-bad").ToStdString();
    std::ofstream(bad) << "Node: 0 => State Start: Position:1,1. Son 1\n\nNode: 5 => State Wait: Position:1,2. Son \n";
    run = Tamekc("cat '" + bad + "'");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(bad + ":3: Draw Error"), std::string::npos) << run.err;
    run = Tamekc("check '" + bad + "'");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(":3:"), std::string::npos) << run.err;
    std::remove(bad.c_str());

    EXPECT_EQ(Tamekc("cat").status, 1);
    EXPECT_EQ(Tamekc("no-such-command").status, 1);
}

TEST(TamekcCheck, SummarisesKindsVariablesRowsAndLoops)
{
    Result run = Tamekc("check '" + Data("loops.tamek") + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("9 blocks"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("teller = index 0"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("stap = index 1"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("loops: 2\n  3 -> 2\n  6 -> 0\n"), std::string::npos) << run.out;

    run = Tamekc("check '" + Data("rows.tamek") + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("rows (node numbers, left to right): 2\n  2 1 3 4\n  5 6\n"), std::string::npos) << run.out;

    run = Tamekc("check '" + Data("calibration.tamek") + "'");
    EXPECT_NE(run.out.find("calibration: own block"), std::string::npos) << run.out;
}

TEST(TamekcHelp, ListsTheCommands)
{
    const Result run = Tamekc("--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("cat FILE.tamek"), std::string::npos);
    EXPECT_NE(run.out.find("check FILE.tamek"), std::string::npos);
}

} // namespace
