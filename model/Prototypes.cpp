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

template <class Kind> CState* Make(int category, int sideSet, int mask)
{
    CState* prototype = new Kind(category, mask);
    prototype->SetSideSet(sideSet);
    prototype->SetPrototypeId(NextBlockId());
    return prototype;
}
} // namespace

Prototypes& Prototypes::Get()
{
    static Prototypes* registry = new Prototypes(); // lives until the program ends
    return *registry;
}

Prototypes::Prototypes()
{
    auto& action = m_pages[int(PalettePage::Action)];
    action = {Make<CStateWait>(1, 0xF, 0x96),   Make<CStateBuzzer>(1, 0xF, 0x96), Make<CStateDelR>(1, 0xF, 0x96),
              Make<CStateMotor1>(1, 0xF, 0x96), Make<CStateMotor2>(1, 0xF, 0x96), Make<CStateServo1>(1, 0xF, 0x96),
              Make<CStateServo2>(1, 0xF, 0x96), Make<CStateRepeat>(1, 0xF, 0x06), Make<CStateStop>(1, 0x2, 0x02)};
    auto& action2 = m_pages[int(PalettePage::Action2)];
    action2 = {Make<CStateForward>(1, 0xF, 0x96), Make<CStateBackward>(1, 0xF, 0x96),
               Make<CStateTurnLeft>(1, 0xF, 0x96), Make<CStateTurnRight>(1, 0xF, 0x96)};
    auto& sensor = m_pages[int(PalettePage::Sensor)];
    sensor = {Make<CStateSwitch1>(2, 0xF, 0x16),   Make<CStateSwitch2>(2, 0xF, 0x16),
              Make<CStateSwitch3>(2, 0xF, 0x16),   Make<CStateDetector1>(2, 0xF, 0x16),
              Make<CStateDetector2>(2, 0xF, 0x16), Make<CStateVar>(5, 0xF, 0x96),
              Make<CStateVarIf>(6, 0xF, 0x16)};
    auto& link = m_pages[int(PalettePage::Link)];
    link = {Make<CStateLinkFullH>(4, 0xF, 0x90),
            Make<CStateLinkFullV>(4, 0xF, 0x06),
            Make<CStateLinkTopLeft>(4, 0xF, 0x14),
            Make<CStateLinkTopRight>(4, 0xF, 0x84),
            Make<CStateLinkBottomRight>(4, 0xF, 0x82),
            Make<CStateLinkBottomLeft>(4, 0xF, 0x12),
            Make<CStateLinkTopLeftBottom>(4, 0xF, 0x86),
            Make<CStateLinkTopLeftRight>(4, 0xF, 0x92),
            Make<CStateLinkTopBottomRight>(4, 0xF, 0x16),
            Make<CStateLinkLeftBottomRight>(4, 0xF, 0x94),
            Make<CStateLinkTopLeftBottomRight>(4, 0xF, 0x96),
            Make<CStateLink>(4, 0xF, 0x96)};
    for (auto& page : m_pages)
        Place(page);

    // Which actions may share a step: a step holds one block of a kind, and never both of a
    // pair of opposite movements.
    constexpr int kAll = 0xF, kFirstAndThird = 0x5;
    for (CState* own : {action[0], action[1], action[8], action2[0], action2[1], action2[2], action2[3]})
        own->AddCompatibleId(own->GetPrototypeId(), kAll);
    action2[0]->AddCompatibleId(action2[1]->GetPrototypeId(), kFirstAndThird);
    action2[1]->AddCompatibleId(action2[0]->GetPrototypeId(), kFirstAndThird);
    action2[2]->AddCompatibleId(action2[3]->GetPrototypeId(), kFirstAndThird);
    action2[3]->AddCompatibleId(action2[2]->GetPrototypeId(), kFirstAndThird);

    m_named = {action[0], action[1], action[2], action[3], action[4], action[5],
               action[6], sensor[0], sensor[1], sensor[2], sensor[3], sensor[4]};
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
        return new CStateFake(0, 0x96);
    if (name.IsSameAs(L"start", false))
        return new CStateStart(1, 0x04);

    const Prototypes& registry = Prototypes::Get();
    for (PalettePage page : {PalettePage::Action, PalettePage::Action2, PalettePage::Sensor})
        for (CState* prototype : registry.Page(page))
            if (Tr(prototype->GetKindWordRaw()).IsSameAs(name, false))
                return prototype;

    static const wchar_t* const kLinkNames[] = {L"linkFullH",
                                                L"linkHalf",
                                                L"linkFullV",
                                                L"linkTopLeft",
                                                L"linkTopRight",
                                                L"linkBottomRight",
                                                L"linkBottomLeft",
                                                L"linkTopLeftBottom",
                                                L"linkTopLeftRight",
                                                L"linkTopBottomRight",
                                                L"linkLeftBottomRight",
                                                L"linkTopLeftBottomRight",
                                                L"link"};
    for (const wchar_t* linkName : kLinkNames)
        if (name.IsSameAs(linkName, false))
            return registry.LinkPrototype();
    return nullptr;
}

CState* BlockFromFileWord(const wxString& word, CProgram& program)
{
    if (word == L"Fake")
        return new CStateFake(0, 0x96);
    if (word == L"Start")
        return new CStateStart(1, 0x04);

    CState* prototype = PrototypeByName(word);
    if (!prototype)
        return nullptr;
    CState* block = prototype->Clone();
    if (word == L"Variable") {
        program.RegisterVariable(block);
        return block;
    }
    if (!word.StartsWith(L"Link"))
        return block;
    if (word == L"LinkHalf") {
        block->MakeHalf();
        return block;
    }
    static const struct
    {
        const wchar_t* word;
        int mask;
    } kLinkMasks[] = {{L"LinkFullH", 0x90},
                      {L"LinkFullV", 0x06},
                      {L"LinkTopLeft", 0x14},
                      {L"LinkTopRight", 0x84},
                      {L"LinkBottomRight", 0x82},
                      {L"LinkBottomLeft", 0x12},
                      {L"LinkTopLeftBottom", 0x86},
                      {L"LinkTopLeftRight", 0x92},
                      {L"LinkTopBottomRight", 0x16},
                      {L"LinkLeftBottomRight", 0x94},
                      {L"LinkTopLeftBottomRight", 0x96}};
    for (const auto& entry : kLinkMasks)
        if (word == entry.word) {
            block->SetConnectorMask(entry.mask);
            break;
        }
    return block;
}
