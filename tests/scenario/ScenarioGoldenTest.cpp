// tamekc test on the golden projects: the cases of tests/data/robot_scenarios/cases.txt. A case is
// "== Name", the tamekc arguments (run in that folder; OUT/ is a fresh folder), "exit N", then the
// exact standard output, standard error's lines marked "stderr: ". Each file "Name.<file>" beside the
// cases is what the command must write into OUT/<file>.
#include "support/CaseFile.h"
#include "support/RunTamekc.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const std::string kFolder = std::string(TAMEK_TEST_DATA) + "/robot_scenarios";

struct ScenarioGolden : ::testing::TestWithParam<CaseScript>
{
};

TEST_P(ScenarioGolden, PrintsAndWritesExactly)
{
    const CaseScript& golden = GetParam();
    ASSERT_FALSE(golden.lines.empty());
    std::string expected;
    for (size_t i = 1; i < golden.lines.size(); ++i)
        expected += golden.lines[i] + "\n";
    namespace fs = std::filesystem;
    const fs::path out = fs::temp_directory_path() / ("tamek-scenario-" + golden.name);
    fs::remove_all(out);
    fs::create_directories(out);
    std::string arguments = golden.lines[0];
    for (size_t at; (at = arguments.find("OUT/")) != std::string::npos;)
        arguments.replace(at, 4, out.string() + "/");

    const TamekcResult run = Tamekc(arguments, kFolder);
    std::string seen = "exit " + std::to_string(run.status) + "\n" + run.out;
    std::istringstream err(run.err);
    for (std::string line; std::getline(err, line);)
        seen += "stderr: " + line + "\n";
    EXPECT_EQ(seen, expected);
    const std::string prefix = golden.name + ".";
    for (const auto& file : fs::directory_iterator(kFolder)) {
        const std::string name = file.path().filename().string();
        if (name.rfind(prefix, 0) == 0) {
            EXPECT_EQ(DataFile((out / name.substr(prefix.size())).string()), DataFile(file.path().string())) << name;
        }
    }
    fs::remove_all(out);
}

INSTANTIATE_TEST_SUITE_P(Cases, ScenarioGolden, ::testing::ValuesIn(LoadCases("robot_scenarios/cases.txt")), CaseName);

} // namespace
