#include "model/Prototypes.h"

#include "base/Translation.h"
#include "model/CProgram.h"
#include "model/StateKinds.h"

#include <cwchar>
#include <wx/intl.h>

namespace {
// Lays out one palette page: x = 20, the first at y = 20, each next one 10 units below the previous picture.
void Place(std::vector<CState*>& page)
{
    int y = 20;
    for (CState* prototype : page) {
        prototype->SetPosition(20, y);
        y += prototype->ImageHeight() + 10;
    }
}

// Equal ignoring case; a case-insensitive comparison per character costs more than the length check
// that rules out most words.
bool SameWordIgnoringCase(const wxString& a, const wxString& b)
{
    return a.length() == b.length() && a.IsSameAs(b, false);
}
bool SameWordIgnoringCase(const wxString& a, const wchar_t* b)
{
    return a.length() == std::wcslen(b) && a.IsSameAs(b, false);
}

} // namespace

Prototypes& Prototypes::Get()
{
    static Prototypes* registry = new Prototypes(); // lives until the program ends
    return *registry;
}

Prototypes::Prototypes()
{
    for (int k = 0; k < kKindCount; ++k) {
        const KindInfo& kind = KindOf(static_cast<KindId>(k));
        if (kind.page == PalettePage::NoPage)
            continue;
        CState* prototype = NewBlockOfKind(kind.id);
        prototype->SetSideSet(kind.sideSet);
        prototype->SetPrototypeId(NextBlockId());
        m_pages[static_cast<int>(kind.page)].push_back(prototype);
        m_byKind[k] = prototype;
    }
    for (auto& page : m_pages)
        Place(page);

    // Which actions may share a step: a step holds one block of a kind, and never both of a
    // pair of opposite movements. The names the user may change come in file order.
    constexpr int kAll = 0xF, kFirstAndThird = 0x5;
    for (PalettePage page : {PalettePage::Action, PalettePage::Action2, PalettePage::Sensor})
        for (CState* prototype : m_pages[static_cast<int>(page)]) {
            const KindInfo& kind = prototype->Kind();
            if (kind.ownStep)
                prototype->AddCompatibleId(prototype->GetPrototypeId(), kAll);
            if (kind.opposite != KindId::NoKind)
                prototype->AddCompatibleId(Of(kind.opposite)->GetPrototypeId(), kFirstAndThird);
            if (kind.renamable)
                m_named.push_back(prototype);
            m_words.emplace_back(Tr(prototype->GetKindWordRaw()), prototype);
        }
}

CState* Prototypes::ByTranslatedWord(const wxString& name) const
{
    for (const auto& [word, prototype] : m_words)
        if (SameWordIgnoringCase(word, name))
            return prototype;
    return nullptr;
}

CState* Prototypes::At(PalettePage page, size_t position) const
{
    const auto& list = m_pages[static_cast<int>(page)];
    return position < list.size() ? list[position] : nullptr;
}

// Words are compared as wide literals, without converting a narrow text on every call: the
// reader asks once per node line.
CState* PrototypeByName(const wxString& name)
{
    if (SameWordIgnoringCase(name, L"fake"))
        return new CStateFake();
    if (SameWordIgnoringCase(name, L"start"))
        return new CStateStart();

    const Prototypes& registry = Prototypes::Get();
    if (CState* prototype = registry.ByTranslatedWord(name))
        return prototype;

    // Every link word, and "linkHalf", gives the four-way link prototype.
    if (SameWordIgnoringCase(name, L"linkHalf"))
        return registry.LinkPrototype();
    for (CState* prototype : registry.Page(PalettePage::Link))
        if (SameWordIgnoringCase(name, prototype->Kind().name))
            return registry.LinkPrototype();
    return nullptr;
}

CState* BlockFromFileWord(const wxString& word, CProgram& program)
{
    if (word == L"Fake")
        return new CStateFake();
    if (word == L"Start")
        return new CStateStart();

    CState* prototype = PrototypeByName(word);
    if (!prototype)
        return nullptr;
    CState* block = prototype->Clone();
    if (word == L"Variable") {
        program.RegisterVariable(block);
        return block;
    }
    if (!block->IsLinkPiece() || !word.StartsWith(L"Link"))
        return block;
    if (word == L"LinkHalf") {
        block->MakeHalf();
        return block;
    }
    // A link word other than "Link" gives the mask of its kind; "Link" keeps the four-way one
    // until the line's "BGtype" sets it.
    for (CState* kind : Prototypes::Get().Page(PalettePage::Link))
        if (word == kind->Kind().name) {
            if (kind != Prototypes::Get().LinkPrototype())
                block->SetConnectorMask(kind->Kind().mask);
            break;
        }
    return block;
}
