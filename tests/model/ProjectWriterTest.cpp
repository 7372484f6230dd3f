// The project writer: successors the reader can place back, fresh numbers for referenced sons,
// the calibration header, Latin-1 bytes and failures as results.

#include "model/GraphCheck.h"
#include "model/Prototypes.h"
#include "support/ProjectText.h"

#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/wfstream.h>

using namespace testing_support;

namespace {

struct Writer : ::testing::Test
{
    CProgram program;
    CState* start = nullptr;
    void SetUp() override
    {
        start = program.EnsureRoot();
        start->SetPosition(300, 40);
    }
    CState* Make(const char* word, int x, int y, const char* parameter = nullptr)
    {
        CState* block = BlockFromFileWord(word, program);
        block->SetPosition(x, y);
        if (parameter)
            block->SetParameterText(parameter);
        return block;
    }
    static void Own(CState* parent, CState* son) { parent->SetSon(son), son->SetParent(parent); }
    static void OwnBranch(CState* parent, CState* son) { parent->SetBranchSon(0, son), son->SetParent(parent); }
    static void Refer(CState* from, CState* target) { from->SetSon(target), target->SetExtraParent(0, from); }

    // Reads text into a fresh program and returns its snapshot.
    static std::string ReadBack(const std::string& text)
    {
        CProgram copy;
        copy.EnsureRoot();
        ReadError error;
        EXPECT_TRUE(ReadString(copy, text, &error)) << error.line << " " << error.detail;
        wxString problem;
        EXPECT_TRUE(CheckGraph(copy, &problem)) << problem;
        return Snapshot(copy);
    }
};

TEST_F(Writer, LoopBackToTheStartBlockIsWrittenAndReadBack)
{
    CState* wait = Make("Wait", 300, 100, "5");
    Own(start, wait);
    Refer(wait, start);
    const std::string text = Snapshot(program);
    EXPECT_EQ(text, "Node: 0 => State Start: Position:300,40. Son 1\n"
                    "Node: 1 => State Wait: Position:300,100.Param: '5'. Name: Wacht . Son 0\n");
    EXPECT_EQ(ReadBack(text), text);
}

TEST_F(Writer, BranchSonWithoutSonKeepsItsPlace)
{
    CState* condition = Make("Switch1", 300, 100, "1");
    CState* stop = Make("Stop", 420, 100);
    Own(start, condition);
    OwnBranch(condition, stop);
    const std::string text = Snapshot(program);
    EXPECT_NE(text.find("Cond: EQ. Son ,2\n"), std::string::npos) << text;

    CProgram copy;
    copy.EnsureRoot();
    ASSERT_TRUE(ReadString(copy, text));
    CState* read = copy.GetRoot()->GetSon();
    EXPECT_EQ(read->GetSon(), nullptr);
    ASSERT_NE(read->GetBranchSon(0), nullptr);
    EXPECT_EQ(read->GetBranchExitSide(), Direction::Right);
    EXPECT_EQ(Snapshot(copy), text);
}

TEST_F(Writer, ReferencedSonCarriesTheNumberOfThisWrite)
{
    // The son path joins a block owned by the branch path, which is numbered later.
    CState* condition = Make("Detector1", 300, 100, "500");
    CState* wait = Make("Wait", 300, 160, "1");
    CState* corner = Make("LinkTopRight", 420, 100);
    CState* target = Make("Stop", 420, 160);
    Own(start, condition);
    Own(condition, wait);
    OwnBranch(condition, corner);
    Own(corner, target);
    Refer(wait, target);
    target->SetNodeNumber(99); // a number left over from an earlier write
    const std::string text = Snapshot(program);
    EXPECT_EQ(text, "Node: 0 => State Start: Position:300,40. Son 1\n"
                    "Node: 1 => State Detector1: Position:300,100.Param: '500'. Name: Sensor1. Cond: EQ. Son 2,3\n"
                    "Node: 2 => State Wait: Position:300,160.Param: '1'. Name: Wacht . Son 4\n"
                    "Node: 3 => State Link: Position:420,100.BGtype: 132. Son 4\n"
                    "Node: 4 => State Stop: Position:420,160. Son \n");
    EXPECT_EQ(ReadBack(text), text);

    CProgram copy;
    copy.EnsureRoot();
    ASSERT_TRUE(ReadString(copy, text));
    CState* readWait = copy.GetRoot()->GetSon()->GetSon();
    CState* readStop = copy.GetRoot()->GetSon()->GetBranchSon(0)->GetSon();
    EXPECT_EQ(readWait->GetSon(), readStop);
    EXPECT_EQ(readStop->GetExtraParent(0), readWait);
}

TEST_F(Writer, CalibrationOnlyInFilesAndOnlyWhenItDiffers)
{
    Own(start, Make("Stop", 300, 100));
    const wxString path = wxFileName::CreateTempFileName("tamek-writer");
    auto fileText = [&] {
        std::ifstream in(path.ToStdString(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    };
    ASSERT_TRUE(program.WriteProject(path, CalibrationRecord::Defaults()));
    EXPECT_EQ(fileText(), Snapshot(program));

    CalibrationRecord changed = CalibrationRecord::Defaults();
    changed.motor[1].minimum = 30;
    ASSERT_TRUE(program.WriteProject(path, changed));
    const std::string text = fileText();
    EXPECT_EQ(text, std::string(changed.Lines().utf8_str()) + Snapshot(program));
    EXPECT_EQ(text.compare(0, 7, "dir:8\nS"), 0);

    CalibrationRecord read = CalibrationRecord::Defaults();
    CProgram copy;
    copy.EnsureRoot();
    ASSERT_TRUE(ReadString(copy, text, nullptr, &read));
    EXPECT_TRUE(read.present);
    EXPECT_EQ(read.motor[1].minimum, 30);
    wxRemoveFile(path);
}

TEST_F(Writer, FailuresAreResultsAndWriteNothing)
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
}

TEST_F(Writer, TextIsLatin1AndReadsBack)
{
    CState* variable = Make("Variable", 300, 100, "");
    variable->SetParameterText(wxString::FromUTF8("3\xc2\xb0"));
    variable->SetName("graad");
    Own(start, variable);
    const std::string text = Snapshot(program);
    EXPECT_NE(text.find("Param: '3\xb0'"), std::string::npos);
    CProgram copy;
    copy.EnsureRoot();
    ASSERT_TRUE(ReadString(copy, text));
    EXPECT_EQ(copy.GetRoot()->GetSon()->GetParameterText(), wxString::FromUTF8("3\xc2\xb0"));
    // The same text saved as UTF-8 by another editor reads the same.
    CProgram utf8;
    utf8.EnsureRoot();
    std::string utf8Text = text;
    utf8Text.replace(utf8Text.find('\xb0'), 1, "\xc2\xb0");
    ASSERT_TRUE(ReadString(utf8, utf8Text));
    EXPECT_EQ(Snapshot(utf8), text);
}

TEST_F(Writer, RowsAreNumberedNearestFirstLeftThenRight)
{
    CState* head = Make("Forward", 300, 100, "50");
    Own(start, head);
    CState* left1 = Make("Buzzer", 180, 100, "1");
    CState* left2 = Make("LedR", 60, 100, "1");
    CState* right1 = Make("Wait", 420, 100, "2");
    head->SetRowNeighbour(0, left1), left1->SetRowNeighbour(1, head);
    left1->SetRowNeighbour(0, left2), left2->SetRowNeighbour(1, left1);
    head->SetRowNeighbour(1, right1), right1->SetRowNeighbour(0, head);
    Own(head, Make("Stop", 300, 160));
    const std::string text = Snapshot(program);
    EXPECT_NE(text.find("Name: Avancer . flNode:2:3 frNode:4. Son 5\n"
                        "Node: 2 => State Buzzer: Position:180,100.Param: '1'. Name: Zoemer . \n"
                        "Node: 3 => State LedR: Position:60,100.Param: '1'. Name: LedRood . \n"
                        "Node: 4 => State Wait: Position:420,100.Param: '2'. Name: Wacht . \n"),
              std::string::npos)
        << text;
    EXPECT_EQ(ReadBack(text), text);
}

} // namespace
