#pragma once
// The virtual robot's USB side and its real time: one thread listens on the local socket, answers
// each client's reports through the firmware, and feeds the firmware slices of real time. Unplugged,
// the socket is gone (clients see the robot go); silent, reports are read and dropped unanswered;
// slow, answers leave some time after their request.
// Every public call runs its work on that thread and returns when it is done, so nothing else
// touches the firmware or the sockets.

#include "emulator/RobotFirmware.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// What the window shows of the robot.
struct RobotSnapshot
{
    bool plugged = false, answering = true, go = false, held = false, runLight = false, buzzer = false, led = false;
    int runState = 0, pc = 0, timer = 0, programLength = 0, clients = 0;
    int raw[3] = {1023, 1023, 1023};
    int servo[2] = {0, 0};          // last-written values
    int motor[2] = {0, 0};          // motor 1 (channel 3) and motor 2 (channel 2), signed
    int motorDirection[2] = {0, 0}; // TamekMachine::Direction of motor 1 and motor 2

    bool operator==(const RobotSnapshot& other) const;
    bool operator!=(const RobotSnapshot& other) const { return !(*this == other); }
};

class RobotServer
{
public:
    // Real time runs in slices of kSliceMs, each with its share of the time model's steps.
    static constexpr int kSliceMs = 10;

    explicit RobotServer(std::string socketPath);
    ~RobotServer();
    RobotServer(const RobotServer&) = delete;
    RobotServer& operator=(const RobotServer&) = delete;

    // Plugs the robot in and starts the thread; false with why (another robot listens there, the
    // folder is not private, the path is too long, ...).
    bool Start(std::string& why);
    const std::string& SocketPath() const { return m_socketPath; }

    // False with why when plugging in fails.
    bool SetPlugged(bool plugged, std::string* why = nullptr);
    void SetAnswering(bool answering);
    // Answers leave delayMs after their request (0: at once), as from a robot that is slow to answer.
    void SetAnswerDelay(int delayMs);
    void SetGo(bool pressed);
    void SetRawInput(int port, int raw);
    std::string StateJson();
    RobotSnapshot Snapshot();

private:
    void Loop();
    void RunOnLoop(const std::function<void()>& work);
    bool Listen(std::string& why);
    void Unplug();
    void ServeClient(size_t index);
    void SendLateAnswers();
    void AdvanceClock();
    std::string JsonOfLoop();

    const std::string m_socketPath;
    RobotFirmware m_firmware;
    bool m_answering = true;
    int m_answerDelayMs = 0;
    struct LateAnswer
    {
        int fd;
        long long dueNs;
        RobotReport answer;
    };
    std::vector<LateAnswer> m_lateAnswers;
    int m_listenFd = -1;
    int m_wakeFd = -1;
    std::vector<int> m_clients;
    bool m_clockRunning = false;
    long long m_nextSliceNs = 0;

    std::thread m_thread;
    bool m_quit = false;
    std::mutex m_mutex;
    std::condition_variable m_done;
    std::vector<std::function<void()>> m_work;
    unsigned long m_workAdded = 0, m_workDone = 0;
};
