#pragma once
// Files of test cases as data: "== Name" starts a case, the lines after it (comments and blank lines
// among them) are its script. The drivers name their tests after the cases.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace testing_support {

struct CaseScript
{
    std::string file, name;
    int firstLine = 0;
    std::vector<std::string> lines;
};

// Every case of the files under tests/data/<path> (one file, or every file of a folder, in name
// order). Read with the standard library: the list is made before wxWidgets is initialised.
inline std::vector<CaseScript> LoadCases(const std::string& path)
{
    const std::filesystem::path full = std::string(TAMEK_TEST_DATA) + "/" + path;
    std::vector<std::string> files;
    if (std::filesystem::is_directory(full))
        for (const auto& entry : std::filesystem::directory_iterator(full))
            files.push_back(entry.path().string());
    else
        files.push_back(full.string());
    std::sort(files.begin(), files.end());
    std::vector<CaseScript> cases;
    for (const std::string& file : files) {
        std::ifstream in(file);
        int number = 0;
        for (std::string line; std::getline(in, line);) {
            ++number;
            if (line.rfind("== ", 0) == 0)
                cases.push_back({std::filesystem::path(file).filename().string(), line.substr(3), number, {}});
            else if (!cases.empty())
                cases.back().lines.push_back(line);
        }
    }
    return cases;
}

// Whether a script line says nothing: blank, or a comment.
inline bool Silent(const std::string& line)
{
    return line.find_first_not_of(' ') == std::string::npos || line[line.find_first_not_of(' ')] == '#';
}

inline void PrintTo(const CaseScript& script, std::ostream* out)
{
    *out << script.file << ":" << script.firstLine;
}

inline std::string CaseName(const ::testing::TestParamInfo<CaseScript>& info)
{
    return info.param.name;
}

} // namespace testing_support
