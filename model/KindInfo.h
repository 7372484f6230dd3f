#pragma once
// What makes a block kind what it is: its words, category, connectors, parameter and pictures.

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

struct KindInfo
{
    const char* className;      // "CStateWait"
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
};
