// Blocks without code: link pieces, Repeat (only a loop target) and Fake.

#include "model/StateKinds.h"

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
