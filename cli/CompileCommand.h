#pragma once
// Compiling a project file for a command: read it, compile it as the window compiles it after
// opening it with the default settings and taking over its calibration (the defaults with the
// file's flags, pulse values and motors; the angle limits stay the defaults'), and say on standard
// error why when that fails.

#include "model/CProgram.h"

#include <string>

// Reads and compiles path into program. Returns the exit status: CliExit::Ok with image and length
// set, 1 after "Code too long", CliExit::Unreadable when the file cannot be read.
int CompileProjectFile(const std::string& path, CProgram& program, const unsigned char*& image, int& length);
