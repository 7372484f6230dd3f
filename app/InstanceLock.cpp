#include "app/InstanceLock.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <wx/utils.h>

wxString UserRuntimeFolder()
{
    wxString runtime;
    struct stat info;
    if (wxGetEnv("XDG_RUNTIME_DIR", &runtime) && runtime.StartsWith("/") && stat(runtime.fn_str(), &info) == 0 &&
        S_ISDIR(info.st_mode))
        return runtime;
    return PrivateFolder(wxString::Format("/tmp/tamek-%u", static_cast<unsigned>(getuid())));
}

wxString PrivateFolder(const wxString& path)
{
    const wxCharBuffer name = path.fn_str();
    if (mkdir(name, 0700) != 0 && errno != EEXIST)
        return wxString();
    struct stat info;
    if (lstat(name, &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid())
        return wxString();
    if ((info.st_mode & 0777) != 0700 && chmod(name, 0700) != 0)
        return wxString();
    return path;
}

InstanceLock::~InstanceLock()
{
    if (m_fd >= 0)
        close(m_fd);
}

InstanceLock::Result InstanceLock::Acquire(const wxString& path, int waitMs)
{
    if (m_fd < 0)
        m_fd = open(path.fn_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_fd < 0)
        return Result::Failed;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return Result::Failed;
        if (std::chrono::steady_clock::now() >= deadline)
            return Result::HeldElsewhere;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return Result::Acquired;
}
