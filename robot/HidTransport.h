#pragma once
// The USB robot through hidraw (hidapi's hidraw backend). The search reads the hidraw entries of
// sysfs (their uevent names the bus, vendor and product) and opens nothing, so it costs a few
// small file reads; the device itself is opened only when a new one turns up.

#include "robot/RobotTransport.h"

typedef struct hid_device_ hid_device;

class HidTransport : public RobotTransport
{
public:
    static constexpr unsigned kVendorId = 0x0FD7;
    static constexpr unsigned kProductId = 0x5010;

    // sysClass: the folder of the hidraw entries; devFolder: where their device nodes are.
    explicit HidTransport(std::string sysClass = "/sys/class/hidraw", std::string devFolder = "/dev");
    ~HidTransport() override;

    bool Find(FoundDevice& found) override;
    OpenResult Open(const FoundDevice& device) override;
    bool IsOpen() override { return m_device != nullptr; }
    bool Write(const RobotReport& report) override;
    bool Read(RobotReport& answer, int timeoutMs) override;
    void Close() override;
    bool IsVirtual() const override { return false; }

private:
    std::string m_sysClass, m_devFolder;
    hid_device* m_device = nullptr;
};

// Whether the text of a hidraw entry's uevent names the robot ("HID_ID=BUS:VENDOR:PRODUCT" in
// hexadecimal digits of either case).
bool UeventNamesRobot(const std::string& uevent);
