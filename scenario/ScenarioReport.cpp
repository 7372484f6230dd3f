#include "scenario/ScenarioReport.h"

#include <algorithm>

namespace {

std::string Html(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char c : text)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

bool AllPassed(const ProgramRow& row)
{
    return row.problem.empty() &&
           std::all_of(row.cells.begin(), row.cells.end(), [](const ScenarioCell& cell) { return cell.passed; });
}

const char kStyle[] = R"(body { font-family: "DejaVu Sans", "Segoe UI", Arial, sans-serif; color: #313131;
  background: #f0f0f0; margin: 0; line-height: 1.4; }
header { background: #2a7ab8; color: white; padding: 1em 2em; border-bottom: 6px solid #f0a020; }
header h1 { margin: 0; font-size: 1.8em; }
header p { margin: 0.2em 0 0; }
main { padding: 1em 2em 2em; }
table { border-collapse: collapse; background: white; box-shadow: 0 1px 3px rgba(0, 0, 0, 0.12); }
th, td { border: 1px solid #ccc; padding: 0.35em 0.7em; text-align: left; vertical-align: top; }
thead th { background: #e4eef7; }
tbody th { font-weight: normal; font-family: "DejaVu Sans Mono", monospace; font-size: 0.92em; white-space: nowrap; }
td.ok { background: #dff3df; color: #1d6b1d; font-weight: bold; }
td.fout { background: #fbe1e1; color: #8a1c1c; max-width: 28em; font-size: 0.92em; }
td.fout b { display: block; }
td.niet { background: #fff1cc; color: #7a5300; font-style: italic; }
td.telling { text-align: right; white-space: nowrap; }
footer { color: #777; padding: 0 2em 1em; font-size: 0.9em; }
)";

} // namespace

int PassingRows(const ScenarioTable& table)
{
    return static_cast<int>(std::count_if(table.rows.begin(), table.rows.end(), AllPassed));
}

std::string ReportHtml(const ScenarioTable& table)
{
    const size_t programs = table.rows.size(), scenarios = table.scenarios.size();
    std::string page = "<!DOCTYPE html>\n<html lang=\"nl\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>Tamek – scenario's</title>\n<style>\n";
    page += kStyle;
    page += "</style>\n</head>\n<body>\n<header>\n<h1>Scenario's getest</h1>\n<p>";
    page += std::to_string(programs) + (programs == 1 ? " programma" : " programma's") + ", " +
            std::to_string(scenarios) + (scenarios == 1 ? " scenario" : " scenario's") + ": " +
            std::to_string(PassingRows(table)) +
            " geslaagd voor alles.</p>\n</header>\n<main>\n<table>\n<thead><tr>"
            "<th>Programma</th>";
    for (const std::string& name : table.scenarios)
        page += "<th>" + Html(name) + "</th>";
    page += "<th>Geslaagd</th></tr></thead>\n<tbody>\n";
    for (const ProgramRow& row : table.rows) {
        page += "<tr><th>" + Html(row.program) + "</th>";
        if (!row.problem.empty()) {
            page += "<td class=\"niet\" colspan=\"" + std::to_string(scenarios) + "\">" + Html(row.problem) +
                    "</td><td class=\"telling\">–</td></tr>\n";
            continue;
        }
        int passed = 0;
        for (const ScenarioCell& cell : row.cells) {
            passed += cell.passed;
            if (cell.passed) {
                page += "<td class=\"ok\">ok</td>";
                continue;
            }
            std::string why = cell.text;
            const std::string prefix = "mislukt: ";
            if (why.rfind(prefix, 0) == 0)
                why.erase(0, prefix.size());
            page += "<td class=\"fout\"><b>mislukt</b>" + Html(why) + "</td>";
        }
        page += "<td class=\"telling\">" + std::to_string(passed) + " van " + std::to_string(row.cells.size()) +
                "</td></tr>\n";
    }
    page += "</tbody>\n</table>\n</main>\n<footer>Gemaakt met tamekc test.</footer>\n</body>\n</html>\n";
    return page;
}

std::string ReportCsv(const ScenarioTable& table)
{
    std::string csv = "Programma";
    for (const std::string& name : table.scenarios)
        csv += "," + CsvField(name);
    csv += "\r\n";
    for (const ProgramRow& row : table.rows) {
        csv += CsvField(row.program);
        for (size_t i = 0; i < table.scenarios.size(); ++i)
            csv += "," + CsvField(row.problem.empty() ? (i < row.cells.size() ? row.cells[i].text : std::string())
                                                      : row.problem);
        csv += "\r\n";
    }
    return csv;
}
