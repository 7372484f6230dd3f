// The byte-code machine: the instruction table, the GO button's run states, every case of
// tests/data/machine.txt, and random images that must never misbehave.
//
//   == Name                a case
//   image HEX...           the image loaded and started as the simulator starts it (GO pressed, released)
//   set K=V ...            A, B, timer, rN (setup register N), inN (raw value of input port N)
//   step N / tick N        N machine steps / clock ticks; "runsteps N M": RunSteps(N) ran M steps
//   outputreset / runreset
//   expect K=V ...         A, B, pc, flags (Z, P or N), timer, sub, state, buzzer, led, light, varN, rN,
//                          chN.out, chN.last, chN.dir (none, forward, backward)

#include "bytecode/InstructionSet.h"
#include "bytecode/TamekMachine.h"

#include "support/CaseFile.h"

#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace {

struct Running : TamekMachine
{
    explicit Running(const std::vector<unsigned char>& code)
    {
        LoadImage(code.data(), static_cast<int>(code.size()));
        SetGo(true);
        MachineStep();
        SetGo(false);
        MachineStep();
    }
};

std::string Get(const TamekMachine& m, const std::string& key)
{
    static const char* const kDirections[] = {"none", "forward", "backward"};
    const auto number = [&key](size_t from) { return std::stoi(key.substr(from)); };
    if (key == "flags")
        return m.Flags() == TamekMachine::Z ? "Z" : m.Flags() == TamekMachine::P ? "P" : "N";
    if (key == "state")
        return RunStateName(m.GetRunState());
    if (key.rfind("ch", 0) == 0) {
        const TamekMachine::Channel& channel = m.GetChannel(number(2));
        const std::string part = key.substr(4);
        return part == "dir" ? kDirections[channel.direction]
                             : std::to_string(part == "out" ? channel.output : channel.lastWritten);
    }
    const int value = key == "A"                 ? m.A()
                      : key == "B"               ? m.B()
                      : key == "pc"              ? m.Pc()
                      : key == "timer"           ? m.Timer()
                      : key == "sub"             ? m.SubCount()
                      : key == "buzzer"          ? m.BuzzerOn()
                      : key == "led"             ? m.RedLedOn()
                      : key == "light"           ? m.RunLightOn()
                      : key.rfind("var", 0) == 0 ? m.Variable(number(3))
                                                 : m.SetupRegister(number(1));
    return std::to_string(value);
}

void Set(TamekMachine& m, const std::string& key, int value)
{
    if (key == "A")
        m.SetA(value);
    else if (key == "B")
        m.SetB(value);
    else if (key == "timer")
        m.SetTimer(value);
    else if (key.rfind("in", 0) == 0)
        m.SetRawInput(std::stoi(key.substr(2)), value);
    else
        m.SetSetupRegister(std::stoi(key.substr(1)), value);
}

struct MachineScript : ::testing::TestWithParam<testing_support::CaseScript>
{
};

} // namespace

TEST_P(MachineScript, Runs)
{
    std::unique_ptr<Running> m;
    for (const std::string& line : GetParam().lines) {
        if (testing_support::Silent(line))
            continue;
        SCOPED_TRACE(line);
        std::istringstream words(line);
        std::string command, word;
        words >> command;
        if (command == "image") {
            std::vector<unsigned char> code;
            while (words >> word)
                code.push_back(static_cast<unsigned char>(std::stoi(word, nullptr, 16)));
            m = std::make_unique<Running>(code);
        } else if (command == "step" || command == "tick") {
            int n;
            words >> n;
            for (int i = 0; i < n; ++i)
                command == "step" ? (void)m->MachineStep() : m->ClockTick();
        } else if (command == "runsteps") {
            long n, ran;
            words >> n >> ran;
            EXPECT_EQ(m->RunSteps(n), ran);
        } else if (command == "outputreset" || command == "runreset") {
            command == "runreset" ? m->RunReset() : m->OutputReset();
        } else {
            while (words >> word) {
                const size_t equals = word.find('=');
                if (command == "set")
                    Set(*m, word.substr(0, equals), std::stoi(word.substr(equals + 1)));
                else
                    EXPECT_EQ(Get(*m, word.substr(0, equals)), word.substr(equals + 1)) << word;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MachineScript, ::testing::ValuesIn(testing_support::LoadCases("machine.txt")),
                         testing_support::CaseName);

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
    const int ones[] = {2, 4, 5, 7, 9, 10, 12, 14, 15, 17, 19, 20};
    for (int r = 1; r <= 20; ++r)
        EXPECT_EQ(m.SetupRegister(r), std::count(std::begin(ones), std::end(ones), r)) << r;
    EXPECT_TRUE(m.MachineStep()); // the buzzer on
    EXPECT_TRUE(m.BuzzerOn());
    EXPECT_TRUE(m.MachineStep()); // pc 2 lies outside: ended
    EXPECT_EQ(m.GetRunState(), TamekMachine::Ended);
    EXPECT_FALSE(m.MachineStep());
    EXPECT_EQ(m.GetRunState(), TamekMachine::Idle);
    EXPECT_EQ(m.Pc(), 0);
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
}
