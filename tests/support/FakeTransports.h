#pragma once
// Transports that stand for a USB robot the tests cannot plug in.

#include "robot/RobotTransport.h"

namespace testing_support {

// A robot found on /dev/hidraw2 that this user may not open.
struct DeniedTransport : RobotTransport
{
    bool Find(FoundDevice& found) override { return found.path = "/dev/hidraw2", true; }
    OpenResult Open(const FoundDevice&) override { return OpenResult::NoPermission; }
    bool IsOpen() override { return false; }
    bool Write(const RobotReport&) override { return false; }
    bool Read(RobotReport&, int) override { return false; }
    void Close() override {}
    bool IsVirtual() const override { return false; }
};

} // namespace testing_support
