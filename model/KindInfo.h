#pragma once
// What makes a block kind what it is: one row of the kind list (model/KindList.h) as data.

#include "model/KindList.h"

// How a kind asks for its parameter.
enum class PromptKind
{
    None,        // no parameter
    Fixed,       // a fixed question through the catalogue
    Range,       // a question with the prototype's minimum and maximum
    Angle,       // the angle question with the prototype's range (Latin-1 degree signs)
    ServoAngle,  // the speed question when the prototype rotates continuously, else the angle question
    Untranslated // a fixed question used as it stands
};

// The four palette pages; Fake and Start have no prototype.
enum class PalettePage
{
    NoPage = -1,
    Action = 0,
    Action2 = 1,
    Sensor = 2,
    Link = 3
};

struct KindInfo
{
    KindId id;
    const char* className;      // "CStateWait"
    const wchar_t* name;        // "Wait"; a link kind's name is its file word ("LinkTopLeft")
    const char* kindWord;       // untranslated word ("Wait"); every link kind has "Link"
    const char* defaultNameKey; // catalogue key of the default name ("Wacht")
    bool nameFromCatalogue;     // the default name passes through the catalogue
    bool fileWordTranslated;    // the file word is the catalogue translation of the kind word
    int category;
    int mask;           // connector mask given by Clone and the palette
    int parameterIndex; // -1 without parameter
    int minimum, maximum;
    PromptKind prompt;
    const wchar_t* question; // catalogue key of the question (null without parameter)
    const char* imageFile;   // picture file under Img/State/ and Img/State/icons/
    PalettePage page;        // where the prototype lives
    int sideSet;             // the prototype's side set
    bool renamable;          // a sensor or actuator whose name the user may change
    bool ownStep;            // a step holds at most one block of this kind
    KindId opposite;         // the kind that may not share a step with this one, or NoKind
};

// The row of a kind.
const KindInfo& KindOf(KindId id);
