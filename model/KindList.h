#pragma once
// The block kinds, one row each. Everything about a kind is read from its row: the kind classes,
// their words, category and connector mask, the parameter with its range and question, the pictures,
// the palette prototypes (page, side set, names the user may change, which actions may share a
// step), the project file's words and the byte-code emitter dispatch (in bytecode/). Rows of one
// palette page stand in the page's order, which is also the order in which a name finds its
// prototype. Adding a kind is adding a row here and its emitter function in bytecode/.
//
// Columns:
//   Name      class CState<Name>; a link kind's Name is also its file word ("LinkTopLeft")
//   word      untranslated kind word; every link kind has "Link"
//   key       catalogue key of the default name
//   nameCat   Cat: the default name passes through the catalogue; Plain: the key is the name
//   wordCat   Cat: the file word is the catalogue translation of the kind word
//   cat       category (0 placeholder, 1 action, 2 sensor condition, 4 link piece, 5 variable, 6 variable condition)
//   mask      connector mask given by Clone and the palette
//   index     parameter index (-1: no parameter), with its minimum lo and maximum hi
//   prompt    how the question is asked (PromptKind), question: its catalogue key
//   image     picture file under Img/State/ and Img/State/icons/
//   page      palette page of the prototype (NoPage: Fake and Start have none)
//   sides     side set of the prototype
//   named     Named: a sensor or actuator whose name the user may change (the file's name lines)
//   step      Own: a step holds at most one block of this kind
//   opposite  the kind whose blocks may not share a step with this one (lists 0 and 2), or NoKind
//   emitter   the bytecode/ function Emit<emitter> that writes the kind's code
//
// clang-format off
#define TAMEK_KINDS(X)                                                                                                  \
X(Fake,      "Fake",      "Fake",                    Plain, Plain, 0, 0x96, -1, 0, 0, None, nullptr, "Fake.png",       \
  NoPage, 0x0, Unnamed, Shared, NoKind, NoCode)                                                                         \
X(Start,     "Start",     "Start",                   Plain, Plain, 1, 0x04, -1, 0, 0, None, nullptr, "Start.png",      \
  NoPage, 0x0, Unnamed, Shared, NoKind, Start)                                                                          \
X(Wait,      "Wait",      wxTRANSLATE("Wacht"),      Cat,   Plain, 1, 0x96, 0, 0, 20000, Fixed,                         \
  wxTRANSLATE(L"Stel wachttijd in (1/10 sec.):"), "Wait.png", Action, 0xF, Named, Own, NoKind, Wait)                    \
X(Buzzer,    "Buzzer",    wxTRANSLATE("Zoemer"),     Cat,   Cat,   1, 0x96, 1, 0, 1, Fixed,                             \
  wxTRANSLATE(L"Stel zoemer in (0 of 1):"), "Buzzer.png", Action, 0xF, Named, Own, NoKind, Buzzer)                      \
X(DelR,      "LedR",      wxTRANSLATE("LedRood"),    Cat,   Cat,   1, 0x96, 1, 0, 1, Fixed,                             \
  wxTRANSLATE(L"Stel led in (0 of 1):"), "DelR.png", Action, 0xF, Named, Shared, NoKind, DelR)                          \
X(Motor1,    "Motor1",    wxTRANSLATE("Motor1"),     Cat,   Cat,   1, 0x96, 1, -10, 10, Range,                          \
  wxTRANSLATE(L"Stel snelheidsindicatie in [%d ; %d]:"), "Motor1.png", Action, 0xF, Named, Shared, NoKind, Motor1)      \
X(Motor2,    "Motor2",    wxTRANSLATE("Motor2"),     Cat,   Cat,   1, 0x96, 1, -10, 10, Range,                          \
  wxTRANSLATE(L"Stel snelheidsindicatie in [%d ; %d]:"), "Motor2.png", Action, 0xF, Named, Shared, NoKind, Motor2)      \
X(Servo1,    "Servo1",    wxTRANSLATE("Servo1"),     Cat,   Cat,   1, 0x96, 1, -90, 90, ServoAngle,                     \
  wxTRANSLATE(L"Stel verdraaiingshoek in [%d\u00b0 ; %d\u00b0]:"), "Servo1.png", Action, 0xF, Named, Shared, NoKind,    \
  Servo1)                                                                                                               \
