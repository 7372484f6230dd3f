// The robot's runs in the real window against the headless virtual robot in the test run's runtime
// folder: the manual mode fed by the robot's inputs, the upload into standalone mode, the robot
// followed block by block, unplugged and plugged back, and silent.
#include "GuiTest.h"

#include "app/CommandIds.h"
#include "console/CConsoleViewer.h"
#include "support/VirtualRobotProcess.h"

#include <chrono>
#include <wx/eventfilter.h>
#include <wx/timer.h>

namespace {
using Clock = std::chrono::steady_clock;

// Stands in for the names list's values column, counting the writes of each row.
struct ValuesColumn : RunValues
{
    void SetRowValue(int row, const wxString& text) override { rows[row] = text, ++writes[row]; }
    wxString GetRowValue(int row) const override { return rows[row]; }
    void SetVariableValue(int, const wxString&) override {}
    void ResetVariableValues() override {}
    void ResetAllValues() override {}
    wxString rows[13];
    int writes[13] = {};
};

// The longest time the window handled no event, while a 20 ms timer keeps one waiting.
struct EventGaps : wxEventFilter
{
    EventGaps() { wxEvtHandler::AddFilter(this), heartbeat.Start(20); }
    ~EventGaps() override { wxEvtHandler::RemoveFilter(this); }
    int FilterEvent(wxEvent&) override
    {
        longest = std::max(longest, Clock::now() - last), last = Clock::now();
        return Event_Skip;
    }
    wxTimer heartbeat;
    Clock::time_point last = Clock::now();
    Clock::duration longest{};
};

class RobotRun : public MainWindowTest
{
protected:
    // Opens a project of tests/data and waits for the robot commands, which the opening disables.
    void OpenWithRobot(const wxString& name)
    {
        frame->SetRunValues(&column);
        Open(name);
        ASSERT_TRUE(WaitFor([this] { return ToolEnabled(ID_TOOL_UPLOAD); }, 2500)) << "no robot";
    }
    void Upload(const wxString& message, const wxString& caption)
    {
        wxTEST_DIALOG(PressKey(WXK_F12, wxMOD_NONE, ID_MENU_UPLOAD), ExpectMessage(message, caption, wxID_OK));
    }
    bool RobotHas(const char* field, const std::string& value) { return robot.WaitForField(field, value, 1500); }

    testing_support::VirtualRobotProcess robot{getenv("XDG_RUNTIME_DIR")};
    ValuesColumn column;
};
} // namespace

TEST_F(RobotRun, ManualModeTakesTheRobotsSwitchIntoTheNamesListAndTheProgramsPath)
{
    OpenWithRobot("simulation/wait_for_switch.tamek"); // waits for Schakelaar1, then the LED, then Stop
    std::vector<std::array<long, 2>> polls;            // simulated time and input a, as the listener hears them
    frame->SetInputPollListener([&](long ms, int a, int, int) { polls.push_back({ms, a}); });
    Command(ID_MENU_MODE_MANUAL, true);
    PressKey(WXK_F5, wxMOD_NONE, ID_MENU_START);
    ASSERT_TRUE(WaitFor([&] { return Highlighted("Switch1"); }, 3000));
    EXPECT_TRUE(WaitFor([&] { return Highlighted("Wait", "1"); }, 2000)); // round the loop again
    EXPECT_EQ(column.rows[0] + column.rows[3], "   0   0");
    const int writes = column.writes[0];

    ASSERT_EQ(robot.Command("switch 1 on"), "ok");
    ASSERT_TRUE(WaitFor([&] { return Highlighted("LedR"); }, 4000));
    EXPECT_EQ(column.rows[0], "   1");
    EXPECT_EQ(column.writes[0], writes + 1); // a row is written only when its number changes
    WaitForRepaint(Canvas());
    SaveScreenshot("robot-manual-switch-pressed");
    ASSERT_TRUE(WaitFor([&] { return !frame->IsRunActive(); }, 4000));
    ASSERT_GT(polls.size(), 10u);
    EXPECT_TRUE(std::is_sorted(polls.begin(), polls.end(), [](auto& x, auto& y) { return x[0] < y[0]; }));
    EXPECT_EQ(polls.front()[1] - polls.back()[1], 1023); // released, then pressed
}

