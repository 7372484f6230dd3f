// The calibration dialog with the real mouse and keyboard, against the virtual robot in the test
// run's runtime folder: what it shows, how the thumbs move and what they send, its buttons, the
// robot unplugged while it is open, and what "Ok" changes in the program.
// TAMEK_SCREENSHOTS=folder keeps screenshots of the dialog.
#include "GuiTest.h"

#include "app/CommandIds.h"
#include "app/DisplaySystem.h"
#include "bytecode/ProgramCompiler.h"
#include "calibration/Settings.h"
#include "calibration_dialog/CMySlider.h"
#include "calibration_dialog/CTamekConfigDialog.h"
#include "model/Prototypes.h"
#include "support/VirtualRobotProcess.h"

#include <algorithm>
#include <chrono>
#include <wx/app.h>
#include <wx/aui/auibar.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

using testing_support::VirtualRobotProcess;
using namespace std::chrono_literals;

namespace {
constexpr int kHalfThumb = 7; // the thumb pictures are 14 pixels wide

// Runs steps as soon as the calibration dialog is shown modally (inside its loop); the dialog is
// then left through the close box if the steps left it open. Other dialogs are shown as usual.
class DialogDriver : public wxModalDialogHook
{
public:
    explicit DialogDriver(std::function<void(CTamekConfigDialog&)> steps) : m_steps(std::move(steps)) { Register(); }
    ~DialogDriver() override { Unregister(); }
    int result = 0;

protected:
    int Enter(wxDialog* dialog) override
    {
        if (auto* config = dynamic_cast<CTamekConfigDialog*>(dialog))
            wxTheApp->CallAfter([this, config] {
                EXPECT_TRUE(WaitFor([config] { return config->IsShownOnScreen(); }));
                m_steps(*config);
                if (config->IsModal())
                    config->Close();
                result = config->GetReturnCode();
            });
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}

private:
    std::function<void(CTamekConfigDialog&)> m_steps;
};

template <class Control> Control* Named(wxWindow& dialog, const wxString& name)
{
    auto* control = dynamic_cast<Control*>(dialog.FindWindow(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

std::tuple<int, int, int> Values(const CMySlider* slider)
{
    const SliderThumbs& t = slider->Thumbs();
    return {t.Value(Thumb::Low), t.Value(Thumb::Middle), t.Value(Thumb::High)};
}

// Where a thumb standing at value is drawn: its left side at 10 + value * (W - 2h - 20) / 200, the
// middle thumb's top at 11, the others' at 25; answers the picture's centre.
wxPoint ThumbPoint(const CMySlider* slider, Thumb thumb)
{
    const int width = slider->GetClientSize().x, value = slider->Thumbs().Value(thumb);
    const int left = 10 + value * (width - 2 * kHalfThumb - 20) / 200;
    return {left + kHalfThumb, (thumb == Thumb::Middle ? 11 : 25) + kHalfThumb};
}

// A real click on a button or check box: in its middle, or, for a check box, on its box.
void Press(wxWindow* control)
{
    const wxSize size = control->GetClientSize();
    ClickAt(control, wxPoint(dynamic_cast<wxCheckBox*>(control) ? 8 : size.x / 2, size.y / 2));
}

// Every shown control lies inside its parent and is at least as large as its content needs.
void ExpectNothingClipped(wxWindow* parent)
{
    for (wxWindow* child : parent->GetChildren()) {
        if (!child->IsShown() || child->IsTopLevel())
            continue;
        EXPECT_TRUE(wxRect(parent->GetClientSize()).Contains(child->GetRect()))
            << child->GetName() << " at " << child->GetRect().x << "," << child->GetRect().y << " "
            << child->GetRect().width << "x" << child->GetRect().height << " in " << parent->GetName();
        EXPECT_GE(child->GetSize().x, child->GetBestSize().x) << child->GetName();
        EXPECT_GE(child->GetSize().y, child->GetBestSize().y) << child->GetName();
        ExpectNothingClipped(child);
    }
}

class CalibrationDialog : public MainWindowTest
{
protected:
    void SetUp() override
    {
        if (OnWayland())
            GTEST_SKIP() << "the simulated mouse and keyboard need X11";
        MainWindowTest::SetUp();
        robot = std::make_unique<VirtualRobotProcess>(getenv("XDG_RUNTIME_DIR"));
        ASSERT_TRUE(WaitFor([this] { return ToolEnabled(ID_TOOL_CONFIGURATION); }));
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        robot.reset();
    }

    // Opens the dialog with a click on its tool, runs steps in it and answers its result.
    int WithDialog(std::function<void(CTamekConfigDialog&)> steps)
    {
        DialogDriver driver(std::move(steps));
        wxAuiToolBar* toolbar = frame->GetTamekToolBar();
        ClickAt(toolbar, toolbar->GetToolRect(ID_TOOL_CONFIGURATION).GetPosition() + wxPoint(16, 16));
        EXPECT_TRUE(WaitFor([this] { return frame->GetConfigDialog() == nullptr; }));
        return driver.result;
    }
    // A thumb chosen with a click, then keys pressed while it is selected.
    void ClickThumb(CMySlider* slider, Thumb thumb, std::initializer_list<int> keys = {})
    {
        ClickAt(slider, ThumbPoint(slider, thumb));
        EXPECT_EQ(slider->Selected(), thumb);
        for (int key : keys)
            PressKey(slider, key);
    }
    // A field of the virtual robot's state ("servo": [servo 1, servo 2]; "motor": [motor 2, motor 1]).
    std::string Robot(const std::string& field) { return robot->Field(field); }

    std::unique_ptr<VirtualRobotProcess> robot;
};

CState* Prototype(KindId kind)
{
    return Prototypes::Get().Of(kind);
}

using Dutch = MainWindowTest;
} // namespace

TEST_F(Dutch, CalibrationDialogShowsItsTextsWholeInBothServoModes)
{
    // Opened without a robot: nothing is sent, everything is shown.
    DialogDriver driver([](CTamekConfigDialog& dialog) {
        EXPECT_EQ(dialog.GetTitle(), "Configuratie");
        EXPECT_EQ(Named<wxWindow>(dialog, "motor2.panel")->GetLabel(), "Motor2");
        EXPECT_EQ(Named<wxWindow>(dialog, "defaults")->GetLabel(), "Standaardwaarden herstellen");
        ExpectNothingClipped(&dialog);
        EXPECT_TRUE(WaitForRepaint(&dialog));
        SaveScreenshot("calibration-dutch");
        Press(Named<wxCheckBox>(dialog, "servo1.continuous"));
        Press(Named<wxCheckBox>(dialog, "servo2.continuous"));
        EXPECT_EQ(Named<CMySlider>(dialog, "servo2.slider")->Thumbs().Mode(), SliderMode::Positional);
        ExpectNothingClipped(&dialog);
    });
    Command(ID_MENU_CONFIGURATION);
    EXPECT_EQ(driver.result, CTamekConfigDialog::kStopped);
}

TEST_F(CalibrationDialog, OpensWithTheDefaultsAfterStoppingTheRobot)
{
    const int result = WithDialog([&](CTamekConfigDialog& dialog) {
        EXPECT_EQ(Robot("lastRequest"), "\"67 00 00 00 00 00 00 00\""); // the robot's program stopped
        EXPECT_EQ(dialog.GetTitle(), "Configuratie");
        EXPECT_EQ(dialog.GetSize(), wxSize(600, 500));
        auto* servo1 = Named<CMySlider>(dialog, "servo1.slider");
        auto* servo2 = Named<CMySlider>(dialog, "servo2.slider");
        EXPECT_EQ(servo1->Thumbs().Mode(), SliderMode::Positional);
        EXPECT_EQ(Values(servo1), std::make_tuple(16, 0, 108));
        EXPECT_EQ(servo2->Thumbs().Mode(), SliderMode::Continuous);
        EXPECT_EQ(Values(servo2), std::make_tuple(60, 69, 78));
        for (const char* motor : {"motor1.slider", "motor2.slider"}) {
            EXPECT_EQ(Named<CMySlider>(dialog, motor)->Thumbs().Mode(), SliderMode::Motor);
            EXPECT_EQ(Values(Named<CMySlider>(dialog, motor)), std::make_tuple(0, 24, 49));
        }
        EXPECT_EQ(Named<wxSpinCtrl>(dialog, "servo1.angleMin")->GetValue(), -60);
        EXPECT_EQ(Named<wxSpinCtrl>(dialog, "servo1.angleMax")->GetValue(), 60);
        // The panels and texts; a positional servo shows its angles, a continuous one its speed.
        wxString texts;
        for (const char* name :
             {"servo1.panel", "servo2.panel", "motor1.panel", "motor2.panel", "servo1.continuous", "servo1.reversed",
              "servo1.angleLabel", "servo2.speedLabel", "ok", "stoppen", "defaults", "stopActuators"})
            texts += Named<wxWindow>(dialog, name)->GetLabel() + "|";
        EXPECT_EQ(texts, wxString::FromUTF8("SERVO 1|SERVO 2|Motor1|Motor2|Continue rotatie|Omgekeerde richting|"
                                            "Hoek (°)|Snelheid (%)|Ok|Stoppen|Standaardwaarden herstellen|"
                                            "Stop servo/motor|"));
        for (const auto& [name, shown] :
             {std::make_pair("servo1.speedLabel", false), std::make_pair("servo2.angleLabel", false),
              std::make_pair("servo2.angleMin", false), std::make_pair("motor1.reversed", true)})
            EXPECT_EQ(Named<wxWindow>(dialog, name)->IsShown(), shown) << name;
        ExpectNothingClipped(&dialog);
        // The thumbs stand where their values say: each is found under the mouse at its place.
        for (CMySlider* slider : {servo1, servo2})
            for (Thumb thumb : {Thumb::Low, Thumb::Middle, Thumb::High})
                if (slider->Thumbs().Has(thumb)) {
                    ClickAt(slider, ThumbPoint(slider, thumb), wxMOUSE_BTN_NONE);
                    EXPECT_TRUE(WaitFor([&] { return slider->Hovered() == thumb; }, 1000));
                    EXPECT_EQ(slider->GetToolTipText(), slider->ThumbLabel(thumb));
                }
        EXPECT_EQ(servo2->GetToolTipText(), "Maximale snelheid");
        EXPECT_TRUE(WaitForRepaint(&dialog));
        SaveScreenshot("calibration-defaults");
    });
    EXPECT_EQ(result, CTamekConfigDialog::kStopped);
    EXPECT_EQ(Robot("lastRequest"), "\"65 86 00 00 00 00 00 00\""); // the close box switched the outputs off
}

TEST_F(CalibrationDialog, ThumbsMoveWithinTheirRulesAndAreTriedOnTheRobot)
{
    WithDialog([&](CTamekConfigDialog& dialog) {
        // A continuous servo: a step of the low thumb moves the high one the other way.
        auto* servo2 = Named<CMySlider>(dialog, "servo2.slider");
        ClickThumb(servo2, Thumb::Low);
        EXPECT_EQ(Robot("servo"), "[0,60]");
        PressKey(servo2, WXK_LEFT);
        EXPECT_EQ(Values(servo2), std::make_tuple(59, 69, 79));
        EXPECT_EQ(Robot("servo"), "[0,59]");
        PressKey(servo2, 'M');
        PressKey(servo2, 'M');
        EXPECT_EQ(Values(servo2), std::make_tuple(61, 69, 77));
        // Dragging the middle carries all three as far as the mouse went.
        const wxPoint middle = ThumbPoint(servo2, Thumb::Middle);
        const int moved = servo2->ValueAt(middle.x + 30) - servo2->ValueAt(middle.x);
        DragAt(servo2, middle, middle + wxPoint(30, 0));
        EXPECT_EQ(Values(servo2), std::make_tuple(61 + moved, 69 + moved, 77 + moved));
        EXPECT_EQ(Robot("servo"), wxString::Format("[0,%d]", 69 + moved).ToStdString());

        // A motor: the middle stops at 1, the high thumb at 198, however far the mouse goes.
        auto* motor1 = Named<CMySlider>(dialog, "motor1.slider");
        const wxPoint zero = ThumbPoint(motor1, Thumb::Middle);
        DragAt(motor1, zero, wxPoint(-40, zero.y));
        PressKey(motor1, 'L');
        EXPECT_EQ(Values(motor1), std::make_tuple(0, 1, 49));
        const wxPoint top = ThumbPoint(motor1, Thumb::High);
        DragAt(motor1, top, wxPoint(motor1->GetClientSize().x + 40, top.y));
        PressKey(motor1, WXK_RIGHT);
        EXPECT_EQ(Values(motor1), std::make_tuple(0, 1, 198));
        EXPECT_EQ(Robot("motor"), "[0,198]");
        EXPECT_TRUE(WaitForRepaint(&dialog));
        SaveScreenshot("calibration-moved");
    });
}

TEST_F(CalibrationDialog, ReversedActuatorsAreTriedReversed)
{
    WithDialog([&](CTamekConfigDialog& dialog) {
        auto* reversed = Named<wxCheckBox>(dialog, "motor2.reversed");
        Press(reversed);
        EXPECT_TRUE(reversed->GetValue());
        ClickThumb(Named<CMySlider>(dialog, "motor2.slider"), Thumb::High);
        EXPECT_EQ(Robot("lastRequest"), "\"65 85 31 00 01 00 00 00\""); // motor 2, 49, reverse flag
        EXPECT_EQ(Robot("motor"), "[-49,0]");
        // A reversed continuous servo: its low thumb is sent mirrored around the middle.
        Press(Named<wxCheckBox>(dialog, "servo2.reversed"));
        ClickThumb(Named<CMySlider>(dialog, "servo2.slider"), Thumb::Low);
        EXPECT_EQ(Robot("servo"), "[0,78]");
    });
}

TEST_F(CalibrationDialog, StoppenKeepsTheServoModeSwitchButNotTheThumbs)
{
    const int result = WithDialog([&](CTamekConfigDialog& dialog) {
        Press(Named<wxCheckBox>(dialog, "servo1.continuous"));
        auto* servo1 = Named<CMySlider>(dialog, "servo1.slider");
        EXPECT_EQ(servo1->Thumbs().Mode(), SliderMode::Continuous);
        EXPECT_EQ(Values(servo1), std::make_tuple(60, 69, 78));
        EXPECT_EQ(servo1->ThumbLabel(Thumb::Low), "Minimale snelheid");
        EXPECT_TRUE(Named<wxWindow>(dialog, "servo1.speedLabel")->IsShown());
        EXPECT_FALSE(Named<wxWindow>(dialog, "servo1.angleMax")->IsShown());
        ClickThumb(servo1, Thumb::High, {WXK_RIGHT});
        Press(Named<wxButton>(dialog, "stoppen"));
    });
    EXPECT_EQ(result, CTamekConfigDialog::kStopped);
    const CalibrationRecord::Servo& servo1 = frame->GetCalibration().servo[0];
    EXPECT_EQ(servo1.flags, 2);
    EXPECT_EQ(std::make_pair(servo1.pulseMinContinuous, servo1.pulseMaxContinuous), std::make_pair(60, 78));
    EXPECT_EQ(Prototype(KindId::Servo1)->ParameterMaximum(), 60); // the kinds wait for "Ok"
    EXPECT_EQ(Robot("lastRequest"), "\"65 86 00 00 00 00 00 00\"");
}

TEST_F(CalibrationDialog, RestoredDefaultsStayAfterTheCloseBoxWhileTheKindsWaitForOk)
{
    CalibrationRecord custom = CalibrationRecord::Defaults();
    custom.servo[0] = {20, 100, 50, 90, -30, 30, 2};
    custom.motor[1] = {30, 60, 1};
    frame->SetCalibration(custom);
    const int result = WithDialog([&](CTamekConfigDialog& dialog) {
        EXPECT_EQ(Values(Named<CMySlider>(dialog, "servo1.slider")), std::make_tuple(50, 70, 90));
        EXPECT_TRUE(Named<wxCheckBox>(dialog, "motor2.reversed")->GetValue());
        Press(Named<wxButton>(dialog, "defaults"));
        EXPECT_EQ(Values(Named<CMySlider>(dialog, "servo1.slider")), std::make_tuple(16, 0, 108));
        EXPECT_EQ(Named<wxSpinCtrl>(dialog, "servo1.angleMin")->GetValue(), -60);
        EXPECT_FALSE(Named<wxCheckBox>(dialog, "motor2.reversed")->GetValue());
        EXPECT_EQ(Values(Named<CMySlider>(dialog, "motor2.slider")), std::make_tuple(0, 24, 49));
    });
    EXPECT_EQ(result, CTamekConfigDialog::kStopped);
    // Both pulse pairs of servo 1 are the defaults again, not only the one its old flags selected.
    EXPECT_EQ(frame->GetCalibration(), DefaultCalibration());
    EXPECT_EQ(Prototype(KindId::Servo1)->ParameterMaximum(), 10);
    EXPECT_EQ(Prototype(KindId::Servo1)->GetCalibrationInt(0), 50);
}

TEST_F(CalibrationDialog, UnpluggedWhileOpenItTellsOnceAndLeavesTheCloseBox)
{
    WithDialog([&](CTamekConfigDialog& dialog) {
        {
            // The message stands for one and a half poll periods: nothing more is said.
            const auto shownAt = std::chrono::steady_clock::now();
            MessageBoxCatcher messages([&] { return std::chrono::steady_clock::now() - shownAt > 1500ms; });
            ASSERT_EQ(robot->Command("unplug"), "ok");
            ASSERT_TRUE(WaitFor([&] { return !ToolEnabled(ID_TOOL_CONFIGURATION); }));
            EXPECT_EQ(wxJoin(messages.shown, '\n'),
                      "Apparaat is ontkoppeld, instellingen niet beschikbaar! | USB ontkoppelen");
        }
        for (const char* name : {"servo1.panel", "servo2.panel", "motor1.panel", "motor2.panel", "ok", "stoppen",
                                 "defaults", "stopActuators", "servo1.slider", "motor2.reversed"})
            EXPECT_FALSE(Named<wxWindow>(dialog, name)->IsEnabled()) << name;
        EXPECT_FALSE(ToolEnabled(ID_TOOL_CONFIGURATION));
        EXPECT_TRUE(WaitForRepaint(&dialog));
        SaveScreenshot("calibration-unplugged");
        // Plugged back in, it can be used again.
        ASSERT_EQ(robot->Command("plug"), "ok");
        EXPECT_TRUE(WaitFor([&] { return Named<wxWindow>(dialog, "servo1.slider")->IsEnabled(); }));
        dialog.Close();
    });
    EXPECT_EQ(frame->GetConfigDialog(), nullptr);
}

TEST_F(CalibrationDialog, OkGivesTheKindsTheSettingsAndTheCompiledProgramTheNewValues)
{
    Open("examples/blink.tamek");
    ASSERT_TRUE(WaitFor([this] { return ToolEnabled(ID_TOOL_CONFIGURATION); })); // the open reset the commands
    const int result = WithDialog([&](CTamekConfigDialog& dialog) {
        ClickThumb(Named<CMySlider>(dialog, "servo1.slider"), Thumb::High, {WXK_LEFT, WXK_LEFT});
        Named<wxSpinCtrl>(dialog, "servo1.angleMin")->SetValue(-45);
        Press(Named<wxCheckBox>(dialog, "motor2.reversed"));
        Press(Named<wxCheckBox>(dialog, "servo2.continuous"));
        Press(Named<wxButton>(dialog, "ok"));
    });
    EXPECT_EQ(result, CTamekConfigDialog::kAccepted);
    const CalibrationRecord& calibration = frame->GetCalibration();
    EXPECT_EQ(calibration.servo[0].pulseMaxPositional, 106);
    EXPECT_EQ(calibration.servo[0].angleMin, -45);
    EXPECT_EQ(calibration.servo[1].flags, 0);
    EXPECT_EQ(calibration.motor[1].flags, 1);
    // The kinds ask for the new angles and emit the new pulses.
    EXPECT_EQ(Prototype(KindId::Servo1)->ParameterMinimum(), -45);
    EXPECT_EQ(Prototype(KindId::Servo1)->GetCalibrationInt(1), 106);
    EXPECT_EQ(Prototype(KindId::Servo2)->ParameterMaximum(), 60);
    EXPECT_TRUE(Prototype(KindId::Motor2)->GetCalibrationFlag());
    const std::string settings = ReadTextFile(SettingsFilePath());
    EXPECT_NE(settings.find("dir:32\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("Ser1PwmMa:106\n"), std::string::npos) << settings;
    // The Start block's prologue: servo 1's pulse pair first, motor 2 reversed in register 15.
    const unsigned char* image = nullptr;
    int length = 0;
    ASSERT_TRUE(CompileProgram(TheProgram(), calibration, image, length));
    const std::vector<unsigned char> prologue(image, image + length);
    EXPECT_EQ(std::vector<unsigned char>(image, image + 6), (std::vector<unsigned char>{0xC8, 1, 16, 0xC8, 2, 106}));
    const unsigned char motor2Reversed[] = {0xC8, 15, 1};
    EXPECT_NE(std::search(prologue.begin(), prologue.end(), motor2Reversed, motor2Reversed + 3), prologue.end());
}
