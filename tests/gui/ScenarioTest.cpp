// Scenarios in the real window: checked (texts as in robot_scenarios/cases.txt), played, recorded.

#include "GuiTest.h"

#include "app/CommandIds.h"
#include "app/FileChooser.h"
#include "console/CConsoleViewer.h"
#include "support/VirtualRobotProcess.h"

#include <algorithm>
#include <wx/scrolbar.h>

namespace {
const char* const kTestTitle = "Test met scenario...";
const char *const kSaveTitle = "Opname bewaren als...", *const kDrop = "De opname is niet bewaard. Weggooien?";

struct Scenarios : MainWindowTest
{
    // The dialog with this title choosing robot_scenarios' files by name (a dialog of one: the last).
    static Expect<wxFileDialog> Choose(const wxString& names, const wxString& title = kTestTitle)
    {
        wxArrayString paths = wxSplit(names, ' ', 0);
        for (wxString& path : paths)
            path = DataPath("robot_scenarios/" + path + ".scenario");
        return Expect<wxFileDialog>([=](wxFileDialog* dialog) {
            EXPECT_EQ(dialog->GetMessage(), title);
            static_cast<ProjectFileDialog*>(dialog)->SetChosenPaths(paths);
            dialog->SetPath(paths.Last());
            return wxID_OK;
        });
    }
};
} // namespace

TEST_F(Scenarios, ResultsGoToTheConsoleTheFailingBlockIsShownAndBadInputChecksNothing)
{
    Open("robot_scenarios/muur.tamek");
    frame->ShowConsolePane(false);
    wxTEST_DIALOG(Command(ID_MENU_TEST_SCENARIO), Choose("stopt_bij_muur rijdt_door"));
    EXPECT_TRUE(frame->IsPaneShown("Console"));
    EXPECT_TRUE(TheConsole()->GetText().EndsWith("\nStopt bij de muur: ok\nRijdt door zonder muur: ok\n"));
    Screenshot("scenario-console-passed");

    // The failure's block comes into view however far away the pupil has scrolled.
    Open("examples/blink.tamek");
    wxScrollBar* bar = Canvas()->HorizontalBar();
    bar->SetThumbPosition(bar->GetRange() - bar->GetThumbSize());
    wxScrollEvent release(wxEVT_SCROLL_THUMBRELEASE, bar->GetId(), bar->GetThumbPosition(), wxHORIZONTAL);
    bar->GetEventHandler()->ProcessEvent(release);
    CState* ledOn = BlockOfKind("LedR", "1");
    const auto shownWhole = [&] { // the block's 96-unit box inside the canvas, scroll bars aside
        return wxRect(Canvas()->GetClientSize() - wxSize(15, 15))
            .Contains(wxRect(Canvas()->ToWindow(wxPoint(ledOn->GetX(), ledOn->GetY())), wxSize(96, 96)));
    };
    ASSERT_FALSE(shownWhole());
    wxTEST_DIALOG(Command(ID_MENU_TEST_SCENARIO), Choose("knippert led_blijft_uit"));
    EXPECT_TRUE(TheConsole()->GetText().EndsWith(
        "ok\nLed knippert elke halve seconde: ok\nLed blijft uit: mislukt: regel 3: verwacht "
        "altijd led == 0: op 0.002 s was led 1, in blok \"LedRood = 1.\"\n"));
    EXPECT_TRUE(GetCurrentBlock() == ledOn && shownWhole() && DrawnRed(ledOn));
    Screenshot("scenario-console-failed");

    const wxString error =
        "kapot.scenario:3: onbekende sensor \"Schakelaar4\" (Schakelaar1 tot 3, Sensor1 of Sensor2)\n";
    for (int command : {ID_MENU_TEST_SCENARIO, ID_MENU_PLAY_SCENARIO}) { // the same mistake, said each time
        wxTEST_DIALOG(Command(command),
                      Choose("stopt_bij_muur kapot", command == ID_MENU_TEST_SCENARIO ? kTestTitle : "Afspelen"));
        EXPECT_TRUE(TheConsole()->GetText().EndsWith(error)); // and nothing more (no result, no run)
    }
    EXPECT_EQ(wxString(TheConsole()->GetText()).Replace(error, ""), 2u);

    Open("compile/limit_993.tamek"); // (a run started above would make it ask first)
    const wxString before = TheConsole()->GetText();
    wxTEST_DIALOG(Command(ID_MENU_TEST_SCENARIO), Choose("stopt_bij_muur"),
                  ExpectMessage("Code too long", "WARNING", wxID_OK));
    EXPECT_EQ(TheConsole()->GetText(), before);
}

