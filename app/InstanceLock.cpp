#include "app/InstanceLock.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

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
