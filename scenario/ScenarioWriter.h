#pragma once
// Writing a scenario as the reader reads it: the name line, the duration, the inputs, then the
// expectations, each on its own line.

#include "scenario/Scenario.h"

#include <string>

// UTF-8 text with "\n" line ends; comment (without "#", may be empty) comes first as a comment line.
std::string ScenarioText(const Scenario& scenario, const std::string& comment = std::string());
