#pragma once
// Names the project file gives back whole. The reader takes a name as the run of ASCII letters,
// digits and "_" after "Name: ", so any other character would cut the name when the project is
// opened again ("Linker motor" would come back as "Linker", and "snelheid-links" and
// "snelheid-rechts" would both come back as "snelheid", merging two variables). The model refuses
// such a name when a prototype is renamed or a variable is named.

#include <wx/string.h>

class CState;

struct NameCheck
{
    enum Verdict
    {
        Storable,
        Empty,
        BadCharacter
    };
    Verdict verdict = Storable;
    wxUniChar character; // the first character the file cannot hold (BadCharacter)

    explicit operator bool() const { return verdict == Storable; }
    // The refusal in the user's language ("Een naam mag alleen ... bevatten"); empty when storable.
    wxString Message() const;
};

// Whether the file gives name back whole: at least one character, each an ASCII letter, a digit or "_".
NameCheck CheckStorableName(const wxString& name);

// Names a block: a renamed sensor or actuator prototype (every block of its kind shows the name) or
// a variable block (an assignment or a comparison). A name the file could not give back is refused
// and nothing changes.
NameCheck SetStorableName(CState& block, const wxString& name);

// The sensor or actuator prototype whose current name is name, ignoring case (the twelve whose
// names the user may change), or null.
CState* PrototypeNamed(const wxString& name);