// The virtual robot's switch recorded in a manual run, then played into a virtual run: the same path.
TEST_F(Scenarios, AManualRunsPolledInputsAreRecordedSavedAndPlayedIntoAVirtualRun)
{
    testing_support::VirtualRobotProcess robot{getenv("XDG_RUNTIME_DIR")};
    ASSERT_TRUE(WaitFor([&] { return frame->IsRobotConnected(); }, 2500));
    Open("simulation/wait_for_switch.tamek"); // waits for Schakelaar1, then the LED, then Stop
    const wxString folder = FreshFolder("recordings"), saved = folder + "/opname.scenario";
    std::vector<CState*> path[2]; // the blocks each run highlighted, in the order first seen
    const auto follow = [&](int i) {
        if (GetCurrentBlock() && std::find(path[i].begin(), path[i].end(), GetCurrentBlock()) == path[i].end())
            path[i].push_back(GetCurrentBlock());
    };
    Command(ID_MENU_MODE_MANUAL, true);
    Command(ID_MENU_START);
    Command(ID_MENU_RECORD_SCENARIO, true);
    ASSERT_TRUE(frame->IsRecording() && frame->GetMenuBar()->IsChecked(ID_MENU_RECORD_SCENARIO));
    const SimulationRun* run = frame->GetRunControl().Run();
    ASSERT_TRUE(WaitFor([&] { return follow(0), run->SimulatedMs() >= 800; }, 3000));
    ASSERT_EQ(robot.Command("switch 1 on"), "ok");
    ASSERT_TRUE(WaitFor([&] { return follow(0), run->Machine().RedLedOn(); }, 4000));

    // A failed write says why and asks again; a cancel drops the recording only when the pupil says so.
    const wxString unwritable = folder + "/nee/x.scenario";
    wxTEST_DIALOG(Command(ID_MENU_RECORD_SCENARIO, false), ExpectFileDialog(kSaveTitle, unwritable),
                  ExpectMessage("De opname kan niet bewaard worden in " + unwritable +
                                    " (No such file or directory). Kies een andere plaats.",
                                "Schrijffout", wxID_OK),
                  ExpectFileDialog(kSaveTitle, ""), ExpectMessage(kDrop, "Opnemen", wxID_NO),
                  ExpectFileDialog(kSaveTitle, saved));
    EXPECT_FALSE(frame->IsRecording() || frame->GetInputPollListener());
    EXPECT_NE(ReadTextFile(saved).find(" Schakelaar1 ingedrukt\n"), std::string::npos);

    // A recording going when the run ends is offered then.
    Command(ID_MENU_RECORD_SCENARIO, true);
    wxTEST_DIALOG(EXPECT_TRUE(WaitFor([&] { return follow(0), !frame->IsRecording(); }, 4000)),
                  ExpectFileDialog(kSaveTitle, ""), ExpectMessage(kDrop, "Opnemen", wxID_YES));

    wxTEST_DIALOG(Command(ID_MENU_PLAY_SCENARIO), ExpectFileDialog("Afspelen", saved));
    EXPECT_TRUE(WaitFor([&] { return follow(1), !frame->IsRunActive() && !frame->IsPlayingScenario(); }, 8000));
    EXPECT_EQ(path[0], path[1]);
    EXPECT_EQ(path[1].back(), BlockOfKind("Stop"));
}
