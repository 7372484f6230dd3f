// Project commands in the real window: open, save, save as, new, exit, close, the recent list.
#include "GuiTestSupport.h"

#include "app/CFrame.h"
#include "app/CommandIds.h"
#include "calibration/CalibrationRecord.h"
#include "calibration/Settings.h"
#include "model/CProgram.h"
#include "model/Prototypes.h"

#include <wx/filename.h>
#include <wx/menu.h>

namespace {
const char* const kProject = "Node: 0 => State Start: Position:577,48. Son 1\n"
                             "Node: 1 => State Wait: Position:577,108.Param: '5'. Name: Wacht . \n";

class ProjectCommandsTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        folder = FreshFolder("projects");
        MainWindowTest::SetUp();
    }

    // A readable project file in the test folder.
    wxString Project(const wxString& name)
    {
        const wxString path = folder + "/" + name;
        EXPECT_TRUE(WriteTextFile(path, kProject));
        return path;
    }

    std::vector<wxString> RecentPaths() const { return frame->GetRecentProjects().Paths(); }

    wxString folder;
};
} // namespace

TEST_F(ProjectCommandsTest, OpeningSetsTitleCommandStateRecentListAndSettings)
{
    const wxString path = Project("blink.tamek");
    ASSERT_TRUE(frame->OpenProjectByPath(path));
    EXPECT_EQ(frame->GetTitle(), "Tamek - " + path);
    EXPECT_EQ(frame->GetProjectPath(), path);
    EXPECT_EQ(frame->GetCommandState(), kStateAfterOpen);
    EXPECT_FALSE(frame->IsModified());
    EXPECT_EQ(RecentPaths(), std::vector<wxString>{path});

    wxMenuBar* menu = frame->GetMenuBar();
    EXPECT_TRUE(menu->IsEnabled(ID_MENU_RECENT));
    EXPECT_TRUE(menu->IsEnabled(ID_MENU_EMPTY_RECENT));
    wxMenuItem* first = menu->FindItem(ID_MENU_RECENT_FIRST);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetItemLabelText(), "0: " + path);
    EXPECT_TRUE(first->IsCheckable());

    EXPECT_NE(ReadTextFile(SettingsFilePath()).find(("File0:" + path).ToStdString()), std::string::npos);
}

TEST_F(ProjectCommandsTest, OpeningTheSameProjectTwiceKeepsItOnceAtTheHead)
{
    const wxString a = Project("a.tamek"), b = Project("b.tamek");
    frame->OpenProjectByPath(a);
    frame->OpenProjectByPath(b);
    frame->OpenProjectByPath(a);
    EXPECT_EQ(RecentPaths(), (std::vector<wxString>{a, b}));
    EXPECT_EQ(frame->GetRecentMenu()->GetMenuItemCount(), 2u);
    EXPECT_EQ(frame->GetMenuBar()->FindItem(ID_MENU_RECENT_FIRST + 1)->GetItemLabelText(), "1: " + b);
}

TEST_F(ProjectCommandsTest, AnEleventhProjectDropsTheOldest)
{
    std::vector<wxString> paths;
    for (int i = 0; i < 11; ++i) {
        paths.push_back(Project(wxString::Format("p%d.tamek", i)));
        frame->OpenProjectByPath(paths.back());
    }
    const std::vector<wxString> recent = RecentPaths();
    ASSERT_EQ(recent.size(), 10u);
    EXPECT_EQ(recent.front(), paths[10]);
    EXPECT_EQ(recent.back(), paths[1]);
    EXPECT_EQ(frame->GetRecentMenu()->GetMenuItemCount(), 10u);
    EXPECT_EQ(frame->GetMenuBar()->FindItem(ID_MENU_RECENT_LAST)->GetItemLabelText(), "9: " + paths[1]);
}

TEST_F(ProjectCommandsTest, ARecentProjectOpensFromItsMenuItem)
{
    const wxString a = Project("a.tamek"), b = Project("b.tamek");
    frame->OpenProjectByPath(a);
    frame->OpenProjectByPath(b);
    wxCommandEvent pick(wxEVT_MENU, ID_MENU_RECENT_FIRST + 1);
    frame->GetEventHandler()->ProcessEvent(pick);
    EXPECT_EQ(frame->GetProjectPath(), a);
    EXPECT_EQ(RecentPaths(), (std::vector<wxString>{a, b}));
}

