// Recording the robot's polled inputs into a scenario and playing a scenario's inputs back; and a
// recording made on the virtual robot, replayed through the runner, taking the program along the
// same path to the same end as on the robot.
#include "support/ProjectText.h"
#include "support/RunTamekc.h"
#include "support/VirtualRobotProcess.h"

#include "bytecode/ProgramCompiler.h"
#include "scenario/InputRecorder.h"
#include "scenario/ScenarioParser.h"
#include "scenario/ScenarioPlayer.h"
#include "scenario/ScenarioRunner.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace testing_support;

namespace {

TEST(RecordAndPlay, RecordsChangesOnlyByTheNamesPupilsSeeAndPlaysThemBack)
{
    InputRecorder recorder("Opname");
    const struct
    {
        long timeMs;
        int a, b, c;
    } polls[] = {
        {0, 1023, 1023, 1023},  // released, as a run starts: nothing to write
        {100, 0, 1023, 1023},   // switch 1 pressed
        {200, 300, 1023, 700},  // port 1 reads 300: sensor 1 sees 723; port 3 still released for a program
        {300, 1023, 2000, 400}, // switch 1 released; port 2 beyond its ten bits; switch 3 pressed
        {250, 1023, 1023, 450}, // a poll out of time counts at the last time; port 3 still pressed
        {1000, 1023, 5, 1023},  // sensor 2 sees 1018; switch 3 released
    };
    for (const auto& poll : polls)
        recorder.AddPoll(poll.timeMs, poll.a, poll.b, poll.c);
    const std::string text = recorder.Text();
    EXPECT_EQ(text, "# Opgenomen met Tamek: de invoer van de robot, zonder verwachtingen.\n"
                    "naam: Opname\nduur: 1\n"
                    "op 0.1 Schakelaar1 ingedrukt\nop 0.2 Sensor1 = 723\nop 0.3 Schakelaar1 losgelaten\n"
                    "op 0.3 Schakelaar3 ingedrukt\nop 1 Sensor2 = 1018\nop 1 Schakelaar3 losgelaten\n");

    // The file reads back, and its player sets the raw values the robot reported, each at its time.
    Scenario scenario;
    ScenarioError error;
    ASSERT_TRUE(ParseScenario(wxString::FromUTF8(text), scenario, error)) << error.message;
    ScenarioPlayer player(scenario);
    const auto raws = [](const std::vector<RawInputChange>& changes) {
        std::string list;
        for (const RawInputChange& change : changes)
            list += std::to_string(change.port) + "=" + std::to_string(change.raw) + " ";
        return list;
    };
    EXPECT_EQ(raws(player.Advance(99)), "");
    EXPECT_EQ(player.NextTimeMs(), 100);
    EXPECT_EQ(raws(player.Advance(250)), "1=0 1=300 ");
    EXPECT_EQ(raws(player.Advance(5000)), "1=1023 3=0 2=5 3=1023 ");
    EXPECT_EQ(player.NextTimeMs(), -1);
    player.Rewind();
    EXPECT_EQ(raws(player.Advance(100)), "1=0 ");
}

// The virtual robot runs teller.tamek while the test presses its switch and sets its sensor at
// chosen moments, polling its inputs every 100 ms as manual mode does; the runner then replays the
// recording.
TEST(RecordAndPlay, ARecordingOnTheVirtualRobotReplaysToTheSameEnd)
{
    VirtualRobotProcess robot;
    std::unique_ptr<RobotLink> link = robot.MakeLink();
    link->Open();
    ASSERT_TRUE(link->IsConnected());
    const std::string project = std::string(TAMEK_TEST_DATA) + "/robot_scenarios/teller.tamek";
    setenv("XDG_RUNTIME_DIR", robot.RuntimeDir().c_str(), 1);
    ASSERT_EQ(Tamekc("upload '" + project + "'").status, 0);

    const struct
    {
        long atMs;
        const char* command;
    } inputs[] = {{200, "detector 2 400"}, {500, "switch 1 on"},  {900, "switch 1 off"}, {1400, "switch 1 on"},
                  {1800, "switch 1 off"},  {2300, "switch 1 on"}, {2700, "switch 1 off"}};
    InputRecorder recorder("Opname");
    ASSERT_EQ(robot.Command("go"), "ok");
    const auto start = std::chrono::steady_clock::now();
    const auto elapsedMs = [&] {
        return static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
    };
    size_t next = 0;
    long endedAtMs = -1;
    for (long pollMs = 0; elapsedMs() < 10000 && (endedAtMs < 0 || pollMs < endedAtMs + 500); pollMs += 100) {
        for (; next < std::size(inputs) && inputs[next].atMs <= pollMs; ++next)
            ASSERT_EQ(robot.Command(inputs[next].command), "ok");
        RobotInputs polled;
        ASSERT_TRUE(link->ReadInputs(polled));
        recorder.AddPoll(elapsedMs(), polled.a, polled.b, polled.c);
        if (endedAtMs < 0 && robot.Field("runState") == "\"ended\"")
            endedAtMs = pollMs;
        std::this_thread::sleep_until(start + std::chrono::milliseconds(pollMs + 100));
    }
    ASSERT_GE(endedAtMs, 0) << "the robot's program did not end";

    CProgram program;
    ASSERT_TRUE(ReadString(program, DataFile("robot_scenarios/teller.tamek")));
    const unsigned char* image = nullptr;
    int length = 0;
    ASSERT_TRUE(CompileProgram(program, CalibrationRecord::Defaults(), image, length));
    ScenarioRunner runner(program, image, length);
    ASSERT_TRUE(runner.Run(recorder.Recording()).passed);
    const TamekMachine& replayed = runner.Machine();
    const std::string ended = replayed.GetRunState() == TamekMachine::Ended ? "true" : "false";
    EXPECT_EQ(ended, "true") << recorder.Text();
    EXPECT_EQ(robot.Field("ended"), ended);
    EXPECT_EQ(robot.Field("pc"), std::to_string(replayed.Pc()));
    EXPECT_EQ(robot.Field("led") + robot.Field("buzzer"),
              std::to_string(replayed.RedLedOn()) + std::to_string(replayed.BuzzerOn()));
    const std::string variables = robot.Field("variables");
    EXPECT_EQ(variables.substr(0, variables.find(",0,")), "[3,100");
    EXPECT_EQ("[" + std::to_string(replayed.Variable(0)) + "," + std::to_string(replayed.Variable(1)), "[3,100");
    EXPECT_EQ(robot.Field("motor"), "[0,0]"); // the Stop block stopped motor 1
    EXPECT_EQ(replayed.GetChannel(3).lastWritten, 0);
}

} // namespace
