// tamekc test PROGRAM.tamek SCENARIO...: runs each scenario on the program and prints per scenario
// "NAME: ok" or the first failed expectation.
// tamekc test [--report OUT.html] [--csv OUT.csv] [--jobs N] -s SCENARIO... PROGRAM...: checks many
// programs (files, or folders of "*.tamek" files) against the scenarios and writes one table.
// Exit status: 0 all passed, 4 one failed (or a program could not be compiled), 2 a file that cannot
// be read.

#include "base/AtomicFile.h"
#include "cli/Commands.h"
#include "cli/ProgramChecks.h"
#include "scenario/ScenarioParser.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

int Usage()
{
    std::fprintf(stderr, "Usage: tamekc test PROGRAM.tamek SCENARIO...\n"
                         "       tamekc test [--report OUT.html] [--csv OUT.csv] [--jobs N] -s SCENARIO... "
                         "PROGRAM|FOLDER...\n");
    return CliExit::Usage;
}

bool IsProgramArgument(const std::string& argument)
{
    std::error_code error;
    std::string extension = std::filesystem::path(argument).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".tamek" || std::filesystem::is_directory(argument, error);
}

bool ReadScenarios(const std::vector<std::string>& paths, std::vector<Scenario>& scenarios)
{
    for (const std::string& path : paths) {
        Scenario scenario;
        ScenarioError error;
        if (!ReadScenarioFile(path, scenario, error)) {
            const std::string where = error.line > 0 ? ":" + std::to_string(error.line) : std::string();
            std::fprintf(stderr, "tamekc: %s%s: %s\n", path.c_str(), where.c_str(), error.message.c_str());
            return false;
        }
        scenarios.push_back(scenario);
    }
    return true;
}

bool Print(const std::string& text)
{
    if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0)
        return true;
    std::fprintf(stderr, "tamekc: cannot write to standard output\n");
    return false;
}

int TestOneProgram(const std::string& path, const std::vector<std::string>& scenarioPaths)
{
    std::vector<Scenario> scenarios;
    if (!ReadScenarios(scenarioPaths, scenarios))
        return CliExit::Unreadable;
    const ProgramRow row = CheckProgram(path, scenarios);
    if (row.unreadable) {
        const bool line = std::isdigit(static_cast<unsigned char>(row.problem[0]));
        std::fprintf(stderr, "tamekc: %s%s%s\n", path.c_str(), line ? ":" : ": ", row.problem.c_str());
        return CliExit::Unreadable;
    }
    if (!row.problem.empty()) {
        std::fprintf(stderr, "%s\n", row.problem.c_str());
        return CliExit::Failed;
    }
    std::string text;
    for (size_t i = 0; i < scenarios.size(); ++i)
        text += scenarios[i].name + ": " + row.cells[i].text + "\n";
    if (!Print(text))
        return CliExit::Usage;
    return PassingRows(ScenarioTable{{}, {row}}) == 1 ? CliExit::Ok : CliExit::Failed;
}

bool WriteReport(const std::string& path, const std::string& bytes)
{
    wxString why;
    if (path.empty() || WriteFileAtomically(wxString::FromUTF8(path), bytes, &why))
        return true;
    std::fprintf(stderr, "tamekc: cannot write %s: %s\n", path.c_str(), (const char*)why.utf8_str());
    return false;
}

int TestManyPrograms(const std::vector<std::string>& scenarioPaths, const std::vector<std::string>& programArguments,
                     const std::string& htmlPath, const std::string& csvPath, long jobs)
{
    ScenarioTable table;
    std::vector<Scenario> scenarios;
    if (!ReadScenarios(scenarioPaths, scenarios))
        return CliExit::Unreadable;
    for (const Scenario& scenario : scenarios)
        table.scenarios.push_back(scenario.name);
    table.rows = CheckPrograms(FindPrograms(programArguments), scenarios, static_cast<int>(jobs));

    std::string text;
    bool unreadable = false;
    for (const ProgramRow& row : table.rows) {
        unreadable = unreadable || row.unreadable;
        if (!row.problem.empty()) {
            text += row.program + ": " + row.problem + "\n";
            continue;
        }
        const long passed = std::count_if(row.cells.begin(), row.cells.end(), [](auto& c) { return c.passed; });
        if (passed == static_cast<long>(row.cells.size())) {
            text += row.program + ": ok\n";
            continue;
        }
        text += row.program + ": " + std::to_string(passed) + " van " + std::to_string(row.cells.size()) + " ok\n";
        for (size_t i = 0; i < row.cells.size(); ++i)
            if (!row.cells[i].passed)
                text += "  " + table.scenarios[i] + ": " + row.cells[i].text + "\n";
    }
    if (!Print(text))
        return CliExit::Usage;
    if (!WriteReport(htmlPath, ReportHtml(table)) || !WriteReport(csvPath, ReportCsv(table)))
        return CliExit::Unreadable;
    if (unreadable)
        return CliExit::Unreadable;
    return PassingRows(table) == static_cast<int>(table.rows.size()) ? CliExit::Ok : CliExit::Failed;
}

int RunTest(const std::vector<std::string>& args)
{
    std::string htmlPath, csvPath;
    long jobs = sysconf(_SC_NPROCESSORS_ONLN);
    std::vector<std::string> scenarioPaths, plain;
    bool batch = false, readingScenarios = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size() && !args[i + 1].empty();
        if (arg == "--report" || arg == "--csv") {
            if (!hasValue)
                return Usage();
            (arg == "--report" ? htmlPath : csvPath) = args[++i];
            batch = true;
        } else if (arg == "--jobs") {
            char* end = nullptr;
            jobs = hasValue ? std::strtol(args[i + 1].c_str(), &end, 10) : 0;
            if (!hasValue || *end || jobs < 1 || jobs > 256)
                return Usage();
            ++i;
        } else if (arg == "-s") {
            batch = readingScenarios = true;
        } else if (arg == "--") {
            readingScenarios = false;
        } else if (arg.empty() || arg[0] == '-') {
            return Usage();
        } else if (readingScenarios && !IsProgramArgument(arg)) {
            scenarioPaths.push_back(arg);
        } else {
            readingScenarios = false;
            plain.push_back(arg);
        }
    }
    if (!batch) {
        if (plain.size() < 2)
            return Usage();
        return TestOneProgram(plain[0], std::vector<std::string>(plain.begin() + 1, plain.end()));
    }
    if (scenarioPaths.empty() || plain.empty())
        return Usage();
    return TestManyPrograms(scenarioPaths, plain, htmlPath, csvPath, jobs < 1 ? 1 : jobs);
}

const CliRegistrar registrar({"test",
                              "PROGRAM.tamek SCENARIO...    run scenarios on a program: ok or the first "
                              "failure\n"
                              "  test [--report OUT.html] [--csv OUT.csv] [--jobs N] -s SCENARIO... PROGRAM|FOLDER...\n"
                              "      check many programs against scenarios in one table",
                              &RunTest});

} // namespace
