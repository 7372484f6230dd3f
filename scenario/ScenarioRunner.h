#pragma once
// Running a scenario on a compiled program: the core machine under the time model's clock (the
// virtual robot's: a clock tick every kStepsPerTick steps, so a millisecond of simulated time is
// kStepsPerTick / 100 steps), the scenario's inputs set at their times, its expectations checked,
// and the first failed expectation reported with its time, the value seen and the block the
// program was in: the block of the instruction executed last before that moment.
//
// What the outputs read: led and buzzer 1 when on, else 0; motor1, motor2, servo1 and servo2 the
// channel's last-written value (the value the program gave it, as the names list shows it; motor1
// is channel 3, motor2 channel 2, servo1 channel 0, servo2 channel 1); a variable its value; ended 1
// once the program has run off its end (a Stop block), else 0. A program that ended keeps its
// outputs from then on. Moments are those between two machine steps: "op" and the deadline of
// "voor" at their time, and "voor" and "altijd" at every step in between.

#include "bytecode/TamekMachine.h"
#include "scenario/Scenario.h"

#include <string>

class CProgram;
class CState;

struct ScenarioFailure
{
    Expectation expectation;
    long timeMs = 0;               // when it failed (to the millisecond)
    bool variableFound = true;     // false: the program has no variable of that name
    long long seen = 0;            // the value then
    bool ended = false;            // the program had ended then
    int pc = 0;                    // the address of the instruction executed last
    const CState* block = nullptr; // the block whose code holds pc, or null (or when ended)
};

struct ScenarioResult
{
    bool passed = true;
    ScenarioFailure failure; // when not passed
};

class ScenarioRunner
{
public:
    // program gives the variables' names and the blocks' code addresses of image (its last
    // compilation); both must outlive the runner.
    ScenarioRunner(const CProgram& program, const unsigned char* image, int length);

    // Runs the program from its start through the scenario, up to its first failed expectation or
    // to its end.
    ScenarioResult Run(const Scenario& scenario);
    // The machine where the last run stopped.
    const TamekMachine& Machine() const { return m_machine; }

private:
    const CProgram& m_program;
    const unsigned char* m_image;
    int m_length;
    TamekMachine m_machine;
};

// "ok", or "mislukt: regel 4: verwacht op 3 led == 1: op 3 s was led 0, in blok "Wacht = 10."" (the
// block's label).
std::string ScenarioResultText(const ScenarioResult& result);
