// Project commands in the real window: open, save, save as, new, exit, close, the recent list,
// the unsaved-changes question, the project calibration, undo and Delete.
#include "GuiTest.h"

#include "app/CommandIds.h"
#include "calibration/CalibrationRecord.h"
#include "calibration/Settings.h"
#include "model/EditHistory.h"
#include "model/Prototypes.h"

namespace {
const char* const kProject = "Node: 0 => State Start: Position:577,48. Son 1\n"
                             "Node: 1 => State Wait: Position:577,108.Param: '5'. Name: Wacht . \n";
const char* const kChanged = "changed on disk\n";
using Paths = std::vector<wxString>;

Expect<wxFileDialog> SaveDialog(const wxString& path)
{
    return ExpectFileDialog("Bestand opslaan als...", path);
}
Expect<wxMessageDialog> WriteError()
{
    return ExpectMessage("Er is een fout opgetreden. Bestand kan niet opgeslagen worden.", "Schrijffout", wxID_OK);
}

struct Projects : MainWindowTest
{
    void SetUp() override
    {
        folder = FreshFolder("projects");
        MainWindowTest::SetUp();
    }
    // A project file in the test folder.
    wxString Project(const wxString& name, const std::string& text = kProject)
    {
        EXPECT_TRUE(WriteTextFile(folder + "/" + name, text));
        return folder + "/" + name;
    }
    // What the window shows of the project: title, path, whether it is modified, recent projects.
    std::tuple<wxString, wxString, bool, Paths> Shown() const
    {
        return {frame->GetTitle(), frame->GetProjectPath(), frame->IsModified(), frame->GetRecentProjects().Paths()};
    }
    std::tuple<wxString, wxString, bool, Paths> Expected(const wxString& path, bool modified, const Paths& recent)
    {
        return {path.empty() ? "Tamek" : "Tamek - " + path, path, modified, recent};
    }
    wxString RecentLabel(int position) const
    {
        return frame->GetMenuBar()->FindItem(ID_MENU_RECENT_FIRST + position)->GetItemLabelText();
    }
    bool Settings(const wxString& text) const
    {
        return ReadTextFile(SettingsFilePath()).find(text.ToStdString()) != std::string::npos;
    }
    bool Closed()
    {
        return WaitFor([] { return MainFrameIfAny() == nullptr; });
    }
    bool StaysOpen()
    {
        WaitFor([] { return false; }, 50);
        return MainFrameIfAny() == frame;
    }

    wxString folder;
};
} // namespace

TEST_F(Projects, OpeningSetsTitleStateRecentListAndSettings)
{
    const wxString a = Project("a.tamek"), b = Project("b.tamek");
    wxTEST_DIALOG(EXPECT_TRUE(frame->OpenProjectWithDialog()), ExpectFileDialog("Open project", a));
    EXPECT_EQ(Shown(), Expected(a, false, {a}));
    EXPECT_EQ(frame->GetCommandState(), kStateAfterOpen);
    EXPECT_EQ(RecentLabel(0), "0: " + a);
    EXPECT_TRUE(frame->GetMenuBar()->FindItem(ID_MENU_RECENT_FIRST)->IsCheckable());
    EXPECT_TRUE(Settings("File0:" + a));

    // The same project twice stays once, at the head; a recent item opens its entry.
    frame->OpenProjectByPath(b);
    frame->OpenProjectByPath(a);
    EXPECT_EQ(RecentLabel(1), "1: " + b);
    Command(ID_MENU_RECENT_FIRST + 1);
    EXPECT_EQ(Shown(), Expected(b, false, {b, a}));

    // An eleventh project drops the oldest.
    Paths paths;
    for (int i = 0; i < 11; ++i)
        frame->OpenProjectByPath(paths.emplace_back(Project(wxString::Format("p%d.tamek", i))));
    EXPECT_EQ(frame->GetRecentProjects().Paths(), Paths(paths.rbegin(), paths.rend() - 1));
    EXPECT_EQ(frame->GetRecentMenu()->GetMenuItemCount(), 10u);
    EXPECT_EQ(RecentLabel(9), "9: " + paths[1]);

    // Emptying the list disables its items; the settings file keeps it until the next write.
    Command(ID_MENU_EMPTY_RECENT);
    EXPECT_EQ(frame->GetRecentMenu()->GetMenuItemCount(), 0u);
    EXPECT_FALSE(MenuEnabled(ID_MENU_RECENT) || MenuEnabled(ID_MENU_EMPTY_RECENT) || !Settings("File0:"));
    EXPECT_TRUE(frame->ExitProgram() && Closed());
    EXPECT_FALSE(Settings("File0:"));
}

