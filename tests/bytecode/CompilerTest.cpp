// The compiler on graphs built in code: layout, joins, loops, path ends, branch patching, limits.
#include "BytecodeTestSupport.h"

#include "bytecode/EmitContext.h"
#include "bytecode/ProgramCompiler.h"
#include "bytecode/TamekMachine.h"
#include "calibration/CalibrationRecord.h"
#include "model/UserInterface.h"

#include <gtest/gtest.h>

using namespace bytecode_test;

namespace {

constexpr int kPrologue = 72; // the Start block's code with the default calibration

struct Compiler : ::testing::Test
{
    CProgram program;
    CalibrationRecord calibration = CalibrationRecord::Defaults();
    ScopedCompileCalibration scoped{calibration};
    const unsigned char* image = nullptr;
    int length = 0;
    CProgram::CompileStatus status = CProgram::CompileStatus::Ok;

    CState* Root() { return program.EnsureRoot(); }
    bool Compile() { return program.Compile(image, length, &status); }
    std::string Tail(int from) { return Hex(image + from, length - from); }
    void TearDown() override { program.ResetPrototypeNames(); }

    // Runs the image as tamekc does, up to maxSteps steps with a clock tick every 1000.
    TamekMachine Run(long maxSteps)
    {
        TamekMachine machine;
        machine.LoadImage(image, length);
        machine.SetGo(true);
        machine.MachineStep();
        machine.SetGo(false);
        machine.MachineStep();
        for (long steps = 0; steps < maxSteps && machine.GetRunState() == TamekMachine::Running;) {
            const long done = machine.RunSteps(1000);
            steps += done;
            if (done == 1000 && machine.GetRunState() == TamekMachine::Running)
                machine.ClockTick();
        }
        return machine;
    }
};

} // namespace

TEST_F(Compiler, StartWaitStop)
{
    CState* wait = Son(Son(Root(), Make("LinkFullV")), Make("Wait", "5", 5));
    CState* stop = Son(Son(wait, Make("LinkFullV")), Make("Stop"));
    ASSERT_TRUE(Compile());
    EXPECT_EQ(status, CProgram::CompileStatus::Ok);
    EXPECT_EQ(image, program.Image());
    ASSERT_EQ(length, kPrologue + 29);
    EXPECT_EQ(program.ImageLength(), length);
    EXPECT_EQ(wait->GetCodeAddress(), kPrologue);
    EXPECT_EQ(stop->GetCodeAddress(), kPrologue + 10);
    EXPECT_EQ(Tail(kPrologue),
              "89 00 0a ca 00 00 94 0a 74 fe ca 05 00 ca 0a 00 d8 00 d9 00 da 00 db 00 d6 04 7d 9b ff");
    EXPECT_EQ(GetCurrentBlock(), stop);
    EXPECT_EQ(program.FindByAddress(kPrologue + 3), wait);
    EXPECT_EQ(program.FindByAddress(0), Root());

    const TamekMachine machine = Run(1000000);
    EXPECT_EQ(machine.GetRunState(), TamekMachine::Ended);
    EXPECT_EQ(machine.Pc(), -3);
    EXPECT_EQ(machine.Timer(), 12); // the first timer value above 10
}

TEST_F(Compiler, PathWithoutStopRepeatsItsLastInstruction)
{
    CState* forward = Son(Root(), Make("Forward", "5", 5));
    ASSERT_TRUE(Compile());
    EXPECT_EQ(Tail(kPrologue), "da 05 db 05 7d fe ff");
    EXPECT_EQ(forward->GetTailLength(), 3);
    EXPECT_EQ(program.FindByAddress(kPrologue + 6), forward);
    const TamekMachine machine = Run(5000);
    EXPECT_EQ(machine.GetRunState(), TamekMachine::Running);
    EXPECT_GE(machine.Pc(), kPrologue + 2);
    EXPECT_LE(machine.Pc(), kPrologue + 4);
    // Compiling again clears the tail lengths first.
    forward->SetSon(nullptr);
    Son(forward, Make("Stop"));
    ASSERT_TRUE(Compile());
    EXPECT_EQ(forward->GetTailLength(), 0);
}

