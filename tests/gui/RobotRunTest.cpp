// The robot's runs in the real window against the headless virtual robot of the test run's runtime
// folder: the manual mode, the upload into standalone mode, the robot unplugged, plugged back and silent.
#include "GuiTest.h"

#include "app/CommandIds.h"
#include "console/CConsoleViewer.h"
#include "editor/CStateViewer.h"
#include "support/VirtualRobotProcess.h"

#include <chrono>
#include <wx/eventfilter.h>
#include <wx/timer.h>

namespace {
using Clock = std::chrono::steady_clock;
void Linger(int ms)
{
    WaitFor([] { return false; }, ms);
}

// The longest time the window handled no event, while a 20 ms timer keeps one waiting.
struct EventGaps : wxEventFilter
{
    EventGaps() { wxEvtHandler::AddFilter(this), heartbeat.Start(20); }
    ~EventGaps() override { wxEvtHandler::RemoveFilter(this); }
    int FilterEvent(wxEvent&) override
    {
        return longest = std::max(longest, Clock::now() - last), last = Clock::now(), Event_Skip;
    }
    wxTimer heartbeat;
    Clock::time_point last = Clock::now();
    Clock::duration longest{};
};

struct RobotRun : MainWindowTest
{
    // Opening a project disables the robot commands until the robot's next search.
    void OpenWithRobot(const wxString& name)
    {
        Open(name);
        ASSERT_TRUE(WaitFor([this] { return ToolEnabled(ID_TOOL_UPLOAD); }, 2500));
    }
    void Upload(const wxString& message, const wxString& caption)
    {
        wxTEST_DIALOG(PressCommandKey(WXK_F12, wxMOD_NONE, ID_MENU_UPLOAD), ExpectMessage(message, caption, wxID_OK));
    }
    testing_support::VirtualRobotProcess robot{getenv("XDG_RUNTIME_DIR")};
};
} // namespace

TEST_F(RobotRun, ManualModeTakesTheRobotsSwitch)
{
    OpenWithRobot("simulation/wait_for_switch.tamek"); // waits for Schakelaar1, then the LED, then Stop
    frame->GetPalette()->SelectPage(CStateViewer::kNamesPage);
    std::vector<std::array<long, 2>> polls; // the listener's simulated time and input a
    frame->SetInputPollListener([&](long ms, int a, int, int) { polls.push_back({ms, a}); });
    Command(ID_MENU_MODE_MANUAL, true);
    PressCommandKey(WXK_F5, wxMOD_NONE, ID_MENU_START);
    ASSERT_TRUE(WaitFor([&] { return Highlighted("Switch1"); }, 3000));
    EXPECT_TRUE(WaitFor([&] { return Highlighted("Wait", "1"); }, 2000)); // round the loop again
    ASSERT_EQ(robot.Command("switch 1 on"), "ok");
    ASSERT_TRUE(WaitFor([&] { return Highlighted("LedR"); }, 4000));
    RunValues* names = frame->GetRunValues();
    EXPECT_EQ(names->GetRowValue(0) + names->GetRowValue(3), "   11023");
    Screenshot("robot-manual-switch-pressed");
    ASSERT_TRUE(WaitFor([&] { return !frame->IsRunActive(); }, 4000));
    ASSERT_GT(polls.size(), 10u);
    EXPECT_TRUE(std::is_sorted(polls.begin(), polls.end(), [](auto& x, auto& y) { return x[0] < y[0]; }));
    EXPECT_EQ(polls.front()[1] - polls.back()[1], 1023); // released, then pressed
}

TEST_F(RobotRun, UploadGoStepFollowsTheRobotAndUnpluggingIsToldOnce)
{
    OpenWithRobot("simulation/outputs.tamek"); // Start, Servo1, Servo2, Motor2, Motor1, LedR, Buzzer
    frame->GetPalette()->SelectPage(CStateViewer::kNamesPage);
    Upload("Upload klaar, druk op 'GO' om programma te starten.", "Upload klaar.");
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(ID_MENU_MODE_STANDALONE) && ToolEnabled(ID_TOOL_STEP));
    ASSERT_EQ(robot.Command("go"), "ok"); // the robot runs on its own
    EXPECT_TRUE(robot.WaitForField("servo", "[-45,6]", 1500));
    PressCommandKey(WXK_F5, wxMOD_NONE, ID_MENU_START); // restarted and followed to the block it repeats
    EXPECT_TRUE(WaitFor([&] { return Highlighted("Buzzer"); }, 3000));
    PressCommandKey(WXK_F5, wxMOD_SHIFT, ID_MENU_STOP);

    // Step from no run: each F10 holds the robot one block further, and the highlight follows.
    for (const char* kind : {"Start", "Servo1", "Servo2", "Motor2", "Motor1", "LedR", "Buzzer"}) {
        PressCommandKey(WXK_F10, wxMOD_NONE, ID_MENU_STEP);
        ASSERT_TRUE(WaitFor([&] { return Highlighted(kind); }, 2000)) << kind;
        EXPECT_EQ(TheConsole()->GetLastMessage(), wxString::Format("PC:%04x", std::stoi(robot.Field("pc"))));
    }
    Screenshot("robot-standalone-step");
    PressCommandKey(WXK_F8, wxMOD_NONE, ID_MENU_STOP_ACTUATORS); // "Stop servo / motor"
    EXPECT_TRUE(robot.WaitForField("motor", "[0,0]", 1500) && robot.Field("runState") == "\"idle\"");

    // Unplugged for 5 s, the message on screen for 2.5 s of them: it comes once, and the run ends.
    const auto late = Expect<wxMessageDialog>([](wxMessageDialog* box) {
        EXPECT_EQ(box->GetMessage() + box->GetCaption(), "Apparaat is ontkoppeld, simulatie stopt!!USB ontkoppelen");
        return Linger(2500), wxID_OK;
    });
    wxTEST_DIALOG((robot.Command("unplug"), Linger(5000)), late);
    EXPECT_FALSE(frame->IsRunActive() || ToolEnabled(ID_TOOL_UPLOAD) || MenuEnabled(ID_MENU_MODE_STANDALONE));
    const Clock::time_point plugged = (robot.Command("plug"), Clock::now());
    ASSERT_TRUE(WaitFor([&] { return ToolEnabled(ID_TOOL_UPLOAD) && MenuEnabled(ID_MENU_MODE_MANUAL); }, 2000));
    EXPECT_LT(Clock::now() - plugged, std::chrono::milliseconds(1300));
}

TEST_F(RobotRun, ASilentRobotFailsTheUploadAndNeverHoldsTheWindowForASecond)
{
    OpenWithRobot("simulation/outputs.tamek");
    ASSERT_EQ(robot.Command("silent"), "ok");
    Upload("Apparaat is ontkoppeld, upload  onderbroken!", "USB ontkoppelen");
    EXPECT_EQ(frame->GetRunMode(), 1);
    EventGaps gaps; // a standalone run with a pause and a step, then a manual run (0: 1.2 s pass)
    for (int command : std::initializer_list<int>{ID_MENU_MODE_STANDALONE, ID_MENU_START, 0, ID_MENU_PAUSE,
                                                  ID_MENU_STEP, 0, ID_MENU_STOP, ID_MENU_MODE_MANUAL, ID_MENU_START, 0})
        command ? Command(command, true) : Linger(1200);
    const long longestMs = std::chrono::duration_cast<std::chrono::milliseconds>(gaps.longest).count();
    std::printf("longest time without a handled event: %ld ms\n", longestMs);
    EXPECT_LT(longestMs, 1000);
    robot.Command("answer");
}
