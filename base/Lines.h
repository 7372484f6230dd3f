#pragma once
// Cutting a text into lines: CR LF, LF and CR each end a line. One splitter serves wide text (the
// readers) and raw bytes (the snapshot comparison).

#include <cstddef>

// The next line of text from pos: its start and length; pos moves past the line end. False at the
// end. A final line without an end is a line; an end at the very end of the text starts none.
template <class Char> bool NextLine(const Char* text, size_t size, size_t& pos, const Char*& line, size_t& length)
{
    if (pos >= size)
        return false;
    const size_t start = pos;
    while (pos < size && text[pos] != Char('\n') && text[pos] != Char('\r'))
        ++pos;
    line = text + start;
    length = pos - start;
    if (pos < size) {
        if (text[pos] == Char('\r') && pos + 1 < size && text[pos + 1] == Char('\n'))
            ++pos;
        ++pos;
    }
    return true;
}
