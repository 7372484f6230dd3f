#pragma once
// The texts the program writes itself are looked up in its own "robot" catalogue only. The
// toolkit's catalogues hold some of the same words in other senses ("Zoom", "Stop", "Edit", the
// kind word "Forward"): a text looked up in every catalogue would take their translations.

#include <wx/translation.h>

inline const wxString& Tr(const wxString& text)
{
    return wxGetTranslation(text, "robot");
}

// The usual marker of a translated text, looked up in the "robot" catalogue.
#undef _
#define _(text) Tr(text)
