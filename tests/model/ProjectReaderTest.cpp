// The project reader: keys, the variable rule, prototype name lines, displacement and bounds,
// errors as results, and damaged input that must end in a sound graph.

#include "model/ProjectReader.h"
#include "model/GraphCheck.h"
#include "model/Prototypes.h"
#include "support/ProjectText.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

struct Reader : ::testing::Test
{
    CProgram program;
    void SetUp() override
    {
        program.EnsureRoot();
        program.ResetPrototypeNames();
        VerifyProjectReaderSearches(true); // every indexed search is checked against a graph search
    }
    void TearDown() override
    {
        VerifyProjectReaderSearches(false);
        program.ResetPrototypeNames();
    }

    bool Read(const std::string& text, ReadError* error = nullptr) { return ReadString(program, text, error); }
    int BlockCount()
    {
        int count = 0;
        program.ForEachBlock([&](CState*) { ++count; });
        return count;
    }
    void ExpectSound()
    {
        wxString problem;
        EXPECT_TRUE(CheckGraph(program, &problem)) << problem;
    }
};

const char* const kStart = "Node: 0 => State Start: Position:300,40. Son 1\n";

TEST_F(Reader, SameVariableNameSharesOneIndexAndANewNameTakesTheNext)
{
    ASSERT_TRUE(Read(std::string(kStart) +
                     "Node: 1 => State Variable: Position:300,100.Param: '1'. Name: a. Son 2\n"
                     "Node: 2 => State Variable: Position:300,160.Param: 'a+1'. Name: a. Son 3\n"
                     "Node: 3 => State Variable: Position:300,220.Param: '7'. Name: b. Son 4\n"
                     "Node: 4 => State VariableIf: Position:300,280.Param: '7'. Name: b. Cond: GTE. Son \n"));
    CState* first = program.GetRoot()->GetSon();
    CState* second = first->GetSon();
    CState* third = second->GetSon();
    CState* test = third->GetSon();
    EXPECT_EQ(first->GetVariableIndex(), 0);
    EXPECT_EQ(second->GetVariableIndex(), 0);
    EXPECT_EQ(third->GetVariableIndex(), 1);
    EXPECT_EQ(test->GetVariableIndex(), 1);
    EXPECT_EQ(test->GetConditionOperator(), ">=");
    EXPECT_EQ(program.Variables().GetCount(), 2u);
    EXPECT_EQ(program.GetNextVariableIndex(), 2);
    EXPECT_EQ(first->GetParameterValue(), 1);
    EXPECT_EQ(second->GetParameterText(), "a+1");
    // A variable block keeps its own name; the prototype is not renamed.
    EXPECT_EQ(Prototypes::Get().At(PalettePage::Sensor, 5)->GetName(), "Variabele");
    ExpectSound();
}

TEST_F(Reader, PrototypeNameLinesRenameOnlyThePrototype)
{
    CState* buzzer = Prototypes::Get().At(PalettePage::Action, 1);
    const int x = buzzer->GetX(), y = buzzer->GetY();
    ASSERT_TRUE(Read("State Buzzer: Position:300,40.Param: '1'. Name: Toeter . \n"
                     "State Start: Position:1,1. Name: Nope . \n"
                     "State Nothing: Position:1,1. Name: Nope . \n"));
    EXPECT_EQ(buzzer->GetName(), "Toeter");
    EXPECT_EQ(buzzer->GetX(), x);
    EXPECT_EQ(buzzer->GetY(), y);
    EXPECT_EQ(buzzer->GetParameterText(), "0");
    EXPECT_EQ(BlockCount(), 1);

    // Node lines rename a sensor's prototype as well, so every block of the kind shows the name.
    ASSERT_TRUE(Read(std::string(kStart) + "Node: 1 => State Switch2: Position:300,100.Param: '1'. Name: Bumper. "
                                           "Cond: EQ. Son \n"));
    EXPECT_EQ(Prototypes::Get().At(PalettePage::Sensor, 1)->GetName(), "Bumper");
}

