#pragma once
// Reading a project file for a command: the program and the file's own calibration (the
// defaults when the file carries none), or a message on standard error naming file and line.

#include "calibration/CalibrationRecord.h"
#include "model/CProgram.h"

#include <string>

// Reads path into program (cleared first, prototype names reset) and sets calibration to the
// calibration in use for it. False after printing "tamekc: FILE:LINE: message" on standard error,
// or, when why is given, with "FILE:LINE: message" in it and nothing printed.
bool LoadProject(const std::string& path, CProgram& program, CalibrationRecord& calibration,
                 std::string* why = nullptr);
