#pragma once
// Turns the program graph into project text: one node line per block, numbered from the Start
// block as node 0, then the names the user gave to sensor and actuator prototypes.

#include <string>
#include <wx/string.h>

class CProgram;

class ProjectWriter
{
public:
    // The native line end of text files.
#ifdef __WINDOWS__
    static constexpr const char* kLineEnd = "\r\n";
#else
    static constexpr const char* kLineEnd = "\n";
#endif

    // The project text (node lines and prototype name lines) as Latin-1 bytes, after the given
    // header (calibration lines ending with "\n", or empty). Empty when the program has no root.
    static std::string Text(CProgram& program, const wxString& header);
};