TEST_F(ProjectCommandsTest, EmptyingTheListDisablesItsMenuAndReachesTheFileAtTheNextWrite)
{
    const wxString a = Project("a.tamek");
    frame->OpenProjectByPath(a);
    wxCommandEvent empty(wxEVT_MENU, ID_MENU_EMPTY_RECENT);
    frame->GetEventHandler()->ProcessEvent(empty);
    EXPECT_TRUE(RecentPaths().empty());
    EXPECT_EQ(frame->GetRecentMenu()->GetMenuItemCount(), 0u);
    EXPECT_FALSE(frame->GetMenuBar()->IsEnabled(ID_MENU_RECENT));
    EXPECT_FALSE(frame->GetMenuBar()->IsEnabled(ID_MENU_EMPTY_RECENT));
    EXPECT_NE(ReadTextFile(SettingsFilePath()).find("File0:"), std::string::npos);

    EXPECT_TRUE(frame->ExitProgram());
    EXPECT_TRUE(WaitFor([] { return MainFrameIfAny() == nullptr; }));
    EXPECT_EQ(ReadTextFile(SettingsFilePath()).find("File0:"), std::string::npos);
}

TEST_F(ProjectCommandsTest, AProjectThatCannotBeReadShowsTheDrawErrorAndKeepsNoPath)
{
    const wxString missing = folder + "/missing.tamek";
    wxTEST_DIALOG(EXPECT_FALSE(frame->OpenProjectByPath(missing)),
                  ExpectMessage("Draw Error\n\n" + missing + "\nthe file cannot be opened", "Draw ERROR", wxID_NO));
    EXPECT_TRUE(frame->GetProjectPath().empty());
    EXPECT_EQ(frame->GetTitle(), "Tamek");
    EXPECT_TRUE(RecentPaths().empty());
}

TEST_F(ProjectCommandsTest, ADamagedProjectStaysOnScreenWithoutItsPathSoItIsNotOverwritten)
{
    const wxString a = Project("a.tamek");
    frame->OpenProjectByPath(a);
    // Node 7 expects no parent: the reader stops there with the blocks read so far.
    const wxString damaged = folder + "/damaged.tamek";
    const std::string text =
        std::string(kProject) + "Node: 7 => State Wait: Position:900,900.Param: '1'. Name: Wacht . \n";
    ASSERT_TRUE(WriteTextFile(damaged, text));
    wxTEST_DIALOG(EXPECT_FALSE(frame->OpenProjectByPath(damaged)), wxExpectModal<wxMessageDialog>(wxID_YES));
    EXPECT_TRUE(frame->GetProjectPath().empty());
    EXPECT_EQ(frame->GetTitle(), "Tamek");
    EXPECT_EQ(RecentPaths(), std::vector<wxString>{a});
    int blocks = 0;
    TheProgram().ForEachBlock([&blocks](CState*) { ++blocks; });
    EXPECT_EQ(blocks, 2); // Start and Wait were read

    // Saving asks for a name instead of writing over the damaged file.
    MarkModified();
    const wxString copy = folder + "/recovered.tamek";
    wxTEST_DIALOG(EXPECT_TRUE(frame->SaveProject(false)), ExpectFileDialog("Bestand opslaan als...", copy));
    EXPECT_EQ(ReadTextFile(damaged), text);
}

TEST_F(ProjectCommandsTest, ACancelledOpenDialogLeavesTheFlowchartWithoutAPath)
{
    const wxString a = Project("a.tamek");
    frame->OpenProjectByPath(a);
    wxTEST_DIALOG(frame->OpenProjectWithDialog(), ExpectFileDialog("Open project", wxString()));
    EXPECT_TRUE(frame->GetProjectPath().empty());
    EXPECT_EQ(RecentPaths(), std::vector<wxString>{a});

    // The next save asks for a name.
    const wxString target = folder + "/named.tamek";
    wxTEST_DIALOG(EXPECT_TRUE(frame->SaveProject(false)), ExpectFileDialog("Bestand opslaan als...", target));
    EXPECT_TRUE(wxFileName::FileExists(target));
    EXPECT_EQ(frame->GetTitle(), "Tamek - " + target);
}

TEST_F(ProjectCommandsTest, OpeningThroughTheDialogReadsTheChosenFile)
{
    const wxString a = Project("a.tamek");
    wxTEST_DIALOG(EXPECT_TRUE(frame->OpenProjectWithDialog()), ExpectFileDialog("Open project", a));
    EXPECT_EQ(frame->GetTitle(), "Tamek - " + a);
}

