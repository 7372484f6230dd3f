// A save killed at any moment leaves the project file whole: the old text or the new one.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <wx/dir.h>
#include <wx/filename.h>

namespace {
std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Starts the saving loop on path and returns its process id once it says it is saving, with the
// time one save took.
pid_t StartSaving(const std::string& path, long& saveMicroseconds)
{
    int ready[2];
    if (pipe(ready) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        dup2(ready[1], STDOUT_FILENO);
        execl(TAMEK_SAVE_LOOP, TAMEK_SAVE_LOOP, path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    char line[64] = {};
    const bool started =
        read(ready[0], line, sizeof line - 1) > 0 && std::sscanf(line, "ready %ld", &saveMicroseconds) == 1;
    close(ready[0]);
    return started ? child : -1;
}
} // namespace

TEST(AtomicSave, KilledAtTwoHundredRandomMomentsLeavesAWholeFile)
{
#ifdef TAMEK_SANITIZED
    GTEST_SKIP() << "the file system's part is measured in the normal build; here the saves are mostly text making";
#endif
    const wxString folder = wxFileName::CreateTempFileName("tamek-kill");
    wxRemoveFile(folder);
    wxFileName::Mkdir(folder);
    const std::string path = (folder + "/project.tamek").ToStdString();
    std::mt19937 random(16);
    int older = 0, newer = 0;
    for (int kill = 0; kill < 200; ++kill) {
        long save = 0;
        const pid_t saver = StartSaving(path, save);
        ASSERT_GT(saver, 0);
        // Anywhere in the first four saves of the loop.
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<long>(0, 4 * save)(random)));
        ::kill(saver, SIGKILL);
        int status = 0;
        waitpid(saver, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        const std::string bytes = FileBytes(path);
        if (bytes == FileBytes(path + ".old"))
            ++older;
        else if (bytes == FileBytes(path + ".new"))
            ++newer;
        else
            FAIL() << "kill " << kill << " left a damaged file of " << bytes.size() << " bytes";
    }
    // The kills fell both between saves and inside them: each text was left standing many times,
    // and half-written temporary files remain beside the project.
    wxArrayString leftovers;
    wxDir::GetAllFiles(folder, &leftovers, "project.tamek.*", wxDIR_FILES);
    RecordProperty("old", older);
    RecordProperty("new", newer);
    RecordProperty("interrupted", static_cast<int>(leftovers.size()) - 2);
    EXPECT_GT(older, 20);
    EXPECT_GT(newer, 20);
    EXPECT_GT(leftovers.size(), 2u + 20u);
    wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
}
