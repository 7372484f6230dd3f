// The robot link's search, which the presence poll repeats every second (goal: under 5 ms), with
// no robot, with the virtual robot and over a hidraw folder of sixteen entries; one exchange; and a
// full 1024-byte upload to the virtual robot. Each search benchmark reports how much the resident
// memory grew over all its iterations.

#include "support/VirtualRobotProcess.h"

#include "robot/ProgramUpload.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <sys/stat.h>
#include <wx/filename.h>

using testing_support::VirtualRobotProcess;

namespace {
long ResidentKilobytes()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void SearchLoop(benchmark::State& state, RobotLink& link, bool expectConnected)
{
    link.Open();
    const long before = ResidentKilobytes();
    for (auto _ : state) {
        link.Open();
        if (link.IsConnected() != expectConnected) {
            state.SkipWithError("the search found the wrong thing");
            break;
        }
    }
    state.counters["rss_growth_kB"] = static_cast<double>(ResidentKilobytes() - before);
}

// The real search: /sys/class/hidraw, then a virtual robot socket that is not there.
void BM_SearchNoRobot(benchmark::State& state)
{
    RobotLink link(std::make_unique<HidTransport>(), std::make_unique<VirtualRobotTransport>("/nonexistent/socket"));
    SearchLoop(state, link, false);
}
BENCHMARK(BM_SearchNoRobot)->Unit(benchmark::kMicrosecond);

// The virtual robot found and its connection kept: the poll's usual case with a robot.
void BM_SearchVirtualRobot(benchmark::State& state)
{
    VirtualRobotProcess robot;
    auto link = robot.MakeLink();
    SearchLoop(state, *link, true);
}
BENCHMARK(BM_SearchVirtualRobot)->Unit(benchmark::kMicrosecond);

// A fresh link each time: the search plus connecting, as after the robot was plugged back in.
void BM_FirstOpenVirtualRobot(benchmark::State& state)
{
    VirtualRobotProcess robot;
    for (auto _ : state) {
        auto link = robot.MakeLink();
        link->Open();
        benchmark::DoNotOptimize(link->IsConnected());
    }
}
BENCHMARK(BM_FirstOpenVirtualRobot)->Unit(benchmark::kMicrosecond);

// Sixteen hidraw entries laid out as sysfs has them, one of them the robot whose node cannot be
// found: every search reads all sixteen uevent files and tries the node.
void BM_SearchHidrawFolder(benchmark::State& state)
{
    char folder[] = "/tmp/tamek-sysfs-bench-XXXXXX";
    if (!mkdtemp(folder)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    for (int i = 0; i < 16; ++i) {
        const std::string entry = std::string(folder) + "/hidraw" + std::to_string(i);
        mkdir(entry.c_str(), 0700);
        mkdir((entry + "/device").c_str(), 0700);
        std::ofstream(entry + "/device/uevent")
            << "DRIVER=hid-generic\nHID_ID=0003:" << (i == 11 ? "00000FD7:00005010" : "0000046D:0000C52B")
            << "\nHID_NAME=Device " << i << "\nHID_PHYS=usb-0000:00:14.0-" << i << "/input0\nMODALIAS=hid:b0003\n";
    }
    RobotLink link(std::make_unique<HidTransport>(folder, "/nonexistent"), nullptr);
    SearchLoop(state, link, false);
    wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
}
BENCHMARK(BM_SearchHidrawFolder)->Unit(benchmark::kMicrosecond);

// One request and its answer (ReadProgramCounter), as the input poll and the watching tick make.
void BM_ExchangeVirtualRobot(benchmark::State& state)
{
    VirtualRobotProcess robot;
    auto link = robot.MakeLink();
    link->Open();
    int pc = 0;
    for (auto _ : state)
        if (!link->ReadProgramCounter(pc))
            state.SkipWithError("no answer");
}
BENCHMARK(BM_ExchangeVirtualRobot)->Unit(benchmark::kMicrosecond);

// A full 1024-byte program: Stop, 171 data reports, the search, the answer check, the end of the
// upload; the upload's fixed 100 ms pause for the robot is left out (argument 0) and kept in (100).
void BM_Upload1024(benchmark::State& state)
{
    VirtualRobotProcess robot;
    auto link = robot.MakeLink();
    link->Open();
    std::vector<unsigned char> image(1024);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<unsigned char>(i * 7);
    for (auto _ : state)
        if (UploadProgram(*link, image.data(), 1024, 10, UploadProgress(), static_cast<int>(state.range(0))) !=
            UploadResult::Done)
            state.SkipWithError("the upload failed");
}
BENCHMARK(BM_Upload1024)->Arg(0)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
