#include "model/Names.h"

#include "base/Translation.h"
#include "model/CState.h"
#include "model/Prototypes.h"

#include <wx/intl.h>

namespace {
bool IsNameCharacter(wxUniChar c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

} // namespace

NameCheck CheckStorableName(const wxString& name)
{
    NameCheck check;
    if (name.empty()) {
        check.verdict = NameCheck::Empty;
        return check;
    }
    for (wxString::const_iterator it = name.begin(); it != name.end(); ++it)
        if (!IsNameCharacter(*it)) {
            check.verdict = NameCheck::BadCharacter;
            check.character = *it;
            break;
        }
    return check;
}

wxString NameCheck::Message() const
{
    const wxString rule = Tr("Een naam mag alleen letters zonder accent, cijfers en _ bevatten.");
    switch (verdict) {
    case Empty:
        return Tr("Een naam mag niet leeg zijn.") + " " + rule;
    case BadCharacter:
        return wxString::Format(Tr("Het teken '%s' kan niet in een naam staan."),
                                character == ' ' ? wxString(Tr("spatie")) : wxString(character)) +
               " " + rule;
    default:
        return wxString();
    }
}

NameCheck SetStorableName(CState& block, const wxString& name)
{
    const NameCheck check = CheckStorableName(name);
    if (check)
        block.SetName(name);
    return check;
}

CState* PrototypeNamed(const wxString& name)
{
    for (CState* prototype : Prototypes::Get().NamedPrototypes())
        if (prototype->GetName().IsSameAs(name, false))
            return prototype;
    return nullptr;
}
