// Golden compilations: every project in tests/data/compile compiles to the image in the .hex file
// beside it, or is refused as too long when a .toolong file stands beside it. The expected bytes
// were worked out by hand from the instruction tables.

#include "BytecodeTestSupport.h"

#include "bytecode/EmitContext.h"
#include "calibration/CalibrationRecord.h"

#include <gtest/gtest.h>
#include <wx/filename.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace bytecode_test;

namespace {

std::string Slurp(const wxString& path)
{
    std::ifstream in(path.ToStdString(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Listed with the standard library: the list is made before wxWidgets is initialised.
std::vector<wxString> Projects()
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(TAMEK_TEST_DATA) + "/compile"))
        if (entry.path().extension() == ".tamek")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return std::vector<wxString>(files.begin(), files.end());
}

struct CompileGolden : ::testing::TestWithParam<wxString>
{
};

} // namespace

TEST_P(CompileGolden, ImageMatches)
{
    const wxFileName project(GetParam());
    CProgram program;
    program.EnsureRoot();
    program.ResetPrototypeNames();
    CalibrationRecord fileCalibration = CalibrationRecord::Defaults();
    fileCalibration.present = false;
    Displacement displacement;
    ReadBounds bounds;
    ASSERT_TRUE(program.ReadProject(project.GetFullPath(), displacement, bounds, fileCalibration));
    const CalibrationRecord calibration = fileCalibration.present ? fileCalibration : CalibrationRecord::Defaults();
    ScopedCompileCalibration scoped(calibration);

    const unsigned char* image = nullptr;
    int length = 0;
    CProgram::CompileStatus status = CProgram::CompileStatus::Ok;
    const bool compiled = program.Compile(image, length, &status);
    wxFileName expected(project);
    expected.SetExt("hex");
    if (expected.FileExists()) {
        ASSERT_TRUE(compiled);
        EXPECT_EQ(Hex(image, length) + "\n", Slurp(expected.GetFullPath()));
    } else {
        EXPECT_FALSE(compiled);
        EXPECT_EQ(status, CProgram::CompileStatus::CodeTooLong);
    }
    program.ResetPrototypeNames();
}

INSTANTIATE_TEST_SUITE_P(Projects, CompileGolden, ::testing::ValuesIn(Projects()),
                         [](const ::testing::TestParamInfo<wxString>& info) {
                             return wxFileName(info.param).GetName().ToStdString();
                         });
