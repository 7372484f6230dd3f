#include "base/RecoveryStore.h"

#include "base/AtomicFile.h"

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <wx/dir.h>
#include <wx/filename.h>

namespace {
constexpr const char* kExtension = ".recovery";

wxString LockOf(const wxString& recoveryFile)
{
    return recoveryFile.BeforeLast('.') + ".lock";
}

// The lock file of a recovery file, opened and locked; -1 when a running copy holds it.
int TakeLock(const wxString& lockFile)
{
    const int fd = ::open(lockFile.fn_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}
} // namespace

RecoveryStore::RecoveryStore(const wxString& folder) : m_folder(folder)
{
    const long long started =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    m_name = wxString::Format("%ld-%lld", static_cast<long>(::getpid()), started);
}

RecoveryStore::~RecoveryStore()
{
    Forget();
    if (m_lock >= 0) {
        wxRemoveFile(LockOf(OwnFile()));
        ::close(m_lock);
    }
    for (const auto& [file, fd] : m_leftoverLocks)
        ::close(fd);
}

wxString RecoveryStore::OwnFile() const
{
    return m_folder + "/" + m_name + kExtension;
}

bool RecoveryStore::Keep(const RecoveryRecord& record, wxString* error)
{
    if (m_lock < 0) {
        if (!wxFileName::Mkdir(m_folder, 0700, wxPATH_MKDIR_FULL) || (m_lock = TakeLock(LockOf(OwnFile()))) < 0) {
            if (error)
                *error = "the recovery folder cannot be written";
            return false;
        }
    }
    return WriteFileAtomically(OwnFile(), RecoveryFileBytes(record), error);
}

void RecoveryStore::Forget()
{
    if (wxFileName::FileExists(OwnFile()))
        wxRemoveFile(OwnFile());
}

std::vector<wxString> RecoveryStore::Leftovers()
{
    std::vector<std::pair<time_t, wxString>> found;
    wxArrayString files;
    if (wxDirExists(m_folder))
        wxDir::GetAllFiles(m_folder, &files, wxString("*") + kExtension, wxDIR_FILES);
    for (const wxString& file : files) {
        if (file == OwnFile())
            continue;
        if (!m_leftoverLocks.count(file)) {
            const int fd = TakeLock(LockOf(file));
            if (fd < 0)
                continue; // its copy still runs
            m_leftoverLocks[file] = fd;
        }
        found.emplace_back(wxFileName(file).GetModificationTime().GetTicks(), file);
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<wxString> leftovers;
    for (const auto& entry : found)
        leftovers.push_back(entry.second);
    return leftovers;
}

void RecoveryStore::Discard(const wxString& leftover)
{
    wxRemoveFile(leftover);
    Release(leftover);
}

void RecoveryStore::Release(const wxString& leftover)
{
    wxRemoveFile(LockOf(leftover));
    auto lock = m_leftoverLocks.find(leftover);
    if (lock != m_leftoverLocks.end()) {
        ::close(lock->second);
        m_leftoverLocks.erase(lock);
    }
}

wxString RecoveryStore::KeepAside(const wxString& leftover)
{
    wxString aside = leftover.BeforeLast('.') + ".damaged";
    for (int n = 2; wxFileName::FileExists(aside); ++n)
        aside = leftover.BeforeLast('.') + wxString::Format(".damaged-%d", n);
    // Not renamed (a read-only folder), the file stays as it is and is offered again next time.
    if (!wxRenameFile(leftover, aside, false))
        aside.clear();
    Release(leftover);
    return aside;
}
