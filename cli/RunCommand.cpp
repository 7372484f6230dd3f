// tamekc run FILE.tamek [--max-steps N] [--steps-per-tick K] [--input PORT=RAW]...: runs the program
// without a window and prints the machine's state as one JSON object.

#include "bytecode/HeadlessRun.h"
#include "cli/Commands.h"
#include "cli/CompileCommand.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

bool ParseLong(const std::string& text, long minimum, long maximum, long& value)
{
    if (text.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed < minimum || parsed > maximum)
        return false;
    value = parsed;
    return true;
}

// "PORT=RAW" with a port 1-3 and a raw value 0-1023.
bool ParseInput(const std::string& text, HeadlessRunOptions& options)
{
    const size_t equals = text.find('=');
    long port = 0, raw = 0;
    if (equals == std::string::npos || !ParseLong(text.substr(0, equals), 1, 3, port) ||
        !ParseLong(text.substr(equals + 1), 0, 1023, raw))
        return false;
    options.rawInputs[port - 1] = static_cast<int>(raw);
    return true;
}

int Usage()
{
    std::fprintf(stderr,
                 "Usage: tamekc run FILE.tamek [--max-steps N] [--steps-per-tick K] [--input PORT=RAW]...\n"
                 "  N >= 0 (default 10000000), K >= 1 (default %ld: the time model's steps per 100 ms),\n"
                 "  PORT 1-3, RAW 0-1023 (default 1023)\n",
                 TimeModel::kStepsPerTick);
    return CliExit::Usage;
}

int RunRun(const std::vector<std::string>& args)
{
    HeadlessRunOptions options;
    std::string path;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--max-steps") {
            if (!hasValue || !ParseLong(args[++i], 0, 2000000000000L, options.maxSteps))
                return Usage();
        } else if (arg == "--steps-per-tick") {
            if (!hasValue || !ParseLong(args[++i], 1, 2000000000000L, options.stepsPerTick))
                return Usage();
        } else if (arg == "--input") {
            if (!hasValue || !ParseInput(args[++i], options))
                return Usage();
        } else if (path.empty() && (arg.empty() || arg[0] != '-')) {
            path = arg;
        } else {
            return Usage();
        }
    }
    if (path.empty())
        return Usage();

    CProgram program;
    const unsigned char* image = nullptr;
    int length = 0;
    if (const int status = CompileProjectFile(path, program, image, length); status != CliExit::Ok)
        return status;
    TamekMachine machine;
    const HeadlessRunResult result = RunHeadless(machine, image, length, options);
    const std::string json = HeadlessRunJson(machine, result, program) + "\n";
    if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size() || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "tamekc: cannot write to standard output\n");
        return CliExit::Usage;
    }
    return CliExit::Ok;
}

const CliRegistrar registrar({"run",
                              "FILE.tamek [--max-steps N] [--steps-per-tick K] [--input PORT=RAW]...    run "
                              "headless and print the machine as JSON",
                              &RunRun});

} // namespace