X(Servo2,    "Servo2",    wxTRANSLATE("Servo2"),     Cat,   Cat,   1, 0x96, 1, -90, 90, ServoAngle,                     \
  wxTRANSLATE(L"Stel verdraaiingshoek in [%d\u00b0 ; %d\u00b0]:"), "Servo2.png", Action, 0xF, Named, Shared, NoKind,    \
  Servo2)                                                                                                               \
X(Repeat,    "Repeat",    "Repeat",                  Plain, Plain, 1, 0x06, 1, 0, 0, Untranslated,                      \
  L"Entrez le nombre de r\u00e9petition:", "Repeat.png", Action, 0xF, Unnamed, Shared, NoKind, NoCode)                  \
X(Stop,      "Stop",      "Stop",                    Plain, Plain, 1, 0x02, -1, 0, 0, None, nullptr, "Stop.png",       \
  Action, 0x2, Unnamed, Own, NoKind, Stop)                                                                              \
X(Forward,   "Forward",   "Avancer",                 Plain, Plain, 1, 0x96, 1, -100, 100, Range,                        \
  wxTRANSLATE(L"Stel snelheidsindicatie in [%d ; %d]:"), "Forward.png", Action2, 0xF, Unnamed, Own, Backward, Forward)  \
X(Backward,  "Backward",  "Reculer",                 Plain, Plain, 1, 0x96, 1, -100, 100, Range,                        \
  wxTRANSLATE(L"Stel snelheidsindicatie in [%d ; %d]:"), "Backward.png", Action2, 0xF, Unnamed, Own, Forward, Backward) \
X(TurnLeft,  "TurnLeft",  "TourneDroite",            Plain, Plain, 1, 0x96, 1, -90, 90, Angle,                          \
  wxTRANSLATE(L"Stel verdraaiingshoek in [%d\u00b0 ; %d\u00b0]:"), "TurnLeft.png", Action2, 0xF, Unnamed, Own,          \
  TurnRight, TurnLeft)                                                                                                  \
X(TurnRight, "TurnRight", "TourneGauche",            Plain, Plain, 1, 0x96, 1, -90, 90, Angle,                          \
  wxTRANSLATE(L"Stel verdraaiingshoek in [%d\u00b0 ; %d\u00b0]:"), "TurnRight.png", Action2, 0xF, Unnamed, Own,         \
  TurnLeft, TurnRight)                                                                                                  \
X(Switch1,   "Switch1",   wxTRANSLATE("Schakelaar1"), Cat,  Cat,   2, 0x16, 1, 0, 1, Fixed,                             \
  wxTRANSLATE(L"Stel schakelaar status in:"), "Switch1.png", Sensor, 0xF, Named, Shared, NoKind, Switch1)               \
X(Switch2,   "Switch2",   wxTRANSLATE("Schakelaar2"), Cat,  Cat,   2, 0x16, 1, 0, 1, Fixed,                             \
  wxTRANSLATE(L"Stel schakelaar status in:"), "Switch2.png", Sensor, 0xF, Named, Shared, NoKind, Switch2)               \
X(Switch3,   "Switch3",   wxTRANSLATE("Schakelaar3"), Cat,  Cat,   2, 0x16, 1, 0, 1, Fixed,                             \
  wxTRANSLATE(L"Stel schakelaar status in:"), "Switch3.png", Sensor, 0xF, Named, Shared, NoKind, Switch3)               \
X(Detector1, "Detector1", wxTRANSLATE("Sensor1"),    Cat,   Cat,   2, 0x16, 1, 0, 1023, Fixed,                          \
  wxTRANSLATE(L"Stel drempelwaarde sensor in:"), "Detector1.png", Sensor, 0xF, Named, Shared, NoKind, Detector1)        \
X(Detector2, "Detector2", wxTRANSLATE("Sensor2"),    Cat,   Cat,   2, 0x16, 1, 0, 1023, Fixed,                          \
  wxTRANSLATE(L"Stel drempelwaarde sensor in:"), "Detector2.png", Sensor, 0xF, Named, Shared, NoKind, Detector2)        \
