// Run control: which commands each state enables, what opens a run and what does not, Step from no
// run, the mode choice with its question, and the ways a run ends before an edit.

#include "model/CProgram.h"
#include "support/RunDriver.h"
#include "support/ScriptedUserInterface.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {
constexpr long kRunGroups = RunGroups::Start | RunGroups::Pause | RunGroups::Stop | RunGroups::Step;
constexpr long Start = RunGroups::Start, Pause = RunGroups::Pause, Stop = RunGroups::Stop, Step = RunGroups::Step;
} // namespace

TEST(RunControl, EachCommandLeavesTheRunCommandsOfItsState)
{
    CProgram program;
    RunDriver run(program, "worked_example.tamek");
    run.enabled = Start; // a program is shown, Step not yet enabled
    const struct
    {
        const char* command;
        void (RunControl::*act)();
        long enabled;
        bool running;
    } steps[] = {
        {"start", &RunControl::Start, Pause | Stop, true},
        {"pause", &RunControl::Pause, Start | Stop | Step, false},
        {"continue", &RunControl::Start, Pause | Stop, true},
        {"step while running", &RunControl::Step, Pause | Stop, false},
        {"stop", &RunControl::StopRun, Start | Step, false},
        {"step from no run", &RunControl::Step, Start | Stop | Step, false},
        {"continue a stepped run", &RunControl::Start, Pause | Stop, true},
    };
    for (const auto& step : steps) {
        (run.control.*step.act)();
        EXPECT_EQ(run.enabled & kRunGroups, step.enabled) << step.command;
        EXPECT_EQ(run.control.Run() && run.control.Run()->IsRunning(), step.running) << step.command;
    }
}

TEST(RunControl, NothingOpensForAStartBlockAloneOrACodeTooLong)
{
    ScriptedUserInterface ui; // the compiler's "Code too long" goes here
    for (const char* project : {"", "compile/limit_993.tamek"}) {
        CProgram program;
        RunDriver run(program, project);
        run.enabled = Start | Step;
        CState* highlighted = program.GetRoot();
        SetCurrentBlock(highlighted);
        run.control.Start();
        run.control.Step();
        EXPECT_FALSE(run.control.IsRunActive()) << project;
        EXPECT_EQ(run.enabled, Start | Step) << project;
        EXPECT_EQ(GetCurrentBlock(), highlighted) << project;
    }
}

TEST(RunControl, StepFromNoRunRunsThePrologueThenMovesTheHighlightWithoutExecuting)
{
    CProgram program;
    RunDriver run(program, "worked_example.tamek");
    run.control.Step();
    ASSERT_TRUE(run.control.IsRunActive());
    EXPECT_TRUE(run.Machine().RunLightOn());
    EXPECT_EQ(run.Machine().SetupRegister(2), run.calibration.servo[0].pulseMaxPositional); // the prologue ran
    const CState* wait = program.GetRoot()->GetSon();
    EXPECT_EQ(run.Machine().Pc(), wait->GetCodeAddress());
    run.Advance(1000);
    EXPECT_EQ(run.Machine().Pc(), wait->GetCodeAddress()); // not executed
    EXPECT_FALSE(run.control.Run()->IsStepRequested());

    run.control.Step(); // the whole wait, then the highlight stops on Stop
    run.Advance(3000);
    EXPECT_FALSE(run.control.Run()->IsStepRequested());
    EXPECT_EQ(run.highlights, (std::vector<std::string>{"200:Wait", "2400:Stop"}));
}

TEST(RunControl, ChoosingAnotherModeWhileRunningAsksFirst)
{
    CProgram program;
    RunDriver run(program, "worked_example.tamek");
    run.control.Start();
    run.answer = false; // Cancel: the run and the old mode stay
    EXPECT_FALSE(run.control.ChooseMode(SimulationRun::Standalone));
    EXPECT_TRUE(run.control.IsRunActive() && run.control.GetMode() == SimulationRun::Virtual);
    EXPECT_TRUE(run.control.ChooseMode(SimulationRun::Virtual)); // the same mode: no question
    run.answer = true;                                           // OK: the run stops, the mode changes
    EXPECT_TRUE(run.control.ChooseMode(SimulationRun::Manual));
    EXPECT_EQ(std::make_tuple(run.questions, run.control.IsRunActive(), run.control.GetMode(), run.shownMode),
              std::make_tuple(2, false, 2, 2));
    // A window that sets the virtual mode when Start comes back (a pause) leaves a run its own mode.
    run.control.Start();
    run.control.Pause();
    run.control.SetModeQuietly(SimulationRun::Virtual);
    EXPECT_EQ(run.control.GetMode(), SimulationRun::Manual);
    EXPECT_FALSE(run.control.IsVirtualRunActive());
}

TEST(RunControl, AnEditOrUndoWhileRunningAsksAndEndsTheRunOnOk)
{
    CProgram program;
    RunDriver run(program, "worked_example.tamek");
    for (bool (RunControl::*ask)() : {&RunControl::AskToStopSimulation, &RunControl::AskToDropRun}) {
        EXPECT_TRUE((run.control.*ask)()); // no run: no question
        run.control.Start();
        run.Advance(400);
        run.answer = false;
        EXPECT_FALSE((run.control.*ask)());
        EXPECT_TRUE(run.control.IsRunActive());
        run.answer = true;
        EXPECT_TRUE((run.control.*ask)());
        EXPECT_FALSE(run.control.IsRunActive());
        EXPECT_EQ(run.enabled & (Start | Pause | Stop), Start);
    }
    EXPECT_EQ(run.questions, 4);
    EXPECT_EQ(run.closed, 2);
    // The edit's stop clears the highlight; undo's leaves it to the undo.
    EXPECT_EQ(run.Highlighted(), "Wait");
}
