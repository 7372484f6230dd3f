#pragma once
// Checking programs against scenarios for tamekc test: one program in this process, or many in
// worker processes, one process per program and as many at a time as asked. The block model keeps
// process-wide state (the prototype names a project file changes, the current block the compiler
// sets), so programs are never checked side by side in threads: each worker process reads one
// project into a fresh copy of that state and sends its row back over a pipe.

#include "scenario/Scenario.h"
#include "scenario/ScenarioReport.h"

#include <string>
#include <vector>

// Reads and compiles the project at path and runs every scenario on it. A file that cannot be read
// gives the problem "LINE: message" or "message" (without the path).
ProgramRow CheckProgram(const std::string& path, const std::vector<Scenario>& scenarios);

// Checks every program, up to jobs at a time in worker processes; the rows in the order of paths. A
// worker that dies gives a row that says so.
std::vector<ProgramRow> CheckPrograms(const std::vector<std::string>& paths, const std::vector<Scenario>& scenarios,
                                      int jobs);

// The programs the arguments name: a file as given, a folder's "*.tamek" files (in its subfolders
// too) in the order of their paths. A folder that cannot be listed is kept as it is given, so that
// its row says that it cannot be read.
std::vector<std::string> FindPrograms(const std::vector<std::string>& arguments);
