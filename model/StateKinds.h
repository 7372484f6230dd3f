#pragma once
// The 34 concrete block kinds. Each is a thin class over CState: its data lives in its KindInfo,
// its code in its EmitCode (defined with the other emitters in bytecode/).

#include "model/CState.h"
#include "model/KindInfo.h"

#define TAMEK_DECLARE_KIND(Name)                                                                                       \
    class CState##Name final : public CState                                                                           \
    {                                                                                                                  \
    public:                                                                                                            \
        static const KindInfo kInfo;                                                                                   \
        CState##Name() : CState##Name(kInfo.category, kInfo.mask) {}                                                   \
        CState##Name(int category, int mask) : CState(kInfo, category, mask) {}                                        \
        CState##Name(CProjectViewer* viewer, int category, int mask) : CState##Name(category, mask)                    \
        {                                                                                                              \
            SetViewer(viewer);                                                                                         \
        }                                                                                                              \
        CState* Clone() const override;                                                                                \
        int EmitCode() override;                                                                                       \
    };

TAMEK_DECLARE_KIND(Fake)
TAMEK_DECLARE_KIND(Start)
TAMEK_DECLARE_KIND(Stop)
TAMEK_DECLARE_KIND(Wait)
TAMEK_DECLARE_KIND(Buzzer)
TAMEK_DECLARE_KIND(DelR)
TAMEK_DECLARE_KIND(Motor1)
TAMEK_DECLARE_KIND(Motor2)
TAMEK_DECLARE_KIND(Servo1)
TAMEK_DECLARE_KIND(Servo2)
TAMEK_DECLARE_KIND(Repeat)
TAMEK_DECLARE_KIND(Forward)
TAMEK_DECLARE_KIND(Backward)
TAMEK_DECLARE_KIND(TurnLeft)
TAMEK_DECLARE_KIND(TurnRight)
TAMEK_DECLARE_KIND(Switch1)
TAMEK_DECLARE_KIND(Switch2)
TAMEK_DECLARE_KIND(Switch3)
TAMEK_DECLARE_KIND(Detector1)
TAMEK_DECLARE_KIND(Detector2)
TAMEK_DECLARE_KIND(Var)
TAMEK_DECLARE_KIND(VarIf)
TAMEK_DECLARE_KIND(LinkFullH)
TAMEK_DECLARE_KIND(LinkFullV)
TAMEK_DECLARE_KIND(LinkTopLeft)
TAMEK_DECLARE_KIND(LinkTopRight)
TAMEK_DECLARE_KIND(LinkBottomRight)
TAMEK_DECLARE_KIND(LinkBottomLeft)
TAMEK_DECLARE_KIND(LinkTopLeftBottom)
TAMEK_DECLARE_KIND(LinkTopLeftRight)
TAMEK_DECLARE_KIND(LinkTopBottomRight)
TAMEK_DECLARE_KIND(LinkLeftBottomRight)
TAMEK_DECLARE_KIND(LinkTopLeftBottomRight)
TAMEK_DECLARE_KIND(Link)

#undef TAMEK_DECLARE_KIND
