#pragma once
// Reading a scenario file. One line per event; blank lines and text after "#" are skipped:
//
//   naam: Stopt bij de muur            the scenario's name (everything after "naam:")
//   duur: 10                           the run lasts at least 10 s (else up to the last time)
//   op 1.5 Schakelaar1 ingedrukt       a switch (Schakelaar1-3) pressed or losgelaten, or = 1 / = 0
//   op 2 Sensor1 = 700                 a sensor (Sensor1-2) reads 0-1023 from then on
//   verwacht op 3 led == 1             an output at that moment
//   verwacht voor 5 ended == 1         at some moment from the last "op" time above (0 when none) up to 5 s
//   verwacht altijd motor1 >= 0        at every moment from the last "op" time above to the end
//
// Outputs: led (ledrood), buzzer (zoemer), motor1, motor2, servo1, servo2, ended, or a variable by
// name; comparisons ==, !=, <, <=, >, >= ("=" is "=="). Times are seconds with up to three
// decimals ("1.5" or "1,5"), at most an hour, and "op" times (of "op" and "verwacht op" lines) never
// go back. Words are read
// without regard to case.

#include "scenario/Scenario.h"

#include <wx/string.h>

// Reads text into scenario (replaced); false with the first line that cannot be read.
bool ParseScenario(const wxString& text, Scenario& scenario, ScenarioError& error);

// Reads the file at path (UTF-8 or ISO-8859-1, as project files). Without a "naam:" line the file's
// name without its extension names the scenario. A file that cannot be read is an error at line 0.
bool ReadScenarioFile(const std::string& path, Scenario& scenario, ScenarioError& error);
