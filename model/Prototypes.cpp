#include "model/Prototypes.h"

#include "base/Translation.h"
#include "model/CProgram.h"
#include "model/StateKinds.h"

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
        }
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
    if (name.IsSameAs(L"fake", false))
        return new CStateFake();
    if (name.IsSameAs(L"start", false))
        return new CStateStart();

    const Prototypes& registry = Prototypes::Get();
    for (PalettePage page : {PalettePage::Action, PalettePage::Action2, PalettePage::Sensor})
        for (CState* prototype : registry.Page(page))
            if (Tr(prototype->GetKindWordRaw()).IsSameAs(name, false))
                return prototype;

    // Every link word, and "linkHalf", gives the four-way link prototype.
    if (name.IsSameAs(L"linkHalf", false))
        return registry.LinkPrototype();
    for (CState* prototype : registry.Page(PalettePage::Link))
        if (name.IsSameAs(prototype->Kind().name, false))
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
