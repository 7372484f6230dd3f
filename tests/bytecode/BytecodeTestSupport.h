#pragma once
// Building blocks and graphs for the byte-code tests.

#include "model/CProgram.h"
#include "model/Prototypes.h"
#include "model/StateKinds.h"

#include <string>
#include <vector>

namespace bytecode_test {

// A new block of the kind named by its file word ("Wait", "Variable", "Link"), not in any graph.
inline CState* Make(const char* word, const wxString& parameter = wxString(), int value = 0)
{
    CState* prototype = PrototypeByName(word);
    CState* block = wxString(word).IsSameAs("start", false) ? prototype : prototype->Clone();
    if (!parameter.empty()) {
        block->SetParameterText(parameter);
        block->SetParameterValue(value);
    }
    return block;
}

// Makes child the owned son of parent and returns child.
inline CState* Son(CState* parent, CState* child)
{
    parent->SetSon(child);
    child->SetParent(parent);
    return child;
}

inline CState* Branch(CState* parent, CState* child)
{
    parent->SetBranchSon(0, child);
    child->SetParent(parent);
    return child;
}

// Closes a loop or join: from's son is target, which it does not own.
inline void Join(CState* from, CState* target)
{
    from->SetSon(target);
    target->SetExtraParent(target->GetExtraParent(0) ? 1 : 0, from);
}

inline std::vector<int> Code(CState* block)
{
    const int length = block->EmitCode();
    std::vector<int> bytes;
    for (int i = 0; i < length; ++i)
        bytes.push_back(block->GetCode()[i]);
    return bytes;
}

inline std::string Hex(const unsigned char* bytes, int length)
{
    std::string text;
    char item[4];
    for (int i = 0; i < length; ++i) {
        snprintf(item, sizeof item, i ? " %02x" : "%02x", bytes[i]);
        text += item;
    }
    return text;
}

} // namespace bytecode_test
