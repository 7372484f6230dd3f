#include "model/StateKinds.h"

#include <wx/intl.h>

namespace {
using P = PromptKind;
using Page = PalettePage;
constexpr bool Cat = true; // passes through the catalogue
constexpr bool Plain = false;
constexpr bool Named = true, Unnamed = false;
constexpr bool Own = true, Shared = false;

// Keys and questions are marked for the catalogue extractor; they are translated where used.
// clang-format off
const KindInfo kKinds[] = {
#define TAMEK_KIND_INFO(Name, word, key, nameCat, wordCat, cat, mask, index, lo, hi, prompt, question, image, page,    \
                        sides, named, step, opposite, emitter)                                                         \
    {KindId::Name, "CState" #Name, L"" #Name, word, key, nameCat, wordCat, cat, mask, index, lo, hi, P::prompt,        \
     question, image, Page::page, sides, named, step, KindId::opposite},
    TAMEK_KINDS(TAMEK_KIND_INFO)
#undef TAMEK_KIND_INFO
};
// clang-format on
static_assert(sizeof kKinds / sizeof kKinds[0] == kKindCount, "one row per kind");
} // namespace

const KindInfo& KindOf(KindId id)
{
    return kKinds[static_cast<int>(id)];
}

#define TAMEK_DEFINE_CLONE(Name, ...)                                                                                  \
    CState* CState##Name::Clone() const                                                                                \
    {                                                                                                                  \
        auto* clone = new CState##Name();                                                                              \
        clone->InitClone(*this);                                                                                       \
        return clone;                                                                                                  \
    }
TAMEK_KINDS(TAMEK_DEFINE_CLONE)
#undef TAMEK_DEFINE_CLONE

CState* NewBlockOfKind(KindId id)
{
    switch (id) {
#define TAMEK_NEW_BLOCK(Name, ...)                                                                                     \
    case KindId::Name:                                                                                                 \
        return new CState##Name();
        TAMEK_KINDS(TAMEK_NEW_BLOCK)
#undef TAMEK_NEW_BLOCK
    default:
        return nullptr;
    }
}
