#include "emulator/RobotFirmware.h"

#include "bytecode/HeadlessRun.h"
#include "simulation/MachineRegisters.h"

#include <algorithm>
#include <cstdio>

namespace {
int Clamp16(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, -32768, 32767));
}

void Put16(RobotReport& answer, int at, int value)
{
    answer[static_cast<size_t>(at)] = static_cast<unsigned char>((value >> 8) & 0xFF);
    answer[static_cast<size_t>(at) + 1] = static_cast<unsigned char>(value & 0xFF);
}

std::string Hex(const unsigned char* bytes, int count, const char* separator)
{
    std::string text;
    char digits[3];
    for (int i = 0; i < count; ++i) {
        std::snprintf(digits, sizeof digits, "%02x", bytes[i]);
        text += (i ? separator : "") + std::string(digits);
    }
    return text;
}

} // namespace

RobotFirmware::RobotFirmware() = default;

bool RobotFirmware::Handle(const RobotReport& request, RobotReport& answer)
{
    m_lastRequest = request;
    ++m_requests;
    answer.fill(0);
    answer[0] = request[0];
    const int code = request[0];
    if ((code & 0xE0) == RobotCommand::ProgramData) {
        const int number = (code & 0x1F) << 8 | request[1];
        if (number == 0) {
            m_stagedLength = 0;
            m_programReports = 0;
            std::fill(std::begin(m_staging), std::end(m_staging), 0);
        }
        ++m_programReports;
        const int offset = number * kProgramBytesPerReport;
        for (int i = 0; i < kProgramBytesPerReport && offset + i < TamekMachine::kImageCapacity; ++i)
            m_staging[offset + i] = request[static_cast<size_t>(2 + i)];
        if (offset < TamekMachine::kImageCapacity)
            m_stagedLength =
                std::max(m_stagedLength, std::min(offset + kProgramBytesPerReport, TamekMachine::kImageCapacity));
        return false;
    }
    ExecuteCommand(request, answer);
    return code == RobotCommand::Step || code == RobotCommand::ReadInputs || code == RobotCommand::ReadProgramCounter ||
           code == RobotCommand::ReadRegister;
}

void RobotFirmware::ExecuteCommand(const RobotReport& request, RobotReport& answer)
{
    switch (request[0]) {
    case RobotCommand::EndUploadDone: {
        const bool go = m_machine.Go();
        int raw[3];
        for (int port = 1; port <= 3; ++port)
            raw[port - 1] = m_machine.RawInput(port);
        // The last report's trailing zeros are its filling: the program ends before them.
        int length = m_stagedLength;
        for (int k = 0; k < kProgramBytesPerReport - 1 && length > 0 && m_staging[length - 1] == 0; ++k)
            --length;
        m_machine = TamekMachine();
        m_machine.LoadImage(m_staging, length);
        m_machine.SetGo(go);
        for (int port = 1; port <= 3; ++port)
            m_machine.SetRawInput(port, raw[port - 1]);
        m_held = false;
        m_steps = 0;
        break;
    }
    case RobotCommand::EndUploadAbandoned:
        m_stagedLength = 0;
        break;
    case RobotCommand::SetActuator: {
        const int magnitude = request[2] | request[3] << 8;
        SetRegister(request[1], request[4] ? -magnitude : magnitude);
        break;
    }
    case RobotCommand::Restart:
        StartProgram();
        break;
    case RobotCommand::Stop:
        m_machine.RunReset();
        m_held = false;
        break;
    case RobotCommand::Step:
        if (m_machine.GetRunState() != TamekMachine::Running)
            StartProgram();
        else if (m_held)
            m_steps += m_clock.Run(m_machine, 1);
        m_held = true;
        Put16(answer, 1, m_machine.Pc());
        break;
    case RobotCommand::Run:
        m_held = false;
        break;
    case RobotCommand::ReadInputs:
        for (int port = 1; port <= 3; ++port)
            Put16(answer, 2 * port - 1, m_machine.RawInput(port));
        break;
    case RobotCommand::ReadProgramCounter:
        Put16(answer, 1, m_machine.Pc());
        break;
    case RobotCommand::ReadRegister:
        Put16(answer, 1, ReadRegister(request[1]));
        break;
    default: // unknown commands change nothing
        break;
    }
}

