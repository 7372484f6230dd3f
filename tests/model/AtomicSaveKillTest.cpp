// A save killed at any moment leaves the project file whole: the old text or the new one.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
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
    const wxString folder = wxFileName::CreateTempFileName("tamek-kill");
    wxRemoveFile(folder);
    wxFileName::Mkdir(folder);
    const std::string path = (folder + "/project.tamek").ToStdString();
    auto bytes = [](const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    std::mt19937 random(16);
    int older = 0, newer = 0;
    for (int kill = 0; kill < 200; ++kill) {
        // The saving loop says when it begins and how long its first save took.
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t saver = fork();
        if (saver == 0) {
            dup2(ready[1], STDOUT_FILENO);
            execl(TAMEK_SAVE_LOOP, TAMEK_SAVE_LOOP, path.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ready[1]);
        char line[64] = {};
        long save = 0;
        const bool started = read(ready[0], line, sizeof line - 1) > 0 && std::sscanf(line, "ready %ld", &save) == 1;
        close(ready[0]);
        ASSERT_TRUE(started);
        // Killed anywhere in the loop's first four saves.
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<long>(0, 4 * save)(random)));
        ::kill(saver, SIGKILL);
        int status = 0;
        waitpid(saver, &status, 0);
        const std::string left = bytes(path);
        older += left == bytes(path + ".old");
        newer += left == bytes(path + ".new");
        ASSERT_EQ(older + newer, kill + 1) << "a damaged file of " << left.size() << " bytes";
    }
    // The kills fell between saves and inside them: each text was left many times, and temporary
    // files of interrupted saves remain beside the project.
    wxArrayString files;
    wxDir::GetAllFiles(folder, &files, "project.tamek.*", wxDIR_FILES);
    RecordProperty("interrupted", static_cast<int>(files.size()) - 2);
    EXPECT_GT(older, 20);
    EXPECT_GT(newer, 20);
    EXPECT_GT(files.size(), 2u + 20u);
    wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
}
