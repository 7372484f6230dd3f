// Project files as bytes: the golden files read and write back byte for byte, the calibration
// header, encodings, what a read reports besides the graph, failures as results, damaged input.

#include "model/GraphCheck.h"
#include "support/Blocks.h"
#include "support/EditingGraphCheck.h"
#include "support/ProjectText.h"

#include <gtest/gtest.h>
#include <sstream>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/wfstream.h>

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

// The bytes program writes to a file with calibration.
std::string FileBytes(CProgram& program, const CalibrationRecord& calibration)
{
    const wxString path = wxFileName::CreateTempFileName("tamek-file");
    EXPECT_TRUE(program.WriteProject(path, calibration));
    const std::string bytes = DataFile(path.ToStdString());
    wxRemoveFile(path);
    return bytes;
}

struct GoldenFiles : ::testing::TestWithParam<std::string>
{
};

TEST_P(GoldenFiles, ReadSoundAndWriteBackByteForByte)
{
    const std::string original = DataFile(GetParam());
    ASSERT_FALSE(original.empty());
    CProgram program;
    program.EnsureRoot();
    program.ResetPrototypeNames();
    CalibrationRecord calibration = CalibrationRecord::Defaults();
    Displacement displacement;
    ReadBounds bounds;
    ReadError error;
    ProjectReaderChecks checks;
    ASSERT_TRUE(
        program.ReadProject(wxString(TAMEK_TEST_DATA) + "/" + GetParam(), displacement, bounds, calibration, &error))
        << error.line << " " << error.detail;
    EXPECT_EQ(checks.failures, 0) << checks.first;
    EXPECT_EQ(GraphFault(program), "");
    EXPECT_EQ(FileBytes(program, calibration.present ? calibration : CalibrationRecord::Defaults()), original);
    // The snapshot is the text after the calibration header.
    EXPECT_EQ(Snapshot(program), original.substr(std::min(original.find("Node: "), original.size())));
    program.ResetPrototypeNames();
}

INSTANTIATE_TEST_SUITE_P(ProjectFiles, GoldenFiles, ::testing::ValuesIn(RoundTripFiles()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param.substr(0, info.param.find('.'));
                         });

struct Files : ::testing::Test
{
    CProgram program;
    void SetUp() override { program.EnsureRoot()->SetPosition(300, 40); }
    void TearDown() override { program.ResetPrototypeNames(); }
};

TEST_F(Files, CalibrationOnlyInFilesAndOnlyWhenItDiffers)
{
    Son(program.GetRoot(), Make("Stop"));
    EXPECT_EQ(FileBytes(program, CalibrationRecord::Defaults()), Snapshot(program));
    CalibrationRecord changed = CalibrationRecord::Defaults();
    changed.motor[1].minimum = 30;
    const std::string text = FileBytes(program, changed);
    EXPECT_EQ(text, std::string(changed.Lines().utf8_str()) + Snapshot(program));
    CalibrationRecord read = CalibrationRecord::Defaults();
    CProgram copy;
    copy.EnsureRoot();
    ASSERT_TRUE(ReadString(copy, text, nullptr, &read));
    EXPECT_TRUE(read.present);
    EXPECT_EQ(read, changed);
}

TEST_F(Files, ReadReportsDisplacementBoundsAndTheHeaderOnly)
{
    CalibrationRecord calibration = CalibrationRecord::Defaults();
    Displacement displacement{100, 10};
    ReadBounds bounds{0, 0, 200, 200};
    ASSERT_TRUE(ReadString(program,
                           "Motor1Mi:30\nMotor2Ma:40\nNode: 0 => State Start: Position:350,60. Son 1\n"
                           "Node: 1 => State Wait: Position:-20,300.Param: '3'. Name: Wacht . Son \nMotor1Mi:99\n",
                           nullptr, &calibration, &displacement, &bounds));
    EXPECT_EQ(displacement.x, 250);
    EXPECT_EQ(displacement.y, 50);
    EXPECT_EQ((std::vector<int>{bounds.minX, bounds.minY, bounds.maxX, bounds.maxY}),
              (std::vector<int>{-20, 0, 350, 300}));
    EXPECT_TRUE(calibration.present);
    EXPECT_EQ(calibration.motor[0].minimum, 30); // only header lines count
    EXPECT_EQ(calibration.motor[1].maximum, 40);
    ASSERT_NE(program.GetRoot()->GetSon(), nullptr);
    EXPECT_FALSE(program.GetRoot()->GetSon()->IsDeletable());
    program.Clear();
    ASSERT_TRUE(ReadString(program, "Node: 0 => State Start: Position:300,40. Son \n", nullptr, &calibration));
    EXPECT_FALSE(calibration.present);
}

TEST_F(Files, TextIsLatin1WhenItFitsElseUtf8AndAlwaysReadsBack)
{
    CState* variable = Son(program.GetRoot(), Make("Variable"));
    variable->SetName("graad");
    for (const char* parameter : {"3\xc2\xb0", "5\xe2\x82\xac"}) { // 3 degrees, 5 euro
        variable->SetParameterText(wxString::FromUTF8(parameter));
        const std::string text = Snapshot(program);
        const bool latin1 = parameter[1] == '\xc2';
        EXPECT_NE(text.find(latin1 ? "Param: '3\xb0'" : "Param: '5\xe2\x82\xac'"), std::string::npos) << text;
        CProgram copy;
        copy.EnsureRoot();
        ASSERT_TRUE(ReadString(copy, text));
        ASSERT_NE(copy.GetRoot()->GetSon(), nullptr);
        EXPECT_EQ(copy.GetRoot()->GetSon()->GetParameterText(), wxString::FromUTF8(parameter));
        EXPECT_EQ(Snapshot(copy), text);
    }
    // Text from other editors: a byte-order mark, CR LF or CR line ends.
    const std::string text = DataFile("worked_example.tamek");
    std::string crlf, cr = text;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::replace(cr.begin(), cr.end(), '\n', '\r');
    for (const std::string& other : {"\xef\xbb\xbf" + crlf, cr}) {
        program.Clear();
        ASSERT_TRUE(ReadString(program, other));
        EXPECT_EQ(Snapshot(program), text);
    }
}

