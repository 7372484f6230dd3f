#include "scenario/ScenarioRunner.h"

#include "bytecode/MachineClock.h"
#include "model/CProgram.h"
#include "scenario/ScenarioPlayer.h"

#include <algorithm>

namespace {

static_assert(TimeModel::kStepsPerTick % TimeModel::kClockPeriodMs == 0, "a millisecond is a whole number of steps");
constexpr long kStepsPerMs = TimeModel::kStepsPerTick / TimeModel::kClockPeriodMs;

// The machine index of the program's variable with this name (case aside), or -1.
int FindVariable(const CProgram& program, const std::string& name)
{
    const wxString wanted = wxString::FromUTF8(name);
    for (const CState* variable : program.Variables()) {
        const int index = variable->GetVariableIndex();
        if (variable->ResolvedName().CmpNoCase(wanted) == 0 && index >= 0 && index < TamekMachine::kVariableCount)
            return index;
    }
    return -1;
}

// The block whose code holds the instruction at pc. A block without code (Repeat, a link piece) holds
// the address where the next block's code starts; the block with the code is the one meant.
const CState* BlockOfInstruction(const CProgram& program, int pc)
{
    const CState* withCode = program.FindBlock(
        program.GetRoot(), [pc](CState* block) { return block->GetCodeLength() > 0 && block->HoldsAddress(pc); });
    return withCode ? withCode : program.FindByAddress(pc);
}

long long ReadOutput(const TamekMachine& machine, ScenarioOutput output, int variable)
{
    switch (output) {
    case ScenarioOutput::Led:
        return machine.RedLedOn() ? 1 : 0;
    case ScenarioOutput::Buzzer:
        return machine.BuzzerOn() ? 1 : 0;
    case ScenarioOutput::Motor1:
        return machine.GetChannel(3).lastWritten;
    case ScenarioOutput::Motor2:
        return machine.GetChannel(2).lastWritten;
    case ScenarioOutput::Servo1:
        return machine.GetChannel(0).lastWritten;
    case ScenarioOutput::Servo2:
        return machine.GetChannel(1).lastWritten;
    case ScenarioOutput::Ended:
        return machine.GetRunState() == TamekMachine::Ended ? 1 : 0;
    case ScenarioOutput::Variable:
        break;
    }
    return machine.Variable(variable);
}

// One run of a scenario: moments in machine steps since the program started.
class ScenarioRun
{
public:
    ScenarioRun(const CProgram& program, TamekMachine& machine, const Scenario& scenario)
        : m_program(program), m_machine(machine), m_scenario(scenario), m_player(scenario),
          m_variables(scenario.expectations.size(), -1), m_met(scenario.expectations.size(), false)
    {
        for (size_t i = 0; i < m_variables.size(); ++i)
            if (scenario.expectations[i].output == ScenarioOutput::Variable)
                m_variables[i] = FindVariable(program, scenario.expectations[i].variable);
    }

    ScenarioResult Run()
    {
        Feed();
        StartByGo(m_machine);
        m_lastPc = m_machine.Pc();
        MachineClock clock;
        const long endStep = m_scenario.durationMs * kStepsPerMs;
        for (;;) {
            long next = endStep;
            if (!CheckMoment(next) || m_step >= endStep)
                return m_result;
            if (m_watched.empty()) { // straight to the next moment of interest
                clock.Run(m_machine, next - m_step - 1);
                m_lastPc = m_machine.Pc();
                clock.Run(m_machine, 1);
                m_step = next;
            } else { // step by step until then, or until what is watched comes out otherwise
                bool changed = false;
                while (!changed && m_step < next && m_machine.GetRunState() == TamekMachine::Running) {
                    m_lastPc = m_machine.Pc();
                    clock.Run(m_machine, 1);
                    ++m_step;
                    changed = WatchedOutcomeChanged();
                }
                if (!changed) // an ended program keeps its state: nothing changes until then
                    m_step = next;
            }
            Feed();
        }
    }

private:
    void Feed()
    {
        for (const RawInputChange& change : m_player.Advance(m_step / kStepsPerMs))
            m_machine.SetRawInput(change.port, change.raw);
    }

    bool Holds(size_t i) const
    {
        const Expectation& expectation = m_scenario.expectations[i];
        return Compare(ReadOutput(m_machine, expectation.output, m_variables[i]), expectation.comparison,
                       expectation.value);
    }

