#pragma once
// Running an image without a window, as tamekc run does: GO pressed and released as the simulator
// starts a run, then up to a number of machine steps under the clock of the time model, and a JSON
// report of the machine afterwards.

#include "bytecode/MachineClock.h"

#include <string>

class CProgram;

struct HeadlessRunOptions
{
    long maxSteps = 10000000;
    long stepsPerTick = TimeModel::kStepsPerTick;
    int rawInputs[3] = {1023, 1023, 1023}; // sensor ports 1-3
};

struct HeadlessRunResult
{
    bool ended = false;
    long steps = 0;
};

// Loads image into machine, starts it and runs it. options.stepsPerTick must be positive.
HeadlessRunResult RunHeadless(TamekMachine& machine, const unsigned char* image, int length,
                              const HeadlessRunOptions& options);

// "ended":..,"steps":..,"pc":..,"timer":..,"buzzer":..,"led":..,"servo":[..],"motor":[..],"a":..,"b":..
// without braces: the machine's part of the report.
std::string MachineJsonFields(const TamekMachine& machine, const HeadlessRunResult& result);

// {"ended":..,"steps":..,"pc":..,"timer":..,"buzzer":..,"led":..,"servo":[..],"motor":[..],
//  "variables":{name:value},...} on one line; variables are named from program's variable list.
std::string HeadlessRunJson(const TamekMachine& machine, const HeadlessRunResult& result, const CProgram& program);