TEST_F(Compiler, DetectorWithBothPathsEndingInStop)
{
    CState* detector = Son(Root(), Make("Detector1", "512", 512));
    detector->SetConditionOperator(">");
    Son(Son(detector, Make("Buzzer", "1", 1)), Make("Stop"));
    CState* led = Branch(detector, Make("LedR", "1", 1));
    Son(led, Make("Stop"));
    ASSERT_TRUE(Compile());
    ASSERT_EQ(length, kPrologue + 51);
    EXPECT_EQ(led->GetCodeAddress(), kPrologue + 30);
    EXPECT_EQ(Tail(kPrologue),
              "89 02 00 a4 02 0a 75 17 00 d6 05 ca 05 00 ca 0a 00 d8 00 d9 00 da 00 db 00 d6 04 7d 9a ff "
              "d6 07 ca 05 00 ca 0a 00 d8 00 d9 00 da 00 db 00 d6 04 7d 85 ff");
    // Input 2 reads 1023 - raw: above 512 takes the buzzer path, else the LED path.
    TamekMachine machine = Run(1000);
    EXPECT_EQ(machine.GetRunState(), TamekMachine::Ended);
}

TEST_F(Compiler, LoopClosedByLinkPiecesOntoRepeat)
{
    CState* repeat = Son(Root(), Make("Repeat", "3", 3));
    CState* wait = Son(Son(repeat, Make("Buzzer", "1", 1)), Make("Wait", "1", 1));
    CState* first = Son(wait, Make("LinkBottomRight"));
    CState* last = Son(first, Make("LinkTopRight"));
    Join(last, repeat);
    ASSERT_TRUE(Compile());
    ASSERT_EQ(length, kPrologue + 15);
    EXPECT_EQ(Tail(kPrologue + 12), "7d f4 ff");
    EXPECT_EQ(wait->GetTailLength(), 3);
    EXPECT_EQ(first->GetCodeAddress(), kPrologue + 15);
    EXPECT_EQ(last->GetCodeAddress(), kPrologue + 15);
    EXPECT_EQ(program.FindByAddress(kPrologue + 13), wait);
    const TamekMachine machine = Run(20000);
    EXPECT_EQ(machine.GetRunState(), TamekMachine::Running);
    EXPECT_TRUE(machine.BuzzerOn());
}

TEST_F(Compiler, LoopWithoutCodeWaitsForEver)
{
    // Drive, then loop onto an empty Repeat: the robot keeps driving; the run does not end.
    CState* repeat = Son(Son(Root(), Make("Forward", "5", 5)), Make("Repeat", "1", 1));
    Join(Son(Son(repeat, Make("LinkFullV")), Make("LinkTopRight")), repeat);
    ASSERT_TRUE(Compile());
    EXPECT_EQ(Tail(kPrologue), "da 05 db 05 7c 01 7c fe");
    EXPECT_EQ(program.FindByAddress(kPrologue + 4), repeat);
    const TamekMachine machine = Run(100000);
    EXPECT_EQ(machine.GetRunState(), TamekMachine::Running);
    EXPECT_GE(machine.Pc(), kPrologue + 4);
    EXPECT_EQ(machine.GetChannel(2).lastWritten, 5);
}

