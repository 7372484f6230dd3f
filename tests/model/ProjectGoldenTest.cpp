// Golden project files: every file listed in tests/data/project_roundtrip.list reads into a sound
// graph and is written back byte for byte, and the worked example is written from a program built
// in code.

#include "model/GraphCheck.h"
#include "model/ProjectReader.h"
#include "model/Prototypes.h"
#include "model/StateKinds.h"
#include "support/ProjectText.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <wx/filename.h>

using namespace testing_support;

namespace {

std::vector<std::string> RoundTripFiles()
{
    std::vector<std::string> names;
    std::istringstream list(DataFile("project_roundtrip.list"));
    for (std::string line; std::getline(list, line);)
        if (!line.empty() && line[0] != '#')
            names.push_back(line);
    return names;
}

// The bytes a file holds after the calibration header (what a snapshot of it holds).
std::string WithoutHeader(const std::string& bytes)
{
    const size_t node = bytes.find("Node: ");
    return node == std::string::npos ? bytes : bytes.substr(node);
}

struct GoldenFiles : ::testing::TestWithParam<std::string>
{
    void SetUp() override
    {
        TheProgramNames();
        VerifyProjectReaderSearches(true);
    }
    void TearDown() override
    {
        VerifyProjectReaderSearches(false);
        TheProgramNames();
    }
    static void TheProgramNames() { CProgram().ResetPrototypeNames(); }
};

TEST_P(GoldenFiles, ReadsSoundAndWritesBackByteForByte)
{
    const std::string original = DataFile(GetParam());
    ASSERT_FALSE(original.empty()) << GetParam();

    CProgram program;
    program.EnsureRoot();
    const wxString path = wxString(TAMEK_TEST_DATA) + "/" + GetParam();
    CalibrationRecord calibration = CalibrationRecord::Defaults();
    Displacement displacement;
    ReadBounds bounds;
    ReadError error;
    ASSERT_TRUE(program.ReadProject(path, displacement, bounds, calibration, &error))
        << GetParam() << ":" << error.line << " " << error.detail;
    wxString problem;
    EXPECT_TRUE(CheckGraph(program, &problem)) << problem;

    const wxString written = wxFileName::CreateTempFileName("tamek-golden");
    ASSERT_TRUE(program.WriteProject(written, calibration.present ? calibration : CalibrationRecord::Defaults()));
    std::ifstream in(written.ToStdString(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    wxRemoveFile(written);
    EXPECT_EQ(bytes.str(), original);
    EXPECT_EQ(Snapshot(program), WithoutHeader(original));
}

INSTANTIATE_TEST_SUITE_P(ProjectFiles, GoldenFiles, ::testing::ValuesIn(RoundTripFiles()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param.substr(0, info.param.find('.'));
                             for (char& c : name)
                                 if (!isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

TEST(GoldenFiles, WorkedExampleIsWrittenFromABuiltProgram)
{
    CProgram program;
    CState* start = program.EnsureRoot();
    start->SetPosition(300, 40);
    CState* wait = BlockFromFileWord("Wait", program);
    wait->SetPosition(300, 100);
    wait->SetParameterText("10");
    CState* stop = BlockFromFileWord("Stop", program);
    stop->SetPosition(300, 160);
    program.InsertAfter(wait, start, true);
    program.InsertAfter(stop, wait, true);
    EXPECT_EQ(Snapshot(program), DataFile("worked_example.tamek"));

    // A renamed buzzer adds one line: its prototype's text at the Start block's position.
    CState* buzzer = Prototypes::Get().At(PalettePage::Action, 1);
    const int x = buzzer->GetX(), y = buzzer->GetY();
    buzzer->SetName("Toeter");
    EXPECT_EQ(Snapshot(program),
              DataFile("worked_example.tamek") + "State Buzzer: Position:300,40.Param: '0'. Name: Toeter . \n");
    EXPECT_EQ(buzzer->GetX(), x);
    EXPECT_EQ(buzzer->GetY(), y);
    program.ResetPrototypeNames();
}

} // namespace
