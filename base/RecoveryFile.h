#pragma once
// The recovery file: unsaved work kept aside while the program runs, so that a crash or a power
// cut loses nothing. A short header (a first line naming the format, the project's path, the time
// it was written, the length and a checksum of the project text) and a blank line, then the
// project text exactly as saving would write it. A file whose header, length or checksum does not
// hold is damaged and is never taken in part.

#include <ctime>
#include <string>
#include <wx/string.h>

struct RecoveryRecord
{
    wxString projectPath;     // empty for a project that was never saved
    std::time_t savedAt = 0;  // when the work was kept
    std::string projectBytes; // the project text as saving writes it
};

// The recovery file's bytes for a record.
std::string RecoveryFileBytes(const RecoveryRecord& record);
// Reads a recovery file's bytes into record; false (record untouched) when they are damaged.
bool ParseRecoveryFile(const std::string& bytes, RecoveryRecord& record);
