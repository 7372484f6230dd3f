// tamekc robot: what the robot link finds, as the presence poll sees it.

#include "cli/Commands.h"
#include "robot/RobotLink.h"

#include <cstdio>

namespace {

const char* StateWord(RobotLinkState state)
{
    switch (state) {
    case RobotLinkState::Connected:
        return "connected";
    case RobotLinkState::NoPermission:
        return "no permission";
    case RobotLinkState::OpenFailed:
        return "cannot be opened";
    default:
        return "none";
    }
}

int RunRobot(const std::vector<std::string>& args)
{
    if (!args.empty()) {
        std::fprintf(stderr, "Usage: tamekc robot\n");
        return CliExit::Usage;
    }
    RobotLink link;
    link.Open();
    if (link.State() == RobotLinkState::NotFound) {
        std::printf("none: no robot is plugged in and no virtual robot (tamek-robot) is running\n");
        return CliExit::NoRobot;
    }
    std::printf("%s %s: %s\n", link.IsVirtual() ? "virtual" : "real", link.DevicePath().c_str(),
                StateWord(link.State()));
    if (!link.IsConnected()) {
        std::printf("%s\n", (const char*)link.ProblemMessage().utf8_str());
        return CliExit::NoRobot;
    }
    return CliExit::Ok;
}

const CliRegistrar registrar({"robot",
                              "    say which robot the link finds: real or virtual, its path, connected or why not",
                              &RunRobot});

} // namespace
