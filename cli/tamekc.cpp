// tamekc: the command line of the Tamek core. "tamekc COMMAND ARGS..."; --help lists the commands.

#include "cli/Commands.h"

#include <cstdio>
#include <cstring>
#include <wx/init.h>

namespace {
void PrintHelp(std::FILE* out)
{
    std::fprintf(out, "Usage: tamekc COMMAND [ARGUMENTS]\n       tamekc --help | --version\n\nCommands:\n");
    for (const CliCommand& command : CliCommands())
        std::fprintf(out, "  %s %s\n", command.name, command.usage);
    std::fprintf(out, "\nExit status: 0 success, 1 wrong usage, 2 a file that cannot be read or used,\n"
                      "3 no robot that answers, 4 a scenario that failed.\n");
}
} // namespace

int main(int argc, char** argv)
{
    wxInitializer initializer;
    if (!initializer.IsOk()) {
        std::fprintf(stderr, "tamekc: cannot initialise wxWidgets\n");
        return CliExit::Usage;
    }
    if (argc < 2) {
        PrintHelp(stderr);
        return CliExit::Usage;
    }
    if (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h") || !std::strcmp(argv[1], "help")) {
        PrintHelp(stdout);
        return CliExit::Ok;
    }
    if (!std::strcmp(argv[1], "--version")) {
        std::printf("tamekc %s\n", TAMEK_VERSION);
        return CliExit::Ok;
    }
    for (const CliCommand& command : CliCommands())
        if (!std::strcmp(argv[1], command.name))
            return command.run(std::vector<std::string>(argv + 2, argv + argc));
    std::fprintf(stderr, "tamekc: unknown command \"%s\"\n\n", argv[1]);
    PrintHelp(stderr);
    return CliExit::Usage;
}
