#pragma once
// The palette prototypes, one per kind, kept in the four palette pages' orders, and the two
// factories that turn a word into a block. The registry is built on first use, so the
// factories work without any window; the palette shows these same prototypes.

#include "model/CState.h"
#include "model/KindInfo.h"

#include <utility>
#include <vector>

class CProgram;

class Prototypes
{
public:
    // The registry, created on first use.
    static Prototypes& Get();

    const std::vector<CState*>& Page(PalettePage page) const { return m_pages[static_cast<int>(page)]; }
    CState* At(PalettePage page, size_t position) const;
    // The prototype of a kind (null for Fake and Start).
    CState* Of(KindId kind) const { return m_byKind[static_cast<int>(kind)]; }
    // The four-way link prototype from which every link piece is cloned.
    CState* LinkPrototype() const { return Of(KindId::Link); }
    // The twelve sensor and actuator prototypes whose names the user can change, in file order.
    const std::vector<CState*>& NamedPrototypes() const { return m_named; }
    // The action or sensor prototype whose translated kind word is name, ignoring case, or null.
    CState* ByTranslatedWord(const wxString& name) const;

private:
    Prototypes();
    std::vector<CState*> m_pages[4];
    std::vector<CState*> m_named;
    // The action and sensor prototypes by translated kind word, in the order a name finds them.
    std::vector<std::pair<wxString, CState*>> m_words;
    CState* m_byKind[kKindCount] = {};
};

// The prototype whose (translated) kind word is name, ignoring case; "fake" and "start" give new blocks.
CState* PrototypeByName(const wxString& name);
// A new block for a project file word: a clone of the kind's prototype set up for that word.
// A "Variable" clone is registered in program. Null when the word names no kind.
CState* BlockFromFileWord(const wxString& word, CProgram& program);
