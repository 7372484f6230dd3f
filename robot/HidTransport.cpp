#include "robot/HidTransport.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <hidapi/hidapi.h>
#include <unistd.h>

namespace {
// Reads a small sysfs file (a uevent is a few hundred bytes); empty when it cannot be read.
std::string ReadSmallFile(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::string();
    char buffer[4096];
    const ssize_t got = read(fd, buffer, sizeof buffer);
    close(fd);
    return got > 0 ? std::string(buffer, static_cast<size_t>(got)) : std::string();
}

// The number of a "hidrawN" entry, or -1 for any other name.
long HidrawNumber(const char* name)
{
    static const char kPrefix[] = "hidraw";
    for (int i = 0; kPrefix[i]; ++i)
        if (name[i] != kPrefix[i])
            return -1;
    const char* digits = name + sizeof kPrefix - 1;
    if (!*digits)
        return -1;
    char* end = nullptr;
    const long number = std::strtol(digits, &end, 10);
    return *end == '\0' && number >= 0 ? number : -1;
}
} // namespace

bool UeventNamesRobot(const std::string& uevent)
{
    size_t at = 0;
    while ((at = uevent.find("HID_ID=", at)) != std::string::npos) {
        if (at == 0 || uevent[at - 1] == '\n') {
            unsigned bus = 0, vendor = 0, product = 0;
            if (std::sscanf(uevent.c_str() + at, "HID_ID=%x:%x:%x", &bus, &vendor, &product) == 3)
                return vendor == HidTransport::kVendorId && product == HidTransport::kProductId;
        }
        at += 7;
    }
    return false;
}

HidTransport::HidTransport(std::string sysClass, std::string devFolder)
    : m_sysClass(std::move(sysClass)), m_devFolder(std::move(devFolder))
{
}

HidTransport::~HidTransport()
{
    Close();
}

bool HidTransport::Find(FoundDevice& found)
{
    DIR* folder = opendir(m_sysClass.c_str());
    if (!folder)
        return false;
    // The lowest numbered match is the first in the system's list.
    long best = -1;
    std::string bestName;
    while (const dirent* entry = readdir(folder)) {
        const long number = HidrawNumber(entry->d_name);
        if (number < 0 || (best >= 0 && number > best))
            continue;
        if (UeventNamesRobot(ReadSmallFile(m_sysClass + "/" + entry->d_name + "/device/uevent"))) {
            best = number;
            bestName = entry->d_name;
        }
    }
    closedir(folder);
    if (best < 0)
        return false;
    // The HID device behind the entry is named "BUS:VENDOR:PRODUCT.INSTANCE"; the instance number
    // is new each time the robot is plugged in, so a new robot on an old node is seen as new.
    char target[512];
    const std::string link = m_sysClass + "/" + bestName + "/device";
    const ssize_t length = readlink(link.c_str(), target, sizeof target - 1);
    found.path = m_devFolder + "/" + bestName;
    found.identity = bestName + "=" + (length > 0 ? std::string(target, static_cast<size_t>(length)) : std::string());
    return true;
}

OpenResult HidTransport::Open(const FoundDevice& device)
{
    Close();
    // hidapi does not say why an open failed; the access check does, for this user.
    if (access(device.path.c_str(), R_OK | W_OK) != 0) {
        if (errno == ENOENT)
            return OpenResult::NotThere;
        if (errno == EACCES || errno == EPERM)
            return OpenResult::NoPermission;
    }
    m_device = hid_open_path(device.path.c_str());
    if (!m_device)
        return errno == EACCES || errno == EPERM ? OpenResult::NoPermission : OpenResult::Failed;
    return OpenResult::Opened;
}

bool HidTransport::Write(const RobotReport& report)
{
    if (!m_device)
        return false;
    unsigned char buffer[1 + std::tuple_size<RobotReport>::value] = {0}; // report id 0, then d0-d7
    std::copy(report.begin(), report.end(), buffer + 1);
    if (hid_write(m_device, buffer, sizeof buffer) == static_cast<int>(sizeof buffer))
        return true;
    Close();
    return false;
}

bool HidTransport::Read(RobotReport& answer, int timeoutMs)
{
    answer.fill(0);
    if (!m_device)
        return false;
    unsigned char buffer[16] = {};
    const int got = hid_read_timeout(m_device, buffer, answer.size(), timeoutMs);
    if (got < 0) {
        Close();
        return false;
    }
    for (int i = 0; i < got && i < static_cast<int>(answer.size()); ++i)
        answer[static_cast<size_t>(i)] = buffer[i];
    return got > 0;
}

void HidTransport::Close()
{
    if (m_device)
        hid_close(m_device);
    m_device = nullptr;
}