TEST_F(Files, FailuresAreResultsAndWriteNothing)
{
    EXPECT_FALSE(program.WriteProject("/nonexistent-folder-of-tamek/x.tamek", CalibrationRecord::Defaults()));
    EXPECT_FALSE(wxFileName::DirExists("/nonexistent-folder-of-tamek"));
    wxLogNull quiet;
    wxFileOutputStream broken("/nonexistent-folder-of-tamek/y.tamek");
    EXPECT_FALSE(program.WriteSnapshot(broken));
    CProgram empty;
    wxMemoryOutputStream stream;
    EXPECT_FALSE(empty.WriteSnapshot(stream));
    EXPECT_EQ(stream.GetLength(), 0);
    Displacement displacement;
    ReadBounds bounds;
    ReadError error;
    CalibrationRecord calibration;
    EXPECT_FALSE(
        program.ReadProject("/nonexistent-folder-of-tamek/z.tamek", displacement, bounds, calibration, &error));
    EXPECT_EQ(error.detail, "the file cannot be opened");
}

// Damaged files: each ends with a sound graph that can be written, whether it reads or fails.
TEST_F(Files, DamagedInputEndsWithASoundGraph)
{
    const std::string cases[] = {
        // a Son naming the line's own node, then a block of that number
        "Node: 0 => State Start: Position:1,1. Son 1\nNode: 1 => State Wait: Position:1,2. Son 1\n"
        "Node: 1 => State Wait: Position:1,3. Son 2\n",
        // duplicate numbers and a second node 0
        "Node: 0 => State Start: Position:1,1. Son 1\nNode: 1 => State Stop: Position:1,2. Son \n"
        "Node: 0 => State Start: Position:5,5. frNode:1. Son 1\nNode: 1 => State Wait: Position:1,3. Son 0\n"
        "Node: 1 => State Wait: Position:1,4. Son 1\n",
        // numbers beyond 32 bits
        "Node: 0 => State Start: Position:99999999999,-99999999999. Son 99999999999,4294967297\n"
        "Node: 4294967297 => State Wait: Position:1,1. Son \n",
        "Node: 0 => State Start: Position:1,1. Son 1\nNode: 1 => State Link: Position:1,2.BGtype: 99999999999. Son \n",
        // rows naming nodes that never come, and a loop into such a placeholder
        "Node: 0 => State Start: Position:1,1. flNode:5:6 frNode:7. Son 1\n"
        "Node: 1 => State Wait: Position:1,2. frNode:2. Son 3\nNode: 3 => State Stop: Position:1,3. Son 2\n",
        "Node: 0 => State Start: Position:1,1. Son 1\nNode: 1 => State Wait: Position:1,2. frNode:2. Son 3\n"
        "Node: 3 => State Wait: Position:1,3. Son 2\nNode: 2 => State Wait: Position:2,2. Son \n",
        // a placeholder word in a row, cycles through sons and rows, a row on an occupied side
        "Node: 0 => State Start: Position:1,1. frNode:1. Son 2\nNode: 1 => State Fake: Position:1,1. Son \n"
        "Node: 2 => State Wait: Position:1,2. Son 0,2\n",
        "Node: 0 => State Start: Position:1,1. Son 1\nNode: 1 => State Wait: Position:1,2. frNode:2:2:2. Son 3\n"
        "Node: 2 => State Wait: Position:2,2. frNode:9. Son 1\nNode: 2 => State Wait: Position:3,2. Son 1\n"
        "Node: 3 => State Switch1: Position:1,3. Son 1,1\nNode: 1 => State Wait: Position:1,4. Son 3\n",
        // binary garbage, NUL bytes and an overlong line
        std::string("Node: 0 => State Start: Position:1,1. Son 1\n") + '\0' + "\xff\xfe\x01Node: 1 => " + '\0' +
            "State Wait: Position:1,2. Son \n" + std::string(3, '\0'),
        std::string("Node: 0 => State Start: Position:1,1. Son 1\nNode: 1 => State Variable: Position:1,2.Param: 'a") +
            '\0' + "b'. Name: x" + '\0' + "y. Son 2\nNode: 2 => State Variable: Position:1,3.Param: " + '\0' +
            ". Name: " + '\0' + "Son " + '\0' + "3\n",
        std::string("\xef\xbb\xbfNode: 0 => State Start: Position:1,1. Son 1\r\nNode: 1 => State Wait\xc3: Pos"),
        "Node: 0 => State Start: Position:1,1. Son 1\nNode: 1 => State Variable: Position:1,2.Param: '" +
            std::string(200000, 'x') + "'. Name: " + std::string(100000, 'n') + ". Son \n",
    };
    for (const std::string& text : cases) {
        program.Clear();
        ReadString(program, text);
        EXPECT_EQ(GraphFault(program), "") << "in: " << text.substr(0, 200);
        Snapshot(program);
    }
}

} // namespace
