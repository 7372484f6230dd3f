// The command set against the headless virtual robot: report layouts, answers, upload and a
// golden project that must end on the robot as tamekc run ends it.
#include "support/ProjectText.h"
#include "support/RunTamekc.h"
#include "support/VirtualRobotProcess.h"

#include "robot/ProgramUpload.h"
#include "robot/RobotInputPoll.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {
struct Protocol : ::testing::Test
{
    VirtualRobotProcess robot;
    std::unique_ptr<RobotLink> link = robot.MakeLink();
    void SetUp() override
    {
        link->Open();
        ASSERT_TRUE(link->IsConnected());
        ASSERT_TRUE(link->IsVirtual());
    }
};

std::string Hex(const std::vector<unsigned char>& bytes)
{
    std::string text;
    for (unsigned char byte : bytes)
        text += "0123456789abcdef"[byte >> 4], text += "0123456789abcdef"[byte & 15];
    return text;
}
} // namespace

TEST_F(Protocol, EveryRequestHasItsLayout)
{
    const unsigned char six[] = {1, 2, 3, 4, 5, 6};
    int value = 0;
    RobotInputs inputs;
    const std::vector<std::pair<std::function<bool()>, std::string>> cases = {
        {[&] { return link->SendProgram(300, six, 6); }, "81 2c 01 02 03 04 05 06"},
        {[&] { return link->SendProgram(8191, six, 2); }, "9f ff 01 02 00 00 00 00"},
        {[&] { return link->SetActuator(RobotRegister::Motor1, 40, true); }, "65 86 28 00 01 00 00 00"},
        {[&] { return link->SetActuator(RobotRegister::Servo1, 0x1234, false); }, "65 83 34 12 00 00 00 00"},
        {[&] { return link->EndUpload(false); }, "a0 00 00 00 00 00 00 00"},
        {[&] { return link->Restart(); }, "66 00 00 00 00 00 00 00"},
        {[&] { return link->Stop(); }, "67 00 00 00 00 00 00 00"},
        {[&] { return link->Run(); }, "69 00 00 00 00 00 00 00"},
        {[&] { return link->Step(value); }, "68 00 00 00 00 00 00 00"},
        {[&] { return link->ReadInputs(inputs); }, "37 00 00 00 00 00 00 00"},
        {[&] { return link->ReadProgramCounter(value); }, "38 00 00 00 00 00 00 00"},
        {[&] { return link->ReadRegister(RobotRegister::LedR, value); }, "39 82 00 00 00 00 00 00"},
        {[&] { return link->EndUpload(true); }, "b0 00 00 00 00 00 00 00"},
    };
    for (const auto& [send, expected] : cases) {
        EXPECT_TRUE(send()) << expected;
        EXPECT_EQ(robot.Field("lastRequest"), "\"" + expected + "\"");
    }
}

TEST_F(Protocol, RegistersInputsAndSensorRows)
{
    // SetActuator and ReadRegister meet in the same registers; -2 travels as 0xFF 0xFE.
    int value = 0;
    ASSERT_TRUE(link->SetActuator(5, 2, true));
    ASSERT_TRUE(link->ReadRegister(5, value));
    EXPECT_EQ(value, -2);
    ASSERT_TRUE(link->SetActuator(RobotRegister::Motor1, 40, true));
    ASSERT_TRUE(link->SetActuator(RobotRegister::LedR, 1, false));
    EXPECT_EQ(robot.Field("motor"), "[0,-40]");
    EXPECT_EQ(robot.Field("led"), "1");
    ASSERT_TRUE(link->ReadRegister(RobotRegisterOfKind("Motor1"), value));
    EXPECT_EQ(value, -40);
    EXPECT_EQ(RobotRegisterOfKind("Motor2"), 133);
    EXPECT_EQ(RobotRegisterOfKind("Forward"), -1);
    ASSERT_TRUE(link->SwitchOffOutputs(true));
    EXPECT_EQ(robot.Field("motor") + robot.Field("led") + robot.Field("lastRequest"),
              "[0,0]0\"65 86 00 00 00 00 00 00\"");

    struct Case
    {
        const char* command;
        std::array<int, kSensorRows> rows;
    };
    const Case cases[] = {{"input 1 100", {1, 0, 0, 923, 0}},
                          {"input 1 700", {0, 0, 0, 323, 0}},
                          {"switch 2 on", {0, 1, 0, 323, 1023}},
                          {"switch 3 on", {0, 1, 1, 323, 1023}},
                          {"detector 2 40", {0, 0, 1, 323, 40}}};
    for (const Case& c : cases) {
        ASSERT_EQ(robot.Command(c.command), "ok");
        RobotInputs inputs;
        ASSERT_TRUE(link->ReadInputs(inputs));
        EXPECT_EQ(SensorRowValues(inputs), c.rows) << c.command;
    }
    // The no-flicker comparison: detector rows in their low 10 bits, text that is no number differs.
    EXPECT_FALSE(SensorRowChanged(3, SensorRowText(323), 323));
    EXPECT_FALSE(SensorRowChanged(3, " 1347", 323));
    EXPECT_TRUE(SensorRowChanged(0, " 1025", 1));
    EXPECT_TRUE(SensorRowChanged(1, "-", 0));
    EXPECT_EQ(SensorRowText(7), "   7");
}

