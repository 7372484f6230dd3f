// The link when things go wrong: a robot that stops answering, is unplugged during an upload, is
// plugged back or crashes; and hours of searching that must not leak handles.
#include "support/RunTamekc.h"
#include "support/VirtualRobotProcess.h"

#include "robot/ProgramUpload.h"

#include <dirent.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <wx/filename.h>

using namespace testing_support;

namespace {
int OpenDescriptors()
{
    int count = 0;
    if (DIR* folder = opendir("/proc/self/fd")) {
        while (readdir(folder))
            ++count;
        closedir(folder);
    }
    return count;
}

} // namespace

TEST(LinkFault, SilentOrSlowRobotEndsTheExchangeAsAFailedRead)
{
    VirtualRobotProcess robot;
    auto link = robot.MakeLink();
    link->Open();
    ASSERT_TRUE(link->SetActuator(3, 77, false));
    ASSERT_EQ(robot.Command("silent"), "ok");
    int value = -1;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(link->ReadRegister(3, value));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3)); // a time limit, not a hang
    EXPECT_TRUE(link->RecentlySilent());
    EXPECT_EQ(value, 0);
    ASSERT_EQ(robot.Command("answer"), "ok");
    EXPECT_TRUE(link->ReadRegister(3, value));
    EXPECT_EQ(value, 77);
    EXPECT_FALSE(link->RecentlySilent());
    // An answer that comes too late is not taken for the answer to the next request.
    ASSERT_EQ(robot.Command("delay 600"), "ok");
    EXPECT_FALSE(link->ReadRegister(3, value));
    ASSERT_EQ(robot.Command("delay 0"), "ok");
    usleep(300000); // the late answer arrives meanwhile
    int pc = -1;
    EXPECT_TRUE(link->ReadProgramCounter(pc));
    EXPECT_EQ(pc, 0);
    // Not connected: a command returns at once and changes nothing.
    RobotLink none(nullptr, nullptr);
    none.Open();
    EXPECT_FALSE(none.IsConnected() || none.Stop() || none.ReadRegister(3, value));
}

TEST(LinkFault, UnpluggedDuringAnUploadFailsAndIsFoundAgainWhenPluggedBack)
{
    VirtualRobotProcess robot;
    auto link = robot.MakeLink();
    link->Open();
    const std::vector<unsigned char> image(600, 0x7D);
    const auto unplugHalfway = [&](int sent, int total) {
        return sent != total / 2 || robot.Command("unplug") == "ok";
    };
    EXPECT_EQ(UploadProgram(*link, image.data(), 600, 0, unplugHalfway, 0), UploadResult::RobotGone);
    link->Open();
    EXPECT_EQ(link->State(), RobotLinkState::NotFound);
    ASSERT_EQ(robot.Command("plug"), "ok");
    link->Open();
    ASSERT_TRUE(link->IsConnected());
    EXPECT_EQ(robot.Field("programLength"), "0");
    EXPECT_EQ(UploadProgram(*link, image.data(), 600, 0, UploadProgress(), 0), UploadResult::Done);
    EXPECT_EQ(robot.Field("programLength"), "600");
    // A robot that crashed leaves its socket behind: nobody answers there, so there is no robot.
    robot.Kill();
    link->Open();
    EXPECT_EQ(link->State(), RobotLinkState::NotFound);
}

TEST(LinkFault, SearchingForHoursKeepsItsHandles)
{
    VirtualRobotProcess robot;
    auto link = robot.MakeLink();
    link->Open();
    const int before = OpenDescriptors();
    for (int round = 0; round < 20; ++round) {
        ASSERT_EQ(robot.Command(round % 2 ? "plug" : "unplug"), "ok");
        for (int i = 0; i < 200; ++i)
            link->Open();
        EXPECT_EQ(link->IsConnected(), round % 2 == 1);
    }
    EXPECT_EQ(OpenDescriptors(), before);
}

TEST(LinkFault, HidrawSearchReadsTheIdsOfEveryEntry)
{
    char folder[] = "/tmp/tamek-sysfs-XXXXXX";
    ASSERT_TRUE(mkdtemp(folder));
    const std::string root = folder;
    const auto entry = [&](const std::string& name, const std::string& uevent) {
        mkdir((root + "/" + name).c_str(), 0700);
        mkdir((root + "/" + name + "/device").c_str(), 0700);
        std::ofstream(root + "/" + name + "/device/uevent") << uevent;
    };
    HidTransport transport(root, "/nodes");
    FoundDevice found;
    EXPECT_FALSE(transport.Find(found));
    entry("hidraw0", "DRIVER=hid-generic\nHID_ID=0003:0000046D:0000C52B\nHID_NAME=Mouse\n");
    entry("hidraw5", "HID_ID=0003:00000fd7:00005011\n");
    EXPECT_FALSE(transport.Find(found));
    entry("hidraw12", "DRIVER=hid-generic\nHID_ID=0003:00000FD7:00005010\n");
    ASSERT_TRUE(transport.Find(found));
    EXPECT_EQ(found.path, "/nodes/hidraw12");
    entry("hidraw3", "HID_ID=0003:00000fd7:00005010\n"); // two robots: the first of the list
    ASSERT_TRUE(transport.Find(found));
    EXPECT_EQ(found.path, "/nodes/hidraw3");
    EXPECT_EQ(transport.Open(found), OpenResult::NotThere);
    EXPECT_FALSE(UeventNamesRobot("XHID_ID=0003:00000FD7:00005010"));
    wxFileName::Rmdir(root, wxPATH_RMDIR_RECURSIVE);
}

TEST(LinkFault, TamekcSaysWhenNoRobotAnswers)
{
    VirtualRobotProcess robot;
    setenv("XDG_RUNTIME_DIR", robot.RuntimeDir().c_str(), 1);
    const std::string project = "'" + std::string(TAMEK_TEST_DATA) + "/loops.tamek'";
    EXPECT_EQ(Tamekc("robot").out, "virtual " + robot.SocketPath() + ": connected\n");
    ASSERT_EQ(robot.Command("silent"), "ok");
    const TamekcResult silent = Tamekc("upload " + project);
    EXPECT_EQ(silent.status, 3);
    EXPECT_NE(silent.err.find("stopped answering"), std::string::npos) << silent.err;
    ASSERT_EQ(robot.Command("unplug"), "ok");
    const TamekcResult none = Tamekc("upload " + project);
    EXPECT_EQ(none.status, 3);
    EXPECT_NE(none.err.find("start tamek-robot"), std::string::npos) << none.err;
    EXPECT_EQ(Tamekc("robot").status, 3);
}

TEST(LinkFault, VirtualRobotInAFolderOthersMayEnterIsNotLookedAt)
{
    char folder[] = "/tmp/tamek-open-XXXXXX";
    ASSERT_TRUE(mkdtemp(folder));
    const std::string socket = std::string(folder) + "/tamek-robot.socket";
    EXPECT_TRUE(VirtualRobotFolderIsPrivate(socket));
    chmod(folder, 0755);
    std::string why;
    EXPECT_FALSE(VirtualRobotFolderIsPrivate(socket, &why));
    EXPECT_NE(why.find("other users may enter it"), std::string::npos);
    rmdir(folder);
}
