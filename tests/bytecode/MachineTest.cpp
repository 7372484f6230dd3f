#include "bytecode/InstructionSet.h"
#include "bytecode/TamekMachine.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// A machine loaded with code and started as the simulator starts it (GO pressed, then released).
struct Running : TamekMachine
{
    explicit Running(std::vector<unsigned char> code)
    {
        LoadImage(code.data(), static_cast<int>(code.size()));
        SetGo(true);
        MachineStep();
        SetGo(false);
        MachineStep();
    }
    void Steps(int n)
    {
        for (int i = 0; i < n; ++i)
            MachineStep();
    }
};

} // namespace

TEST(InstructionTable, EveryByteHasAKnownLength)
{
    for (int opcode = 0; opcode < 256; ++opcode) {
        const tamek::Instruction& in = tamek::kInstructions[opcode];
        EXPECT_GE(in.length, 1) << opcode;
        EXPECT_LE(in.length, tamek::kLongestInstruction) << opcode;
        EXPECT_NE(in.mnemonic, nullptr);
    }
    // The produced opcodes and their lengths.
    const std::pair<int, int> produced[] = {{0x00, 1}, {0x0A, 1}, {0x35, 2}, {0x37, 2}, {0x61, 3}, {0x64, 2}, {0x74, 2},
                                            {0x7C, 2}, {0x7D, 3}, {0x80, 2}, {0x84, 2}, {0x89, 3}, {0x8D, 3}, {0x94, 1},
                                            {0xA0, 2}, {0xA4, 2}, {0xC1, 4}, {0xC3, 2}, {0xC7, 2}, {0xC8, 3}, {0xC9, 4},
                                            {0xCA, 3}, {0xD6, 2}, {0xD8, 2}, {0xDF, 2}};
    for (auto [opcode, length] : produced)
        EXPECT_EQ(tamek::kInstructions[opcode].length, length) << std::hex << opcode;
    // Bit 5 is ignored in the branch and store classes.
    for (int opcode = 0x40; opcode < 0x60; ++opcode)
        EXPECT_EQ(tamek::kInstructions[opcode].length, tamek::kInstructions[opcode | 0x20].length);
    const unsigned char timerStore[] = {0xC9, 0x00, 0x00, 0x00};
    EXPECT_EQ(tamek::InstructionLength(timerStore), 3);
}

TEST(Machine, RunStatesFollowTheGoButton)
{
    TamekMachine m;
    const unsigned char code[] = {0xD6, 0x05};
    m.LoadImage(code, 2);
    EXPECT_FALSE(m.MachineStep());
    EXPECT_EQ(m.GetRunState(), TamekMachine::Idle);
    m.SetTimer(40);
    m.SetGo(true);
    EXPECT_FALSE(m.MachineStep());
    EXPECT_EQ(m.GetRunState(), TamekMachine::Armed);
    EXPECT_EQ(m.Timer(), 0);
    EXPECT_FALSE(m.RunLightOn());
    m.ClockTick();
    EXPECT_FALSE(m.MachineStep()); // GO still pressed: the timer stays at 0
    EXPECT_EQ(m.Timer(), 0);
    m.SetGo(false);
    EXPECT_TRUE(m.MachineStep());
    EXPECT_EQ(m.GetRunState(), TamekMachine::Running);
    EXPECT_TRUE(m.RunLightOn());
    for (int r = 1; r <= 20; ++r) {
        const bool one = r == 2 || r == 4 || r == 5 || r == 7 || r == 9 || r == 10 || r == 12 || r == 14 || r == 15 ||
                         r == 17 || r == 19 || r == 20;
        EXPECT_EQ(m.SetupRegister(r), one ? 1 : 0) << r;
    }
    EXPECT_TRUE(m.MachineStep()); // the buzzer on
    EXPECT_TRUE(m.BuzzerOn());
    EXPECT_TRUE(m.MachineStep()); // pc 2 lies outside: ended
    EXPECT_EQ(m.GetRunState(), TamekMachine::Ended);
    EXPECT_FALSE(m.MachineStep());
    EXPECT_EQ(m.GetRunState(), TamekMachine::Idle);
    EXPECT_EQ(m.Pc(), 0);
}