TEST_F(Protocol, UploadSendsSixBytesAReportAndNothingForAStartBlockAlone)
{
    std::vector<unsigned char> image(13);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<unsigned char>(0x10 + i);
    EXPECT_EQ(UploadProgram(*link, image.data(), 2, 0), UploadResult::NothingToSend);
    EXPECT_EQ(UploadProgram(*link, image.data(), 12, 10), UploadResult::NothingToSend);
    EXPECT_EQ(robot.Field("requests"), "0");

    std::vector<int> progress;
    const auto record = [&](int sent, int total) {
        progress.push_back(sent * 100 + total);
        return true;
    };
    ASSERT_EQ(UploadProgram(*link, image.data(), 13, 10, record, 0), UploadResult::Done);
    EXPECT_EQ(progress, (std::vector<int>{103, 203, 303, 303}));
    EXPECT_EQ(robot.Field("programReports"), "3");
    EXPECT_EQ(robot.Field("program"), "\"" + Hex(image) + "\"");
    // A cancelled upload sends no end: the robot keeps its program.
    EXPECT_EQ(UploadProgram(
                  *link, image.data(), 8, 0, [](int sent, int) { return sent < 1; }, 0),
              UploadResult::Cancelled);
    EXPECT_EQ(robot.Field("programLength"), "13");
}

TEST_F(Protocol, RunStepRestartAndStop)
{
    // Start, then a Wait(10) loop and Stop: Step starts it held at 0 and executes one instruction each.
    const std::string path = std::string(TAMEK_TEST_DATA) + "/worked_example.tamek";
    setenv("XDG_RUNTIME_DIR", robot.RuntimeDir().c_str(), 1);
    ASSERT_EQ(Tamekc("upload '" + path + "'").status, 0);
    int pc = -1;
    ASSERT_TRUE(link->Step(pc));
    EXPECT_EQ(pc, 0);
    ASSERT_TRUE(link->Step(pc));
    EXPECT_GT(pc, 0);
    int again = -1;
    ASSERT_TRUE(link->ReadProgramCounter(again));
    EXPECT_EQ(again, pc);
    EXPECT_EQ(robot.Field("held"), "true");
    ASSERT_TRUE(link->Run());
    EXPECT_TRUE(robot.WaitForField("runState", "\"ended\"", 5000));
    ASSERT_TRUE(link->Step(pc)); // Step starts a finished program again, held at its start
    EXPECT_EQ(pc, 0);
    ASSERT_TRUE(link->Stop());
    ASSERT_EQ(robot.Command("go"), "ok"); // and so does GO
    EXPECT_EQ(robot.Field("runState"), "\"running\"");
    ASSERT_TRUE(link->Stop() && link->Run() && link->Restart());
    EXPECT_EQ(robot.Field("runState"), "\"running\"");
    ASSERT_TRUE(link->Stop());
    EXPECT_EQ(robot.Field("runState"), "\"idle\"");
    ASSERT_TRUE(link->ReadProgramCounter(pc));
    EXPECT_EQ(pc, 0);
}

TEST_F(Protocol, GoldenProjectsEndAsTamekcRunEndsThem)
{
    setenv("XDG_RUNTIME_DIR", robot.RuntimeDir().c_str(), 1);
    for (const char* name : {"loops.tamek", "worked_example.tamek"}) {
        const std::string path = std::string(TAMEK_TEST_DATA) + "/" + name;
        const TamekcResult upload = Tamekc("upload '" + path + "'");
        ASSERT_EQ(upload.status, 0) << upload.err;
        std::string image = Tamekc("compile '" + path + "'").out;
        image.erase(std::remove_if(image.begin(), image.end(), ::isspace), image.end());
        EXPECT_EQ(robot.Field("program"), "\"" + image + "\"");
        ASSERT_EQ(robot.Command("go"), "ok");
        ASSERT_TRUE(robot.WaitForField("runState", "\"ended\"", 10000)) << name;

        // The machine's fields are the same text; the variables are compared by name.
        const std::string expected = Tamekc("run '" + path + "'").out, state = robot.State();
        const size_t fieldsEnd = expected.find(",\"variables\":");
        EXPECT_EQ(state.substr(0, fieldsEnd), expected.substr(0, fieldsEnd)) << name;
        CProgram program;
        ASSERT_TRUE(ReadString(program, DataFile(name)));
        std::string variables;
        for (const CState* variable : program.Variables()) {
            int value = 0;
            ASSERT_TRUE(link->ReadRegister(variable->GetVariableIndex(), value));
            variables += (variables.empty() ? "" : ",") + std::string("\"") +
                         std::string(variable->ResolvedName().utf8_str()) + "\":" + std::to_string(value);
        }
        EXPECT_EQ(expected.substr(fieldsEnd), ",\"variables\":{" + variables + "}}\n") << name;
    }
}
