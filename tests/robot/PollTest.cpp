// The presence and input polls without a window: what they tell the window, against the virtual robot.
#include "support/VirtualRobotProcess.h"

#include "robot/RobotInputPoll.h"
#include "robot/RobotPresencePoll.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {
// Records what the poll does; the run-stops message runs nested polls, as the timers do while it is open.
struct PresenceRecorder : RobotPresenceView
{
    bool calibrationOpen = false, standaloneRun = false, shown = false;
    int nestedPolls = 0;
    std::function<void()> nestedPoll;
    std::vector<std::string> calls;

    bool RobotShownConnected() const override { return shown; }
    bool CalibrationDialogOpen() const override { return calibrationOpen; }
    bool StandaloneRunActive() const override { return standaloneRun; }
    void TellCalibrationDialogRobotGone() override { calls.push_back("tell dialog"); }
    void ShowRunStopsMessage() override
    {
        calls.push_back("message");
        for (int i = 0; i < nestedPolls; ++i)
            nestedPoll();
    }
    void StopStandaloneRun() override { calls.push_back("stop run"); }
    void ShowRobotConnected(bool on) override { shown = on, calls.push_back(on ? "connected" : "disconnected"); }
    void ReportRobotProblem(const wxString&) override { calls.push_back("problem"); }
};

struct InputRecorder : RobotInputView
{
    bool virtualRun = false, manualRun = false;
    wxString rows[kSensorRows] = {"-", "-", "-", "-", "-"};
    int writes = 0, unknown = 0;
    RobotInputs fed{-1, -1, -1};

    bool VirtualRunActive() const override { return virtualRun; }
    bool ManualRunActive() const override { return manualRun; }
    wxString SensorRowText(int row) const override { return rows[row]; }
    void SetSensorRowText(int row, const wxString& text) override { rows[row] = text, ++writes; }
    void ShowVariablesUnknown() override { ++unknown; }
    void FeedSimulator(const RobotInputs& inputs) override { fed = inputs; }
};
} // namespace

TEST(Poll, DisconnectionDuringAStandaloneRunIsAnnouncedOnce)
{
    VirtualRobotProcess robot;
    auto link = robot.MakeLink();
    RobotPresencePoll poll;
    PresenceRecorder view;
    view.nestedPoll = [&] { poll.Poll(*link, view); };
    poll.Poll(*link, view);
    poll.Poll(*link, view);
    EXPECT_EQ(view.calls, std::vector<std::string>{"connected"});
    EXPECT_TRUE(view.shown);

    // Five polls fire while the message is on screen: one message, one stop.
    view.calls.clear();
    view.standaloneRun = true;
    view.nestedPolls = 5;
    ASSERT_EQ(robot.Command("unplug"), "ok");
    poll.Poll(*link, view);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"message", "disconnected", "stop run", "disconnected"}));
    EXPECT_EQ(poll.DisconnectionCount(), 0);
    EXPECT_FALSE(view.shown);

    // Plugged back: shown again at the next poll; with the calibration dialog open it is told once.
    view.calls.clear();
    ASSERT_EQ(robot.Command("plug"), "ok");
    poll.Poll(*link, view);
    view.calibrationOpen = true;
    ASSERT_EQ(robot.Command("unplug"), "ok");
    poll.Poll(*link, view);
    poll.Poll(*link, view);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"connected", "tell dialog", "disconnected"}));
}

TEST(Poll, RobotThatCannotBeOpenedIsReportedOnceAndNeverShownConnected)
{
    struct Denied : RobotTransport
    {
        bool Find(FoundDevice& found) override { return found.path = "/dev/hidraw2", true; }
        OpenResult Open(const FoundDevice&) override { return OpenResult::NoPermission; }
        bool IsOpen() override { return false; }
        bool Write(const RobotReport&) override { return false; }
        bool Read(RobotReport&, int) override { return false; }
        void Close() override {}
        bool IsVirtual() const override { return false; }
    };
    RobotLink link(std::make_unique<Denied>(), nullptr);
    RobotPresencePoll poll;
    PresenceRecorder view;
    for (int i = 0; i < 3; ++i)
        poll.Poll(link, view);
    EXPECT_EQ(view.calls, std::vector<std::string>{"problem"});
    EXPECT_EQ(link.State(), RobotLinkState::NoPermission);
    EXPECT_TRUE(link.ProblemMessage().Contains("70-tamek.rules") && link.ProblemMessage().Contains("/dev/hidraw2"));
}

TEST(Poll, InputPollRewritesOnlyChangedRowsAndFeedsManualMode)
{
    VirtualRobotProcess robot;
    auto link = robot.MakeLink();
    InputRecorder view;
    PollRobotInputs(*link, view); // not connected yet
    EXPECT_EQ(view.unknown, 1);
    link->Open();
    ASSERT_EQ(robot.Command("input 1 100"), "ok");
    PollRobotInputs(*link, view);
    EXPECT_EQ(view.writes, 5);
    EXPECT_EQ(view.rows[0], "   1");
    EXPECT_EQ(view.rows[3], " 923");
    PollRobotInputs(*link, view);
    EXPECT_EQ(view.writes, 5); // nothing changed: no row touched
    ASSERT_EQ(robot.Command("switch 2 on"), "ok");
    view.manualRun = true;
    PollRobotInputs(*link, view);
    EXPECT_EQ(view.writes, 7);
    EXPECT_EQ(view.fed.b, 0);
    EXPECT_EQ(view.fed.c, 1023);
    // A silent robot and a virtual run change nothing.
    ASSERT_EQ(robot.Command("silent"), "ok");
    view.fed = RobotInputs{};
    PollRobotInputs(*link, view);
    EXPECT_TRUE(link->RecentlySilent()); // the polls leave it alone for a second
    PollRobotInputs(*link, view);
    view.virtualRun = true;
    PollRobotInputs(*link, view);
    EXPECT_EQ(view.writes, 7);
    EXPECT_EQ(view.fed.c, 0);
}