TEST(Machine, ResetsAndClock)
{
    Running m({0xD6, 0x05, 0xD6, 0x07, 0xDA, 0x05, 0x7C, 0xFE});
    m.Steps(3);
    EXPECT_TRUE(m.BuzzerOn());
    EXPECT_TRUE(m.RedLedOn());
    EXPECT_NE(m.GetChannel(2).lastWritten, 0);
    m.ClockTick();
    m.ClockTick();
    EXPECT_EQ(m.Timer(), 4);
    EXPECT_EQ(m.SubCount(), 9400);
    m.OutputReset();
    EXPECT_FALSE(m.BuzzerOn());
    EXPECT_FALSE(m.RedLedOn());
    EXPECT_TRUE(m.RunLightOn());
    EXPECT_EQ(m.GetChannel(2).lastWritten, 0);
    EXPECT_EQ(m.GetChannel(2).output, 0);
    m.RunReset();
    EXPECT_FALSE(m.RunLightOn());
    EXPECT_EQ(m.Timer(), 0);
    EXPECT_EQ(m.SubCount(), 0);
    EXPECT_EQ(m.Pc(), 0);
    EXPECT_EQ(m.GetRunState(), TamekMachine::Idle);
    EXPECT_EQ(m.Flags(), TamekMachine::Z);
}

