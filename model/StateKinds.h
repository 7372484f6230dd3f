#pragma once
// The concrete block kinds, one thin class over CState per row of the kind list: its data lives in
// its KindInfo, its code in the emitter that bytecode/ dispatches to by kind.

#include "model/CState.h"
#include "model/KindInfo.h"

#define TAMEK_DECLARE_KIND(Name, ...)                                                                                  \
    class CState##Name final : public CState                                                                           \
    {                                                                                                                  \
    public:                                                                                                            \
        CState##Name() : CState##Name(KindOf(KindId::Name).category, KindOf(KindId::Name).mask) {}                     \
        CState##Name(int category, int mask) : CState(KindOf(KindId::Name), category, mask) {}                         \
        CState##Name(CProjectViewer* viewer, int category, int mask) : CState##Name(category, mask)                    \
        {                                                                                                              \
            SetViewer(viewer);                                                                                         \
        }                                                                                                              \
        CState* Clone() const override;                                                                                \
    };
TAMEK_KINDS(TAMEK_DECLARE_KIND)
#undef TAMEK_DECLARE_KIND

// A new block of a kind with the category and mask of its row.
CState* NewBlockOfKind(KindId id);