X(Var,       "Variable",  wxTRANSLATE("Variabele"),  Cat,   Cat,   5, 0x96, 1, -65535, 65536, Fixed,                    \
  wxTRANSLATE(L"Stel variabele waarde in:"), "Var.png", Sensor, 0xF, Unnamed, Shared, NoKind, Var)                      \
X(VarIf,     "VariableIf", wxTRANSLATE("VariabeleSi"), Cat, Cat,   6, 0x16, 1, -65535, 65536, Fixed,                    \
  wxTRANSLATE(L"Stel voorwaarde in:"), "VarIf.png", Sensor, 0xF, Unnamed, Shared, NoKind, VarIf)                        \
X(LinkFullH,              "Link", "Link", Plain, Plain, 4, 0x90, -1, 0, 0, None, nullptr, "LinkFullH.png",               \
  Link, 0xF, Unnamed, Shared, NoKind, NoCode)                                                                           \
X(LinkFullV,              "Link", "Link", Plain, Plain, 4, 0x06, -1, 0, 0, None, nullptr, "LinkFullV.png",               \
  Link, 0xF, Unnamed, Shared, NoKind, NoCode)                                                                           \
X(LinkTopLeft,            "Link", "Link", Plain, Plain, 4, 0x14, -1, 0, 0, None, nullptr, "LinkTopLeft.png",             \
  Link, 0xF, Unnamed, Shared, NoKind, NoCode)                                                                           \
X(LinkTopRight,           "Link", "Link", Plain, Plain, 4, 0x84, -1, 0, 0, None, nullptr, "LinkTopRight.png",            \
  Link, 0xF, Unnamed, Shared, NoKind, NoCode)                                                                           \
X(LinkBottomRight,        "Link", "Link", Plain, Plain, 4, 0x82, -1, 0, 0, None, nullptr, "LinkBottomRight.png",         \
  Link, 0xF, Unnamed, Shared, NoKind, NoCode)                                                                           \
X(LinkBottomLeft,         "Link", "Link", Plain, Plain, 4, 0x12, -1, 0, 0, None, nullptr, "LinkBottomLeft.png",          \
  Link, 0xF, Unnamed, Shared, NoKind, NoCode)                                                                           \
X(LinkTopLeftBottom,      "Link", "Link", Plain, Plain, 4, 0x86, -1, 0, 0, None, nullptr, "LinkTopLeft.png",             \
  Link, 0xF, Unnamed, Shared, NoKind, NoCode)                                                                           \
X(LinkTopLeftRight,       "Link", "Link", Plain, Plain, 4, 0x92, -1, 0, 0, None, nullptr, "LinkTopRight.png",            \
  Link, 0xF, Unnamed, Shared, NoKind, NoCode)                                                                           \
X(LinkTopBottomRight,     "Link", "Link", Plain, Plain, 4, 0x16, -1, 0, 0, None, nullptr, "LinkBottomRight.png",         \
  Link, 0xF, Unnamed, Shared, NoKind, NoCode)                                                                           \
X(LinkLeftBottomRight,    "Link", "Link", Plain, Plain, 4, 0x94, -1, 0, 0, None, nullptr, "LinkBottomLeft.png",          \
  Link, 0xF, Unnamed, Shared, NoKind, NoCode)                                                                           \
X(LinkTopLeftBottomRight, "Link", "Link", Plain, Plain, 4, 0x96, -1, 0, 0, None, nullptr, "LinkBottomLeft.png",          \
  Link, 0xF, Unnamed, Shared, NoKind, NoCode)                                                                           \
X(Link,                   "Link", "Link", Plain, Plain, 4, 0x96, -1, 0, 0, None, nullptr, "LinkBottomLeft.png",          \
  Link, 0xF, Unnamed, Shared, NoKind, NoCode)
// clang-format on

// The kinds by name, in row order.
// clang-format off
enum class KindId : int
{
#define TAMEK_KIND_ID(Name, ...) Name,
    TAMEK_KINDS(TAMEK_KIND_ID)
#undef TAMEK_KIND_ID
    Count,
    NoKind = Count
};
// clang-format on
constexpr int kKindCount = static_cast<int>(KindId::Count);
