#pragma once
// The link to the robot: finds the USB robot first and the virtual robot otherwise, keeps the
// handle open while the same device stays there, and carries the robot's command set. Every answer
// is awaited at most kAnswerTimeoutMs: a silent or unplugged robot ends the exchange as a failed
// read whose values are zero, never as a hang. A robot that is found but cannot be opened is not
// connected; State() tells why and ProblemMessage() says it for the console.

#include "robot/RobotTransport.h"

#include <chrono>
#include <memory>
#include <string>
#include <wx/string.h>

enum class RobotLinkState
{
    NotFound,
    Connected,
    NoPermission, // found, but this user may not open it
    OpenFailed    // found, but it cannot be opened for another reason
};

// The three inputs of the robot as ReadInputs answers them (each a 10-bit reading in 16 bits).
struct RobotInputs
{
    int a = 0, b = 0, c = 0;
};

class RobotLink
{
public:
    static constexpr int kAnswerTimeoutMs = 500;
    // How long the polls leave a robot alone after it did not answer.
    static constexpr int kSilencePauseMs = 1000;

    // The USB robot (hidraw) and, when none is plugged in, this user's virtual robot.
    RobotLink();
    RobotLink(std::unique_ptr<RobotTransport> robot, std::unique_ptr<RobotTransport> virtualRobot);
    ~RobotLink();
    RobotLink(const RobotLink&) = delete;
    RobotLink& operator=(const RobotLink&) = delete;

    // Searches the robot and opens it, keeping the open handle when the same device is still there.
    void Open();
    bool IsConnected() const { return m_state == RobotLinkState::Connected; }
    RobotLinkState State() const { return m_state; }
    // The device of the last search that found one (empty when none) and whether it is the virtual robot.
    const std::string& DevicePath() const { return m_device.path; }
    bool IsVirtual() const { return m_foundVirtual; }
    // For NoPermission and OpenFailed: a Dutch console line saying why and how to mend it; else empty.
    wxString ProblemMessage() const;

    // Writes one report; false when not connected or the device did not take it.
    bool SendReport(const RobotReport& report);
    // Writes one report and reads its answer. False, with answer all zero, when not connected, the
    // write failed or no answer came within kAnswerTimeoutMs. Answers that came too late for an
    // earlier exchange are dropped first, so request and answer stay paired.
    bool Exchange(const RobotReport& request, RobotReport& answer);
    // Whether the last exchange got no answer, less than kSilencePauseMs ago. The polls, which ask
    // again and again, skip a robot that is silent, so it never keeps the window busy.
    bool RecentlySilent() const;

    // The command set. Each returns false when the report could not be sent or, for the commands
    // with an answer, when no answer came (the value is then 0).
    // Program data: six bytes (missing ones sent as 0) in report number 0-8191.
    bool SendProgram(int reportNumber, const unsigned char* bytes, int count);
    // 0xB0 with the flag set (the upload is complete), 0xA0 without.
    bool EndUpload(bool flag);
    bool SetActuator(int registerNumber, int magnitude, bool reverse);
    bool Restart();
    bool Stop();
    // The robot holds its program (or executes one instruction when held); value: its 16-bit answer.
    bool Step(int& value);
    bool Run();
    bool ReadInputs(RobotInputs& inputs);
    // The 16-bit program counter, 0-65535.
    bool ReadProgramCounter(int& pc);
    // The register's signed 16-bit value.
    bool ReadRegister(int registerNumber, int& value);
    // "Stop servo / motor": Stop (when stopProgram), then SetActuator with magnitude 0, forward, for
    // the buzzer, the LED, servo 1, servo 2, motor 2 and motor 1, in that order. The calibration
    // dialog's own stop leaves the program alone.
    bool SwitchOffOutputs(bool stopProgram);

private:
    bool Command(int code, int argument = 0);
    bool Ask(int code, int argument, RobotReport& answer);
    void CloseActive();

    std::unique_ptr<RobotTransport> m_robot, m_virtual;
    RobotTransport* m_active = nullptr; // the transport with the open handle, if any
    RobotLinkState m_state = RobotLinkState::NotFound;
    FoundDevice m_device;
    bool m_foundVirtual = false;
    bool m_silent = false; // the last exchange got no answer
    std::chrono::steady_clock::time_point m_silentAt;
};
