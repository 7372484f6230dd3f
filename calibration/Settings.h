#pragma once
// The settings file: the recent-projects list and the calibration in force, kept in
// "<user data directory>/Tamek/.config" as "File%d:%s" lines followed by the calibration block.

#include "calibration/CalibrationRecord.h"

#include <functional>
#include <string>
#include <vector>
#include <wx/string.h>

// The most entries the recent-projects list keeps.
constexpr size_t MaxRecentProjects = 10;

// The user data directory: $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
wxString UserDataDirectory();
// The settings file: UserDataDirectory() + "/Tamek/.config".
wxString SettingsFilePath();

// Tells whether a recent project still exists.
using FileExistsCheck = std::function<bool(const wxString& path)>;
// The ordinary check: a regular file of that name exists.
bool RecentProjectExists(const wxString& path);

// Parses the bytes of a settings file: every line goes to target's line parser, and "FileN:" lines
// give the recent projects (the whole rest of the line is the path), kept while they exist and the
// list is not full. Accepts any bytes.
std::vector<wxString> ReadSettingsText(const std::string& bytes, CalibrationRecord& target,
                                       const FileExistsCheck& exists = RecentProjectExists);

// Sets calibration to the defaults, then reads the settings file, when there is one, into it.
// Returns the recent-projects list.
std::vector<wxString> ReadSettings(CalibrationRecord& calibration, const wxString& path = SettingsFilePath());

// The settings file text: the recent-projects lines (at most ten; a path holding a line end or NUL
// is left out), then the calibration block of current, with "\n" line ends: Latin-1 when every
// character fits, else UTF-8.
std::string SettingsText(const std::vector<wxString>& recent, const CalibrationRecord& current);

// Writes the settings file from the list and the calibration, creating its folder when needed.
// False when nothing could be written; the old file then stays as it was.
bool WriteSettings(const std::vector<wxString>& recent, const CalibrationRecord& calibration,
                   const wxString& path = SettingsFilePath());

// Whether opening a project should offer its calibration: it carried one, and it differs from the
// current calibration in flags, pulse values or motors (angle limits never count).
bool ShouldOfferProjectCalibration(const CalibrationRecord& current, const CalibrationRecord& project);
