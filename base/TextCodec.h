#pragma once
// Text as stored files hold it: the bytes of a project or settings file turned into text whatever
// their encoding, text turned back into bytes, and text cut into lines.

#include <string>
#include <vector>
#include <wx/string.h>

// Decodes file bytes: a byte-order mark (UTF-8, UTF-16 LE or BE) decides the encoding; without one
// the bytes are read as UTF-8 when they are valid UTF-8, else as ISO-8859-1. Any bytes are accepted.
wxString DecodeText(const char* data, size_t size);
inline wxString DecodeText(const std::string& bytes)
{
    return DecodeText(bytes.data(), bytes.size());
}

// The bytes a text file stores: ISO-8859-1 when every character fits, else UTF-8 (which DecodeText
// recognises), so no character is ever lost.
std::string EncodeText(const wxString& text);

// The lines of text: CR LF, LF and CR each end a line. A final line without an end is kept; an end
// at the very end of the text starts no further (empty) line.
std::vector<wxString> SplitLines(const wxString& text);