TEST_F(Reader, TextWithoutNodeLinesLeavesTheGraph)
{
    ReadError error;
    EXPECT_TRUE(Read("", &error));
    EXPECT_TRUE(Read("\n\r\n  \nnothing to see\nNode 1 without the colon\n", &error));
    EXPECT_EQ(BlockCount(), 1);
    EXPECT_EQ(program.GetRoot()->GetSon(), nullptr);
}

TEST_F(Reader, ReadingClearsNothingTheCallerDidNot)
{
    // Blocks already in the graph stay, keep their numbers, and take part in the searches.
    CState* wait = BlockFromFileWord("Wait", program);
    CState* variable = BlockFromFileWord("Variable", program);
    program.InsertAfter(wait, program.GetRoot(), true);
    program.InsertAfter(variable, wait, true);
    variable->SetSonNumber(7);
    ASSERT_TRUE(Read("State Buzzer: Position:300,40.Param: '1'. Name: Zoemer . \n"));
    EXPECT_EQ(BlockCount(), 3);
    EXPECT_EQ(program.Variables().GetCount(), 1u);
    ASSERT_TRUE(Read("Node: 7 => State Stop: Position:300,220. Son \n"));
    ASSERT_NE(variable->GetSon(), nullptr);
    EXPECT_EQ(variable->GetSon()->GetKindWordRaw(), "Stop");
    EXPECT_EQ(BlockCount(), 4);
    ExpectSound();
}

TEST_F(Reader, NamesAreLettersDigitsAndUnderscoreOnly)
{
    ASSERT_TRUE(Read(std::string(kStart) +
                     "Node: 1 => State Variable: Position:300,100.Param: '1'. Name: a-b. Son 2\n"
                     "Node: 2 => State Variable: Position:300,160.Param: '1'. Name: x_9. Son \n"));
    EXPECT_EQ(program.GetRoot()->GetSon()->GetName(), "a");
    EXPECT_EQ(program.GetRoot()->GetSon()->GetSon()->GetName(), "x_9");
}

TEST_F(Reader, KeyWordsInsideNamesDoNotHideTheLinesOwnKeys)
{
    // A variable called "Son" or "frNode": the node line's own parts come after the block text.
    ASSERT_TRUE(Read(std::string(kStart) +
                     "Node: 1 => State Variable: Position:300,100.Param: 'Son 7'. Name: frNode. frNode:2. Son 3\n"
                     "Node: 2 => State Wait: Position:420,100.Param: '1'. Name: Wacht . \n"
                     "Node: 3 => State Variable: Position:300,160.Param: '1'. Name: Son. Son \n"));
    CState* first = program.GetRoot()->GetSon();
    ASSERT_NE(first->GetSon(), nullptr);
    EXPECT_EQ(first->GetSon()->GetName(), "Son");
    ASSERT_NE(first->GetRowNeighbour(1), nullptr);
    EXPECT_EQ(first->GetRowNeighbour(1)->GetKindWordRaw(), "Wait");
    EXPECT_EQ(Snapshot(program), std::string(kStart) +
                                     "Node: 1 => State Variable: Position:300,100.Param: 'Son 7'. Name: frNode. "
                                     "frNode:2. Son 3\n"
                                     "Node: 2 => State Wait: Position:420,100.Param: '1'. Name: Wacht . \n"
                                     "Node: 3 => State Variable: Position:300,160.Param: '1'. Name: Son. Son \n");
    ExpectSound();
}

