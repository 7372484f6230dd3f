// Scenarios in the real window: the program shown checked against scenario files (the results in
// the console as tamekc test prints them, the failing block shown), a scenario's inputs played into
// a virtual run, and a manual run's polled inputs recorded, saved and played back.

#include "GuiTest.h"

#include "app/CommandIds.h"
#include "app/FileChooser.h"
#include "console/CConsoleViewer.h"
#include "support/RunTamekc.h"

#include <wx/scrolbar.h>

namespace {
const char* const kSaveTitle = "Opname bewaren als...";

// The scenario files of tests/data/robot_scenarios named (without ".scenario"), space separated.
wxArrayString ScenarioFiles(const wxString& names)
{
    wxArrayString paths = wxSplit(names, ' ', 0);
    for (wxString& path : paths)
        path = DataPath("robot_scenarios/" + path + ".scenario");
    return paths;
}

struct Scenarios : MainWindowTest
{
    size_t ConsoleLength() const { return TheConsole()->GetText().length(); }
    wxString ConsoleSince(size_t mark) const { return TheConsole()->GetText().Mid(mark); }

    // The dialog of "Test met scenario...", choosing these files.
    static Expect<wxFileDialog> ChooseScenarios(const wxArrayString& paths)
    {
        return Expect<wxFileDialog>([=](wxFileDialog* dialog) {
            EXPECT_EQ(dialog->GetMessage(), "Test met scenario...");
            EXPECT_TRUE(dialog->HasFlag(wxFD_MULTIPLE));
            static_cast<ProjectFileDialog*>(dialog)->SetChosenPaths(paths);
            return wxID_OK;
        });
    }
    // What tamekc test prints for the project and the scenario files.
    static wxString TamekcTest(const wxString& project, const wxArrayString& paths)
    {
        wxString arguments = "test '" + project + "'";
        for (const wxString& path : paths)
            arguments += " '" + path + "'";
        return wxString::FromUTF8(testing_support::Tamekc(arguments.ToStdString()).out);
    }
    // The block's 96-unit box lies wholly inside the canvas, scroll bars aside.
    bool ShownWhole(const CState* block) const
    {
        const wxRect box(Canvas()->ToWindow(wxPoint(block->GetX(), block->GetY())), wxSize(96, 96));
        return wxRect(Canvas()->GetClientSize() - wxSize(CProjectViewer::kBarSize, CProjectViewer::kBarSize))
            .Contains(box);
    }
    void Screenshot(const char* name)
    {
        WaitForRepaint(Canvas());
        SaveScreenshot(name);
    }
};
} // namespace

TEST_F(Scenarios, ResultsGoToTheConsoleAsTamekcPrintsThemAndTheFailingBlockIsShown)
{
    Open("robot_scenarios/muur.tamek");
    frame->ShowConsolePane(false);
    size_t mark = ConsoleLength();
    wxTEST_DIALOG(Command(ID_MENU_TEST_SCENARIO), ChooseScenarios(ScenarioFiles("stopt_bij_muur rijdt_door")));
    EXPECT_TRUE(frame->IsPaneShown("Console"));
    EXPECT_EQ(ConsoleSince(mark),
              TamekcTest(DataPath("robot_scenarios/muur.tamek"), ScenarioFiles("stopt_bij_muur rijdt_door")));
    EXPECT_TRUE(ConsoleSince(mark).EndsWith("Rijdt door zonder muur: ok\n"));
    EXPECT_EQ(GetCurrentBlock(), nullptr);
    Screenshot("scenario-console-passed");

    // The failure's block comes into view however far away the pupil has scrolled.
    Open("examples/blink.tamek");
    wxScrollBar* bar = Canvas()->HorizontalBar();
    bar->SetThumbPosition(bar->GetRange() - bar->GetThumbSize());
    wxScrollEvent release(wxEVT_SCROLL_THUMBRELEASE, bar->GetId(), bar->GetThumbPosition(), wxHORIZONTAL);
    bar->GetEventHandler()->ProcessEvent(release);
    CState* ledOn = BlockNumbered(2);
    ASSERT_FALSE(ShownWhole(ledOn));
    mark = ConsoleLength();
    wxTEST_DIALOG(Command(ID_MENU_TEST_SCENARIO), ChooseScenarios(ScenarioFiles("knippert led_blijft_uit")));
    EXPECT_EQ(ConsoleSince(mark),
              TamekcTest(DataPath("examples/blink.tamek"), ScenarioFiles("knippert led_blijft_uit")));
    EXPECT_TRUE(ConsoleSince(mark).EndsWith(" in blok \"LedRood = 1.\"\n"));
    EXPECT_EQ(GetCurrentBlock(), ledOn);
    EXPECT_TRUE(ShownWhole(ledOn));
    Screenshot("scenario-console-failed");
}

