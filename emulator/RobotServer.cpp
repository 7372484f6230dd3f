#include "emulator/RobotServer.h"

#include "robot/RuntimeFolder.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <tuple>
#include <unistd.h>

namespace {
constexpr long kStepsPerSlice = TimeModel::kStepsPerTick * RobotServer::kSliceMs / TimeModel::kClockPeriodMs;
constexpr long long kSliceNs = RobotServer::kSliceMs * 1000000LL;
// A robot held up (the process stopped, the machine busy) catches up at most this much time.
constexpr int kMaxCatchUpSlices = 100;

long long NowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool FillAddress(const std::string& path, sockaddr_un& address)
{
    address = sockaddr_un{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::copy(path.begin(), path.end(), address.sun_path);
    return true;
}

// Whether a robot already answers at path.
bool SomeoneListens(const sockaddr_un& address)
{
    const int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    const bool listens = fd >= 0 && connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0)
        close(fd);
    return listens;
}
} // namespace

bool RobotSnapshot::operator==(const RobotSnapshot& o) const
{
    auto fields = [](const RobotSnapshot& s) {
        return std::make_tuple(s.plugged, s.answering, s.go, s.held, s.runLight, s.buzzer, s.led, s.runState, s.pc,
                               s.timer, s.programLength, s.clients, s.raw[0], s.raw[1], s.raw[2], s.servo[0],
                               s.servo[1], s.motor[0], s.motor[1], s.motorDirection[0], s.motorDirection[1]);
    };
    return fields(*this) == fields(o);
}

RobotServer::RobotServer(std::string socketPath) : m_socketPath(std::move(socketPath)) {}

RobotServer::~RobotServer()
{
    if (m_thread.joinable()) {
        RunOnLoop([this] {
            Unplug();
            m_quit = true;
        });
        m_thread.join();
    }
    if (m_wakeFd >= 0)
        close(m_wakeFd);
}

bool RobotServer::Start(std::string& why)
{
    const size_t slash = m_socketPath.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : m_socketPath.substr(0, slash);
    // The /tmp fallback folder is made here; a folder that is not private is refused.
    if (!MakePrivateFolder(folder, &why))
        return false;
    m_wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0 || !Listen(why))
        return false;
    m_thread = std::thread([this] { Loop(); });
    return true;
}

bool RobotServer::Listen(std::string& why)
{
    if (m_listenFd >= 0)
        return true;
    sockaddr_un address;
    if (!FillAddress(m_socketPath, address)) {
        why = m_socketPath + ": the path is too long for a socket";
        return false;
    }
    if (SomeoneListens(address)) {
        why = m_socketPath + ": another virtual robot is running";
        return false;
    }
    unlink(m_socketPath.c_str()); // a socket left behind by a robot that is gone
    m_listenFd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const mode_t oldMask = umask(077);
    const bool bound = m_listenFd >= 0 &&
                       bind(m_listenFd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                       listen(m_listenFd, 8) == 0;
    umask(oldMask);
    if (!bound) {
        why = m_socketPath + ": cannot listen";
        if (m_listenFd >= 0)
            close(m_listenFd);
        m_listenFd = -1;
        return false;
    }
    return true;
}

void RobotServer::Unplug()
{
    if (m_listenFd >= 0) {
        close(m_listenFd);
        unlink(m_socketPath.c_str());
    }
    m_listenFd = -1;
    for (int fd : m_clients)
        close(fd);
    m_clients.clear();
    m_lateAnswers.clear();
}

void RobotServer::RunOnLoop(const std::function<void()>& work)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_work.push_back(work);
    const unsigned long ticket = ++m_workAdded;
    const uint64_t one = 1;
    if (write(m_wakeFd, &one, sizeof one) < 0) {
        // the counter is full only after 2^64 - 1 wakes that nobody read: the loop is awake anyway
    }
    m_done.wait(lock, [&] { return m_workDone >= ticket; });
}

bool RobotServer::SetPlugged(bool plugged, std::string* why)
{
    bool done = true;
    std::string reason;
    RunOnLoop([&] {
        if (plugged)
            done = Listen(reason);
        else
            Unplug();
    });
    if (why)
        *why = reason;
    return done;
}

void RobotServer::SetAnswering(bool answering)
{
    RunOnLoop([&] { m_answering = answering; });
}

void RobotServer::SetAnswerDelay(int delayMs)
{
    RunOnLoop([&] { m_answerDelayMs = delayMs; });
}

void RobotServer::SetGo(bool pressed)
{
    RunOnLoop([&] { m_firmware.SetGo(pressed); });
}

void RobotServer::SetRawInput(int port, int raw)
{
    RunOnLoop([&] { m_firmware.SetRawInput(port, raw); });
}

std::string RobotServer::StateJson()
{
    std::string json;
    RunOnLoop([&] { json = JsonOfLoop(); });
    return json;
}

std::string RobotServer::JsonOfLoop()
{
    std::string json = m_firmware.StateJson();
    json.pop_back(); // the closing brace
    json += ",\"usb\":" + std::string(m_listenFd >= 0 ? "true" : "false");
    json += ",\"answering\":" + std::string(m_answering ? "true" : "false");
    json += ",\"clients\":" + std::to_string(m_clients.size()) + "}";
    return json;
}

