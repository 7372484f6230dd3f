#pragma once
// The virtual robot (tamek-robot) through a local socket of this user. Each packet is one report:
// 9 bytes to the robot (report id 0, d0-d7), 8 bytes back, as on the USB robot. The socket lives in
// $XDG_RUNTIME_DIR, or, without one, in a folder /tmp/tamek-UID; a socket that another user owns,
// or in a folder that another user owns or may enter, is not looked at.

#include "robot/RobotTransport.h"

// Where this user's virtual robot listens.
std::string VirtualRobotSocketPath();
// The folder of a socket path is this user's own and closed to others; false with why otherwise.
bool VirtualRobotFolderIsPrivate(const std::string& socketPath, std::string* why = nullptr);

class VirtualRobotTransport : public RobotTransport
{
public:
    explicit VirtualRobotTransport(std::string socketPath = VirtualRobotSocketPath());
    ~VirtualRobotTransport() override;

    bool Find(FoundDevice& found) override;
    OpenResult Open(const FoundDevice& device) override;
    bool IsOpen() override;
    bool Write(const RobotReport& report) override;
    bool Read(RobotReport& answer, int timeoutMs) override;
    void Close() override;
    bool IsVirtual() const override { return true; }

private:
    std::string m_socketPath;
    int m_fd = -1;
};
