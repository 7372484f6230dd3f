#pragma once
// Compiling a project file for a command: read it, compile it with the file's own calibration (the
// defaults when it carries none), and say on standard error why when that fails.

#include "model/CProgram.h"

#include <string>

// Reads and compiles path into program. Returns the exit status: CliExit::Ok with image and length
// set, 1 after "Code too long", CliExit::Unreadable when the file cannot be read.
int CompileProjectFile(const std::string& path, CProgram& program, const unsigned char*& image, int& length);