void RobotFirmware::StartProgram()
{
    const bool go = m_machine.Go();
    StartByGo(m_machine);
    m_machine.SetGo(go);
    m_clock.Restart();
    m_steps = 0;
}

void RobotFirmware::SetGo(bool pressed)
{
    m_machine.SetGo(pressed);
    const int state = m_machine.GetRunState();
    if (pressed && state == TamekMachine::Ended)
        m_machine.MachineStep(); // back to idle, then armed below
    if ((pressed && m_machine.GetRunState() == TamekMachine::Idle) || (!pressed && state == TamekMachine::Armed)) {
        m_machine.MachineStep();
        if (m_machine.GetRunState() == TamekMachine::Running) {
            m_clock.Restart();
            m_steps = 0;
            m_held = false;
        }
    }
}

void RobotFirmware::RunSlice(long steps)
{
    if (Running())
        m_steps += m_clock.Run(m_machine, steps);
}

int RobotFirmware::ReadRegister(int number) const
{
    switch (number) {
    case RobotRegister::Wait:
        return Clamp16(m_machine.Timer());
    case RobotRegister::Buzzer:
        return m_machine.BuzzerOn() ? 1 : 0;
    case RobotRegister::LedR:
        return m_machine.RedLedOn() ? 1 : 0;
    case RobotRegister::Servo1:
        return Clamp16(m_machine.GetChannel(0).lastWritten);
    case RobotRegister::Servo2:
        return Clamp16(m_machine.GetChannel(1).lastWritten);
    case RobotRegister::Motor2:
        return Clamp16(m_machine.GetChannel(2).lastWritten);
    case RobotRegister::Motor1:
        return Clamp16(m_machine.GetChannel(3).lastWritten);
    default:
        return number < TamekMachine::kVariableCount ? Clamp16(m_machine.Variable(number)) : 0;
    }
}

void RobotFirmware::SetRegister(int number, int value)
{
    SetMachineRegister(m_machine, number, value);
}

std::string RobotFirmware::StateJson() const
{
    const TamekMachine& m = m_machine;
    HeadlessRunResult result;
    result.ended = m.GetRunState() == TamekMachine::Ended;
    result.steps = m_steps;
    std::string json = "{" + MachineJsonFields(m, result) + ",\"variables\":[";
    for (int i = 0; i < TamekMachine::kVariableCount; ++i)
        json += (i ? "," : "") + std::to_string(m.Variable(i));
    json += "],\"runState\":\"" + std::string(RunStateName(m.GetRunState())) + "\"";
    json += ",\"held\":" + std::string(m_held ? "true" : "false");
    json += ",\"go\":" + std::string(m.Go() ? "true" : "false");
    json += ",\"runLight\":" + std::to_string(m.RunLightOn() ? 1 : 0);
    json += ",\"output\":[" + std::to_string(m.GetChannel(0).output) + "," + std::to_string(m.GetChannel(1).output) +
            "," + std::to_string(m.GetChannel(2).output) + "," + std::to_string(m.GetChannel(3).output) + "]";
    json += ",\"direction\":[" + std::to_string(m.GetChannel(2).direction) + "," +
            std::to_string(m.GetChannel(3).direction) + "]";
    json += ",\"inputs\":[" + std::to_string(m.RawInput(1)) + "," + std::to_string(m.RawInput(2)) + "," +
            std::to_string(m.RawInput(3)) + "]";
    json += ",\"programLength\":" + std::to_string(m.Length());
    json += ",\"programReports\":" + std::to_string(m_programReports);
    json += ",\"requests\":" + std::to_string(m_requests);
    json += ",\"lastRequest\":\"" + Hex(m_lastRequest.data(), static_cast<int>(m_lastRequest.size()), " ") + "\"";
    json += ",\"program\":\"" + Hex(m.Memory(), m.Length(), "") + "\"}";
    return json;
}
