// Running programs in the real window with real keys and clicks: the robot pane's switch and
// detector changing a program's path, the pane's outputs, a program too long to run, and the run
// question before undo, redo, New and another mode. The run window's own timers drive these runs
// (the road from a drop on the canvas to a run is a palette test).

#include "GuiTest.h"

#include "app/CRobotApp.h"
#include "app/CommandIds.h"
#include "app/DisplaySystem.h"
#include "console/CConsoleViewer.h"
#include "editor/RunValues.h"
#include "simulation/RunPanel.h"
#include "simulator/CRobotPane.h"

namespace {
struct Run : MainWindowTest
{
};
} // namespace

TEST_F(Run, TheRobotPanesDetectorAndSwitchChangeTheProgramsPath)
{
    if (OnWayland())
        GTEST_SKIP() << "a slid detector captures the mouse (docs/WAYLAND.md)";
    Open("compile/detector.tamek"); // Sensor1 > 512: the buzzer, else the LED
    frame->ShowRobotPane(true);
    CRobotPane* pane = frame->GetRobotPane();
    ASSERT_TRUE(WaitFor([&] { return pane->IsShownOnScreen() && pane->GetClientSize().y > 300; }));
    Command(ID_MENU_START);
    // Slid from the left end of its track to three quarters along, before the first tick.
    const wxRect track = pane->Layout().DetectorTrack(0);
    const int y = track.GetTop() + track.height / 2, from = track.GetLeft() + 10;
    for (int x = from; x <= from + (track.width - 20) * 3 / 4; ++x)
        Mouse(x == from ? wxEVT_LEFT_DOWN : wxEVT_MOTION, x, y, pane);
    Mouse(wxEVT_LEFT_UP, 0, y, pane);
    EXPECT_NEAR(pane->View().DetectorValue(0), 767, 8);
    ASSERT_TRUE(WaitFor([&] { return Highlighted("Buzzer"); }, 4000));
    Screenshot("run-detector-dragged");
    ASSERT_TRUE(WaitFor([&] { return !frame->IsRunActive(); }, 4000));
    EXPECT_EQ(pane->View().state, RobotView::NoRun);

    Open("simulation/wait_for_switch.tamek"); // waits for Schakelaar1, then the LED, then Stop
    PressCommandKey(WXK_F5, wxMOD_NONE, ID_MENU_START);
    EXPECT_TRUE(WaitFor([&] { return Highlighted("Wait", "1"); }, 3000)); // the switch tested over and over
    const wxRect switch1 = pane->Layout().SwitchRect(0);
    Click(switch1.GetPosition() + switch1.GetSize() / 2, wxMOUSE_BTN_LEFT, pane);
    EXPECT_TRUE(pane->View().SwitchPressed(0));
    EXPECT_EQ(frame->GetRunValues()->GetRowValue(RunRow::Switch1), SensorText(1)); // as if typed there
    ASSERT_TRUE(WaitFor([&] { return Highlighted("LedR"); }, 6000));               // the LED's path
    Screenshot("run-6-switch-pressed");
    EXPECT_TRUE(WaitFor([&] { return !frame->IsRunActive(); }, 4000));
}

TEST_F(Run, TheRobotPaneShowsTheOutputsAndIsRememberedWhenShown)
{
    Open("simulation/outputs.tamek"); // both servos, both motors, the LED and the buzzer
    Command(ID_MENU_SHOW_ROBOT, true);
    CRobotPane* pane = frame->GetRobotPane();
    EXPECT_EQ(pane->View().state, RobotView::NoRun);
    PressCommandKey(WXK_F5, wxMOD_NONE, ID_MENU_START);
    ASSERT_TRUE(WaitFor([&] { return pane->View().buzzer; }, 4000));
    const RobotView& v = pane->View();
    EXPECT_EQ(wxString::Format("servos %d %d, motors %d %d, forward %d %d, led %d, run light %d, continuous %d %d",
                               v.servo[0], v.servo[1], v.motor[0], v.motor[1], v.direction[0] == TamekMachine::Forward,
                               v.direction[1] == TamekMachine::Forward, v.led, v.runLight, v.continuous[0],
                               v.continuous[1]),
              "servos -45 6, motors -6 10, forward 0 1, led 1, run light 1, continuous 0 1");
    Screenshot("robot-pane-outputs");
    wxString rows; // the names list: buzzer, LED, motor 1 and 2, servo 1 and 2
    for (int row = RunRow::Buzzer; row <= RunRow::Servo2; ++row)
        rows << frame->GetRunValues()->GetRowValue(row) << ";";
    EXPECT_EQ(rows, "1;1; -6; 10;-45;  6;");
    PressCommandKey(WXK_F5, wxMOD_SHIFT, ID_MENU_STOP);
    EXPECT_FALSE(frame->IsRunActive());

    frame->Close();
    ASSERT_TRUE(WaitFor([] { return MainFrameIfAny() == nullptr; }));
    frame = CreateMainWindow();
    EXPECT_TRUE(frame->IsPaneShown("Robot") && frame->GetMenuBar()->IsChecked(ID_MENU_SHOW_ROBOT));
    Command(ID_MENU_SHOW_ROBOT, false);
    EXPECT_FALSE(frame->IsPaneShown("Robot"));
}

TEST_F(Run, ATooLongProgramIsToldBeforeAndWhenARunIsRefused)
{
    Open("compile/limit_993.tamek");
    EXPECT_TRUE(frame->GetStatusBar()->GetStatusText(2).StartsWith("Te lang: "));
    EXPECT_TRUE(TheConsole()->GetText().Contains("te lang"));
    wxTEST_DIALOG(Command(ID_MENU_START), ExpectMessage("Code too long", "WARNING", wxID_OK));
    EXPECT_FALSE(frame->IsRunActive());
    EXPECT_TRUE(MenuEnabled(ID_MENU_START));
}

TEST_F(Run, ModeUndoRedoAndNewAskBeforeTheyEndARun)
{
    const wxString question = "Een simulatie loopt, onderbreken?", caption = "Simulatie loopt";
    Open("worked_example.tamek");
    CState* wait = BlockOfKind("Wait");
    wait->SetParameterText("20");
    Canvas()->CommitEdit();
    Command(ID_MENU_START);
    ASSERT_TRUE(frame->IsRunActive());

    // Another mode: Cancel keeps the run and the virtual mode checked.
    wxTEST_DIALOG(Command(ID_MENU_MODE_STANDALONE, true), ExpectMessage(question, caption, wxID_CANCEL));
    EXPECT_TRUE(frame->IsRunActive() && frame->GetMenuBar()->IsChecked(ID_MENU_MODE_VIRTUAL));

    // Undo: OK ends the run and undoes.
    wxTEST_DIALOG(Command(ID_MENU_UNDO), ExpectMessage(question, caption, wxID_OK));
    EXPECT_FALSE(frame->IsRunActive());
    EXPECT_EQ(BlockOfKind("Wait")->GetParameterText(), "10");
    Command(ID_MENU_START); // redo asks as undo does
    wxTEST_DIALOG(Command(ID_MENU_REDO), ExpectMessage(question, caption, wxID_OK));
    EXPECT_FALSE(frame->IsRunActive());
    EXPECT_EQ(BlockOfKind("Wait")->GetParameterText(), "20");

    // New: the run question first, then the unsaved changes.
    Command(ID_MENU_START);
    wxTEST_DIALOG(Command(ID_MENU_NEW), ExpectMessage(question, caption, wxID_OK), ExpectSaveQuestion(wxID_NO));
    EXPECT_FALSE(frame->IsRunActive());
    EXPECT_EQ(CountBlocks(), 1);
}
