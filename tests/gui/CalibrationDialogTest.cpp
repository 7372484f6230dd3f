// The calibration dialog with the real mouse and keyboard, against the virtual robot in the test run's
// runtime folder, whose state's "servo" is [servo 1, servo 2], "motor" [motor 2, motor 1].
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
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/spinctrl.h>

namespace {
template <class Control = wxWindow> Control* Named(wxWindow& dialog, const wxString& name)
{
    auto* control = dynamic_cast<Control*>(dialog.FindWindow(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}
// A slider ("servo1", ...) and its low, middle and high values.
CMySlider* Slider(wxWindow& dialog, const wxString& name)
{
    return Named<CMySlider>(dialog, name + ".slider");
}
std::tuple<int, int, int> Values(const CMySlider* s)
{
    return {s->Thumbs().Value(Thumb::Low), s->Thumbs().Value(Thumb::Middle), s->Thumbs().Value(Thumb::High)};
}
// A thumb's 14-pixel picture: left at 10 + value * (W - 2 * 7 - 20) / 200, top 11 (middle) or 25.
wxPoint ThumbPoint(const CMySlider* slider, Thumb thumb)
{
    const int left = 10 + slider->Thumbs().Value(thumb) * (slider->GetClientSize().x - 34) / 200;
    return {left + 7, (thumb == Thumb::Middle ? 11 : 25) + 7};
}
// A real click in the middle of a button, or on the box of a check box.
void Press(wxWindow* control)
{
    const wxSize size = control->GetClientSize();
    ClickAt(control, wxPoint(dynamic_cast<wxCheckBox*>(control) ? 8 : size.x / 2, size.y / 2));
}
// Every shown control lies inside its parent and is at least as large as its content needs.
void ExpectNothingClipped(wxWindow* parent)
{
    for (wxWindow* child : parent->GetChildren())
        if (child->IsShown()) {
            const wxSize size = child->GetSize(), best = child->GetBestSize();
            EXPECT_TRUE(wxRect(parent->GetClientSize()).Contains(child->GetRect())) << child->GetName();
            EXPECT_TRUE(size.x >= best.x && size.y >= best.y) << child->GetName();
            ExpectNothingClipped(child);
        }
}

class CalibrationDialog : public MainWindowTest
{
protected:
    void SetUp() override
    {
        if (OnWayland()) // no simulated input, and a modal dialog crashes on the seatless compositor
            GTEST_SKIP();
        MainWindowTest::SetUp();
        ASSERT_TRUE(WaitFor([this] { return ToolEnabled(ID_TOOL_CONFIGURATION); }));
    }
    // Opens the dialog with its tool, runs steps in it, closes it if they did not, and expects its result.
    void WithDialog(const std::function<void(CTamekConfigDialog&)>& steps, int result = CTamekConfigDialog::kStopped)
    {
        wxTheApp->CallAfter([&] {
            CTamekConfigDialog& dialog = *frame->GetConfigDialog();
            EXPECT_TRUE(WaitFor([&] { return dialog.IsShownOnScreen(); }));
            steps(dialog);
            if (dialog.IsModal())
                dialog.Close();
            EXPECT_EQ(dialog.GetReturnCode(), result);
        });
        Command(ID_TOOL_CONFIGURATION);
    }
    void ClickThumb(CMySlider* slider, Thumb thumb, std::initializer_list<int> keys = {})
    {
        ClickAt(slider, ThumbPoint(slider, thumb));
        for (int key : keys)
            PressKey(slider, key);
    }
    testing_support::VirtualRobotProcess robot{getenv("XDG_RUNTIME_DIR")};
};
} // namespace

TEST_F(CalibrationDialog, OpensWithTheDefaultsWholeAndTheThumbsWhereTheirValuesSay)
{
    WithDialog([&](CTamekConfigDialog& dialog) {
        EXPECT_EQ(robot.Field("lastRequest"), "\"67 00 00 00 00 00 00 00\""); // the program stopped
        EXPECT_EQ(dialog.GetTitle() << dialog.GetSize().x << "x" << dialog.GetSize().y, "Configuratie600x500");
        EXPECT_EQ(Values(Slider(dialog, "servo1")), std::make_tuple(16, 0, 108));
        EXPECT_EQ(Values(Slider(dialog, "motor2")), std::make_tuple(0, 24, 49));
        EXPECT_EQ(Named<wxSpinCtrl>(dialog, "servo1.angleMin")->GetValue(), -60);
        EXPECT_FALSE(Named(dialog, "servo1.speedLabel")->IsShown() || Named(dialog, "servo2.angleMax")->IsShown());
        ExpectNothingClipped(&dialog);
        // Each of servo 2's thumbs is found under the mouse where its value says, with its label.
        CMySlider* servo2 = Slider(dialog, "servo2");
        EXPECT_EQ(Values(servo2), std::make_tuple(60, 69, 78));
        const char* labels[] = {"Minimale snelheid", "Nul snelheid", "Maximale snelheid"};
        for (Thumb thumb : {Thumb::Low, Thumb::Middle, Thumb::High}) {
            ClickAt(servo2, ThumbPoint(servo2, thumb), wxMOUSE_BTN_NONE);
            EXPECT_TRUE(WaitFor([&] { return servo2->Hovered() == thumb; }, 1000));
            EXPECT_EQ(servo2->GetToolTipText(), labels[static_cast<int>(thumb)]);
        }
        EXPECT_TRUE(WaitForRepaint(&dialog));
        SaveScreenshot("calibration-defaults");
    });
    EXPECT_EQ(robot.Field("lastRequest"), "\"65 86 00 00 00 00 00 00\""); // the close box switched the outputs off
}

TEST_F(CalibrationDialog, ThumbsMoveWithinTheirRulesAreTriedOnTheRobotAndStopWhenItIsUnplugged)
{
    WithDialog([&](CTamekConfigDialog& dialog) {
        // Continuous: a step of the low thumb moves the high one the other way.
        CMySlider *servo2 = Slider(dialog, "servo2"), *motor1 = Slider(dialog, "motor1");
        ClickThumb(servo2, Thumb::Low, {WXK_LEFT});
        EXPECT_EQ(Values(servo2), std::make_tuple(59, 69, 79));
        EXPECT_EQ(robot.Field("servo"), "[0,59]");
        PressKey(servo2, 'M');
        // A motor: the middle stops at 1, the high thumb at 198, however far the mouse goes.
        const wxPoint zero = ThumbPoint(motor1, Thumb::Middle), top = ThumbPoint(motor1, Thumb::High);
        DragAt(motor1, zero, wxPoint(-40, zero.y));
        PressKey(motor1, 'L');
        DragAt(motor1, top, wxPoint(motor1->GetClientSize().x + 40, top.y));
        PressKey(motor1, WXK_RIGHT);
        EXPECT_EQ(Values(motor1), std::make_tuple(0, 1, 198));
        EXPECT_EQ(robot.Field("motor"), "[0,198]");
        // Reversed: a motor's speed goes with the reverse flag, a continuous servo's low thumb mirrored.
        Press(Named(dialog, "motor2.reversed"));
        ClickThumb(Slider(dialog, "motor2"), Thumb::High);
        EXPECT_EQ(robot.Field("lastRequest"), "\"65 85 31 00 01 00 00 00\"");
        EXPECT_EQ(robot.Field("motor"), "[-49,0]");
        Press(Named(dialog, "servo2.reversed"));
        ClickThumb(servo2, Thumb::Low);
        EXPECT_EQ(robot.Field("servo"), "[0,78]");
        EXPECT_TRUE(WaitForRepaint(&dialog));
        SaveScreenshot("calibration-changed");
        // Unplugged: told once, panels and buttons disabled; plugged back in, usable again.
        wxTEST_DIALOG(
            ASSERT_EQ(robot.Command("unplug"), "ok");
            ASSERT_TRUE(WaitFor([&] { return !ToolEnabled(ID_TOOL_CONFIGURATION); })),
            ExpectMessage("Apparaat is ontkoppeld, instellingen niet beschikbaar!", "USB ontkoppelen", wxID_OK));
        for (const char* name : {"servo1.panel", "motor2.panel", "stopActuators", "servo1.slider"})
            EXPECT_FALSE(Named(dialog, name)->IsEnabled()) << name;
        EXPECT_TRUE(WaitForRepaint(&dialog));
        SaveScreenshot("calibration-unplugged");
        ASSERT_EQ(robot.Command("plug"), "ok");
        EXPECT_TRUE(WaitFor([&] { return Named(dialog, "servo1.slider")->IsEnabled(); }));
    });
}

TEST_F(CalibrationDialog, ModeSwitchAndDefaultsStayWithoutOkWhileTheKindsWaitForIt)
{
    CalibrationRecord custom = CalibrationRecord::Defaults();
    custom.servo[0] = {20, 100, 50, 90, -30, 30, 0};
    frame->SetCalibration(custom);
    // Switched to continuous and left with "Stoppen": continuous, its pulse pair untouched.
    WithDialog([&](CTamekConfigDialog& dialog) {
        Press(Named(dialog, "servo1.continuous"));
        EXPECT_EQ(Values(Slider(dialog, "servo1")), std::make_tuple(50, 70, 90));
        ClickThumb(Slider(dialog, "servo1"), Thumb::High, {WXK_RIGHT});
        Press(Named(dialog, "stoppen"));
    });
    custom.servo[0].flags = 2;
    EXPECT_EQ(frame->GetCalibration(), custom);
    EXPECT_EQ(Prototypes::Get().Of(KindId::Servo1)->ParameterMaximum(), 30);
    // The defaults restored and the close box: the defaults whole, both pulse pairs of servo 1.
    WithDialog([&](CTamekConfigDialog& dialog) {
        Press(Named(dialog, "defaults"));
        EXPECT_EQ(Values(Slider(dialog, "servo1")), std::make_tuple(16, 0, 108));
    });
    EXPECT_EQ(frame->GetCalibration(), DefaultCalibration());
    EXPECT_EQ(Prototypes::Get().Of(KindId::Servo1)->GetCalibrationInt(1), 100);
}

TEST_F(CalibrationDialog, OkGivesTheKindsTheSettingsAndTheCompiledPrologueTheNewValues)
{
    Open("examples/blink.tamek");
    WithDialog(
        [&](CTamekConfigDialog& dialog) {
            ClickThumb(Slider(dialog, "servo1"), Thumb::High, {WXK_LEFT, WXK_LEFT});
            Named<wxSpinCtrl>(dialog, "servo1.angleMin")->SetValue(-45);
            Press(Named(dialog, "motor2.reversed"));
            Press(Named(dialog, "servo2.continuous"));
            Press(Named(dialog, "ok"));
        },
        CTamekConfigDialog::kAccepted);
    const CState *servo1 = Prototypes::Get().Of(KindId::Servo1), *servo2 = Prototypes::Get().Of(KindId::Servo2);
    EXPECT_EQ(std::make_tuple(servo1->ParameterMinimum(), servo1->GetCalibrationInt(1), servo2->ParameterMaximum(),
                              Prototypes::Get().Of(KindId::Motor2)->GetCalibrationFlag()),
              std::make_tuple(-45, 106, 60, true)); // servo 2 positional now
    const std::string settings = ReadTextFile(SettingsFilePath());
    EXPECT_NE(settings.find("dir:32\nSer1PwmMi:16\nSer1PwmMa:106\nSer1DegMi:-45\n"), std::string::npos) << settings;
    // The Start block's prologue: servo 1's pulse pair first, motor 2 reversed in register 15.
    const unsigned char* image = nullptr;
    int length = 0;
    ASSERT_TRUE(CompileProgram(TheProgram(), frame->GetCalibration(), image, length));
    EXPECT_EQ(std::vector<unsigned char>(image, image + 6), (std::vector<unsigned char>{0xC8, 1, 16, 0xC8, 2, 106}));
    const unsigned char motor2Reversed[] = {0xC8, 15, 1};
    EXPECT_NE(std::search(image, image + length, motor2Reversed, motor2Reversed + 3), image + length);
}