TEST(Machine, BranchDisplacementsCountFromOpcodeBackwardAndFromOperandForward)
{
    // Taken forward branch with displacement 5 at address 0 continues at 6.
    Running forward({0x7C, 0x05, 0, 0, 0, 0, 0xD6, 0x05});
    forward.Steps(1);
    EXPECT_EQ(forward.Pc(), 6);
    // Taken branch with displacement -2 at address 8 continues at 6.
    std::vector<unsigned char> code(12, 0x00);
    code[0] = 0x7D, code[1] = 0x07, code[2] = 0x00; // to 1 + 7 = 8
    code[8] = 0x7C, code[9] = 0xFE;
    Running backward(code);
    backward.Steps(1);
    EXPECT_EQ(backward.Pc(), 8);
    backward.Steps(1);
    EXPECT_EQ(backward.Pc(), 6);
    // Not taken: continue after the displacement. Flags start Z, so "greater" fails.
    Running notTaken({0x69, 0x10, 0x00});
    notTaken.Steps(1);
    EXPECT_EQ(notTaken.Pc(), 3);
    // Widths 4 and 8 read their full little-endian displacement.
    Running wide({0x7E, 0x02, 0x00, 0x00, 0x00, 0, 0, 0, 0x7F, 0xF8, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    wide.Steps(1);
    EXPECT_EQ(wide.Pc(), 3);
}

TEST(Machine, ArithmeticSetsFlagsAndHandlesEdges)
{
    // A := 7; B := 0; A := A / B -> -1 and N.
    Running div({0x89, 0x00, 0x07, 0x8D, 0x00, 0x00, 0x18});
    div.Steps(3);
    EXPECT_EQ(div.A(), -1);
    EXPECT_EQ(div.Flags(), TamekMachine::N);
    // Shift by 33 shifts by 1.
    Running shift({0x89, 0x00, 0x05, 0x8D, 0x00, 0x21, 0x30, 0x35, 0x21});
    shift.Steps(3);
    EXPECT_EQ(shift.A(), 10);
    EXPECT_EQ(shift.Flags(), TamekMachine::P);
    shift.Steps(1); // A >> 33 by immediate: >> 1
    EXPECT_EQ(shift.A(), 5);
    // B := B - A compares; the logical not; truncating division of negatives.
    Running compare({0x89, 0x00, 0x0A, 0x8D, 0x00, 0x03, 0x0A, 0x2C, 0x89, 0xFF, 0xF9, 0x8D, 0x00, 0x02, 0x18});
    compare.Steps(3);
    EXPECT_EQ(compare.B(), -7);
    EXPECT_EQ(compare.Flags(), TamekMachine::N);
    compare.Steps(1);
    EXPECT_EQ(compare.A(), 0);
    EXPECT_EQ(compare.Flags(), TamekMachine::Z);
    compare.Steps(3);
    EXPECT_EQ(compare.A(), -3);
    // INT_MIN / -1 and overflowing multiplication wrap instead of failing.
    Running wrap({0x89, 0x40, 0x00, 0x11, 0xFF, 0x11, 0xFF, 0x8D, 0xFF, 0xFF, 0x10});
    wrap.SetA(0);
    wrap.Steps(4);
    Running minDiv({0x18});
    minDiv.SetA(INT32_MIN);
    minDiv.SetB(-1);
    minDiv.Steps(1);
    EXPECT_EQ(minDiv.A(), INT32_MIN);
    // Loads, stores and outputs leave the flags alone.
    Running keep({0x01, 0x01, 0x89, 0x00, 0x00, 0xC3, 0x05});
    keep.Steps(3);
    EXPECT_EQ(keep.Flags(), TamekMachine::P);
    EXPECT_EQ(keep.Variable(5), 0);
}

TEST(Machine, LoadsAndStoresStayInsideTheVariables)
{
    Running m(
        {0xC1, 0x05, 0x12, 0x34, 0x80, 0x05, 0x84, 0xFF, 0xC1, 0xFF, 0x00, 0x07, 0x81, 0x01, 0x00, 0xC0, 0x06, 0x80});
    m.SetB(99);
    m.Steps(2);
    EXPECT_EQ(m.Variable(5), 0x1234);
    EXPECT_EQ(m.A(), 0x1234);
    m.Steps(1); // index 0xFF (a missing variable) reads 0
    EXPECT_EQ(m.B(), 0);
    m.Steps(1); // a store takes the index's low seven bits
    EXPECT_EQ(m.Variable(127), 7);
    m.Steps(1); // a 16-bit index beyond 127 reads 0
    EXPECT_EQ(m.A(), 0);
    m.Steps(1); // one byte, sign-extended
    EXPECT_EQ(m.Variable(6), -128);
}

TEST(Machine, WideConstantsLoadInTwoParts)
{
    // The emitters' form for values beyond 16 bits: A := v >> 8; A <<= 8; A += low byte.
    for (int value : {40000, 65536, -40000, -65535}) {
        const int high = value >> 8;
        Running m({0x89, static_cast<unsigned char>((high >> 8) & 0xFF), static_cast<unsigned char>(high & 0xFF), 0x31,
                   0x08, 0x01, static_cast<unsigned char>(value & 0xFF), 0xC3, 0x09});
        m.Steps(4);
        EXPECT_EQ(m.Variable(9), value);
    }
}

TEST(Machine, InputsReadAsTheirPortInverted)
{
    Running m({0xA0, 0x00, 0xA4, 0x03, 0xA0, 0x05, 0xA0, 0x06});
    m.SetRawInput(1, 1000);
    m.SetRawInput(2, 23);
    m.SetRawInput(3, 0);
    m.Steps(1);
    EXPECT_EQ(m.A(), 23);
    m.Steps(1);
    EXPECT_EQ(m.B(), 1000);
    m.Steps(1);
    EXPECT_EQ(m.A(), 1023);
    m.Steps(1); // input 6 loads nothing
    EXPECT_EQ(m.A(), 1023);
}

TEST(Machine, TimerStoreAndOutputs)
{
    Running m({0xCA, 0x00, 0x00, 0x94, 0xC9, 0x03, 0xFF, 0xF6, 0xD6, 0x07, 0xD6, 0x06, 0xD6, 0x00});
    m.SetTimer(50);
    m.ClockTick();
    m.Steps(1);
    EXPECT_EQ(m.Timer(), 0);
    EXPECT_EQ(m.SubCount(), 0);
    m.ClockTick();
    m.Steps(1);
    EXPECT_EQ(m.B(), 2);
    m.Steps(1);
    EXPECT_EQ(m.SetupRegister(3), -10);
    m.Steps(1);
    EXPECT_TRUE(m.RedLedOn());
    m.Steps(1);
    EXPECT_FALSE(m.RedLedOn());
    const int before = m.Outputs();
    m.Steps(1); // code 0 names no bit
    EXPECT_EQ(m.Outputs(), before);
}

TEST(Machine, ServoMapping)
{
    // Servo 0: output 16..108 for input -60..60, mapping on.
    Running m({0xD8, 0x00, 0xD8, 0x3C, 0xD8, 0x7F, 0xD8, 0x7F, 0xD8, 0xE2});
    m.SetSetupRegister(1, 16);
    m.SetSetupRegister(2, 108);
    m.SetSetupRegister(3, -60);
    m.SetSetupRegister(4, 60);
    m.SetSetupRegister(5, 1);
    m.Steps(1); // 0 equals the last-written value after the reset: nothing happens
    EXPECT_EQ(m.GetChannel(0).output, 0);
    m.Steps(1);
    EXPECT_EQ(m.GetChannel(0).output, 108);
    m.Steps(1); // 127 clamps to 60
    EXPECT_EQ(m.GetChannel(0).lastWritten, 127);
    EXPECT_EQ(m.GetChannel(0).output, 108);
    m.SetSetupRegister(3, 60); // input low == input high: the clamped value passes through
    m.Steps(1);                // same value: nothing
    EXPECT_EQ(m.GetChannel(0).output, 108);
    m.Steps(1); // -30 clamps to 60
    EXPECT_EQ(m.GetChannel(0).output, 60);
    // Mapping switch off: the clamped value itself; any non-zero switch (-1 for reversed) maps.
    Running r({0xD9, 0x0A, 0xD9, 0x14});
    r.SetSetupRegister(6, 16);
    r.SetSetupRegister(7, 108);
    r.SetSetupRegister(8, -60);
    r.SetSetupRegister(9, 60);
    r.SetSetupRegister(10, 0);
    r.Steps(1);
    EXPECT_EQ(r.GetChannel(1).output, 10);
    r.SetSetupRegister(10, -1);
    r.Steps(1);
    EXPECT_EQ(r.GetChannel(1).output, (108 - 16) * (20 + 60) / 120 + 16);
}

TEST(Machine, MotorMapping)
{
    // Motor channel 2: output 24..49 for speeds 0..10.
    Running m({0xDA, 0x05, 0xDA, 0x83, 0xDA, 0x00, 0xDB, 0x05});
    m.SetSetupRegister(11, 24);
    m.SetSetupRegister(12, 49);
    m.SetSetupRegister(13, 0);
    m.SetSetupRegister(14, 10);
    m.SetSetupRegister(15, 0);
    m.Steps(1);
    EXPECT_EQ(m.GetChannel(2).output, 24 + 25 * 5 / 10);
    EXPECT_EQ(m.GetChannel(2).direction, TamekMachine::Forward);
    m.Steps(1); // -125: magnitude clamped to 10, full speed
    EXPECT_EQ(m.GetChannel(2).lastWritten, -125);
    EXPECT_EQ(m.GetChannel(2).output, 49);
    EXPECT_EQ(m.GetChannel(2).direction, TamekMachine::Backward);
    m.Steps(1);
    EXPECT_EQ(m.GetChannel(2).output, 0);
    EXPECT_EQ(m.GetChannel(2).direction, TamekMachine::None);
    // Motor channel 3 with input low == input high: output low, no division.
    m.SetSetupRegister(16, 30);
    m.SetSetupRegister(17, 49);
    m.SetSetupRegister(18, 10);
    m.SetSetupRegister(19, 10);
    m.SetSetupRegister(20, 1);
    m.Steps(1);
    EXPECT_EQ(m.GetChannel(3).output, 30);
    EXPECT_EQ(m.GetChannel(3).direction, TamekMachine::Backward); // reversed
}

TEST(Machine, ActuatorSourcesAndRunSteps)
{
    Running m({0xC1, 0x07, 0x00, 0x2A, 0xDC, 0x07, 0xDD, 0x01, 0x7C, 0xFE});
    m.SetB(-5);
    for (int r = 1; r <= 10; ++r)
        m.SetSetupRegister(r, 0);
    m.SetSetupRegister(4, 100);
    m.SetSetupRegister(9, 100);
    m.SetSetupRegister(8, -100);
    EXPECT_EQ(m.RunSteps(3), 3);
    EXPECT_EQ(m.GetChannel(0).lastWritten, 42);
    EXPECT_EQ(m.GetChannel(1).lastWritten, -5);
    EXPECT_EQ(m.RunSteps(1000), 1000); // the last jump repeats the servo write for ever
    EXPECT_EQ(m.GetRunState(), TamekMachine::Running);

    Running end({0x7D, 0xFD, 0xFF});
    EXPECT_EQ(end.RunSteps(100), 2);
    EXPECT_EQ(end.Pc(), -3);
    EXPECT_EQ(end.GetRunState(), TamekMachine::Ended);
}

TEST(Machine, RandomImagesNeverMisbehave)
{
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        std::vector<unsigned char> code(1 + random() % 1024);
        for (unsigned char& byte : code)
            byte = static_cast<unsigned char>(random());
        Running m(code);
        for (int port = 1; port <= 3; ++port)
            m.SetRawInput(port, static_cast<int>(random() % 2048) - 512);
        for (int r = 1; r <= 20; ++r)
            m.SetSetupRegister(r, static_cast<int32_t>(random()));
        for (int i = 0; i < 2000 && m.GetRunState() == TamekMachine::Running; ++i) {
            m.MachineStep();
            if (i % 100 == 0)
                m.ClockTick();
        }
    }
    SUCCEED();
}
