#pragma once
// The single-instance rule: a running copy is a top-level window of the toolkit's frame class
// whose title contains the application's (translated) name.

#include <wx/string.h>

// Looks for a running copy on the desktop; raises the first one found (or, when the window
// manager refuses, asks for the user's attention) and answers true. False when none runs or
// the windowing system cannot be reached.
bool FindRunningCopy(const wxString& titleWord);

// The window class that the toolkit gives its frames in this process.
wxString ToolkitFrameClass();
