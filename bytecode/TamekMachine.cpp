#include "bytecode/TamekMachine.h"

#include <algorithm>
#include <cstring>
#include <limits>

using tamek::Instruction;
using tamek::kInstructions;
using tamek::Op;

namespace {
// 32-bit wrapping arithmetic without signed overflow.
inline int32_t Wrap(uint32_t value) { return static_cast<int32_t>(value); }
inline uint32_t U(int32_t value) { return static_cast<uint32_t>(value); }

// (outHigh - outLow) * (x - inLow) / (inHigh - inLow) + outLow with truncation, clamped into the int
// range; the 128-bit product cannot overflow for any register values. inHigh != inLow.
inline int32_t MapLinear(int64_t x, int64_t inLow, int64_t inHigh, int64_t outLow, int64_t outHigh)
{
    const __int128 value = static_cast<__int128>(outHigh - outLow) * (x - inLow) / (inHigh - inLow) + outLow;
    const __int128 low = std::numeric_limits<int32_t>::min(), high = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value < low ? low : value > high ? high : value);
}
} // namespace

TamekMachine::TamekMachine() = default;

void TamekMachine::LoadImage(const unsigned char* image, int length)
{
    std::memset(m_memory, 0, sizeof m_memory);
    m_length = std::clamp(length, 0, kImageCapacity);
    if (image && m_length > 0)
        std::memcpy(m_memory, image, static_cast<size_t>(m_length));
    else
        m_length = 0;
}

void TamekMachine::SetRawInput(int port, int raw)
{
    if (port >= 1 && port <= 3)
        m_raw[port - 1] = raw;
}

int TamekMachine::Input(int number) const
{
    static constexpr int kPortOfInput[6] = {0, 1, 0, 1, 2, 2};
    if (number < 0 || number > 5)
        return 0;
    return 1023 - m_raw[kPortOfInput[number]];
}

void TamekMachine::SetVariable(int index, int32_t value)
{
    if (index >= 0 && index < kVariableCount)
        m_variables[index] = value;
}

int32_t TamekMachine::SetupRegister(int number) const
{
    return number >= 1 && number <= kSetupRegisterCount ? m_setup[number] : 0;
}

void TamekMachine::SetSetupRegister(int number, int32_t value)
{
    if (number >= 1 && number <= kSetupRegisterCount)
        m_setup[number] = value;
}

void TamekMachine::OutputReset()
{
    m_outputs &= ~(Buzzer | RedLed | 0x40 | 0x80);
    for (Channel& channel : m_channels)
        channel = Channel();
}

void TamekMachine::RunReset()
{
    m_outputs &= ~RunLight;
    m_timer = 0;
    m_subCount = 0;
    m_pc = 0;
    m_runState = Idle;
    m_flags = Z;
}

void TamekMachine::ClockTick()
{
    m_timer = Wrap(U(m_timer) + 2);
    m_subCount = Wrap(U(m_subCount) + 4700);
}

bool TamekMachine::MachineStep()
{
    switch (m_runState) {
    case Idle:
        if (m_go) {
            m_timer = 0;
            m_subCount = 0;
            m_pc = 0;
            OutputReset();
            m_outputs &= ~RunLight;
            m_runState = Armed;
        }
        m_flags = Z;
        return m_lastResult = false;
    case Armed:
        if (!m_go) {
            static constexpr int kOnes[] = {2, 4, 5, 7, 9, 10, 12, 14, 15, 17, 19, 20};
            m_outputs |= RunLight;
            std::fill(std::begin(m_setup), std::end(m_setup), 0);
            for (int number : kOnes)
                m_setup[number] = 1;
            m_runState = Running;
            return m_lastResult = true;
        }
        m_timer = 0;
        m_subCount = 0;
        return m_lastResult = false;
    case Running:
        if (m_pc < 0 || m_pc >= m_length)
            m_runState = Ended;
        else
            Execute();
        return m_lastResult = true;
    case Ended:
        m_runState = Idle;
        m_pc = 0;
        return m_lastResult = false;
    default: // a state set from outside that the machine does not know: treat as idle
        m_runState = Idle;
        return m_lastResult = false;
    }
}

long TamekMachine::RunSteps(long maxSteps)
{
    long steps = 0;
    if (m_runState != Running)
        return 0;
    while (steps < maxSteps) {
        ++steps;
        if (m_pc < 0 || m_pc >= m_length) {
            m_runState = Ended;
            break;
        }
        Execute();
    }
    if (steps > 0)
        m_lastResult = true;
    return steps;
}

int32_t TamekMachine::ReadBigEndian(int offset, int width) const
{
    const unsigned char* p = m_memory + offset;
    switch (width) {
    case 1: return static_cast<int8_t>(p[0]);
    case 2: return static_cast<int16_t>(static_cast<uint16_t>((p[0] << 8) | p[1]));
    default: return Wrap((U(p[0]) << 24) | (U(p[1]) << 16) | (U(p[2]) << 8) | U(p[3]));
    }
}

