#include "model/StateKinds.h"

// Blocks without code.
#define NO_CODE(Name)                                                                                                  \
    int CState##Name::EmitCode()                                                                                       \
    {                                                                                                                  \
        SetCodeLength(0);                                                                                              \
        return 0;                                                                                                      \
    }
NO_CODE(Fake)
NO_CODE(Repeat)
NO_CODE(LinkFullH)
NO_CODE(LinkFullV)
NO_CODE(LinkTopLeft)
NO_CODE(LinkTopRight)
NO_CODE(LinkBottomRight)
NO_CODE(LinkBottomLeft)
NO_CODE(LinkTopLeftBottom)
NO_CODE(LinkTopLeftRight)
NO_CODE(LinkTopBottomRight)
NO_CODE(LinkLeftBottomRight)
NO_CODE(LinkTopLeftBottomRight)
NO_CODE(Link)
// Emitters of the kinds with code come with the byte-code machine.
NO_CODE(Start)
NO_CODE(Stop)
NO_CODE(Wait)
NO_CODE(Buzzer)
NO_CODE(DelR)
NO_CODE(Motor1)
NO_CODE(Motor2)
NO_CODE(Servo1)
NO_CODE(Servo2)
NO_CODE(Forward)
NO_CODE(Backward)
NO_CODE(TurnLeft)
NO_CODE(TurnRight)
NO_CODE(Switch1)
NO_CODE(Switch2)
NO_CODE(Switch3)
NO_CODE(Detector1)
NO_CODE(Detector2)
NO_CODE(Var)
NO_CODE(VarIf)
