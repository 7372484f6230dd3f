// The recovery file and folder: what is kept comes back exactly, a damaged file is never taken,
// and only the files of copies that no longer run are left over.
#include "model/RecoveryStore.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/dir.h>
#include <wx/filename.h>

namespace {
RecoveryRecord Sample()
{
    RecoveryRecord record;
    record.projectPath = wxString::FromUTF8("/home/leerling/100% werk\nmap/Stroomschema \xC5\x81\xC3\xB3"
                                            "d\xC5\xBA.tamek");
    record.savedAt = 1765000000;
    record.projectBytes = "Node: 0 => State Start: Position:300,40. Son \n\nNode: 1 \xE9\r\n";
    return record;
}
} // namespace

TEST(RecoveryFile, GivesBackExactlyWhatWasKeptAndRefusesEveryDamage)
{
    const std::string bytes = RecoveryFileBytes(Sample());
    RecoveryRecord read;
    ASSERT_TRUE(ParseRecoveryFile(bytes, read));
    EXPECT_EQ(read.projectPath, Sample().projectPath);
    EXPECT_EQ(read.savedAt, Sample().savedAt);
    EXPECT_EQ(read.projectBytes, Sample().projectBytes);

    std::string flipped = bytes;
    flipped[flipped.size() - 5] ^= 0x20;
    std::string header = bytes;
    header.replace(header.find("Time"), 4, "Tijd");
    const std::string damaged[] = {
        bytes.substr(0, bytes.size() - 1), bytes + "x", flipped, header, "Tamek recovery 2" + bytes.substr(16),
        bytes.substr(bytes.find("Path")),  ""};
    for (const std::string& file : damaged) {
        RecoveryRecord untouched;
        EXPECT_FALSE(ParseRecoveryFile(file, untouched)) << file;
        EXPECT_TRUE(untouched.projectBytes.empty());
    }
}

TEST(RecoveryStore, LeavesOverOnlyTheWorkOfCopiesThatNoLongerRun)
{
    const wxString folder = wxFileName::CreateTempFileName("tamek-recovery");
    wxRemoveFile(folder);
    {
        RecoveryStore running(folder), starting(folder);
        ASSERT_TRUE(running.Keep(Sample()));
        EXPECT_TRUE(starting.Leftovers().empty()); // its copy holds the lock

        // A copy that ends without cleaning up (as a kill would end it) leaves its file over.
        const pid_t copy = fork();
        if (copy == 0) {
            RecoveryStore dying(folder);
            _exit(dying.Keep(Sample()) ? 0 : 1);
        }
        int status = 0;
        waitpid(copy, &status, 0);
        ASSERT_EQ(status, 0);
        const std::vector<wxString> leftovers = starting.Leftovers();
        ASSERT_EQ(leftovers.size(), 1u);
        std::ifstream in(leftovers[0].fn_str(), std::ios::binary);
        RecoveryRecord read;
        EXPECT_TRUE(ParseRecoveryFile(std::string(std::istreambuf_iterator<char>(in), {}), read));
        EXPECT_EQ(read.projectBytes, Sample().projectBytes);

        const wxString aside = starting.KeepAside(leftovers[0]);
        EXPECT_TRUE(wxFileName::FileExists(aside));
        EXPECT_TRUE(starting.Leftovers().empty());
        wxRemoveFile(aside);
        running.Forget();
        EXPECT_FALSE(wxFileName::FileExists(running.OwnFile()));
        ASSERT_TRUE(running.Keep(Sample()));
    }
    // Both copies ended cleanly: nothing is left.
    wxArrayString left;
    EXPECT_EQ(wxDir::GetAllFiles(folder, &left), 0u) << left.size();
    wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
}