void TamekMachine::Execute()
{
    const int pc = m_pc;
    const unsigned char* code = m_memory + pc;
    const Instruction& in = kInstructions[code[0]];
    int32_t& dest = in.register_ ? m_b : m_a;
    const int32_t source = in.op <= Op::Keep ? (in.width ? int32_t(code[1]) : (in.register_ ? m_a : m_b)) : 0;
    int next = pc + in.length;

    switch (in.op) {
    case Op::Add: dest = Wrap(U(dest) + U(source)); break;
    case Op::Sub: dest = Wrap(U(dest) - U(source)); break;
    case Op::Mul: dest = Wrap(U(dest) * U(source)); break;
    case Op::Div:
        if (source == 0)
            dest = -1;
        else if (source == -1)
            dest = Wrap(0u - U(dest)); // also the one overflowing case, INT_MIN / -1
        else
            dest = dest / source;
        break;
    case Op::And: dest &= source; break;
    case Op::Or: dest |= source; break;
    case Op::Xor: dest ^= source; break;
    case Op::Not: dest = dest == 0 ? 1 : 0; break;
    case Op::Shl: dest = Wrap(U(dest) << (U(source) & 31)); break;
    case Op::Shr: dest = dest >> (U(source) & 31); break;
    case Op::Keep: break;

    case Op::Branch:
        if (in.mask & m_flags) {
            int64_t d;
            switch (in.width) {
            case 1: d = static_cast<int8_t>(code[1]); break;
            case 2: d = static_cast<int16_t>(static_cast<uint16_t>(code[1] | (code[2] << 8))); break;
            case 4: d = Wrap(U(code[1]) | (U(code[2]) << 8) | (U(code[3]) << 16) | (U(code[4]) << 24)); break;
            default: {
                uint64_t raw = 0;
                for (int i = 8; i >= 1; --i)
                    raw = (raw << 8) | code[i];
                d = static_cast<int64_t>(raw);
            }
            }
            // Backward displacements count from the opcode, forward ones from the first displacement byte.
            const int64_t target = d < 0 ? int64_t(pc) + d : int64_t(pc) + 1 + d;
            // Any target outside the image ends the run; one outside the int range is recorded as -1.
            next = target < std::numeric_limits<int>::min() || target > std::numeric_limits<int>::max()
                       ? -1
                       : static_cast<int>(target);
        }
        m_pc = next;
        return;

    case Op::LoadVariable: {
        const int32_t index = ReadBigEndian(pc + 1, in.width);
        dest = index >= 0 && index < kVariableCount ? m_variables[index] : 0;
        break;
    }
    case Op::LoadImmediate: dest = ReadBigEndian(pc + 1, in.width); break;
    case Op::LoadTimer: dest = m_timer; break;
    case Op::LoadInput: {
        const int32_t number = ReadBigEndian(pc + 1, in.width);
        if (number >= 0 && number <= 5)
            dest = Input(number);
        break;
    }
    case Op::LoadNothing: break;

    case Op::StoreVariableValue: m_variables[code[1] & 0x7F] = ReadBigEndian(pc + 2, in.width); break;
    case Op::StoreVariableRegister: m_variables[code[1] & 0x7F] = in.register_ ? m_b : m_a; break;
    case Op::SetupStore: {
        const int number = code[1] & 0x1F;
        if (number == 0) {
            m_timer = code[1];
            m_subCount = 0;
            next = pc + 3;
        } else if (number <= kSetupRegisterCount) {
            m_setup[number] = ReadBigEndian(pc + 2, in.width);
        }
        break;
    }
    case Op::Output: {
        const int bit = ((code[1] >> 1) & 7) - 1;
        if (bit >= 0) {
            if (code[1] & 1)
                m_outputs |= 1 << bit;
            else
                m_outputs &= ~(1 << bit);
        }
        break;
    }
    case Op::OutputNothing: break;
    case Op::ActuatorValue: WriteChannel(in.mask, static_cast<int8_t>(code[1])); break;
    case Op::ActuatorSource: {
        const int name = code[1] & 0x7F;
        WriteChannel(in.mask, name == 0 ? m_a : name == 1 ? m_b : m_variables[name]);
        break;
    }
    }
    if (in.op <= Op::Keep)
        SetFlagsFrom(dest);
    m_pc = next;
}

void TamekMachine::WriteChannel(int channel, int32_t value)
{
    if (channel < 2)
        WriteServo(channel, value);
    else
        WriteMotor(channel, value);
}

void TamekMachine::WriteServo(int channel, int32_t value)
{
    Channel& c = m_channels[channel];
    if (value == c.lastWritten)
        return;
    c.lastWritten = value;
    const int32_t* r = m_setup + 1 + 5 * channel; // output low, output high, input low, input high, switch
    const int64_t outLow = r[0], outHigh = r[1], inLow = r[2], inHigh = r[3];
    const int64_t clamped = std::clamp<int64_t>(value, std::min(inLow, inHigh), std::max(inLow, inHigh));
    if (r[4] != 0 && inHigh != inLow)
        c.output = MapLinear(clamped, inLow, inHigh, outLow, outHigh);
    else
        c.output = static_cast<int32_t>(clamped);
}

void TamekMachine::WriteMotor(int channel, int32_t value)
{
    Channel& c = m_channels[channel];
    if (value == 0) {
        c = Channel();
        return;
    }
    if (value == c.lastWritten)
        return;
    c.lastWritten = value;
    const int32_t* r = m_setup + 1 + 5 * channel; // output low, output high, input low, input high, reverse
    const int64_t outLow = r[0], outHigh = r[1], inLow = r[2], inHigh = r[3];
    int64_t magnitude = value < 0 ? -int64_t(value) : int64_t(value);
    if (magnitude > inHigh)
        magnitude = inHigh;
    else if (magnitude < inLow)
        magnitude = inLow;
    if (inHigh != inLow)
        c.output = MapLinear(magnitude, inLow, inHigh, outLow, outHigh);
    else
        c.output = static_cast<int32_t>(outLow);
    c.direction = (value < 0) == (r[4] != 0) ? Forward : Backward;
}
