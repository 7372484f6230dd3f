#pragma once
// Blocks for tests: prototypes by kind, new blocks by file word, drops as the canvas makes them,
// links set directly, and image bytes as hex text.

#include "model/CProgram.h"
#include "model/Prototypes.h"
#include "model/StateKinds.h"
#include "support/GraphLinks.h"

#include <cstdio>
#include <string>

namespace testing_support {

using graph_links::Branch;
using graph_links::Join;
using graph_links::Son;

inline CState* Proto(KindId kind)
{
    return Prototypes::Get().Of(kind);
}

// A new block of the kind named by its file word ("Wait", "Variable", "Link"), in no graph; "Start"
// gives a new Start block.
inline CState* Make(const wxString& word, const wxString& parameter = wxString(), int value = 0)
{
    CState* prototype = PrototypeByName(word);
    CState* block = word.IsSameAs("start", false) ? prototype : prototype->Clone();
    if (!parameter.empty()) {
        block->SetParameterText(parameter);
        block->SetParameterValue(value);
    }
    return block;
}

// A clone of prototype dropped as the canvas drops it: at target's neighbour point in direction
// (0 down, 1 up, 2 right, 3 left), then connected there. The clone, or null (deleted) when refused.
inline CState* Drop(CProgram& program, CState* target, CState* prototype, int direction)
{
    CState* clone = prototype->Clone();
    const CGraphicState::Point point = target->GetNeighbourPoint(direction);
    clone->SetPosition(point.x, point.y);
    if (program.ConnectBlock(target, clone, 1 << direction))
        return clone;
    delete clone;
    return nullptr;
}

inline std::string Hex(const unsigned char* bytes, int length)
{
    std::string text;
    char item[4];
    for (int i = 0; i < length; ++i) {
        std::snprintf(item, sizeof item, i ? " %02x" : "%02x", bytes[i]);
        text += item;
    }
    return text;
}

} // namespace testing_support
