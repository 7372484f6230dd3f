#include "cli/Commands.h"

#include <algorithm>
#include <cstring>

namespace {
std::vector<CliCommand>& Registry()
{
    static std::vector<CliCommand> commands; // filled during static initialisation
    return commands;
}
} // namespace

CliRegistrar::CliRegistrar(const CliCommand& command)
{
    auto& commands = Registry();
    auto at = std::find_if(commands.begin(), commands.end(),
                           [&](const CliCommand& c) { return std::strcmp(c.name, command.name) > 0; });
    commands.insert(at, command);
}

const std::vector<CliCommand>& CliCommands()
{
    return Registry();
}
