#include "app/InstanceChannel.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <wx/evtloop.h>

namespace {
using Clock = std::chrono::steady_clock;

constexpr char kPresent[] = "present";
constexpr char kAnswerOk[] = "ok";
constexpr char kAnswerNo[] = "no";
// A request is sent at once after connecting; a peer that sends nothing is dropped after this.
constexpr int kRequestLimitMs = 500;
constexpr size_t kLineLimit = 1024;
constexpr int kConnectLimitMs = 1000;

bool SocketAddress(const wxString& path, sockaddr_un& address)
{
    const wxCharBuffer name = path.fn_str();
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (!name.data() || std::strlen(name) >= sizeof address.sun_path)
        return false;
    std::strcpy(address.sun_path, name);
    return true;
}

// Reads one line (without its end) until the deadline; false on time-out, end or overlong line.
bool ReadLine(int fd, std::string& line, Clock::time_point deadline)
{
    line.clear();
    char c;
    while (line.size() < kLineLimit) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd waiting{fd, POLLIN, 0};
        if (left <= 0 || poll(&waiting, 1, static_cast<int>(left)) <= 0)
            return false;
        const ssize_t got = recv(fd, &c, 1, 0);
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (got <= 0)
            return false;
        if (c == '\n')
            return true;
        line += c;
    }
    return false;
}

bool SendLine(int fd, const std::string& line)
{
    const std::string text = line + '\n';
    return send(fd, text.data(), text.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(text.size());
}

// A token travels on the request line, so one that could break the line is not sent.
bool IsSafeToken(const wxString& token)
{
    for (wxUniChar c : token)
        if (c < 0x20 || c == 0x7F)
            return false;
    return true;
}
} // namespace

InstanceChannel::~InstanceChannel()
{
    delete m_source;
    if (m_fd >= 0) {
        close(m_fd);
        unlink(m_path.fn_str());
    }
}

bool InstanceChannel::Listen(const wxString& path, PresentHandler handler)
{
    sockaddr_un address;
    if (m_fd >= 0 || !SocketAddress(path, address))
        return false;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    unlink(address.sun_path);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || listen(fd, 8) != 0) {
        close(fd);
        return false;
    }
    m_source = wxEventLoopBase::AddSourceForFD(fd, this, wxEVENT_SOURCE_INPUT);
    if (!m_source) {
        close(fd);
        unlink(address.sun_path);
        return false;
    }
    m_fd = fd;
    m_path = path;
    m_handler = std::move(handler);
    return true;
}

void InstanceChannel::OnReadWaiting()
{
    for (;;) {
        const int connection = accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) {
            if (errno == EINTR)
                continue;
            return; // nothing more waiting
        }
        Serve(connection);
        close(connection);
    }
}

void InstanceChannel::Serve(int connection)
{
    std::string request;
    if (!ReadLine(connection, request, Clock::now() + std::chrono::milliseconds(kRequestLimitMs)))
        return;
    const std::string word = request.substr(0, request.find('\t'));
    const wxString token =
        word.size() < request.size() ? wxString::FromUTF8(request.substr(word.size() + 1)) : wxString();
    const bool presented = word == kPresent && m_handler && m_handler(token);
    SendLine(connection, presented ? kAnswerOk : kAnswerNo);
}

bool AskToPresent(const wxString& path, const wxString& activationToken, int timeoutMs)
{
    sockaddr_un address;
    if (!SocketAddress(path, address))
        return false;
    std::string request = kPresent;
    if (!activationToken.empty() && IsSafeToken(activationToken))
        request += '\t' + std::string(activationToken.utf8_str());
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    // The lock holder listens right after taking its lock; a socket nobody answers for this long
    // has no listener behind it.
    const auto connectDeadline = std::min(deadline, Clock::now() + std::chrono::milliseconds(kConnectLimitMs));
    do {
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return false;
        if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
            std::string answer;
            const bool answered = SendLine(fd, request) && ReadLine(fd, answer, deadline);
            close(fd);
            return answered && answer == kAnswerOk;
        }
        close(fd);
        // Nobody listens yet (the lock holder is between taking its lock and listening) or the
        // queue is full: try again shortly.
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (Clock::now() < connectDeadline);
    return false;
}
