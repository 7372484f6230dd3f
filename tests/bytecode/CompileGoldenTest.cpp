// Golden compilations: every project in tests/data/compile compiles, as the window compiles it after
// opening it with the default settings and taking over its calibration, to the image in the .hex
// file beside it, or is refused as too long when a .toolong file stands beside it. The expected bytes were
// worked out by hand from the instruction tables.

#include "bytecode/ProgramCompiler.h"
#include "support/Blocks.h"
#include "support/ProjectText.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {
struct CompileGolden : ::testing::TestWithParam<std::string>
{
};
} // namespace

TEST_P(CompileGolden, ImageMatches)
{
    CProgram program;
    program.EnsureRoot();
    program.ResetPrototypeNames();
    CalibrationRecord fileCalibration = CalibrationRecord::Defaults();
    ASSERT_TRUE(ReadString(program, DataFile("compile/" + GetParam() + ".tamek"), nullptr, &fileCalibration));
    CalibrationRecord calibration = CalibrationRecord::Defaults();
    calibration.TakeFromProject(fileCalibration);
    const unsigned char* image = nullptr;
    int length = 0;
    CompileStatus status = CompileStatus::Ok;
    const bool compiled = CompileProgram(program, calibration, image, length, &status);
    if (std::filesystem::exists(std::string(TAMEK_TEST_DATA) + "/compile/" + GetParam() + ".toolong")) {
        EXPECT_FALSE(compiled);
        EXPECT_EQ(status, CompileStatus::CodeTooLong);
    } else {
        ASSERT_TRUE(compiled);
        EXPECT_EQ(Hex(image, length) + "\n", DataFile("compile/" + GetParam() + ".hex"));
    }
    program.ResetPrototypeNames();
}

INSTANTIATE_TEST_SUITE_P(Projects, CompileGolden,
                         ::testing::ValuesIn(ProjectNames(std::string(TAMEK_TEST_DATA) + "/compile")),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

TEST(Compiler, AProgramWithoutRootIsNotCompiled)
{
    CProgram empty;
    const unsigned char* image = nullptr;
    int length = 0;
    CompileStatus status = CompileStatus::Ok;
    EXPECT_FALSE(CompileProgram(empty, DefaultCalibration(), image, length, &status));
    EXPECT_EQ(status, CompileStatus::NoRoot);
    EXPECT_FALSE(CompileForRun(empty, DefaultCalibration(), image, length));
}
