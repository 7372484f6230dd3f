#pragma once
// Compiling a project file for a command: read it, compile it as the window compiles it after
// opening it with the default settings and taking over its calibration (the defaults with the
// file's flags, pulse values and motors; the angle limits stay the defaults'), and say on standard
// error why when that fails.

#include "model/CProgram.h"

#include <string>

// Reads and compiles path into program. Returns the exit status: CliExit::Ok with image and length
// set, kCodeTooLong after "Code too long", CliExit::Unreadable when the file cannot be read. The
// message goes to standard error, or, when why is given, into why (without "tamekc: ").
int CompileProjectFile(const std::string& path, CProgram& program, const unsigned char*& image, int& length,
                       std::string* why = nullptr);
// Refused as too long: the compiler's own failure, distinct from a file that cannot be read.
constexpr int kCodeTooLong = 1;
