// The robot's runs in the real window against the headless virtual robot in the test run's runtime
// folder: the manual mode fed by the robot's inputs, the upload into standalone mode, the robot
// followed block by block, and the robot unplugged, silent or refused.
#include "GuiTest.h"

#include "app/CommandIds.h"
#include "console/CConsoleViewer.h"
#include "robot/RobotLink.h"
#include "support/FakeTransports.h"
#include "support/VirtualRobotProcess.h"

#include <algorithm>
#include <chrono>
#include <wx/app.h>
#include <wx/eventfilter.h>
#include <wx/timer.h>

namespace {
using Clock = std::chrono::steady_clock;

// The names list's values column as the window writes it, with the writes of each row counted.
struct ValuesColumn : RunValues
{
    void SetRowValue(int row, const wxString& text) override { rows[row] = text, ++writes[row]; }
    wxString GetRowValue(int row) const override { return rows[row]; }
    void SetVariableValue(int, const wxString&) override {}
    void ResetVariableValues() override {}
    void ResetAllValues() override { std::fill(std::begin(rows), std::end(rows), "-"); }
    wxString rows[13];
    int writes[13] = {};
};

// The longest time the window spent without handling an event, while a 20 ms timer keeps asking.
struct EventGaps : wxEventFilter
{
    EventGaps() { wxEvtHandler::AddFilter(this), heartbeat.Start(20); }
    ~EventGaps() override { wxEvtHandler::RemoveFilter(this); }
    int FilterEvent(wxEvent&) override
    {
        const Clock::time_point now = Clock::now();
        longestMs = std::max(longestMs, std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
        return Event_Skip;
    }
    wxTimer heartbeat;
    Clock::time_point last = Clock::now();
    double longestMs = 0;
};

class RobotRun : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        frame->SetRunValues(&column); // stands in for the names list, counting what is written
        ASSERT_TRUE(WaitFor([this] { return ToolEnabled(ID_TOOL_UPLOAD); }, 2500)) << "the robot was not found";
    }
    // Opens a project of tests/data; the robot commands, which the opening disables, come back.
    void OpenWithRobot(const wxString& name)
    {
        Open(name);
        ASSERT_TRUE(WaitFor([this] { return ToolEnabled(ID_TOOL_UPLOAD); }, 2500));
    }
    void Screenshot(const char* name)
    {
        WaitForRepaint(Canvas());
        SaveScreenshot(name);
    }
    // F12, answered: the robot has the program (or the upload failed).
    void Upload(const wxString& message, const wxString& caption)
    {
        wxTEST_DIALOG(PressKey(WXK_F12, wxMOD_NONE, ID_MENU_UPLOAD), ExpectMessage(message, caption, wxID_OK));
    }
    void UploadDone() { Upload("Upload klaar, druk op 'GO' om programma te starten.", "Upload klaar."); }

    testing_support::VirtualRobotProcess robot{getenv("XDG_RUNTIME_DIR")};
    ValuesColumn column;
};
} // namespace

TEST_F(RobotRun, ManualModeTakesTheRobotsSwitchIntoTheNamesListAndTheProgramsPath)
{
    OpenWithRobot("simulation/wait_for_switch.tamek"); // waits for Schakelaar1, then the LED, then Stop
    std::vector<std::array<long, 4>> polls;
    frame->SetInputPollListener([&](long ms, int a, int b, int c) { polls.push_back({ms, a, b, c}); });
    Command(ID_MENU_MODE_MANUAL, true);
    ASSERT_EQ(frame->GetRunMode(), 2);
    PressKey(WXK_F5, wxMOD_NONE, ID_MENU_START);
    ASSERT_TRUE(WaitFor([&] { return Highlighted("Switch1"); }, 3000)); // the switch, tested over and over
    EXPECT_EQ(column.rows[0], "   0");
    EXPECT_TRUE(WaitFor([&] { return Highlighted("Wait", "1"); }, 2000)); // still waiting
    const int writes = column.writes[0];
    Screenshot("robot-manual-waiting");

    ASSERT_EQ(robot.Command("switch 1 on"), "ok");
    EXPECT_TRUE(WaitFor([&] { return column.rows[0] == "   1"; }, 1000));
    EXPECT_EQ(column.writes[0], writes + 1);                         // each poll rewrote nothing that stood still
    ASSERT_TRUE(WaitFor([&] { return Highlighted("LedR"); }, 4000)); // the LED's path
    Screenshot("robot-manual-switch-pressed");
    ASSERT_TRUE(WaitFor([&] { return !frame->IsRunActive(); }, 4000));

    // The listener heard every poll of the run in its simulated time, the switch released and pressed.
    ASSERT_GT(polls.size(), 10u);
    EXPECT_TRUE(std::is_sorted(polls.begin(), polls.end(), [](auto& x, auto& y) { return x[0] < y[0]; }));
    EXPECT_EQ(polls.front()[1], 1023);
    EXPECT_EQ(polls.back()[1], 0);
    frame->SetInputPollListener({});
}

