#pragma once
// A block's parameter as the properties dialog takes it from the value field.

#include <wx/string.h>

class CState;

struct ParameterEntry
{
    int value = 0;
    wxString text;
};

// A plain number (optional signs, then digits) is kept within minimum..maximum, the text then
// showing the number kept; any other text is an expression, kept as typed, whose value is its
// leading decimal number as a string-to-integer conversion reads it (0 without one).
ParameterEntry ReadParameterEntry(const wxString& typed, int minimum, int maximum);

// Writes the entry into the block and into its clone source (the prototype remembers the last values).
void StoreParameterEntry(CState& block, const ParameterEntry& entry);
