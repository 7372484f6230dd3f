// A save killed at any moment leaves the project file whole: the old text or the new one.
#include "ProjectGenerator.h"
#include "calibration/CalibrationRecord.h"
#include "model/ProjectWriter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <iterator>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <wx/dir.h>
#include <wx/filename.h>

TEST(AtomicSave, KilledAtTwoHundredRandomMomentsLeavesAWholeFile)
{
#ifdef TAMEK_SANITIZED
    GTEST_SKIP() << "the file system's part is measured in the normal build; here the saves are mostly text making";
#endif
    const CalibrationRecord calibration = CalibrationRecord::Defaults();
    CProgram older, newer;
    BuildLargeProject(older, 800);
    BuildLargeProject(newer, 600);
    const std::string oldText = ProjectWriter::Text(older, CalibrationBlock(calibration));
    const std::string newText = ProjectWriter::Text(newer, CalibrationBlock(calibration));
    const wxString folder = wxFileName::CreateTempFileName("tamek-kill");
    wxRemoveFile(folder);
    wxFileName::Mkdir(folder);
    const wxString path = folder + "/project.tamek";
    const auto begin = std::chrono::steady_clock::now();
    ASSERT_TRUE(older.WriteProject(path, calibration));
    const auto save = std::chrono::steady_clock::now() - begin;
    std::mt19937 random(16);
    int olds = 0, news = 0;
    for (int kill = 0; kill < 200; ++kill) {
        // A copy of this process saves the two projects in turn until it is killed, anywhere in
        // its first six saves (as long as the first one took here; a loaded machine saves slower).
        const pid_t saver = fork();
        while (saver == 0)
            newer.WriteProject(path, calibration), older.WriteProject(path, calibration);
        ASSERT_GT(saver, 0); // never kill(-1)
        std::this_thread::sleep_for(std::uniform_real_distribution<double>(0, 6)(random) * save);
        ::kill(saver, SIGKILL);
        waitpid(saver, nullptr, 0);
        std::ifstream in(path.fn_str(), std::ios::binary);
        const std::string left((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        olds += left == oldText;
        news += left == newText;
        ASSERT_EQ(olds + news, kill + 1) << "a damaged file of " << left.size() << " bytes";
    }
    // The kills fell between saves and inside them: each text was left several times, and temporary
    // files of interrupted saves remain beside the project.
    wxArrayString interrupted;
    EXPECT_GT(wxDir::GetAllFiles(folder, &interrupted, "project.tamek.*", wxDIR_FILES), 20u);
    EXPECT_TRUE(olds >= 5 && news >= 5) << olds << " old, " << news << " new";
    RecordProperty("old", olds), RecordProperty("new", news), RecordProperty("interrupted", int(interrupted.size()));
    wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
}
