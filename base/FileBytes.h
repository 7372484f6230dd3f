#pragma once
// Reading a whole file into memory, as the readers of projects, settings and images do.

#include <string>
#include <wx/string.h>

enum class FileRead
{
    Ok,
    CannotOpen,
    CannotRead
};

// The bytes of the file at path (replacing bytes); the file's name is taken in the system's encoding.
FileRead ReadFileBytes(const wxString& path, std::string& bytes);
