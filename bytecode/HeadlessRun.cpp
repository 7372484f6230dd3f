#include "bytecode/HeadlessRun.h"

#include "model/CProgram.h"

#include <cstdio>
#include <map>

HeadlessRunResult RunHeadless(TamekMachine& machine, const unsigned char* image, int length,
                              const HeadlessRunOptions& options)
{
    machine.LoadImage(image, length);
    for (int port = 1; port <= 3; ++port)
        machine.SetRawInput(port, options.rawInputs[port - 1]);
    StartByGo(machine);

    HeadlessRunResult result;
    MachineClock clock(options.stepsPerTick);
    result.steps = clock.Run(machine, options.maxSteps);
    result.ended = machine.GetRunState() == TamekMachine::Ended;
    return result;
}

namespace {

std::string JsonString(const wxString& text)
{
    std::string out = "\"";
    const wxScopedCharBuffer utf8 = text.utf8_str();
    for (const char* p = utf8.data(); *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string Number(long long value)
{
    return std::to_string(value);
}

} // namespace

std::string MachineJsonFields(const TamekMachine& machine, const HeadlessRunResult& result)
{
    std::string json = "\"ended\":" + std::string(result.ended ? "true" : "false");
    json += ",\"steps\":" + Number(result.steps);
    json += ",\"pc\":" + Number(machine.Pc());
    json += ",\"timer\":" + Number(machine.Timer());
    json += ",\"buzzer\":" + Number(machine.BuzzerOn() ? 1 : 0);
    json += ",\"led\":" + Number(machine.RedLedOn() ? 1 : 0);
    json += ",\"servo\":[" + Number(machine.GetChannel(0).lastWritten) + "," +
            Number(machine.GetChannel(1).lastWritten) + "]";
    json += ",\"motor\":[" + Number(machine.GetChannel(2).lastWritten) + "," +
            Number(machine.GetChannel(3).lastWritten) + "]";
    json += ",\"a\":" + Number(machine.A());
    json += ",\"b\":" + Number(machine.B());
    return json;
}

std::string HeadlessRunJson(const TamekMachine& machine, const HeadlessRunResult& result, const CProgram& program)
{
    std::string json = "{" + MachineJsonFields(machine, result);
    json += ",\"variables\":{";
    // One entry per variable name, in the order of the variable list.
    std::map<int, bool> seen;
    bool first = true;
    for (const CState* variable : program.Variables()) {
        const int index = variable->GetVariableIndex();
        if (index < 0 || index >= TamekMachine::kVariableCount || seen[index])
            continue;
        seen[index] = true;
        json += (first ? "" : ",") + JsonString(variable->ResolvedName()) + ":" + Number(machine.Variable(index));
        first = false;
    }
    json += "}}";
    return json;
}
