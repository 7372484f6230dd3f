#pragma once
// The groups of the names list and their names: the sensors and the actuators, each a fixed list
// of palette prototypes. The names list fills its rows from them; the canvas's "Verander" menu
// offers them.

#include <vector>
#include <wx/arrstr.h>
#include <wx/string.h>

class CState;

enum class NameGroup
{
    Actuators = 1,
    Sensors = 2
};
// The prototypes of a group in the names list's row order: sensors Switch1, Switch2, Switch3,
// Detector1, Detector2; actuators Wait, Buzzer, LedR, Motor1, Motor2, Servo1, Servo2, Stop.
std::vector<CState*> GroupPrototypes(NameGroup group);
// Their display names (what the "Naam" column shows), in the same order.
wxArrayString GetGroupNames(NameGroup group);
// The kind word ("Label") of the prototype whose display name is name, or "" when none.
wxString KindForName(const wxString& name);