TEST_F(Reader, DisplacementBoundsCalibrationAndFlags)
{
    CalibrationRecord calibration = CalibrationRecord::Defaults();
    Displacement displacement{100, 10};
    ReadBounds bounds{0, 0, 200, 200};
    ReadError error;
    const std::string text = "Motor1Mi:30\nMotor2Ma:40\n"
                             "Node: 0 => State Start: Position:350,60. Son 1\n"
                             "Node: 1 => State Wait: Position:-20,300.Param: '3'. Name: Wacht . Son \n"
                             "Motor1Mi:99\n";
    ASSERT_TRUE(ReadString(program, text, &error, &calibration, &displacement, &bounds));
    EXPECT_EQ(displacement.x, 250);
    EXPECT_EQ(displacement.y, 50);
    EXPECT_EQ(bounds.maxX, 350);
    EXPECT_EQ(bounds.minX, -20);
    EXPECT_EQ(bounds.maxY, 300);
    EXPECT_EQ(bounds.minY, 0);
    EXPECT_TRUE(calibration.present);
    EXPECT_EQ(calibration.motor[0].minimum, 30); // only header lines count
    EXPECT_EQ(calibration.motor[1].maximum, 40);
    CState* wait = program.GetRoot()->GetSon();
    EXPECT_FALSE(wait->IsDeletable());
    EXPECT_EQ(wait->GetParameterValue(), 3);

    program.Clear();
    ASSERT_TRUE(ReadString(program, kStart, &error, &calibration));
    EXPECT_FALSE(calibration.present);
}

TEST_F(Reader, ConditionExitSidesFollowTheSuccessorsPositions)
{
    ASSERT_TRUE(ReadString(program, DataFile("branch_only.tamek")));
    CState* detector = program.GetRoot()->GetSon();
    EXPECT_EQ(detector->GetSon(), nullptr);
    ASSERT_NE(detector->GetBranchSon(0), nullptr);
    EXPECT_EQ(detector->GetBranchExitSide(), Direction::Left);
    CState* switch3 = detector->GetBranchSon(0)->GetSon();
    EXPECT_EQ(switch3->GetSonExitSide(), Direction::Down);
    EXPECT_EQ(switch3->GetBranchExitSide(), Direction::Left);
    EXPECT_TRUE(switch3->GetBranchSon(0)->IsHalf());
    EXPECT_EQ(switch3->GetBranchSon(0)->GetConnectorMask(), 0x90);
}

TEST_F(Reader, LoopsAndJoinsAreReferencesWithExtraParents)
{
    ASSERT_TRUE(ReadString(program, DataFile("condition_join.tamek")));
    CState* condition = program.GetRoot()->GetSon();
    CState* link = condition->GetSon()->GetSon();
    CState* joining = condition->GetBranchSon(0)->GetSon()->GetSon();
    EXPECT_EQ(joining->GetSon(), link);
    EXPECT_EQ(link->GetExtraParent(0), joining);
    EXPECT_EQ(link->GetParent(), condition->GetSon());
    EXPECT_TRUE(link->GetSideSet() & SideSet::Right);
    EXPECT_TRUE(joining->GetSideSet() & SideSet::Left);

    program.Clear();
    ASSERT_TRUE(ReadString(program, DataFile("loops.tamek")));
    CState* led = nullptr;
    program.ForEachBlock([&](CState* b) {
        if (b->GetKindWordRaw() == "LedR")
            led = b;
    });
    ASSERT_NE(led, nullptr);
    EXPECT_EQ(led->GetSon(), program.GetRoot()); // a loop back to the Start block
    EXPECT_EQ(program.GetRoot()->GetExtraParent(0), led);
    ExpectSound();
}

TEST_F(Reader, ErrorsAreResultsWithTheLineAndKeepWhatWasRead)
{
    ReadError error;
    EXPECT_FALSE(Read(std::string(kStart) + "Node: 1 => State Wait: Position:300,100.Param: '1'. Name: Wacht . Son 2\n"
                                            "\n"
                                            "Node: 2 => State Teleport: Position:300,160. Son \n",
                      &error));
    EXPECT_EQ(error.line, 4);
    EXPECT_EQ(error.message, "Draw Error");
    EXPECT_NE(error.detail.Find("Teleport"), wxNOT_FOUND);
    EXPECT_EQ(BlockCount(), 2);
    ExpectSound();

    program.Clear();
    error = ReadError();
    EXPECT_FALSE(
        Read(std::string(kStart) + "Node: 7 => State Variable: Position:0,0.Param: '1'. Name: v. Son \n", &error));
    EXPECT_EQ(error.line, 2);
    EXPECT_EQ(error.message, "Draw Error");
    EXPECT_EQ(BlockCount(), 1);
    EXPECT_EQ(program.Variables().GetCount(), 0u); // the discarded variable left the list
    EXPECT_EQ(program.GetNextVariableIndex(), 0);
    ExpectSound();
}

