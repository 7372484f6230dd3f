// tamekc cat FILE: reads a project and writes it back to standard output exactly as saving would,
// with the file's own calibration (the defaults when it has none), never the user's settings.

#include "cli/Commands.h"
#include "cli/ProjectLoad.h"
#include "model/ProjectWriter.h"

#include <cstdio>

namespace {
int RunCat(const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        std::fprintf(stderr, "Usage: tamekc cat FILE.tamek\n");
        return CliExit::Usage;
    }
    CProgram program;
    CalibrationRecord calibration;
    if (!LoadProject(args[0], program, calibration))
        return CliExit::Unreadable;
    const std::string bytes = ProjectWriter::Text(program, CalibrationBlock(calibration));
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "tamekc: cannot write to standard output\n");
        return CliExit::Usage;
    }
    return CliExit::Ok;
}

const CliRegistrar registrar({"cat", "FILE.tamek    print the project as saving would write it", &RunCat});
} // namespace
