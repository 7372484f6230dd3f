#include "model/StateKinds.h"

#include <wx/intl.h>

// Keys and questions are marked for the catalogue extractor; they are translated where used.
#define K(Name, word, key, nameCat, wordCat, cat, connectors, index, lo, hi, promptKind, text, image)                  \
    const KindInfo CState##Name::kInfo = {"CState" #Name, word, key, nameCat,    wordCat, cat,  connectors,            \
                                          index,          lo,   hi,  promptKind, text,    image};                      \
    CState* CState##Name::Clone() const                                                                                \
    {                                                                                                                  \
        auto* clone = new CState##Name(kInfo.category, kInfo.mask);                                                    \
        clone->InitClone(*this);                                                                                       \
        return clone;                                                                                                  \
    }

using P = PromptKind;
static constexpr bool Cat = true; // passes through the catalogue
static constexpr bool Plain = false;

// clang-format off
K(Fake,      "Fake",      "Fake",          Plain, Plain, 0, 0x96, -1, 0, 0, P::None, nullptr, "Fake.png")
K(Start,     "Start",     "Start",         Plain, Plain, 1, 0x04, -1, 0, 0, P::None, nullptr, "Start.png")
K(Stop,      "Stop",      "Stop",          Plain, Plain, 1, 0x02, -1, 0, 0, P::None, nullptr, "Stop.png")
K(Wait,      "Wait",      wxTRANSLATE("Wacht"), Cat, Plain, 1, 0x96, 0, 0, 20000, P::Fixed,
  wxTRANSLATE(L"Stel wachttijd in (1/10 sec.):"), "Wait.png")
K(Buzzer,    "Buzzer",    wxTRANSLATE("Zoemer"), Cat, Cat, 1, 0x96, 1, 0, 1, P::Fixed,
  wxTRANSLATE(L"Stel zoemer in (0 of 1):"), "Buzzer.png")
K(DelR,      "LedR",      wxTRANSLATE("LedRood"), Cat, Cat, 1, 0x96, 1, 0, 1, P::Fixed,
  wxTRANSLATE(L"Stel led in (0 of 1):"), "DelR.png")
K(Motor1,    "Motor1",    wxTRANSLATE("Motor1"), Cat, Cat, 1, 0x96, 1, -10, 10, P::Range,
  wxTRANSLATE(L"Stel snelheidsindicatie in [%d ; %d]:"), "Motor1.png")
K(Motor2,    "Motor2",    wxTRANSLATE("Motor2"), Cat, Cat, 1, 0x96, 1, -10, 10, P::Range,
  wxTRANSLATE(L"Stel snelheidsindicatie in [%d ; %d]:"), "Motor2.png")
K(Servo1,    "Servo1",    wxTRANSLATE("Servo1"), Cat, Cat, 1, 0x96, 1, -90, 90, P::ServoAngle,
  wxTRANSLATE(L"Stel verdraaiingshoek in [%d\u00b0 ; %d\u00b0]:"), "Servo1.png")
K(Servo2,    "Servo2",    wxTRANSLATE("Servo2"), Cat, Cat, 1, 0x96, 1, -90, 90, P::ServoAngle,
  wxTRANSLATE(L"Stel verdraaiingshoek in [%d\u00b0 ; %d\u00b0]:"), "Servo2.png")
K(Repeat,    "Repeat",    "Repeat",        Plain, Plain, 1, 0x06, 1, 0, 0, P::Untranslated,
  L"Entrez le nombre de r\u00e9petition:", "Repeat.png")
K(Forward,   "Forward",   "Avancer",       Plain, Plain, 1, 0x96, 1, -100, 100, P::Range,
  wxTRANSLATE(L"Stel snelheidsindicatie in [%d ; %d]:"), "Forward.png")
K(Backward,  "Backward",  "Reculer",       Plain, Plain, 1, 0x96, 1, -100, 100, P::Range,
  wxTRANSLATE(L"Stel snelheidsindicatie in [%d ; %d]:"), "Backward.png")
K(TurnLeft,  "TurnLeft",  "TourneDroite",  Plain, Plain, 1, 0x96, 1, -90, 90, P::Angle,
  wxTRANSLATE(L"Stel verdraaiingshoek in [%d\u00b0 ; %d\u00b0]:"), "TurnLeft.png")
