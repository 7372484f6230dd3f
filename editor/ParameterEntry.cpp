#include "editor/ParameterEntry.h"

#include "bytecode/ExpressionCompiler.h"
#include "model/CState.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

ParameterEntry ReadParameterEntry(const wxString& typed, int minimum, int maximum)
{
    const long long number = std::strtoll(typed.utf8_str(), nullptr, 10);
    if (!IsConstantText(typed))
        return {static_cast<int>(std::clamp<long long>(number, INT_MIN, INT_MAX)), typed};
    if (number > maximum)
        return {maximum, wxString::Format("%d", maximum)};
    if (number < minimum)
        return {minimum, wxString::Format("%d", minimum)};
    return {static_cast<int>(number), typed};
}

void StoreParameterEntry(CState& block, const ParameterEntry& entry)
{
    for (CState* target : {&block, block.GetCloneSource()})
        if (target) {
            target->SetParameterValue(entry.value);
            target->SetParameterText(entry.text);
        }
}