TEST_F(Reader, RowsWhoseMembersNeverComeLoseTheirPlaceholders)
{
    ASSERT_TRUE(Read(std::string(kStart) + "Node: 1 => State Wait: Position:300,100.Param: '1'. Name: Wacht . "
                                           "flNode:2:3 frNode:4:5. Son 6\n"
                                           "Node: 3 => State Buzzer: Position:60,100.Param: '1'. Name: Zoemer . \n"
                                           "Node: 5 => State LedR: Position:540,100.Param: '1'. Name: LedRood . \n"
                                           "Node: 6 => State Stop: Position:300,160. Son \n"));
    CState* wait = program.GetRoot()->GetSon();
    ASSERT_NE(wait->GetRowNeighbour(0), nullptr);
    EXPECT_EQ(wait->GetRowNeighbour(0)->GetKindWordRaw(), "Buzzer");
    EXPECT_EQ(wait->GetRowNeighbour(0)->GetConnectorMask(), 0x90);
    EXPECT_EQ(wait->GetRowNeighbour(1)->GetKindWordRaw(), "LedR");
    EXPECT_EQ(wait->GetRowNeighbour(1)->GetRowNeighbour(1), nullptr);
    ExpectSound();
}

TEST_F(Reader, EncodingsAndLineEndsOfOtherEditors)
{
    std::string text = DataFile("worked_example.tamek");
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    ASSERT_TRUE(Read("\xef\xbb\xbf" + crlf));
    EXPECT_EQ(Snapshot(program), text);
    program.Clear();
    std::string cr = text;
    for (char& c : cr)
        if (c == '\n')
            c = '\r';
    ASSERT_TRUE(Read(cr));
    EXPECT_EQ(Snapshot(program), text);
}

TEST_F(Reader, ADuplicateBranchNumberFillsTheSecondBranchSlotWhichIsNotWrittenBack)
{
    ASSERT_TRUE(Read(std::string(kStart) +
                     "Node: 1 => State Switch1: Position:300,100.Param: '1'. Name: Schakelaar1. Cond: EQ. Son 2,3\n"
                     "Node: 2 => State Stop: Position:300,160. Son \n"
                     "Node: 3 => State Stop: Position:420,100. Son \n"
                     "Node: 3 => State Wait: Position:420,160.Param: '1'. Name: Wacht . Son \n"));
    CState* condition = program.GetRoot()->GetSon();
    ASSERT_NE(condition->GetBranchSon(1), nullptr);
    EXPECT_EQ(condition->GetBranchSon(1)->GetKindWordRaw(), "Wait");
    ExpectSound();
    // The reader has no place for a third number, so the writer leaves the second branch out and the
    // text it writes reads back whole.
    const std::string text = Snapshot(program);
    EXPECT_EQ(text.find("Wait"), std::string::npos);
    CProgram copy;
    copy.EnsureRoot();
    EXPECT_TRUE(ReadString(copy, text));
    EXPECT_EQ(Snapshot(copy), text);
}

TEST_F(Reader, ALoopMayReturnToAMemberOfTheStartBlocksRow)
{
    // A join can lead into the Start block's row, which the graph search never tests; the loop that
    // writes it back finds it there.
    const std::string text = "Node: 0 => State Start: Position:150,100. flNode:1 Son 2\n"
                             "Node: 1 => State Buzzer: Position:30,100.Param: '1'. Name: Zoemer . \n"
                             "Node: 2 => State Forward: Position:150,160.Param: '50'. Name: Avancer . Son 1\n";
    ASSERT_TRUE(Read(text));
    CState* forward = program.GetRoot()->GetSon();
    EXPECT_EQ(forward->GetSon(), program.GetRoot()->GetRowNeighbour(0));
    EXPECT_EQ(Snapshot(program), text);
    ExpectSound();
}

