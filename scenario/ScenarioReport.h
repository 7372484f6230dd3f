#pragma once
// The table of a check of many programs against many scenarios, as an HTML page a teacher opens in a
// browser and as CSV for a spreadsheet: programs down, scenarios across, each cell "ok" or the
// failure; a program that could not be checked is a row that says why.

#include <string>
#include <vector>

struct ScenarioCell
{
    bool passed = false;
    std::string text; // ScenarioResultText
};

struct ProgramRow
{
    std::string program;             // the path as given or found
    std::string problem;             // why it could not be checked ("Code too long", ...); empty when checked
    bool unreadable = false;         // the problem is a file that cannot be read
    std::vector<ScenarioCell> cells; // one per scenario when checked
};

struct ScenarioTable
{
    std::vector<std::string> scenarios; // their names
    std::vector<ProgramRow> rows;
};

// A self-contained UTF-8 page (styles inline, no scripts, nothing fetched).
std::string ReportHtml(const ScenarioTable& table);
// RFC 4180: comma separated, CR LF line ends, a field quoted when it holds a comma, a quote or a line
// end. The header is "Programma" and the scenario names; a row that could not be checked has its
// reason in every scenario column.
std::string ReportCsv(const ScenarioTable& table);
// The number of rows whose every scenario passed.
int PassingRows(const ScenarioTable& table);