TEST_F(Compiler, ConditionLoopingDirectlyKeepsItsAddressAndBranch)
{
    CState* set = Son(Root(), Make("Variable", "0", 0));
    set->SetName("x");
    program.RegisterVariable(set);
    CState* add = Son(set, Make("Variable", "x + 1"));
    add->SetName("x");
    add->SetVariableIndex(0);
    CState* test = Son(add, Make("VariableIf", "10", 10));
    test->SetName("x");
    test->SetConditionOperator("<");
    Join(test, add);
    Son(Branch(test, Make("LinkFullV")), Make("Stop"));
    ASSERT_TRUE(Compile());
    EXPECT_EQ(Tail(kPrologue), "c1 00 00 00 80 00 8d 00 01 00 c3 00 89 00 0a 84 00 0a 6d 05 00 7d ef ff "
                               "ca 05 00 ca 0a 00 d8 00 d9 00 da 00 db 00 d6 04 7d 8d ff");
    EXPECT_EQ(test->GetCodeAddress(), kPrologue + 12);
    EXPECT_EQ(test->GetTailLength(), 3);
    const TamekMachine machine = Run(10000);
    EXPECT_EQ(machine.GetRunState(), TamekMachine::Ended);
    EXPECT_EQ(machine.Variable(0), 10);
    program.Variables().Clear();
}

TEST_F(Compiler, JoinIntoCodePlacedLaterIsAimedAfterwards)
{
    CState* detector = Son(Root(), Make("Detector1", "0", 0));
    CState* buzzer = Branch(detector, Make("Buzzer", "1", 1));
    Son(buzzer, Make("Stop"));
    Join(Son(detector, Make("LinkFullV")), buzzer);
    ASSERT_TRUE(Compile());
    EXPECT_EQ(Hex(image + kPrologue + 7, 7), "05 00 7d 02 00 d6 05");
    EXPECT_EQ(buzzer->GetCodeAddress(), kPrologue + 12);
}

TEST_F(Compiler, RenamedStopKeepsItsOwnJump)
{
    CState* stop = Son(Root(), Make("Stop"));
    PrototypeByName("Stop")->SetName("End");
    EXPECT_EQ(stop->GetLabel(), "End");
    ASSERT_TRUE(Compile());
    ASSERT_EQ(length, kPrologue + 19);
    EXPECT_EQ(Tail(kPrologue + 14), "d6 04 7d fe ff");
    EXPECT_EQ(stop->GetTailLength(), 0);
    // Any other name closes the path with a jump two bytes back.
    PrototypeByName("Stop")->SetName("Halt");
    ASSERT_TRUE(Compile());
    EXPECT_EQ(Tail(kPrologue + 14), "d6 04 7d fe ff 7d fe ff");
    EXPECT_EQ(stop->GetTailLength(), 3);
}

TEST_F(Compiler, PlacementLimitAt992Bytes)
{
    // 72 + 90 x 10 + 5 x 4 = 992: the Stop block is still placed there.
    CState* last = Root();
    for (int i = 0; i < 90; ++i)
        last = Son(last, Make("Wait", "1", 1));
    for (int i = 0; i < 5; ++i)
        last = Son(last, Make("Forward", "1", 1));
    CState* stop = Son(last, Make("Stop"));
    ASSERT_TRUE(Compile());
    EXPECT_EQ(stop->GetCodeAddress(), 992);
    EXPECT_EQ(length, 1011);
    // One block more before it: the image holds 994 bytes when the Stop block comes.
    last->SetSon(nullptr);
    CState* turn = Son(last, Make("TurnLeft", "0", 0));
    Son(turn, stop);
    EXPECT_FALSE(Compile());
    EXPECT_EQ(status, CProgram::CompileStatus::CodeTooLong);
    EXPECT_EQ(program.ImageLength(), 0);
}

