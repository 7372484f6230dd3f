#include "model/NameGroups.h"

#include "model/Prototypes.h"

std::vector<CState*> GroupPrototypes(NameGroup group)
{
    static const KindId sensors[] = {KindId::Switch1, KindId::Switch2, KindId::Switch3, KindId::Detector1,
                                     KindId::Detector2};
    static const KindId actuators[] = {KindId::Wait,   KindId::Buzzer, KindId::DelR,   KindId::Motor1,
                                       KindId::Motor2, KindId::Servo1, KindId::Servo2, KindId::Stop};
    std::vector<CState*> prototypes;
    const Prototypes& registry = Prototypes::Get();
    if (group == NameGroup::Sensors)
        for (KindId kind : sensors)
            prototypes.push_back(registry.Of(kind));
    else
        for (KindId kind : actuators)
            prototypes.push_back(registry.Of(kind));
    return prototypes;
}

wxArrayString GetGroupNames(NameGroup group)
{
    wxArrayString names;
    for (const CState* prototype : GroupPrototypes(group))
        names.Add(prototype->ResolvedName());
    return names;
}

wxString KindForName(const wxString& name)
{
    for (NameGroup group : {NameGroup::Sensors, NameGroup::Actuators})
        for (const CState* prototype : GroupPrototypes(group))
            if (prototype->ResolvedName() == name)
                return prototype->GetKindWordRaw();
    return wxString();
}