RobotSnapshot RobotServer::Snapshot()
{
    RobotSnapshot s;
    RunOnLoop([&] {
        const TamekMachine& m = m_firmware.Machine();
        s.plugged = m_listenFd >= 0;
        s.answering = m_answering;
        s.clients = static_cast<int>(m_clients.size());
        s.go = m.Go();
        s.held = m_firmware.Held();
        s.runState = m.GetRunState();
        s.runLight = m.RunLightOn() && s.runState == TamekMachine::Running;
        s.buzzer = m.BuzzerOn();
        s.led = m.RedLedOn();
        s.pc = m.Pc();
        s.timer = m.Timer();
        s.programLength = m.Length();
        for (int port = 1; port <= 3; ++port)
            s.raw[port - 1] = m.RawInput(port);
        for (int i = 0; i < 2; ++i) {
            s.servo[i] = m.GetChannel(i).lastWritten;
            s.motor[i] = m.GetChannel(3 - i).lastWritten;
            s.motorDirection[i] = m.GetChannel(3 - i).direction;
        }
    });
    return s;
}

void RobotServer::Loop()
{
    std::vector<pollfd> entries;
    while (!m_quit) {
        entries.clear();
        entries.push_back({m_wakeFd, POLLIN, 0});
        if (m_listenFd >= 0)
            entries.push_back({m_listenFd, POLLIN, 0});
        for (int fd : m_clients)
            entries.push_back({fd, POLLIN, 0});
        // Sleep until the next slice of a running program or the next late answer is due.
        long long wakeNs = m_clockRunning ? m_nextSliceNs : -1;
        for (const LateAnswer& late : m_lateAnswers)
            wakeNs = wakeNs < 0 ? late.dueNs : std::min(wakeNs, late.dueNs);
        const int timeout =
            wakeNs < 0 ? -1 : static_cast<int>(std::clamp<long long>((wakeNs - NowNs() + 999999) / 1000000, 0, 1000));
        if (poll(entries.data(), entries.size(), timeout) < 0 && errno != EINTR)
            break;

        // Every report that came before a piece of work is handled before it: new clients are
        // accepted and every client's waiting reports read first, whatever woke the loop.
        while (m_listenFd >= 0) {
            const int client = accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
            if (client < 0)
                break;
            m_clients.push_back(client);
        }
        for (size_t i = m_clients.size(); i-- > 0;)
            ServeClient(i);
        uint64_t wakes;
        if (read(m_wakeFd, &wakes, sizeof wakes) < 0) {
            // no wake: the work list may still hold work queued since the last look
        }
        std::vector<std::function<void()>> work;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            work.swap(m_work);
        }
        for (const auto& job : work)
            job();
        if (!work.empty()) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_workDone += work.size();
        }
        m_done.notify_all();
        SendLateAnswers();
        AdvanceClock();
    }
}

void RobotServer::SendLateAnswers()
{
    const long long now = NowNs();
    for (size_t i = m_lateAnswers.size(); i-- > 0;) {
        const LateAnswer& late = m_lateAnswers[i];
        if (late.dueNs > now)
            continue;
        send(late.fd, late.answer.data(), late.answer.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        m_lateAnswers.erase(m_lateAnswers.begin() + static_cast<long>(i));
    }
}

void RobotServer::ServeClient(size_t index)
{
    const int fd = m_clients[index];
    for (;;) {
        unsigned char packet[64];
        const ssize_t got = recv(fd, packet, sizeof packet, MSG_DONTWAIT);
        if (got < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (got <= 0) { // the client went away, and its late answers with it
            close(fd);
            m_clients.erase(m_clients.begin() + static_cast<long>(index));
            m_lateAnswers.erase(std::remove_if(m_lateAnswers.begin(), m_lateAnswers.end(),
                                               [fd](const LateAnswer& late) { return late.fd == fd; }),
                                m_lateAnswers.end());
            return;
        }
        // One report: the report id 0 and the eight data bytes.
        if (got != 9 || packet[0] != 0 || !m_answering)
            continue;
        RobotReport request, answer;
        std::copy(packet + 1, packet + 9, request.begin());
        if (!m_firmware.Handle(request, answer))
            continue;
        if (m_answerDelayMs > 0)
            m_lateAnswers.push_back({fd, NowNs() + m_answerDelayMs * 1000000LL, answer});
        else
            send(fd, answer.data(), answer.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    }
}

void RobotServer::AdvanceClock()
{
    if (!m_firmware.Running()) {
        m_clockRunning = false;
        return;
    }
    const long long now = NowNs();
    if (!m_clockRunning) {
        m_clockRunning = true;
        m_nextSliceNs = now + kSliceNs;
        return;
    }
    int slices = 0;
    while (now >= m_nextSliceNs && slices < kMaxCatchUpSlices && m_firmware.Running()) {
        m_firmware.RunSlice(kStepsPerSlice);
        m_nextSliceNs += kSliceNs;
        ++slices;
    }
    if (now >= m_nextSliceNs) // too far behind: let the missed time go
        m_nextSliceNs = now + kSliceNs;
}
