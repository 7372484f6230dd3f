// Headless runs and their JSON report, and the disassembler's lines.
#include "BytecodeTestSupport.h"

#include "bytecode/Disassembler.h"
#include "bytecode/EmitContext.h"
#include "bytecode/HeadlessRun.h"
#include "calibration/CalibrationRecord.h"

#include <gtest/gtest.h>

using namespace bytecode_test;

namespace {

struct Headless : ::testing::Test
{
    CProgram program;
    CalibrationRecord calibration = CalibrationRecord::Defaults();
    ScopedCompileCalibration scoped{calibration};
    const unsigned char* image = nullptr;
    int length = 0;
    TamekMachine machine;

    HeadlessRunResult Run(const HeadlessRunOptions& options = HeadlessRunOptions())
    {
        EXPECT_TRUE(program.Compile(image, length));
        return RunHeadless(machine, image, length, options);
    }
    void TearDown() override { program.Variables().Clear(); }
};

} // namespace

TEST_F(Headless, WaitThenStopEndsWithTheTimerOfTheWait)
{
    Son(Son(program.EnsureRoot(), Make("Wait", "5", 5)), Make("Stop"));
    const HeadlessRunResult result = Run();
    // 24 prologue instructions, 2 + 3 x 1993 of the Wait (the timer passes 10 at the sixth tick,
    // after 6000 steps), 8 of the Stop block and the step that ends the run.
    EXPECT_TRUE(result.ended);
    EXPECT_EQ(result.steps, 6014);
    EXPECT_EQ(machine.Timer(), 12);
    EXPECT_EQ(HeadlessRunJson(machine, result, program),
              "{\"ended\":true,\"steps\":6014,\"pc\":-3,\"timer\":12,\"buzzer\":0,\"led\":0,\"servo\":[0,0],"
              "\"motor\":[0,0],\"a\":10,\"b\":2,\"variables\":{}}");
    // A faster clock ends the wait sooner: the timer, cleared at step 26, reaches 12 after step 80.
    HeadlessRunOptions fast;
    fast.stepsPerTick = 10;
    EXPECT_EQ(Run(fast).steps, 80 + 3 + 8 + 1);
}

TEST_F(Headless, StepLimitInputsAndVariables)
{
    CState* speed = Son(program.EnsureRoot(), Make("Variable", "Detector1 / 2"));
    speed->SetName("snelheid");
    program.RegisterVariable(speed);
    CState* motor = Son(speed, Make("Motor2", "snelheid"));
    CState* buzzer = Son(motor, Make("Buzzer", "Switch2"));
    Son(buzzer, Make("LedR", "1", 1));
    HeadlessRunOptions options;
    options.maxSteps = 40;
    options.rawInputs[0] = 1003; // input 2 reads 20
    options.rawInputs[1] = 0;    // switch 2 reads 1023: on
    const HeadlessRunResult result = Run(options);
    EXPECT_FALSE(result.ended);
    EXPECT_EQ(result.steps, 40);
    EXPECT_EQ(machine.Variable(0), 10);
    EXPECT_EQ(machine.GetChannel(2).lastWritten, 10);
    EXPECT_TRUE(machine.BuzzerOn());
    EXPECT_TRUE(machine.RedLedOn());
    const std::string json = HeadlessRunJson(machine, result, program);
    EXPECT_NE(json.find("\"ended\":false,\"steps\":40,"), std::string::npos) << json;
    EXPECT_NE(json.find("\"buzzer\":1,\"led\":1,\"servo\":[1,1],\"motor\":[10,0]"), std::string::npos) << json;
    EXPECT_NE(json.find("\"variables\":{\"snelheid\":10}}"), std::string::npos) << json;
    // No steps at all: started, nothing run.
    options.maxSteps = 0;
    EXPECT_EQ(Run(options).steps, 0);
    EXPECT_EQ(machine.GetRunState(), TamekMachine::Running);
}

TEST(Disassembler, LinesResolveBranchTargets)
{
    const unsigned char code[] = {0x89, 0x00, 0x0A, 0xCA, 0x00, 0x00, 0x94, 0x0A, 0x74, 0xFE, 0x6D, 0x05, 0x00,
                                  0x7D, 0xF0, 0xFF, 0xC1, 0x03, 0xFF, 0xFE, 0xDE, 0x05, 0xD6, 0x05, 0x37, 0x09,
                                  0xA4, 0x02, 0xC9, 0x08, 0xFF, 0xF6, 0xC3, 0x02, 0x2C, 0x0A, 0x7D};
    std::vector<std::string> lines;
    for (int offset = 0; offset < static_cast<int>(sizeof code);) {
        DisassembledInstruction instruction;
        offset = DisassembleInstruction(code, sizeof code, offset, instruction);
        lines.push_back(FormatInstruction(instruction));
    }
    const std::vector<std::string> expected = {
        "0000  89 00 0a                   ldi     A, #10",
        "0003  ca 00 00                   setr    timer, #0",
        "0006  94                         ldt     B, timer",
        "0007  0a                         sub     B, A",
        "0008  74 fe                      ble     -2 -> 0006",
        "000a  6d 05 00                   bge     +5 -> 0010",
        "000d  7d f0 ff                   bra     -16 -> -3 (end)",
        "0010  c1 03 ff fe                stv     var[3], #-2",
        "0014  de 05                      motor2  var[5]",
        "0016  d6 05                      out     0x05 (buzzer on)",
        "0018  37 09                      shr     B, 9",
        "001a  a4 02                      ldin    B, in[2]",
        "001c  c9 08 ff f6                setr    reg[8], #-10",
        "0020  c3 02                      stv     var[2], A",
        "0022  2c                         not     A",
        "0023  0a                         sub     B, A",
        "0024  7d 00 00                   bra     +0 -> 0025",
    };
    EXPECT_EQ(lines, expected);
}
