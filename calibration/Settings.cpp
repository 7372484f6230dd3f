#include "calibration/Settings.h"

#include "base/AtomicFile.h"
#include "base/FileBytes.h"
#include "base/TextCodec.h"

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/regex.h>
#include <wx/utils.h>

namespace {

// "FileN:" followed by the path: the whole rest of the line, whatever punctuation it holds.
wxRegEx& RecentProjectPattern()
{
    static wxRegEx pattern("File([[:digit:]]):(.*)", wxRE_EXTENDED);
    return pattern;
}

// Creates the folder that holds path (and its parents), 0777 before the user's mask.
bool EnsureFolderOf(const wxString& path)
{
    const wxString folder = wxFileName(path).GetPath();
    if (folder.empty() || wxFileName::DirExists(folder))
        return true;
    return wxFileName::Mkdir(folder, 0777, wxPATH_MKDIR_FULL);
}

} // namespace

wxString UserDataDirectory()
{
    wxString xdg;
    if (wxGetEnv("XDG_DATA_HOME", &xdg) && xdg.StartsWith("/"))
        return xdg;
    wxString home;
    if (!wxGetEnv("HOME", &home) || home.empty())
        home = wxGetHomeDir();
    return home + "/.local/share";
}

wxString SettingsFilePath()
{
    return UserDataDirectory() + "/Tamek/.config";
}

bool RecentProjectExists(const wxString& path)
{
    // A NUL would cut the name the system sees, so such a path names no file.
    if (path.empty() || path.find(wxUniChar(0)) != wxString::npos)
        return false;
    return wxFileName::FileExists(path);
}

std::vector<wxString> ReadSettingsText(const std::string& bytes, CalibrationRecord& target,
                                       const FileExistsCheck& exists)
{
    std::vector<wxString> recent;
    wxRegEx& pattern = RecentProjectPattern();
    for (const wxString& line : SplitLines(DecodeText(bytes))) {
        if (recent.size() < MaxRecentProjects && pattern.Matches(line)) {
            const wxString path = pattern.GetMatch(line, 2);
            if (exists(path))
                recent.push_back(path);
        }
        target.ParseLine(line);
    }
    return recent;
}

std::vector<wxString> ReadSettings(CalibrationRecord& calibration, const wxString& path)
{
    calibration = CalibrationRecord::Defaults();
    EnsureFolderOf(path);
    std::string bytes;
    if (!wxFileName::FileExists(path) || ReadFileBytes(path, bytes) != FileRead::Ok)
        return {};
    return ReadSettingsText(bytes, calibration);
}

std::string SettingsText(const std::vector<wxString>& recent, const CalibrationRecord& current)
{
    wxString text;
    int number = 0;
    for (const wxString& path : recent) {
        // A line end or NUL inside a path would cut the line or slip in a line of another kind.
        if (number == static_cast<int>(MaxRecentProjects) ||
            path.find_first_of(wxString("\r\n\0", 3)) != wxString::npos)
            continue;
        text << wxString::Format("File%d:", number++) << path << "\n";
    }
    text << CalibrationBlock(current);
    return EncodeText(text);
}

bool WriteSettings(const std::vector<wxString>& recent, const CalibrationRecord& calibration, const wxString& path)
{
    if (!EnsureFolderOf(path))
        return false;
    return WriteFileAtomically(path, SettingsText(recent, calibration));
}

bool ShouldOfferProjectCalibration(const CalibrationRecord& current, const CalibrationRecord& project)
{
    return project.present && current.DiffersFromProject(project);
}