TEST_F(Compiler, ImageIsNeverWrittenBeyond1024Bytes)
{
    // 72 + 91 x 10 + 2 x 4 = 990 bytes, then a block with 57 bytes of code would reach 1047.
    CState* last = Root();
    for (int i = 0; i < 91; ++i)
        last = Son(last, Make("Wait", "1", 1));
    for (int i = 0; i < 2; ++i)
        last = Son(last, Make("Forward", "1", 1));
    wxString text = "1";
    for (int i = 0; i < 13; ++i)
        text += " + 1";
    CState* servo = Son(last, Make("Servo1", text));
    EXPECT_FALSE(Compile());
    EXPECT_EQ(status, CProgram::CompileStatus::CodeTooLong);
    // A block placed at 992 that ends at 1023 leaves no room for the path end's jump.
    servo->SetParameterText("5");
    servo->SetParameterValue(5);
    Son(servo, Make("Buzzer", "1+1+1+1+1+1"));
    EXPECT_FALSE(Compile());
    EXPECT_EQ(status, CProgram::CompileStatus::CodeTooLong);
    // A block whose own code exceeds its buffer is refused too.
    text = "1";
    for (int i = 0; i < 100; ++i)
        text += "+1";
    CProgram small;
    Son(small.EnsureRoot(), Make("Servo1", text));
    EXPECT_FALSE(small.Compile(image, length, &status));
    EXPECT_EQ(status, CProgram::CompileStatus::CodeTooLong);
}

TEST_F(Compiler, LongChainsAndDamagedGraphsEnd)
{
    CState* last = Root();
    for (int i = 0; i < 2000; ++i)
        last = Son(last, Make("LinkFullV"));
    CState* stop = Son(last, Make("Stop"));
    ASSERT_TRUE(Compile());
    EXPECT_EQ(stop->GetCodeAddress(), kPrologue);
    EXPECT_EQ(length, kPrologue + 19);

    // A son link back to an earlier block that is not marked as a join still becomes a jump.
    CProgram cyclic;
    CState* a = Son(cyclic.EnsureRoot(), Make("LinkFullV"));
    CState* b = Son(a, Make("LinkFullV"));
    b->SetSon(a);
    ASSERT_TRUE(cyclic.Compile(image, length, &status));
    EXPECT_EQ(Hex(image + kPrologue, length - kPrologue), "7c 01 7c fe"); // a loop without code
    b->SetSon(nullptr);

    // Two conditions whose branches lead to each other's code are each placed once.
    CProgram crossed;
    CState* first = Son(crossed.EnsureRoot(), Make("Switch1", "1", 1));
    CState* second = Son(first, Make("Switch2", "1", 1));
    first->SetBranchSon(0, second);
    second->SetBranchSon(0, first);
    ASSERT_TRUE(crossed.Compile(image, length, &status));
    EXPECT_EQ(Hex(image + kPrologue, length - kPrologue),
              "89 01 ff a4 00 0a 75 02 00 89 01 ff a4 01 0a 75 f1 ff 7d fe ff");
    first->SetBranchSon(0, nullptr);
    second->SetBranchSon(0, nullptr);

    CProgram empty;
    EXPECT_FALSE(empty.Compile(image, length, &status));
    EXPECT_EQ(status, CProgram::CompileStatus::NoRoot);
}

namespace {
struct RecordingUi : UserInterface
{
    std::vector<wxString> messages;
    int repaints = 0;
    bool AskYesNo(const wxString&, const wxString&) override { return false; }
    void ShowMessage(const wxString& message, const wxString& caption) override
    {
        messages.push_back(caption + ": " + message);
    }
    void Report(int, const wxString&) override {}
    void RequestRepaint() override { ++repaints; }
};
} // namespace

TEST_F(Compiler, RunCompilationWarnsWhenTheCodeIsTooLong)
{
    RecordingUi ui;
    InstallUserInterface(&ui);
    CState* last = Root();
    for (int i = 0; i < 3; ++i)
        last = Son(last, Make("Wait", "1", 1));
    EXPECT_TRUE(CompileForRun(program, image, length));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.repaints, 4); // one request per block placed
    for (int i = 0; i < 100; ++i)
        last = Son(last, Make("Wait", "1", 1));
    EXPECT_FALSE(CompileForRun(program, image, length));
    EXPECT_EQ(ui.messages, std::vector<wxString>{"WARNING: Code too long"});
    CProgram empty;
    EXPECT_FALSE(CompileForRun(empty, image, length));
    EXPECT_EQ(ui.messages.size(), 1u);
    InstallUserInterface(nullptr);
}
