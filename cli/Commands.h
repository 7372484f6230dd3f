#pragma once
// The commands of tamekc. Each command lives in its own source file and registers itself with a
// static CliRegistrar, so adding a command never touches the others or the dispatcher.

#include <string>
#include <vector>

struct CliCommand
{
    const char* name;  // the word after "tamekc"
    const char* usage; // arguments and one line of help, shown by --help
    // Runs the command with the arguments after its name; the process exit status.
    int (*run)(const std::vector<std::string>& args);
};

// Exit statuses shared by the commands.
namespace CliExit {
enum : int
{
    Ok = 0,
    Usage = 1,
    Unreadable = 2,
    NoRobot = 3, // no robot found, or it went away or stopped answering
    Failed = 4   // a scenario failed
};
}

// Every registered command, sorted by name.
const std::vector<CliCommand>& CliCommands();

struct CliRegistrar
{
    explicit CliRegistrar(const CliCommand& command);
};
