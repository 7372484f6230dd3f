// tamekc upload FILE.tamek: compiles as tamekc compile does and uploads the program into the robot
// (the USB robot, or the virtual robot when none is plugged in).

#include "cli/Commands.h"
#include "cli/CompileCommand.h"
#include "robot/ProgramUpload.h"
#include "robot/RobotLink.h"

#include <cstdio>

namespace {

int RunUpload(const std::vector<std::string>& args)
{
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
        std::fprintf(stderr, "Usage: tamekc upload FILE.tamek\n");
        return CliExit::Usage;
    }
    CProgram program;
    const unsigned char* image = nullptr;
    int length = 0;
    if (const int status = CompileProjectFile(args[0], program, image, length); status != CliExit::Ok)
        return status;

    RobotLink link;
    link.Open();
    if (!link.IsConnected()) {
        if (link.State() == RobotLinkState::NotFound)
            std::fprintf(stderr, "tamekc: no robot answers: plug the robot in, or start tamek-robot\n");
        else
            std::fprintf(stderr, "tamekc: %s\n", (const char*)link.ProblemMessage().utf8_str());
        return CliExit::NoRobot;
    }
    const int startCodeLength = program.GetRoot()->GetCodeLength();
    switch (UploadProgram(link, image, length, startCodeLength)) {
    case UploadResult::Done:
        std::printf("uploaded %d bytes to the %s at %s; press GO to start the program\n", length,
                    link.IsVirtual() ? "virtual robot" : "robot", link.DevicePath().c_str());
        return CliExit::Ok;
    case UploadResult::NothingToSend:
        std::fprintf(stderr, "tamekc: %s: nothing to upload: no block follows the Start block\n", args[0].c_str());
        return CliExit::Unreadable;
    default:
        std::fprintf(stderr, "tamekc: the robot went away or stopped answering; the upload did not finish\n");
        return CliExit::NoRobot;
    }
}

const CliRegistrar registrar({"upload", "FILE.tamek    compile and upload into the robot (or the virtual robot)",
                              &RunUpload});

} // namespace
