// Every scenario under tests/data/scenarios/model: editing, reading and writing, step by step.
#include "support/Scenario.h"

using namespace testing_support;

namespace {
struct ModelScenario : ::testing::TestWithParam<ScenarioScript>
{
};
} // namespace

TEST_P(ModelScenario, Runs)
{
    ScenarioRunner runner;
    runner.Run(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ModelScenario, ::testing::ValuesIn(LoadScenarios("model")), CaseName);