TEST_F(Projects, AFileThatCannotBeReadOrACancelledDialogLeavesTheFlowchartWithoutAPath)
{
    const wxString a = Project("a.tamek"), missing = folder + "/missing.tamek";
    wxTEST_DIALOG(EXPECT_FALSE(frame->OpenProjectByPath(missing)),
                  ExpectMessage("Draw Error\n\n" + missing + "\nthe file cannot be opened", "Draw ERROR", wxID_NO));
    EXPECT_EQ(Shown(), Expected("", false, {}));

    // A damaged file: the blocks read so far stay on screen, but a save must not overwrite it.
    frame->OpenProjectByPath(a);
    const std::string text = std::string(kProject) + "Node: 7 => State Wait: Position:900,900.Param: '1'. Name: W . \n";
    const wxString damaged = Project("damaged.tamek", text);
    wxTEST_DIALOG(EXPECT_FALSE(frame->OpenProjectByPath(damaged)), wxExpectModal<wxMessageDialog>(wxID_YES));
    EXPECT_EQ(Shown(), Expected("", false, {a}));
    EXPECT_EQ(CountBlocks(), 2);
    MarkModified();
    wxTEST_DIALOG(EXPECT_TRUE(frame->SaveProject(false)), SaveDialog(folder + "/recovered.tamek"));
    EXPECT_EQ(ReadTextFile(damaged), text);

    // A cancelled open dialog leaves the flowchart on screen without a path: saving asks for a name.
    frame->OpenProjectByPath(a);
    wxTEST_DIALOG(frame->OpenProjectWithDialog(), ExpectFileDialog("Open project", ""));
    EXPECT_TRUE(frame->GetProjectPath().empty());
    EXPECT_EQ(CountBlocks(), 2);
    wxTEST_DIALOG(EXPECT_TRUE(frame->SaveProject(false)), SaveDialog(folder + "/named.tamek"));
    EXPECT_EQ(frame->GetTitle(), "Tamek - " + folder + "/named.tamek");
}

TEST_F(Projects, SaveAsNamesTheProjectAndAsksBeforeReplacingAnotherFile)
{
    const wxString other = Project("other.tamek"), target = folder + "/new.tamek";
    MarkModified();
    wxTEST_DIALOG(EXPECT_TRUE(frame->SaveProject(true)), SaveDialog(target));
    EXPECT_EQ(Shown(), Expected(target, false, {target}));
    EXPECT_FALSE(MenuEnabled(ID_MENU_SAVE));
    MarkModified();
    EXPECT_TRUE(frame->SaveProject(false)); // no dialog, no replace question
    EXPECT_FALSE(frame->IsModified());

    MarkModified();
    for (int answer : {wxID_NO, wxID_YES})
        wxTEST_DIALOG(frame->SaveProject(true), SaveDialog(other),
                      ExpectMessage("Het bestand bestaat al. Wilt u het bestaande bestand vervangen?",
                                    "Reeds bestaand bestand", answer));
    EXPECT_EQ(Shown(), Expected(other, false, {other, target}));

    // A failed save is reported; the name still heads the recent list, path and title stay.
    MarkModified();
    const wxString unwritable = folder + "/no-such-folder/x.tamek";
    wxTEST_DIALOG(EXPECT_FALSE(frame->SaveProject(true)), SaveDialog(unwritable), WriteError());
    EXPECT_EQ(Shown(), Expected(other, true, {unwritable, other, target}));
    EXPECT_TRUE(Settings("File0:" + unwritable));
}

