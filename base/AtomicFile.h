#pragma once
// Saving without losing work: the bytes go to a temporary file beside the target, which is
// flushed, synced and renamed over the old file; the folder is synced last. A failed save
// leaves the old file as it was.

#include <string>
#include <wx/string.h>

// Writes bytes to path atomically; on failure returns false and, when asked, says why.
bool WriteFileAtomically(const wxString& path, const std::string& bytes, wxString* error = nullptr);
