#pragma once
// The two base directories of the running program and the file names built from them.

#include <wx/string.h>

// Fixes the application directory (the folder of the executable) and the user data directory.
void InitialiseAppPaths();
// For tests and tools that run from another folder: the application directory to use.
void SetApplicationDirectory(const wxString& directory);

// The folder of the executable, without a trailing separator.
wxString ApplicationDirectory();

// application directory + "/" + relative ("Img/Icons/open-ico.png", "./locale/").
wxString AppPath(const wxString& relative);
// user data directory + "/" + relative ("Tamek/.config").
wxString UserDataPath(const wxString& relative);
