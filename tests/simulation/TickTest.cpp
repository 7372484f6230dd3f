// The simulator's tick and clock with the time driven by the test: the highlight walk, waits,
// pausing, the inputs at the start of a virtual run, and standalone mode watching the robot. (A
// program that never ends is a golden run; the names list's values are shown in the window's tests.)

#include "bytecode/ProgramCompiler.h"
#include "model/CProgram.h"
#include "robot/ProgramUpload.h"
#include "robot/RobotLink.h"
#include "support/RunDriver.h"
#include "support/VirtualRobotProcess.h"

#include <gtest/gtest.h>

using namespace testing_support;
using Strings = std::vector<std::string>;

TEST(Tick, StartWaitStopMovesTheHighlightThenWaitsThenEnds)
{
    CProgram program;
    RunDriver run(program, "worked_example.tamek"); // Start, Wait 10, Stop
    run.control.Start();
    // 200: the first tick only moves the highlight. 400: the wait starts (timer 0); the clock adds 2
    // every 100 ms, and the tick after the timer passed 20 moves on to Stop; Stop runs to its jump
    // out of the image at 1800, the machine ends at 2000, and at 2200 the false step sends Stop.
    run.Advance(1500);
    EXPECT_EQ(run.Machine().Timer(), 22);
    EXPECT_TRUE(run.RunToEnd(10000));
    EXPECT_EQ(run.highlights, (Strings{"200:Wait", "1600:Stop", "2200:-"}));
    EXPECT_EQ(run.endedAt, 2200);
}

TEST(Tick, PausingFreezesSimulatedTimeAndContinuingResumesTheWait)
{
    CProgram program;
    RunDriver run(program, "worked_example.tamek");
    run.control.Start();
    run.Advance(800);
    run.control.Pause();
    const int timer = run.Machine().Timer();
    run.Advance(3000);
    EXPECT_EQ(run.Machine().Timer(), timer);
    run.control.Start(); // continue
    EXPECT_TRUE(run.RunToEnd(10000));
    EXPECT_EQ(run.highlights, (Strings{"200:Wait", "4600:Stop", "5200:-"}));
}

TEST(Tick, EveryInputReadsZeroAtTheStartOfAVirtualRunUntilAValueIsEntered)
{
    CProgram program;
    RunDriver run(program, "simulation/switch_led_or_buzzer.tamek"); // Switch1: LedR on, else Buzzer on
    run.control.Start();
    for (int port = 1; port <= 3; ++port)
        run.control.Run()->SetRawInput(port, 0); // left over from this run for the next
    run.control.StopRun();
    run.highlights.clear();

    run.control.Start();
    for (int input = 0; input < 6; ++input)
        EXPECT_EQ(run.Machine().Input(input), 0) << input;
    EXPECT_EQ(run.sensorResets, 2);
    ASSERT_TRUE(run.RunToEnd(10000));
    // The else path, walked piece by piece: the branch's link piece, Buzzer, two pieces to Stop.
    EXPECT_EQ(run.highlights,
              (Strings{"200:Switch1", "600:Link", "800:Buzzer", "1200:Link", "1400:Link", "1600:Stop", "2200:-"}));
}

TEST(Tick, StandaloneModeFollowsTheRobotsProgramCounterAndRegisters)
{
    CProgram program;
    RunDriver run(program, "simulation/motor_forever.tamek"); // Start, Motor1 7, repeated for ever
    VirtualRobotProcess robot;
    std::unique_ptr<RobotLink> link = robot.MakeLink();
    run.link = link.get();
    run.control.ChooseMode(SimulationRun::Standalone);
    link->Open();
    const unsigned char* image = nullptr;
    int length = 0;
    ASSERT_TRUE(CompileProgram(program, run.calibration, image, length));
    EXPECT_EQ(UploadProgram(*link, image, length, program.GetRoot()->GetCodeLength()), UploadResult::Done);
    run.control.Start(); // Run and Restart: the robot runs the program by itself
    ASSERT_TRUE(robot.WaitForField("motor", "[0,7]", 2000)) << robot.State();
    run.Advance(400);
    EXPECT_EQ(run.Highlighted(), "Motor1");
    EXPECT_EQ(run.Machine().GetChannel(3).lastWritten, 7); // read from the robot
    EXPECT_EQ(run.Machine().Timer(), 0);                   // the clock runs on the robot only
    run.control.StopRun();                                 // tells the robot to stop
    EXPECT_TRUE(robot.WaitForField("runState", "\"idle\"", 2000));
}
