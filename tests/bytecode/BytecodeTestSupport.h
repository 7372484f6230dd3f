#pragma once
// Building blocks and graphs for the byte-code tests.

#include "model/CProgram.h"
#include "model/Prototypes.h"
#include "model/StateKinds.h"
#include "support/GraphLinks.h"

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

using graph_links::Branch;
using graph_links::Join;
using graph_links::Son;

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