TEST_F(ProjectCommandsTest, SaveAsSetsTheTitleAndSavingAgainAsksNothing)
{
    MarkModified();
    const wxString target = folder + "/new.tamek";
    wxTEST_DIALOG(EXPECT_TRUE(frame->SaveProject(true)), ExpectFileDialog("Bestand opslaan als...", target));
    EXPECT_EQ(frame->GetTitle(), "Tamek - " + target);
    EXPECT_FALSE(frame->IsModified());
    EXPECT_FALSE(frame->GetMenuBar()->IsEnabled(ID_MENU_SAVE));
    EXPECT_EQ(RecentPaths(), std::vector<wxString>{target});
    EXPECT_TRUE(wxFileName::FileExists(target));

    MarkModified();
    EXPECT_TRUE(frame->SaveProject(false)); // no dialog, no replace question
    EXPECT_FALSE(frame->IsModified());
}

TEST_F(ProjectCommandsTest, SavingOverAnotherFileAndAnsweringNoChangesNothing)
{
    const wxString a = Project("a.tamek"), other = Project("other.tamek");
    frame->OpenProjectByPath(a);
    MarkModified();
    wxTEST_DIALOG(EXPECT_FALSE(frame->SaveProject(true)), ExpectFileDialog("Bestand opslaan als...", other),
                  ExpectMessage("Het bestand bestaat al. Wilt u het bestaande bestand vervangen?",
                                "Reeds bestaand bestand", wxID_NO));
    EXPECT_EQ(RecentPaths(), std::vector<wxString>{a});
    EXPECT_EQ(ReadTextFile(other), kProject);
    EXPECT_EQ(frame->GetProjectPath(), a);
    EXPECT_TRUE(frame->IsModified());

    wxTEST_DIALOG(EXPECT_TRUE(frame->SaveProject(true)), ExpectFileDialog("Bestand opslaan als...", other),
                  ExpectMessage("Het bestand bestaat al. Wilt u het bestaande bestand vervangen?",
                                "Reeds bestaand bestand", wxID_YES));
    EXPECT_EQ(frame->GetProjectPath(), other);
    EXPECT_EQ(RecentPaths(), (std::vector<wxString>{other, a}));
}

TEST_F(ProjectCommandsTest, AFailedSaveReportsAndStillHeadsTheRecentList)
{
    const wxString a = Project("a.tamek");
    frame->OpenProjectByPath(a);
    MarkModified();
    const wxString unwritable = folder + "/no-such-folder/x.tamek";
    wxTEST_DIALOG(
        EXPECT_FALSE(frame->SaveProject(true)), ExpectFileDialog("Bestand opslaan als...", unwritable),
        ExpectMessage("Er is een fout opgetreden. Bestand kan niet opgeslagen worden.", "Schrijffout", wxID_OK));
    EXPECT_EQ(RecentPaths(), (std::vector<wxString>{unwritable, a}));
    EXPECT_EQ(frame->GetProjectPath(), a);
    EXPECT_EQ(frame->GetTitle(), "Tamek - " + a);
    EXPECT_TRUE(frame->IsModified());
    EXPECT_NE(ReadTextFile(SettingsFilePath()).find(("File0:" + unwritable).ToStdString()), std::string::npos);
}

TEST_F(ProjectCommandsTest, NewAsksAboutUnsavedChanges)
{
    const wxString a = Project("a.tamek");
    frame->OpenProjectByPath(a);
    MarkModified();
    wxTEST_DIALOG(EXPECT_FALSE(frame->NewProject()), ExpectSaveQuestion(wxID_CANCEL));
    EXPECT_TRUE(frame->IsModified());
    EXPECT_EQ(frame->GetProjectPath(), a);

    wxTEST_DIALOG(EXPECT_TRUE(frame->NewProject()), ExpectSaveQuestion(wxID_NO));
    EXPECT_EQ(frame->GetTitle(), "Tamek");
    EXPECT_TRUE(frame->GetProjectPath().empty());
    EXPECT_EQ(frame->GetCommandState(), kStateAfterNew);
    EXPECT_FALSE(frame->GetMenuBar()->IsEnabled(ID_MENU_SAVE));
    EXPECT_EQ(ReadTextFile(a), kProject); // not saved
}