// Damaged files: each ends with a sound graph, whether it reads or fails.
TEST_F(Reader, DamagedInputEndsWithASoundGraph)
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
        ReadError error;
        Read(text, &error);
        wxString problem;
        EXPECT_TRUE(CheckGraph(program, &problem)) << problem << "\nin: " << text.substr(0, 200);
        Snapshot(program); // and it can be written
    }
}

} // namespace

// A join whose target is written after the joining block: the son path of a condition runs into a
// block owned by its branch path. Reading such a text must keep both paths reaching the target.
TEST_F(Reader, AJoinIntoALaterWrittenBlockKeepsBothPathsReachingIt)
{
    const std::string text = std::string(kStart) +
                             "Node: 1 => State Detector1: Position:300,100.Param: '500'. Name: Sensor1. Cond: GT. "
                             "Son 2,3\n"
                             "Node: 2 => State Link: Position:300,160.BGtype: 6. Son 4\n"
                             "Node: 4 => State Wait: Position:300,220.Param: '5'. Name: Wacht . Son 5\n"
                             "Node: 3 => State Link: Position:360,100.BGtype: 24. Son 5\n"
                             "Node: 5 => State Buzzer: Position:360,220.Param: '1'. Name: Zoemer . Son 6\n"
                             "Node: 6 => State Stop: Position:360,280. Son \n";
    ASSERT_TRUE(Read(text));
    ExpectSound();
    CState* condition = program.GetRoot()->GetSon();
    CState* wait = condition->GetSon()->GetSon();
    CState* branchPiece = condition->GetBranchSon(0);
    ASSERT_NE(wait, nullptr);
    ASSERT_NE(branchPiece, nullptr);
    CState* buzzer = wait->GetSon();
    ASSERT_NE(buzzer, nullptr);
    EXPECT_EQ(buzzer->GetKindWordRaw(), "Buzzer");
    EXPECT_EQ(branchPiece->GetSon(), buzzer); // the branch path still reaches the buzzer
    EXPECT_TRUE(buzzer->GetExtraParent(0) == branchPiece || buzzer->GetExtraParent(0) == wait);
    EXPECT_EQ(buzzer->GetSon()->GetKindWordRaw(), "Stop");

    // Written again and read back, the text no longer changes.
    const std::string once = Snapshot(program);
    program.Clear();
    ASSERT_TRUE(Read(once));
    ExpectSound();
    EXPECT_EQ(Snapshot(program), once);
}

// The son path of a condition joins the first block of its own branch path, whose line follows the
// joining block's: the branch still belongs to the condition and the son path joins it.
TEST_F(Reader, AJoinIntoTheConditionsOwnBranchKeepsTheBranch)
{
    const std::string text = std::string(kStart) +
                             "Node: 1 => State Detector1: Position:300,100.Param: '500'. Name: Sensor1. Cond: GT. "
                             "Son 2,3\n"
                             "Node: 2 => State Wait: Position:300,160.Param: '5'. Name: Wacht . Son 3\n"
                             "Node: 3 => State Link: Position:360,100.BGtype: 24. Son 4\n"
                             "Node: 4 => State Stop: Position:360,160. Son \n";
    ASSERT_TRUE(Read(text));
    ExpectSound();
    CState* condition = program.GetRoot()->GetSon();
    CState* wait = condition->GetSon();
    CState* piece = condition->GetBranchSon(0);
    ASSERT_NE(piece, nullptr);
    EXPECT_EQ(piece->GetParent(), condition);
    EXPECT_EQ(wait->GetSon(), piece);
    EXPECT_EQ(piece->GetExtraParent(0), wait);
    EXPECT_EQ(piece->GetSon()->GetKindWordRaw(), "Stop");
    EXPECT_EQ(Snapshot(program), text); // written back unchanged
}