TEST_F(Scenarios, AnUnreadableScenarioOrATooLongProgramChecksNothing)
{
    Open("robot_scenarios/muur.tamek");
    const wxString error =
        "kapot.scenario:3: onbekende sensor \"Schakelaar4\" (Schakelaar1 tot 3, Sensor1 of Sensor2)\n";
    for (int attempt = 0; attempt < 2; ++attempt) { // the same mistake is said again each time
        const size_t mark = ConsoleLength();
        wxTEST_DIALOG(Command(ID_MENU_TEST_SCENARIO), ChooseScenarios(ScenarioFiles("stopt_bij_muur kapot")));
        EXPECT_TRUE(ConsoleSince(mark).EndsWith(error) && ConsoleSince(mark).Freq('\n') == 1) << ConsoleSince(mark);
    }
    wxTEST_DIALOG(Command(ID_MENU_PLAY_SCENARIO), ExpectFileDialog("Afspelen", ScenarioFiles("kapot")[0]));
    EXPECT_FALSE(frame->IsRunActive());
    EXPECT_TRUE(TheConsole()->GetText().EndsWith(error));

    Open("compile/limit_993.tamek");
    const size_t mark = ConsoleLength();
    wxTEST_DIALOG(Command(ID_MENU_TEST_SCENARIO), ChooseScenarios(ScenarioFiles("stopt_bij_muur")),
                  ExpectMessage("Code too long", "WARNING", wxID_OK));
    EXPECT_EQ(ConsoleSince(mark), "");
}

TEST_F(Scenarios, AManualRunsPolledInputsAreRecordedSavedAndPlayedIntoAVirtualRun)
{
    Open("simulation/wait_for_switch.tamek"); // waits for Schakelaar1, then the LED, then Stop
    const wxString folder = FreshFolder("recordings"), saved = folder + "/opname.scenario";
    Command(ID_MENU_MODE_MANUAL, true);
    Command(ID_MENU_START);
    EXPECT_FALSE(MenuEnabled(ID_MENU_TEST_SCENARIO) || MenuEnabled(ID_MENU_PLAY_SCENARIO));
    Command(ID_MENU_RECORD_SCENARIO, true);
    ASSERT_TRUE(frame->IsRecording() && frame->GetMenuBar()->IsChecked(ID_MENU_RECORD_SCENARIO));
    for (long timeMs = 0; timeMs <= 1500; timeMs += 100) // switch 1 pressed at 0.8 s, sensor 2 at 1.2 s
        frame->GetInputPollListener()(timeMs, timeMs >= 800 ? 0 : 1023, timeMs >= 1200 ? 400 : 1023, 1023);

    // Stopping asks where to save; a place that cannot be written is told with the reason and the
    // recording waits for another, and a cancelled choice drops it only when the pupil says so.
    const wxString unwritable = folder + "/nee/x.scenario";
    wxTEST_DIALOG(Command(ID_MENU_RECORD_SCENARIO, false), ExpectFileDialog(kSaveTitle, unwritable),
                  ExpectMessage("De opname kan niet bewaard worden in " + unwritable +
                                    " (No such file or directory). Kies een andere plaats.",
                                "Schrijffout", wxID_OK),
                  ExpectFileDialog(kSaveTitle, ""),
                  ExpectMessage("De opname is niet bewaard. Weggooien?", "Opnemen", wxID_NO),
                  ExpectFileDialog(kSaveTitle, saved));
    EXPECT_FALSE(frame->IsRecording() || frame->GetInputPollListener());
    EXPECT_EQ(ReadTextFile(saved), "# Opgenomen met Tamek: de invoer van de robot, zonder verwachtingen.\n"
                                   "naam: Opname wait_for_switch\nduur: 1.5\n"
                                   "op 0.8 Schakelaar1 ingedrukt\nop 1.2 Sensor2 = 623\n");

    // A recording going when the run ends is offered then.
    Command(ID_MENU_RECORD_SCENARIO, true);
    wxTEST_DIALOG((Command(ID_MENU_STOP), WaitFor([&] { return !frame->IsRecording(); })),
                  ExpectFileDialog(kSaveTitle, ""),
                  ExpectMessage("De opname is niet bewaard. Weggooien?", "Opnemen", wxID_YES));
    EXPECT_FALSE(MenuEnabled(ID_MENU_RECORD_SCENARIO));

    // Played back, in the virtual mode: the program loops until the switch is pressed at 0.8 s of
    // its own time (a pass of its loop takes about a second), then takes the LED's path to its end.
    wxTEST_DIALOG(Command(ID_MENU_PLAY_SCENARIO), ExpectFileDialog("Afspelen", saved));
    ASSERT_TRUE(frame->IsVirtualRunActive() && frame->IsPlayingScenario());
    const SimulationRun* run = frame->GetRunControl().Run();
    ASSERT_TRUE(WaitFor([&] { return frame->IsRunActive() && run->Machine().RedLedOn(); }, 5000));
    EXPECT_GE(run->SimulatedMs(), 800);
    EXPECT_LE(run->SimulatedMs(), 2600);
    EXPECT_TRUE(WaitFor([&] { return !frame->IsRunActive() && !frame->IsPlayingScenario(); }, 4000));
}