K(TurnRight, "TurnRight", "TourneGauche",  Plain, Plain, 1, 0x96, 1, -90, 90, P::Angle,
  wxTRANSLATE(L"Stel verdraaiingshoek in [%d\u00b0 ; %d\u00b0]:"), "TurnRight.png")
K(Switch1,   "Switch1",   wxTRANSLATE("Schakelaar1"), Cat, Cat, 2, 0x16, 1, 0, 1, P::Fixed,
  wxTRANSLATE(L"Stel schakelaar status in:"), "Switch1.png")
K(Switch2,   "Switch2",   wxTRANSLATE("Schakelaar2"), Cat, Cat, 2, 0x16, 1, 0, 1, P::Fixed,
  wxTRANSLATE(L"Stel schakelaar status in:"), "Switch2.png")
K(Switch3,   "Switch3",   wxTRANSLATE("Schakelaar3"), Cat, Cat, 2, 0x16, 1, 0, 1, P::Fixed,
  wxTRANSLATE(L"Stel schakelaar status in:"), "Switch3.png")
K(Detector1, "Detector1", wxTRANSLATE("Sensor1"), Cat, Cat, 2, 0x16, 1, 0, 1023, P::Fixed,
  wxTRANSLATE(L"Stel drempelwaarde sensor in:"), "Detector1.png")
K(Detector2, "Detector2", wxTRANSLATE("Sensor2"), Cat, Cat, 2, 0x16, 1, 0, 1023, P::Fixed,
  wxTRANSLATE(L"Stel drempelwaarde sensor in:"), "Detector2.png")
K(Var,       "Variable",  wxTRANSLATE("Variabele"), Cat, Cat, 5, 0x96, 1, -65535, 65536, P::Fixed,
  wxTRANSLATE(L"Stel variabele waarde in:"), "Var.png")
K(VarIf,     "VariableIf", wxTRANSLATE("VariabeleSi"), Cat, Cat, 6, 0x16, 1, -65535, 65536, P::Fixed,
  wxTRANSLATE(L"Stel voorwaarde in:"), "VarIf.png")
K(LinkFullH,             "Link", "Link", Plain, Plain, 4, 0x90, -1, 0, 0, P::None, nullptr, "LinkFullH.png")
K(LinkFullV,             "Link", "Link", Plain, Plain, 4, 0x06, -1, 0, 0, P::None, nullptr, "LinkFullV.png")
K(LinkTopLeft,           "Link", "Link", Plain, Plain, 4, 0x14, -1, 0, 0, P::None, nullptr, "LinkTopLeft.png")
K(LinkTopRight,          "Link", "Link", Plain, Plain, 4, 0x84, -1, 0, 0, P::None, nullptr, "LinkTopRight.png")
K(LinkBottomRight,       "Link", "Link", Plain, Plain, 4, 0x82, -1, 0, 0, P::None, nullptr, "LinkBottomRight.png")
K(LinkBottomLeft,        "Link", "Link", Plain, Plain, 4, 0x12, -1, 0, 0, P::None, nullptr, "LinkBottomLeft.png")
K(LinkTopLeftBottom,     "Link", "Link", Plain, Plain, 4, 0x86, -1, 0, 0, P::None, nullptr, "LinkTopLeft.png")
K(LinkTopLeftRight,      "Link", "Link", Plain, Plain, 4, 0x92, -1, 0, 0, P::None, nullptr, "LinkTopRight.png")
K(LinkTopBottomRight,    "Link", "Link", Plain, Plain, 4, 0x16, -1, 0, 0, P::None, nullptr, "LinkBottomRight.png")
K(LinkLeftBottomRight,   "Link", "Link", Plain, Plain, 4, 0x94, -1, 0, 0, P::None, nullptr, "LinkBottomLeft.png")
K(LinkTopLeftBottomRight,"Link", "Link", Plain, Plain, 4, 0x96, -1, 0, 0, P::None, nullptr, "LinkBottomLeft.png")
K(Link,                  "Link", "Link", Plain, Plain, 4, 0x96, -1, 0, 0, P::None, nullptr, "LinkBottomLeft.png")
// clang-format on