    // Whether a watched "voor" expectation now holds or a watched "altijd" one no longer does.
    bool WatchedOutcomeChanged() const
    {
        for (size_t i : m_watched)
            if (Holds(i) == (m_scenario.expectations[i].when == ExpectationWhen::By))
                return true;
        return false;
    }

    // Checks every expectation due at this moment, in the order of their lines; false at the first
    // that fails. Lists those to watch from here on, and lowers next to the next moment one needs or
    // the next input comes.
    bool CheckMoment(long& next)
    {
        const auto consider = [&](long timeMs) {
            if (timeMs * kStepsPerMs > m_step)
                next = std::min(next, timeMs * kStepsPerMs);
        };
        if (m_player.NextTimeMs() >= 0)
            consider(m_player.NextTimeMs());
        m_watched.clear();
        for (size_t i = 0; i < m_scenario.expectations.size(); ++i) {
            const Expectation& expectation = m_scenario.expectations[i];
            const long from = expectation.fromMs * kStepsPerMs, until = expectation.timeMs * kStepsPerMs;
            bool due = false;
            switch (expectation.when) {
            case ExpectationWhen::At:
                due = m_step == until;
                consider(expectation.timeMs);
                break;
            case ExpectationWhen::By:
                due = !m_met[i] && m_step >= from && m_step <= until;
                consider(expectation.fromMs);
                consider(expectation.timeMs);
                break;
            case ExpectationWhen::Always:
                due = m_step >= from;
                consider(expectation.fromMs);
                break;
            }
            if (!due)
                continue;
            const bool found = expectation.output != ScenarioOutput::Variable || m_variables[i] >= 0;
            const bool holds = found && Holds(i);
            if (expectation.when == ExpectationWhen::By && holds)
                m_met[i] = true;
            else if (found && expectation.when == ExpectationWhen::By && m_step < until)
                m_watched.push_back(i);
            else if (holds && expectation.when == ExpectationWhen::Always)
                m_watched.push_back(i);
            else if (!holds) {
                Fail(expectation, found, found ? ReadOutput(m_machine, expectation.output, m_variables[i]) : 0);
                return false;
            }
        }
        return true;
    }

    void Fail(const Expectation& expectation, bool found, long long seen)
    {
        ScenarioFailure& failure = m_result.failure;
        m_result.passed = false;
        failure.expectation = expectation;
        failure.timeMs = m_step / kStepsPerMs;
        failure.variableFound = found;
        failure.seen = seen;
        failure.ended = m_machine.GetRunState() == TamekMachine::Ended;
        failure.pc = m_lastPc;
        failure.block = failure.ended ? nullptr : BlockOfInstruction(m_program, failure.pc);
    }

    const CProgram& m_program;
    TamekMachine& m_machine;
    const Scenario& m_scenario;
    ScenarioPlayer m_player;
    std::vector<int> m_variables;  // per expectation: the machine index of its variable
    std::vector<bool> m_met;       // per "voor" expectation: it held at some moment
    std::vector<size_t> m_watched; // the "voor" and "altijd" expectations watched after this moment
    long m_step = 0;
    int m_lastPc = 0; // the address of the instruction executed last (the start before any)
    ScenarioResult m_result;
};

} // namespace

ScenarioRunner::ScenarioRunner(const CProgram& program, const unsigned char* image, int length)
    : m_program(program), m_image(image), m_length(length)
{
}

ScenarioResult ScenarioRunner::Run(const Scenario& scenario)
{
    m_machine = TamekMachine();
    m_machine.LoadImage(m_image, m_length);
    return ScenarioRun(m_program, m_machine, scenario).Run();
}

std::string ScenarioResultText(const ScenarioResult& result)
{
    if (result.passed)
        return "ok";
    const ScenarioFailure& failure = result.failure;
    const Expectation& expectation = failure.expectation;
    const std::string name =
        expectation.output == ScenarioOutput::Variable ? expectation.variable : OutputName(expectation.output);
    std::string text =
        "mislukt: regel " + std::to_string(expectation.line) + ": " + ExpectationText(expectation) + ": ";
    if (!failure.variableFound)
        return text + "het programma heeft geen variabele " + name;
    text += "op " + SecondsText(failure.timeMs) + " s was " + name + " " + std::to_string(failure.seen);
    if (failure.ended)
        text += ", het programma was afgelopen";
    else if (failure.block)
        text += ", in blok \"" + std::string(failure.block->GetLabel().utf8_str()) + "\"";
    return text;
}
