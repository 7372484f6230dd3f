// The built tamekc as a teacher uses it: every case of tests/data/cli/cases.txt runs commands and
// checks their exit status and outputs.
//
//   == Name                 a case; "{data}" in its lines is tests/data, "{tmp}" a fresh folder
//   write FILE TEXT         a file written before the command ("\n" in TEXT is a line end)
//   tamekc ARGUMENTS        the command (the rest of the line, as a shell reads it)
//   status N                its exit status
//   out|err is TEXT         the output is exactly TEXT; "out|err file F": the bytes of a data file
//   out|err has TEXT        the output holds TEXT
//   hex FILE GOLDEN         the bytes of FILE, as hex, are the golden .hex file's line

#include "support/Blocks.h"
#include "support/CaseFile.h"
#include "support/RunTamekc.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace testing_support;

namespace {

// The words of a line: the first two, and the rest with "\n" standing for a line end.
struct Words
{
    std::string first, second, rest;
    explicit Words(const std::string& line)
    {
        std::istringstream words(line);
        words >> first >> second;
        std::getline(words >> std::ws, rest);
        for (size_t at; (at = rest.find("\\n")) != std::string::npos;)
            rest.replace(at, 2, "\n");
    }
};

std::string Expand(std::string text, const std::string& tmp)
{
    for (const auto& [key, value] : {std::pair<std::string, std::string>{"{data}", TAMEK_TEST_DATA}, {"{tmp}", tmp}})
        for (size_t at; (at = text.find(key)) != std::string::npos;)
            text.replace(at, key.size(), value);
    return text;
}

struct TamekcCase : ::testing::TestWithParam<CaseScript>
{
};

} // namespace

TEST_P(TamekcCase, Runs)
{
    char folder[] = "/tmp/tamekc-case-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    TamekcResult run;
    for (const std::string& raw : GetParam().lines) {
        if (Silent(raw))
            continue;
        SCOPED_TRACE(raw);
        const std::string line = Expand(raw, folder);
        const Words w(line);
        const std::string& output = w.first == "out" ? run.out : run.err;
        if (w.first == "write") {
            std::ofstream(w.second) << w.rest;
        } else if (w.first == "tamekc") {
            run = testing_support::Tamekc(line.substr(7));
        } else if (w.first == "status") {
            EXPECT_EQ(run.status, std::stoi(w.second)) << run.err;
        } else if (w.second == "file") {
            EXPECT_EQ(output, DataFile(w.rest));
        } else if (w.second == "is") {
            EXPECT_EQ(output, w.rest);
        } else if (w.second == "has") {
            EXPECT_NE(output.find(w.rest), std::string::npos) << output;
        } else if (w.first == "hex") {
            const std::string bytes = DataFile(w.second);
            EXPECT_EQ(Hex(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<int>(bytes.size())) + "\n",
                      DataFile(w.rest));
        } else {
            ADD_FAILURE() << "unknown line";
        }
    }
    wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
}

INSTANTIATE_TEST_SUITE_P(Cases, TamekcCase, ::testing::ValuesIn(LoadCases("cli/cases.txt")), CaseName);