TEST_F(RobotRun, UploadGoStepFollowsTheRobotAndUnpluggingIsToldOnce)
{
    OpenWithRobot("simulation/outputs.tamek"); // Start, Servo1, Servo2, Motor2, Motor1, LedR, Buzzer
    Upload("Upload klaar, druk op 'GO' om programma te starten.", "Upload klaar.");
    EXPECT_TRUE(frame->GetRunMode() == 3 && frame->GetMenuBar()->IsChecked(ID_MENU_MODE_STANDALONE));
    EXPECT_TRUE(ToolEnabled(ID_TOOL_STEP) && ToolEnabled(ID_TOOL_MODE_STANDALONE));
    ASSERT_EQ(robot.Command("go"), "ok"); // the robot runs on its own
    EXPECT_TRUE(RobotHas("buzzer", "1") && RobotHas("servo", "[-45,6]"));

    // F5 restarts it and follows it to the block it repeats; Stop stops it.
    PressKey(WXK_F5, wxMOD_NONE, ID_MENU_START);
    EXPECT_TRUE(WaitFor([&] { return Highlighted("Buzzer"); }, 3000));
    PressKey(WXK_F5, wxMOD_SHIFT, ID_MENU_STOP);
    EXPECT_TRUE(RobotHas("runState", "\"idle\""));

    // Step from no run: each F10 holds the robot one block further, and the highlight follows.
    PressKey(WXK_F10, wxMOD_NONE, ID_MENU_STEP);
    ASSERT_TRUE(WaitFor([&] { return Highlighted("Start"); }, 2000));
    for (const char* kind : {"Servo1", "Servo2", "Motor2", "Motor1", "LedR", "Buzzer"}) {
        PressKey(WXK_F10, wxMOD_NONE, ID_MENU_STEP);
        ASSERT_TRUE(WaitFor([&] { return Highlighted(kind); }, 2000)) << kind;
        EXPECT_EQ(robot.Field("held"), "true");
        EXPECT_EQ(TheConsole()->GetLastMessage(), wxString::Format("PC:%04x", std::stoi(robot.Field("pc"))));
        if (kind == std::string("Motor2")) {
            WaitForRepaint(Canvas());
            SaveScreenshot("robot-standalone-step");
        }
    }
    PressKey(WXK_F8, wxMOD_NONE, ID_MENU_STOP_ACTUATORS); // "Stop servo / motor"
    EXPECT_TRUE(RobotHas("motor", "[0,0]") && RobotHas("servo", "[0,0]") && RobotHas("runState", "\"idle\""));

    // Unplugged: the message stays on screen 2.5 s and the robot away 2 s more, and it comes once.
    const auto answerLate = Expect<wxMessageDialog>([](wxMessageDialog* box) {
        EXPECT_EQ(box->GetMessage() + box->GetCaption(), "Apparaat is ontkoppeld, simulatie stopt!!USB ontkoppelen");
        WaitFor([] { return false; }, 2500);
        return wxID_OK;
    });
    const auto unplug = [&] {
        ASSERT_EQ(robot.Command("unplug"), "ok");
        EXPECT_TRUE(WaitFor([&] { return !frame->IsRunActive(); }, 5000));
        WaitFor([] { return false; }, 2000);
    };
    wxTEST_DIALOG(unplug(), answerLate);
    EXPECT_FALSE(ToolEnabled(ID_TOOL_UPLOAD) || MenuEnabled(ID_MENU_MODE_STANDALONE));
    ASSERT_EQ(robot.Command("plug"), "ok");
    const Clock::time_point plugged = Clock::now();
    ASSERT_TRUE(WaitFor([&] { return ToolEnabled(ID_TOOL_UPLOAD) && MenuEnabled(ID_MENU_MODE_MANUAL); }, 2000));
    EXPECT_LT(Clock::now() - plugged, std::chrono::milliseconds(1300));
}

TEST_F(RobotRun, ASilentRobotFailsTheUploadAndNeverHoldsTheWindowForASecond)
{
    OpenWithRobot("simulation/outputs.tamek");
    ASSERT_EQ(robot.Command("silent"), "ok");
    Upload("Apparaat is ontkoppeld, upload  onderbroken!", "USB ontkoppelen");
    EXPECT_EQ(frame->GetRunMode(), 1);

    EventGaps gaps; // a standalone run with a pause and a step, then a manual run
    for (int command :
         std::initializer_list<int>{ID_MENU_MODE_STANDALONE, ID_MENU_START, 0, ID_MENU_PAUSE, ID_MENU_STEP, 0,
                                    ID_MENU_STOP, ID_MENU_MODE_MANUAL, ID_MENU_START, 0, ID_MENU_STOP})
        command ? Command(command, true) : (void)WaitFor([] { return false; }, 1200);
    const long longestMs = std::chrono::duration_cast<std::chrono::milliseconds>(gaps.longest).count();
    std::printf("longest time without a handled event: %ld ms\n", longestMs);
    EXPECT_LT(longestMs, 1000);
    ASSERT_EQ(robot.Command("answer"), "ok");
}