TEST_F(Projects, AnsweringNoToReplacingChangesNothing)
{
    const wxString other = Project("other.tamek");
    MarkModified();
    wxTEST_DIALOG(EXPECT_FALSE(frame->SaveProject(true)), SaveDialog(other),
                  ExpectMessage("Het bestand bestaat al. Wilt u het bestaande bestand vervangen?",
                                "Reeds bestaand bestand", wxID_NO));
    EXPECT_EQ(Shown(), Expected("", true, {}));
    EXPECT_EQ(ReadTextFile(other), kProject);
}

TEST_F(Projects, NewAndOpenAskAboutUnsavedChanges)
{
    const wxString a = Project("a.tamek"), b = Project("b.tamek"), saved = folder + "/saved.tamek";
    frame->OpenProjectByPath(a);
    MarkModified();
    wxTEST_DIALOG(EXPECT_FALSE(frame->NewProject()), ExpectSaveQuestion(wxID_CANCEL));
    wxTEST_DIALOG(EXPECT_FALSE(frame->OpenProjectWithDialog()), ExpectSaveQuestion(wxID_CANCEL));
    EXPECT_EQ(Shown(), Expected(a, true, {a}));

    wxTEST_DIALOG(EXPECT_TRUE(frame->NewProject()), ExpectSaveQuestion(wxID_NO));
    EXPECT_EQ(Shown(), Expected("", false, {a}));
    EXPECT_EQ(frame->GetCommandState(), kStateAfterNew);
    EXPECT_EQ(ReadTextFile(a), kProject); // not saved
    EXPECT_FALSE(TheEditHistory().CanUndo() || TheEditHistory().CanRedo());

    // Yes saves first (asking for a name when there is none); a cancelled save keeps the changes.
    MarkModified();
    wxTEST_DIALOG(EXPECT_FALSE(frame->NewProject()), ExpectSaveQuestion(wxID_YES), SaveDialog(""));
    EXPECT_TRUE(frame->IsModified());
    wxTEST_DIALOG(EXPECT_TRUE(frame->OpenProjectWithDialog()), ExpectSaveQuestion(wxID_YES), SaveDialog(saved),
                  ExpectFileDialog("Open project", b));
    EXPECT_EQ(Shown(), Expected(b, false, {b, saved, a}));

    // Saving first reorders the recent list; the entry picked is still the one opened.
    frame->NewProject();
    MarkModified();
    wxTEST_DIALOG(EXPECT_TRUE(frame->OpenRecentProject(2)), ExpectSaveQuestion(wxID_YES),
                  SaveDialog(folder + "/c.tamek"));
    EXPECT_EQ(Shown(), Expected(a, false, {a, folder + "/c.tamek", b, saved}));
}

TEST_F(Projects, ExitAndCloseAskAboutUnsavedChanges)
{
    const wxString a = Project("a.tamek");
    frame->OpenProjectByPath(a);
    MarkModified();
    wxTEST_DIALOG(EXPECT_FALSE(frame->ExitProgram()), ExpectSaveQuestion(wxID_CANCEL));
    wxTEST_DIALOG(frame->Close(), ExpectSaveQuestion(wxID_CANCEL));
    EXPECT_TRUE(StaysOpen() && frame->IsModified());

    // Yes whose save fails or is cancelled keeps the program running.
    wxTEST_DIALOG(frame->NewProject(), ExpectSaveQuestion(wxID_NO));
    MarkModified();
    wxTEST_DIALOG(EXPECT_FALSE(frame->ExitProgram()), ExpectSaveQuestion(wxID_YES),
                  SaveDialog(folder + "/no-such-folder/x.tamek"), WriteError());
    wxTEST_DIALOG(frame->Close(), ExpectSaveQuestion(wxID_YES), SaveDialog(""));
    EXPECT_TRUE(StaysOpen());

    // No closes without saving, asks nothing more and writes the settings.
    frame->OpenProjectByPath(a);
    wxRemoveFile(SettingsFilePath());
    MarkModified();
    wxTEST_DIALOG(EXPECT_TRUE(frame->ExitProgram()), ExpectSaveQuestion(wxID_NO));
    EXPECT_TRUE(Closed() && Settings("File0:"));
    EXPECT_EQ(ReadTextFile(a), kProject);
}

