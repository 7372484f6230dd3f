// Nothing lost after a crash: a copy killed with unsaved work leaves it behind, and the next start
// offers it back; declined work goes, a damaged file is kept aside, a clean end leaves nothing.
#include "GuiTest.h"

#include "app/CRobotApp.h"
#include "base/RecoveryStore.h"
#include "model/ProjectWriter.h"

#include <wx/dir.h>
#include <wx/process.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

namespace {
wxString RecoveryFolder()
{
    return wxString(getenv("XDG_DATA_HOME")) + "/Tamek/recovery";
}
// The files of a folder that match the pattern, joined by spaces.
wxString FilesIn(const wxString& folder, const wxString& pattern)
{
    wxArrayString files;
    if (wxDirExists(folder))
        wxDir::GetAllFiles(folder, &files, pattern, wxDIR_FILES);
    files.Sort();
    return wxJoin(files, ' ', 0);
}
std::string SavedText(const CFrame* frame)
{
    return ProjectWriter::Text(TheProgram(), CalibrationBlock(frame->GetCalibration()));
}

// The copy that the test below starts and kills, in the data home it is given.
struct KilledCopy : MainWindowTest
{
    void SetUp() override
    {
        setenv("XDG_DATA_HOME", getenv("TAMEK_KILLED_COPY_HOME"), 1);
        MainWindowTest::SetUp();
    }
};
} // namespace

TEST_F(KilledCopy, DISABLED_EditsAndWaitsToBeKilled)
{
    const wxString home = getenv("XDG_DATA_HOME");
    ASSERT_TRUE(frame->OpenProjectByPath(home + "/switch.tamek"));
    BlockNumbered(7)->SetDeletable(true); // as a block placed by the pupil
    SetCurrentBlock(BlockNumbered(7));
    Key(WXK_DELETE);
    ASSERT_TRUE(frame->IsModified() && WriteTextFile(home + "/expected.tamek", SavedText(frame)));
    WaitFor([] { return false; }, 60000);
}

TEST_F(MainWindowTest, WorkOfAKilledCopyComesBackAtTheNextStart)
{
    const wxString home = FreshFolder("killed-copy"), project = home + "/switch.tamek",
                   ownHome = getenv("XDG_DATA_HOME");
    ASSERT_TRUE(WriteTextFile(project, ReadTextFile(DataPath("examples/switch.tamek"))));
    setenv("TAMEK_KILLED_COPY_HOME", home.utf8_str(), 1);
    setenv("TAMEK_RECOVERY_INTERVAL_MS", "100", 1); // for the copy and for this window
    const long copy = wxExecute(wxStandardPaths::Get().GetExecutablePath() +
                                    " --gtest_also_run_disabled_tests --gtest_filter=KilledCopy.*",
                                wxEXEC_ASYNC);
    ASSERT_GT(copy, 0);
    // Its work is kept at most 100 ms after the edit; while it runs, no other copy offers it.
    std::string expected;
    RecoveryRecord kept;
    const auto keptWork = [&] {
        expected = ReadTextFile(home + "/expected.tamek");
        const wxString file = FilesIn(home + "/Tamek/recovery", "*.recovery");
        return !file.empty() && ParseRecoveryFile(ReadTextFile(file), kept) && kept.projectBytes == expected;
    };
    ASSERT_TRUE(WaitFor(keptWork, 30000));
    EXPECT_TRUE(RecoveryStore(home + "/Tamek/recovery").Leftovers().empty());
    ASSERT_EQ(wxKill(copy, wxSIGKILL), 0);
    ASSERT_TRUE(WaitFor([&] { return !wxProcess::Exists(copy); }));

    // Started again in that data home: asked, it shows the edited project unsaved, with its path.
    frame->Destroy();
    ASSERT_TRUE(WaitFor([] { return MainFrameIfAny() == nullptr; }));
    setenv("XDG_DATA_HOME", home.utf8_str(), 1);
    frame = CreateMainWindow();
    wxTEST_DIALOG(EXPECT_TRUE(frame->OfferRecovery()), Expect<wxMessageDialog>([&](wxMessageDialog* box) {
                      EXPECT_TRUE(box->GetMessage().EndsWith(":\n\n" + project + "\n\nWilt u dit werk herstellen?"));
                      return wxID_YES;
                  }));
    EXPECT_EQ(SavedText(frame), expected);
    EXPECT_EQ(std::make_tuple(frame->GetTitle(), frame->GetProjectPath(), frame->IsModified()),
              std::make_tuple("Tamek - " + project, project, true));
    EXPECT_EQ(FilesIn(RecoveryFolder(), "*.recovery"), frame->RecoveryFile());
    // Saving asks nothing and writes the project where it was; no recovery file is left.
    EXPECT_TRUE(frame->SaveProject(false));
    EXPECT_EQ(ReadTextFile(project), expected);
    EXPECT_EQ(FilesIn(RecoveryFolder(), "*.recovery"), "");

    // Work left by another copy and declined goes; a damaged file is reported and kept aside.
    RecoveryRecord other;
    other.projectBytes = expected;
    ASSERT_TRUE(WriteTextFile(RecoveryFolder() + "/1-1.recovery", RecoveryFileBytes(other)));
    wxTEST_DIALOG(EXPECT_FALSE(frame->OfferRecovery()), wxExpectModal<wxMessageDialog>(wxID_NO));
    ASSERT_TRUE(WriteTextFile(RecoveryFolder() + "/2-2.recovery", "Tamek recovery 1\nPath: x\n"));
    wxTEST_DIALOG(EXPECT_FALSE(frame->OfferRecovery()), wxExpectModal<wxMessageDialog>(wxID_OK));
    EXPECT_EQ(FilesIn(RecoveryFolder(), "1-1*") + FilesIn(RecoveryFolder(), "2-2*"), RecoveryFolder() + "/2-2.damaged");

    // Edited again and closed without saving: a clean end leaves no recovery file or lock.
    MarkModified();
    EXPECT_TRUE(WaitFor([&] { return wxFileExists(frame->RecoveryFile()); }));
    wxTEST_DIALOG(EXPECT_TRUE(frame->ExitProgram()), ExpectSaveQuestion(wxID_NO));
    EXPECT_TRUE(WaitFor([] { return MainFrameIfAny() == nullptr; }));
    EXPECT_EQ(FilesIn(RecoveryFolder(), "*"), RecoveryFolder() + "/2-2.damaged");
    setenv("XDG_DATA_HOME", ownHome.utf8_str(), 1);
    unsetenv("TAMEK_RECOVERY_INTERVAL_MS");
}
