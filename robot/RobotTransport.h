#pragma once
// The way to one kind of robot device behind one small interface: find it without opening
// anything, open it, write one report, read one answer with a time limit, close it. RobotLink
// holds two of them: the USB robot and the virtual robot.

#include "robot/RobotProtocol.h"

#include <string>

// A device that a search found: where it is, and what tells it apart from a device found earlier
// at the same place (it changes when the device is unplugged and plugged back in).
struct FoundDevice
{
    std::string path;
    std::string identity;
};

enum class OpenResult
{
    Opened,
    NotThere,     // gone between the search and the open: no device
    NoPermission, // there, but this user may not open it
    Failed        // there, but it cannot be opened for another reason
};

class RobotTransport
{
public:
    virtual ~RobotTransport() = default;

    // Looks for the device; false when there is none. Cheap enough to run every second: it opens
    // no device.
    virtual bool Find(FoundDevice& found) = 0;
    virtual OpenResult Open(const FoundDevice& device) = 0;
    // Whether a handle is open and not known to be dead. A transport closes its handle itself
    // after a write or read error, or when it sees that the other side hung up.
    virtual bool IsOpen() = 0;
    // Writes one report; false when it was not taken.
    virtual bool Write(const RobotReport& report) = 0;
    // Reads one answer, waiting at most timeoutMs (0: only an answer that has already come);
    // false when none came.
    virtual bool Read(RobotReport& answer, int timeoutMs) = 0;
    virtual void Close() = 0;
    // True for the virtual robot, false for the USB robot.
    virtual bool IsVirtual() const = 0;
};