TEST_F(Projects, YesSavesToTheCurrentPathBeforeExitOrClose)
{
    for (bool exit : {true, false}) {
        const wxString a = Project("a.tamek");
        frame->OpenProjectByPath(a);
        WriteTextFile(a, kChanged);
        MarkModified();
        wxTEST_DIALOG(exit ? frame->ExitProgram() : frame->Close(), ExpectSaveQuestion(wxID_YES));
        EXPECT_TRUE(Closed());
        EXPECT_NE(ReadTextFile(a), kChanged);
        MainWindowTest::SetUp();
    }
    frame->Close(); // unmodified: no question
    EXPECT_TRUE(Closed());
}

TEST_F(Projects, AProjectCalibrationIsOfferedAndTakenOnYesOnly)
{
    const wxString path = Project("calibrated.tamek", std::string("dir:40\nMotor1Mi:20\n") + kProject);
    frame->SetCalibration(CalibrationRecord::Defaults());
    for (int answer : {wxID_NO, wxID_YES})
        wxTEST_DIALOG(frame->OpenProjectByPath(path),
                      ExpectMessage("Instellingen voor servo en motor wijken af. Toch gebruiken?",
                                    "Nieuwe instelling voor servo & motor.", answer));
    EXPECT_EQ(std::make_pair(frame->GetCalibration().motor[0].minimum, frame->GetCalibration().motor[1].flags),
              std::make_pair(20, 1));
    EXPECT_EQ(PrototypeByName("Motor2")->CalibrationModeBits(), 1); // the kinds got it too
    frame->OpenProjectByPath(path);                                 // the same calibration again: nothing to offer
    frame->SetCalibration(CalibrationRecord::Defaults());
}

TEST_F(Projects, UndoAndRedoFromTheMenuAndToolbarFollowTheHistory)
{
    Open("examples/blink.tamek");
    BlockNumbered(6)->SetParameterText("9"); // an edit as the canvas makes it
    EXPECT_TRUE(Canvas()->CommitEdit());
    EXPECT_TRUE(MenuEnabled(ID_MENU_UNDO) && ToolEnabled(ID_TOOL_UNDO) && frame->IsModified());
    SetCurrentBlock(BlockNumbered(6));
    Command(ID_MENU_UNDO);
    EXPECT_EQ(GetCurrentBlock(), nullptr); // the old blocks are gone
    EXPECT_EQ(BlockNumbered(6)->GetParameterText(), "5");
    EXPECT_TRUE(!MenuEnabled(ID_MENU_UNDO) && MenuEnabled(ID_MENU_REDO) && ToolEnabled(ID_TOOL_REDO));
    Command(ID_TOOL_REDO);
    EXPECT_EQ(BlockNumbered(6)->GetParameterText(), "9");
    EXPECT_TRUE(MenuEnabled(ID_MENU_UNDO) && !MenuEnabled(ID_MENU_REDO) && frame->IsModified());
    EXPECT_FALSE(Canvas()->CommitEdit()); // nothing changed since
    Command(ID_MENU_UNDO);
    BlockNumbered(6)->SetParameterText("7"); // a new edit after an undo: nothing to redo any more
    EXPECT_TRUE(Canvas()->CommitEdit());
    EXPECT_FALSE(MenuEnabled(ID_MENU_REDO) || ToolEnabled(ID_TOOL_REDO));
}
