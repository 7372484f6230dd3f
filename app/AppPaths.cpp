#include "app/AppPaths.h"

#include "calibration/Settings.h"

#include <wx/filename.h>
#include <wx/stdpaths.h>

namespace {
wxString g_applicationDirectory;
}

void InitialiseAppPaths()
{
    const wxFileName executable(wxStandardPaths::Get().GetExecutablePath());
    g_applicationDirectory = executable.GetPath(wxPATH_GET_VOLUME | wxPATH_NO_SEPARATOR);
}

void SetApplicationDirectory(const wxString& directory)
{
    g_applicationDirectory = directory;
}

wxString ApplicationDirectory()
{
    return g_applicationDirectory;
}

wxString AppPath(const wxString& relative)
{
    return g_applicationDirectory + "/" + relative;
}

wxString UserDataPath(const wxString& relative)
{
    return UserDataDirectory() + "/" + relative;
}