TEST_F(RobotRun, UploadGoTheRobotRunsOnItsOwnAndStepFollowsItBlockByBlock)
{
    OpenWithRobot("simulation/outputs.tamek"); // Start, Servo1, Servo2, Motor2, Motor1, LedR, Buzzer
    UploadDone();
    EXPECT_EQ(frame->GetRunMode(), 3);
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(ID_MENU_MODE_STANDALONE));
    EXPECT_TRUE(ToolEnabled(ID_TOOL_STEP) && ToolEnabled(ID_TOOL_MODE_STANDALONE));
    EXPECT_EQ(robot.Field("programLength"), std::to_string(TheProgram().ImageLength()));

    ASSERT_EQ(robot.Command("go"), "ok");
    EXPECT_TRUE(robot.WaitForField("buzzer", "1", 3000)) << robot.State();
    EXPECT_EQ(robot.Field("servo"), "[-45,6]");

    // Watching: the highlight follows the robot's program counter to the block it repeats.
    PressKey(WXK_F5, wxMOD_NONE, ID_MENU_START);
    ASSERT_TRUE(frame->IsRunActive());
    EXPECT_TRUE(WaitFor([&] { return Highlighted("Buzzer"); }, 3000));
    PressKey(WXK_F5, wxMOD_SHIFT, ID_MENU_STOP);
    EXPECT_EQ(robot.Field("runState"), "\"idle\"");

    // Step from no run: the robot starts held and each F10 moves it, and the highlight, one block on.
    PressKey(WXK_F10, wxMOD_NONE, ID_MENU_STEP);
    ASSERT_TRUE(WaitFor([&] { return Highlighted("Start"); }, 2000));
    for (const char* kind : {"Servo1", "Servo2", "Motor2", "Motor1", "LedR", "Buzzer"}) {
        PressKey(WXK_F10, wxMOD_NONE, ID_MENU_STEP);
        ASSERT_TRUE(WaitFor([&] { return Highlighted(kind); }, 2000)) << kind;
        EXPECT_EQ(robot.Field("held"), "true");
        EXPECT_EQ(TheConsole()->GetLastMessage(), wxString::Format("PC:%04x", std::stoi(robot.Field("pc"))));
        if (kind == std::string("Motor2"))
            Screenshot("robot-standalone-step");
    }
    EXPECT_EQ(robot.Field("motor"), "[10,-6]");
    PressKey(WXK_F8, wxMOD_NONE, ID_MENU_STOP_ACTUATORS); // "Stop servo / motor"
    EXPECT_TRUE(robot.WaitForField("motor", "[0,0]", 1000));
    EXPECT_EQ(robot.Field("servo") + robot.Field("led") + robot.Field("buzzer") + robot.Field("runState"),
              "[0,0]00\"idle\"");
    PressKey(WXK_F5, wxMOD_SHIFT, ID_MENU_STOP);
    EXPECT_FALSE(frame->IsRunActive());
    EXPECT_EQ(robot.Field("held"), "false");
}

