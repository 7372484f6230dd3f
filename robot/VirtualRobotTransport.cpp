#include "robot/VirtualRobotTransport.h"

#include "robot/RobotLink.h"
#include "robot/RuntimeFolder.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
constexpr char kSocketName[] = "tamek-robot.socket";

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}
} // namespace

std::string VirtualRobotSocketPath()
{
    return UserRuntimeFolder() + "/" + kSocketName;
}

bool VirtualRobotFolderIsPrivate(const std::string& socketPath, std::string* why)
{
    return IsPrivateFolder(FolderOf(socketPath), why);
}

VirtualRobotTransport::VirtualRobotTransport(std::string socketPath) : m_socketPath(std::move(socketPath)) {}

VirtualRobotTransport::~VirtualRobotTransport()
{
    Close();
}

bool VirtualRobotTransport::Find(FoundDevice& found)
{
    struct stat info;
    if (lstat(m_socketPath.c_str(), &info) != 0 || !S_ISSOCK(info.st_mode) || info.st_uid != getuid() ||
        !VirtualRobotFolderIsPrivate(m_socketPath))
        return false;
    found.path = m_socketPath;
    // A robot plugged in again makes a new socket file: another inode or at least another change time.
    found.identity = std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino) + ":" +
                     std::to_string(info.st_ctim.tv_sec) + "." + std::to_string(info.st_ctim.tv_nsec);
    return true;
}

OpenResult VirtualRobotTransport::Open(const FoundDevice& device)
{
    Close();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (device.path.size() >= sizeof address.sun_path)
        return OpenResult::Failed;
    std::copy(device.path.begin(), device.path.end(), address.sun_path);
    m_fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (m_fd < 0)
        return OpenResult::Failed;
    // A robot that stops taking reports must not hold a write for longer than an answer may take.
    timeval limit{0, RobotLink::kAnswerTimeoutMs * 1000};
    setsockopt(m_fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    if (connect(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        return OpenResult::Opened;
    const int error = errno;
    Close();
    if (error == ENOENT || error == ECONNREFUSED) // a socket file left behind by a robot that is gone
        return OpenResult::NotThere;
    return error == EACCES || error == EPERM ? OpenResult::NoPermission : OpenResult::Failed;
}

bool VirtualRobotTransport::IsOpen()
{
    if (m_fd < 0)
        return false;
    pollfd entry{m_fd, POLLIN | POLLRDHUP, 0};
    if (poll(&entry, 1, 0) > 0 && (entry.revents & (POLLHUP | POLLRDHUP | POLLERR | POLLNVAL)))
        Close();
    return m_fd >= 0;
}

bool VirtualRobotTransport::Write(const RobotReport& report)
{
    if (m_fd < 0)
        return false;
    unsigned char packet[1 + std::tuple_size<RobotReport>::value] = {0}; // report id 0, then d0-d7
    std::copy(report.begin(), report.end(), packet + 1);
    if (send(m_fd, packet, sizeof packet, MSG_NOSIGNAL) == static_cast<ssize_t>(sizeof packet))
        return true;
    Close();
    return false;
}

bool VirtualRobotTransport::Read(RobotReport& answer, int timeoutMs)
{
    answer.fill(0);
    if (m_fd < 0)
        return false;
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(0, timeoutMs));
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd entry{m_fd, POLLIN, 0};
        const int ready = poll(&entry, 1, static_cast<int>(std::max<long long>(0, left)));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false; // no answer in time
        unsigned char packet[16];
        const ssize_t got = recv(m_fd, packet, sizeof packet, MSG_DONTWAIT);
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (got <= 0) { // the robot hung up
            Close();
            return false;
        }
        std::copy(packet, packet + std::min<size_t>(static_cast<size_t>(got), answer.size()), answer.begin());
        return true;
    }
}

void VirtualRobotTransport::Close()
{
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
}
