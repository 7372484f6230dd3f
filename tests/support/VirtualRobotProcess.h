#pragma once
// The virtual robot (TAMEK_ROBOT_PATH --headless) as a child process with a private runtime
// folder, driven through its standard input; and links that reach it and never a USB robot.

#include "robot/HidTransport.h"
#include "robot/RobotLink.h"
#include "robot/VirtualRobotTransport.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/filefn.h>

namespace testing_support {

class VirtualRobotProcess
{
public:
    // runtimeDir: a private folder shared with the caller; empty: one of its own, removed at the end.
    explicit VirtualRobotProcess(const std::string& runtimeDir = std::string())
        : m_runtimeDir(runtimeDir), m_ownFolder(runtimeDir.empty())
    {
        std::signal(SIGPIPE, SIG_IGN); // a robot that ended must fail a write, not end the test
        char folder[] = "/tmp/tamek-robot-test-XXXXXX";
        if (m_ownFolder && !mkdtemp(folder))
            throw std::runtime_error("cannot make a runtime folder");
        if (m_ownFolder)
            m_runtimeDir = folder;
        int toChild[2], fromChild[2];
        if (pipe2(toChild, O_CLOEXEC) != 0 || pipe2(fromChild, O_CLOEXEC) != 0)
            throw std::runtime_error("cannot make pipes");
        m_pid = fork();
        if (m_pid == 0) {
            dup2(toChild[0], 0);
            dup2(fromChild[1], 1);
            setenv("XDG_RUNTIME_DIR", m_runtimeDir.c_str(), 1);
            execl(TAMEK_ROBOT_PATH, TAMEK_ROBOT_PATH, "--headless", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(toChild[0]);
        close(fromChild[1]);
        m_in = toChild[1];
        m_out = fromChild[0];
        const std::string ready = ReadLine();
        if (ready.rfind("ready ", 0) != 0) {
            Kill();
            throw std::runtime_error("tamek-robot did not start: " + ready);
        }
        m_socketPath = ready.substr(6);
    }
    ~VirtualRobotProcess()
    {
        Command("quit");
        close(m_in);
        close(m_out);
        int status;
        waitpid(m_pid, &status, 0);
        unlink(m_socketPath.c_str()); // gone already unless the robot was killed
        if (m_ownFolder)
            wxRmdir(m_runtimeDir);
    }
    VirtualRobotProcess(const VirtualRobotProcess&) = delete;
    VirtualRobotProcess& operator=(const VirtualRobotProcess&) = delete;

    // Sends one command line; its reply line ("" when none came within five seconds).
    std::string Command(const std::string& line)
    {
        const std::string text = line + "\n";
        if (write(m_in, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
            return std::string();
        return line == "quit" ? std::string() : ReadLine();
    }
    // The state as JSON, and one number or array field of it ("pc", "servo", ...) as text.
    std::string State() { return Command("state"); }
    std::string Field(const std::string& name)
    {
        const std::string json = State(), key = "\"" + name + "\":";
        const size_t at = json.find(key);
        if (at == std::string::npos)
            return std::string();
        const size_t start = at + key.size();
        size_t end = start;
        for (int depth = 0; end < json.size() && (depth > 0 || (json[end] != ',' && json[end] != '}')); ++end)
            depth += json[end] == '[' ? 1 : json[end] == ']' ? -1 : 0;
        return json.substr(start, end - start);
    }
    // Waits up to timeoutMs for a field to have a value.
    bool WaitForField(const std::string& name, const std::string& value, int timeoutMs)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (Field(name) != value)
            if (std::chrono::steady_clock::now() > end)
                return false;
            else
                usleep(5000);
        return true;
    }

    // Ends the robot as a crash would: its socket file stays behind.
    void Kill()
    {
        kill(m_pid, SIGKILL);
        int status;
        waitpid(m_pid, &status, 0);
    }
    const std::string& SocketPath() const { return m_socketPath; }
    const std::string& RuntimeDir() const { return m_runtimeDir; }
    // A link to this robot only: its USB side looks in a folder without hidraw entries.
    std::unique_ptr<RobotLink> MakeLink() const
    {
        return std::make_unique<RobotLink>(std::make_unique<HidTransport>(m_runtimeDir + "/no-hidraw"),
                                           std::make_unique<VirtualRobotTransport>(m_socketPath));
    }

private:
    std::string ReadLine()
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        for (;;) {
            const size_t newline = m_buffer.find('\n');
            if (newline != std::string::npos) {
                const std::string line = m_buffer.substr(0, newline);
                m_buffer.erase(0, newline + 1);
                return line;
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()).count();
            pollfd entry{m_out, POLLIN, 0};
            char chunk[4096];
            ssize_t got = 0;
            if (left <= 0 || poll(&entry, 1, static_cast<int>(left)) <= 0 ||
                (got = read(m_out, chunk, sizeof chunk)) <= 0)
                return std::string();
            m_buffer.append(chunk, static_cast<size_t>(got));
        }
    }

    std::string m_runtimeDir, m_socketPath, m_buffer;
    bool m_ownFolder = true;
    pid_t m_pid = -1;
    int m_in = -1, m_out = -1;
};

} // namespace testing_support