TEST_F(RobotRun, UnpluggedDuringAStandaloneRunIsToldOnceAndPluggedBackIsUsableWithinASecond)
{
    OpenWithRobot("simulation/outputs.tamek");
    UploadDone();
    Command(ID_MENU_START);
    ASSERT_TRUE(frame->IsRunActive());
    // The message stays on screen for 2.5 s, and the robot stays away 2 s after it: one message.
    const auto answerLate = Expect<wxMessageDialog>([](wxMessageDialog* box) {
        EXPECT_EQ(box->GetMessage() + " | " + box->GetCaption(),
                  "Apparaat is ontkoppeld, simulatie stopt!! | USB ontkoppelen");
        WaitFor([] { return false; }, 2500);
        return wxID_OK;
    });
    wxTEST_DIALOG(
        {
            ASSERT_EQ(robot.Command("unplug"), "ok");
            EXPECT_TRUE(WaitFor([&] { return !frame->IsRunActive(); }, 5000));
            WaitFor([] { return false; }, 2000);
        },
        answerLate);
    EXPECT_FALSE(ToolEnabled(ID_TOOL_UPLOAD) || MenuEnabled(ID_MENU_MODE_STANDALONE));
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(ID_MENU_MODE_VIRTUAL));

    ASSERT_EQ(robot.Command("plug"), "ok");
    const Clock::time_point plugged = Clock::now();
    ASSERT_TRUE(WaitFor([&] { return ToolEnabled(ID_TOOL_UPLOAD); }, 2000));
    EXPECT_LT(Clock::now() - plugged, std::chrono::milliseconds(1300));
    EXPECT_TRUE(MenuEnabled(ID_MENU_UPLOAD) && MenuEnabled(ID_MENU_MODE_MANUAL) && ToolEnabled(ID_TOOL_STOP_ACTUATORS));
}

TEST_F(RobotRun, ASilentRobotFailsTheUploadAndNeverHoldsTheWindowForASecond)
{
    OpenWithRobot("simulation/outputs.tamek");
    ASSERT_EQ(robot.Command("silent"), "ok");
    Upload("Apparaat is ontkoppeld, upload  onderbroken!", "USB ontkoppelen");
    EXPECT_EQ(frame->GetRunMode(), 1);
    EXPECT_FALSE(frame->GetMenuBar()->IsChecked(ID_MENU_MODE_STANDALONE));

    // Standalone and manual runs, a step and a stop, all with a robot that never answers.
    EventGaps gaps;
    Command(ID_MENU_MODE_STANDALONE, true);
    Command(ID_MENU_START);
    WaitFor([] { return false; }, 1500);
    Command(ID_MENU_PAUSE);
    Command(ID_MENU_STEP);
    WaitFor([] { return false; }, 1000);
    Command(ID_MENU_STOP);
    Command(ID_MENU_MODE_MANUAL, true);
    Command(ID_MENU_START);
    WaitFor([] { return false; }, 1500);
    Command(ID_MENU_STOP);
    RecordProperty("longestEventGapMs", static_cast<int>(gaps.longestMs));
    std::printf("longest gap between two handled events: %.0f ms\n", gaps.longestMs);
    EXPECT_LT(gaps.longestMs, 1000);
    EXPECT_TRUE(ToolEnabled(ID_TOOL_UPLOAD)); // found, though silent
    ASSERT_EQ(robot.Command("answer"), "ok");
}

// A robot found on a hidraw node this user may not open is never shown as connected; the console
// tells once why and how to mend it.
class RobotRefused : public MainWindowTest
{
protected:
    void SetUp() override
    {
        CFrame::SetRobotLinkMaker(
            [] { return std::make_unique<RobotLink>(std::make_unique<testing_support::DeniedTransport>(), nullptr); });
        MainWindowTest::SetUp();
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        InstallTestRobotLink();
    }
};

TEST_F(RobotRefused, IsNeverShownConnectedAndTheConsoleSaysOnceHowToMendIt)
{
    WaitFor([] { return false; }, 2500); // three searches
    const std::string text = TheConsole()->GetText().utf8_string();
    EXPECT_NE(text.find("70-tamek.rules"), std::string::npos) << text;
    EXPECT_EQ(text.find("/dev/hidraw2"), text.rfind("/dev/hidraw2")) << text;
    EXPECT_FALSE(ToolEnabled(ID_TOOL_UPLOAD) || MenuEnabled(ID_MENU_UPLOAD) || frame->IsRobotConnected());
}
