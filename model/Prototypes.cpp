#include "model/Prototypes.h"

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
    sensor = {Make<CStateSwitch1>(2, 0xF, 0x16),   Make<CStateSwitch2>(2, 0xF, 0x16), Make<CStateSwitch3>(2, 0xF, 0x16),
              Make<CStateDetector1>(2, 0xF, 0x16), Make<CStateDetector2>(2, 0xF, 0x16), Make<CStateVar>(5, 0xF, 0x96),
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

    m_named = {action[0], action[1], action[2], action[3], action[4], action[5], action[6],
               sensor[0], sensor[1], sensor[2], sensor[3], sensor[4]};
}

CState* Prototypes::At(PalettePage page, size_t position) const
{
    const auto& list = m_pages[static_cast<int>(page)];
    return position < list.size() ? list[position] : nullptr;
}

CState* PrototypeByName(const wxString& name)
{
    const wxString lower = name.Lower();
    if (lower == "fake")
        return new CStateFake(0, 0x96);
    if (lower == "start")
        return new CStateStart(1, 0x04);

    const Prototypes& registry = Prototypes::Get();
    for (PalettePage page : {PalettePage::Action, PalettePage::Action2, PalettePage::Sensor})
        for (CState* prototype : registry.Page(page))
            if (wxGetTranslation(prototype->GetKindWordRaw()).Lower() == lower)
                return prototype;

    static const char* const kLinkNames[] = {"linkFullH",         "linkHalf",          "linkFullV",
                                             "linkTopLeft",       "linkTopRight",      "linkBottomRight",
                                             "linkBottomLeft",    "linkTopLeftBottom", "linkTopLeftRight",
                                             "linkTopBottomRight", "linkLeftBottomRight", "linkTopLeftBottomRight",
                                             "link"};
    for (const char* linkName : kLinkNames)
        if (lower == wxString(linkName).Lower())
            return registry.LinkPrototype();
    return nullptr;
}

CState* BlockFromFileWord(const wxString& word, CProgram& program)
{
    if (word == "Fake")
        return new CStateFake(0, 0x96);
    if (word == "Start")
        return new CStateStart(1, 0x04);

    CState* prototype = PrototypeByName(word);
    if (!prototype)
        return nullptr;
    CState* block = prototype->Clone();
    if (word == "Variable") {
        program.RegisterVariable(block);
        return block;
    }
    if (word == "LinkHalf") {
        block->MakeHalf();
        return block;
    }
    static const struct
    {
        const char* word;
        int mask;
    } kLinkMasks[] = {{"LinkFullH", 0x90},          {"LinkFullV", 0x06},          {"LinkTopLeft", 0x14},
                      {"LinkTopRight", 0x84},       {"LinkBottomRight", 0x82},    {"LinkBottomLeft", 0x12},
                      {"LinkTopLeftBottom", 0x86},  {"LinkTopLeftRight", 0x92},   {"LinkTopBottomRight", 0x16},
                      {"LinkLeftBottomRight", 0x94}, {"LinkTopLeftBottomRight", 0x96}};
    for (const auto& entry : kLinkMasks)
        if (word == entry.word) {
            block->SetConnectorMask(entry.mask);
            break;
        }
    return block;
}