TEST_F(ProjectCommandsTest, AnsweringYesSavesBeforeNew)
{
    MarkModified();
    const wxString target = folder + "/saved.tamek";
    wxTEST_DIALOG(EXPECT_TRUE(frame->NewProject()), ExpectSaveQuestion(wxID_YES),
                  ExpectFileDialog("Bestand opslaan als...", target));
    EXPECT_TRUE(wxFileName::FileExists(target));
    EXPECT_EQ(frame->GetTitle(), "Tamek");
    EXPECT_EQ(RecentPaths(), std::vector<wxString>{target});
}

TEST_F(ProjectCommandsTest, AnsweringYesButCancellingTheSaveKeepsTheChanges)
{
    MarkModified();
    wxTEST_DIALOG(EXPECT_FALSE(frame->NewProject()), ExpectSaveQuestion(wxID_YES),
                  ExpectFileDialog("Bestand opslaan als...", wxString()));
    EXPECT_TRUE(frame->IsModified());
}

TEST_F(ProjectCommandsTest, OpenAsksAboutUnsavedChangesBeforeTheDialog)
{
    const wxString a = Project("a.tamek"), b = Project("b.tamek");
    frame->OpenProjectByPath(a);
    MarkModified();
    wxTEST_DIALOG(EXPECT_FALSE(frame->OpenProjectWithDialog()), ExpectSaveQuestion(wxID_CANCEL));
    EXPECT_EQ(frame->GetProjectPath(), a);
    EXPECT_TRUE(frame->IsModified());

    wxTEST_DIALOG(EXPECT_TRUE(frame->OpenProjectWithDialog()), ExpectSaveQuestion(wxID_NO),
                  ExpectFileDialog("Open project", b));
    EXPECT_EQ(frame->GetProjectPath(), b);
    EXPECT_FALSE(frame->IsModified());
}

TEST_F(ProjectCommandsTest, OpenWithYesSavesFirst)
{
    const wxString a = Project("a.tamek"), b = Project("b.tamek");
    frame->OpenProjectByPath(a);
    WriteTextFile(a, "changed on disk\n");
    MarkModified();
    wxTEST_DIALOG(EXPECT_TRUE(frame->OpenProjectWithDialog()), ExpectSaveQuestion(wxID_YES),
                  ExpectFileDialog("Open project", b));
    EXPECT_NE(ReadTextFile(a), "changed on disk\n"); // saved over the current path
    EXPECT_EQ(frame->GetProjectPath(), b);
}

TEST_F(ProjectCommandsTest, ExitWithYesSavesAndCloses)
{
    const wxString a = Project("a.tamek");
    frame->OpenProjectByPath(a);
    WriteTextFile(a, "changed on disk\n");
    MarkModified();
    wxTEST_DIALOG(EXPECT_TRUE(frame->ExitProgram()), ExpectSaveQuestion(wxID_YES));
    EXPECT_TRUE(WaitFor([] { return MainFrameIfAny() == nullptr; }));
    EXPECT_NE(ReadTextFile(a), "changed on disk\n");
}

TEST_F(ProjectCommandsTest, ExitWithYesWhoseSaveFailsKeepsTheProgramRunning)
{
    MarkModified();
    const wxString unwritable = folder + "/no-such-folder/x.tamek";
    wxTEST_DIALOG(
        EXPECT_FALSE(frame->ExitProgram()), ExpectSaveQuestion(wxID_YES),
        ExpectFileDialog("Bestand opslaan als...", unwritable),
        ExpectMessage("Er is een fout opgetreden. Bestand kan niet opgeslagen worden.", "Schrijffout", wxID_OK));
    WaitFor([] { return false; }, 50);
    EXPECT_EQ(MainFrameIfAny(), frame);
    EXPECT_TRUE(frame->IsModified());
}

TEST_F(ProjectCommandsTest, ARecentProjectOpensTheEntryChosenEvenWhenSavingReordersTheList)
{
    const wxString a = Project("a.tamek"), b = Project("b.tamek");
    frame->OpenProjectByPath(a);
    frame->OpenProjectByPath(b); // list: b, a
    frame->NewProject();
    MarkModified();
    // Saving the new project first puts c at the head; the entry picked (a) is still the one opened.
    const wxString c = folder + "/c.tamek";
    wxTEST_DIALOG(EXPECT_TRUE(frame->OpenRecentProject(1)), ExpectSaveQuestion(wxID_YES),
                  ExpectFileDialog("Bestand opslaan als...", c));
    EXPECT_EQ(frame->GetProjectPath(), a);
    EXPECT_EQ(RecentPaths(), (std::vector<wxString>{a, c, b}));
}

