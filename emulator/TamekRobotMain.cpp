// tamek-robot: the virtual Tamek robot. It stands in for the robot and its firmware: the Tamek
// program and tamekc find it when no robot is plugged in, upload into it, run and watch it. With a
// window by default; with --headless it is driven from standard input.

#include "emulator/HeadlessConsole.h"
#include "emulator/RobotFirmware.h"
#include "emulator/RobotServer.h"
#include "emulator/RobotWindow.h"
#include "robot/VirtualRobotTransport.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <unistd.h>
#include <wx/app.h>
#include <wx/init.h>

namespace {
const char* const kHelp =
    "Usage: tamek-robot [--headless]\n"
    "\n"
    "The virtual Tamek robot: it answers the robot protocol over a local socket\n"
    "($XDG_RUNTIME_DIR/tamek-robot.socket, or /tmp/tamek-UID/tamek-robot.socket), where Tamek and\n"
    "tamekc find it when no robot is plugged in. It keeps an uploaded program and runs it in real\n"
    "time once GO is pressed and released: %ld machine steps per %d ms, the timer adding %d every\n"
    "%d ms, as tamekc run counts them.\n"
    "\n"
    "How it answers what the protocol leaves open: Stop ends the program but leaves the outputs on;\n"
    "Step holds a running program, executes one instruction of a held one, and starts a program that\n"
    "is not running held at its first instruction, answering the program counter afterwards;\n"
    "Restart starts the program as GO does; Run lets a held program go on. A finished program stays\n"
    "finished (its program counter where it left the image) until GO, Restart or Step.\n"
    "\n"
    "  --headless   no window: one command a line on standard input, one reply a line\n"
    "               (\"ok\", \"error: ...\" or the state as JSON) after the line \"ready SOCKET\".\n"
    "               The state holds the fields of tamekc run (variables as an array by number)\n"
    "               and the robot's own (runState, held, go, inputs, program, lastRequest, usb, ...).\n"
    "\n"
    "Commands of --headless:\n";

void PrintHelp(std::FILE* out)
{
    std::fprintf(out, kHelp, TimeModel::kStepsPerTick, TimeModel::kClockPeriodMs, TimeModel::kTimerUnitsPerTick,
                 TimeModel::kClockPeriodMs);
    std::fputs(kHeadlessCommandHelp, out);
}

std::string g_socketPath; // for the signal handler

void RemoveSocketAndExit(int)
{
    unlink(g_socketPath.c_str());
    _exit(0);
}

class RobotApp : public wxApp
{
public:
    explicit RobotApp(RobotServer& server) : m_server(server) {}
    bool OnInit() override
    {
        (new RobotWindow(m_server))->Show();
        return true;
    }

private:
    RobotServer& m_server;
};
} // namespace

int main(int argc, char** argv)
{
    bool headless = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            PrintHelp(stdout);
            return 0;
        }
        if (!std::strcmp(argv[i], "--headless")) {
            headless = true;
        } else if (headless || argv[i][0] == '-') {
            std::fprintf(stderr, "tamek-robot: unknown argument \"%s\"\n\n", argv[i]);
            PrintHelp(stderr);
            return 1;
        }
    }

    if (!headless && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "tamek-robot: no display to show the robot on; --headless runs it without one\n");
        return 1;
    }
    RobotServer server(VirtualRobotSocketPath());
    std::string why;
    if (!server.Start(why)) {
        std::fprintf(stderr, "tamek-robot: %s\n", why.c_str());
        return 1;
    }
    g_socketPath = server.SocketPath();
    std::signal(SIGINT, RemoveSocketAndExit);
    std::signal(SIGTERM, RemoveSocketAndExit);
    std::signal(SIGHUP, RemoveSocketAndExit);
    std::signal(SIGPIPE, SIG_IGN);

    if (headless) {
        wxInitializer initializer; // wxWidgets' base, no display
        return RunHeadlessConsole(server, std::cin, std::cout);
    }
    wxApp::SetInstance(new RobotApp(server));
    return wxEntry(argc, argv);
}
