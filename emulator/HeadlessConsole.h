#pragma once
// The virtual robot driven from standard input, for tests and scripts: one command a line, one
// reply a line ("ok", "error: ...", or the state as JSON).

#include <iosfwd>

class RobotServer;

// The command list, as --help prints it.
extern const char* const kHeadlessCommandHelp;

// Reads commands until "quit" or the end of input; returns the exit status.
int RunHeadlessConsole(RobotServer& server, std::istream& in, std::ostream& out);