TEST_F(ProjectCommandsTest, ExitWithCancelKeepsTheProgramRunning)
{
    MarkModified();
    wxTEST_DIALOG(EXPECT_FALSE(frame->ExitProgram()), ExpectSaveQuestion(wxID_CANCEL));
    WaitFor([] { return false; }, 50);
    EXPECT_EQ(MainFrameIfAny(), frame);
    EXPECT_TRUE(frame->IsModified());
}

TEST_F(ProjectCommandsTest, ExitWithNoClosesWithoutAskingAgainAndWritesTheSettings)
{
    const wxString a = Project("a.tamek");
    frame->OpenProjectByPath(a);
    wxRemoveFile(SettingsFilePath());
    MarkModified();
    wxTEST_DIALOG(EXPECT_TRUE(frame->ExitProgram()), ExpectSaveQuestion(wxID_NO));
    EXPECT_TRUE(WaitFor([] { return MainFrameIfAny() == nullptr; }));
    EXPECT_EQ(ReadTextFile(a), kProject);
    EXPECT_NE(ReadTextFile(SettingsFilePath()).find("File0:"), std::string::npos);
}

TEST_F(ProjectCommandsTest, ClosingWithCancelKeepsTheWindowOpen)
{
    MarkModified();
    wxTEST_DIALOG(frame->Close(), ExpectSaveQuestion(wxID_CANCEL));
    WaitFor([] { return false; }, 50);
    EXPECT_EQ(MainFrameIfAny(), frame);
    EXPECT_TRUE(frame->IsModified());
}

TEST_F(ProjectCommandsTest, ClosingWithYesSavesToTheCurrentPath)
{
    const wxString a = Project("a.tamek");
    frame->OpenProjectByPath(a);
    WriteTextFile(a, "changed on disk\n");
    MarkModified();
    wxTEST_DIALOG(frame->Close(), ExpectSaveQuestion(wxID_YES));
    EXPECT_TRUE(WaitFor([] { return MainFrameIfAny() == nullptr; }));
    EXPECT_NE(ReadTextFile(a), "changed on disk\n");
}

TEST_F(ProjectCommandsTest, ClosingWithNoClosesWithoutSaving)
{
    const wxString a = Project("a.tamek");
    frame->OpenProjectByPath(a);
    MarkModified();
    wxTEST_DIALOG(frame->Close(), ExpectSaveQuestion(wxID_NO));
    EXPECT_TRUE(WaitFor([] { return MainFrameIfAny() == nullptr; }));
    EXPECT_EQ(ReadTextFile(a), kProject);
}

TEST_F(ProjectCommandsTest, ClosingUnmodifiedAsksNothing)
{
    frame->Close();
    EXPECT_TRUE(WaitFor([] { return MainFrameIfAny() == nullptr; }));
}

TEST_F(ProjectCommandsTest, AProjectCalibrationIsOfferedAndTakenOnYes)
{
    frame->SetCalibration(CalibrationRecord::Defaults());
    const wxString path = folder + "/calibrated.tamek";
    ASSERT_TRUE(WriteTextFile(path, std::string("dir:40\nMotor1Mi:20\n") + kProject));
    wxTEST_DIALOG(frame->OpenProjectByPath(path),
                  ExpectMessage("Instellingen voor servo en motor wijken af. Toch gebruiken?",
                                "Nieuwe instelling voor servo & motor.", wxID_YES));
    EXPECT_EQ(frame->GetCalibration().motor[0].minimum, 20);
    EXPECT_EQ(frame->GetCalibration().motor[1].flags, 1);
    EXPECT_EQ(PrototypeByName("Motor2")->CalibrationModeBits(), 1); // the kinds got it too

    // The same calibration again: nothing to offer.
    frame->OpenProjectByPath(path);
    frame->SetCalibration(CalibrationRecord::Defaults());
}

TEST_F(ProjectCommandsTest, AProjectCalibrationRefusedLeavesTheCurrentOne)
{
    frame->SetCalibration(CalibrationRecord::Defaults());
    const wxString path = folder + "/calibrated.tamek";
    ASSERT_TRUE(WriteTextFile(path, std::string("dir:40\nMotor1Mi:20\n") + kProject));
    wxTEST_DIALOG(frame->OpenProjectByPath(path),
                  ExpectMessage("Instellingen voor servo en motor wijken af. Toch gebruiken?",
                                "Nieuwe instelling voor servo & motor.", wxID_NO));
    EXPECT_EQ(frame->GetCalibration(), CalibrationRecord::Defaults());
}
