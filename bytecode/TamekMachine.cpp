#include "bytecode/TamekMachine.h"

#include "bytecode/MachineClock.h"

#include <algorithm>
#include <cstring>
#include <limits>

using tamek::Instruction;
using tamek::kInstructions;
using tamek::Op;

namespace {
// 32-bit wrapping arithmetic without signed overflow.
inline int32_t Wrap(uint32_t value)
{
    return static_cast<int32_t>(value);
}
inline uint32_t U(int32_t value)
{
    return static_cast<uint32_t>(value);
}

// (outHigh - outLow) * (x - inLow) / (inHigh - inLow) + outLow with truncation, clamped into the int
// range; the 128-bit product cannot overflow for any register values. inHigh != inLow.
inline int32_t MapLinear(int64_t x, int64_t inLow, int64_t inHigh, int64_t outLow, int64_t outHigh)
{
    const __int128 value = static_cast<__int128>(outHigh - outLow) * (x - inLow) / (inHigh - inLow) + outLow;
    const __int128 low = std::numeric_limits<int32_t>::min(), high = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value < low ? low : value > high ? high : value);
}
} // namespace

TamekMachine::TamekMachine()
{
    LoadImage(nullptr, 0);
}

void TamekMachine::LoadImage(const unsigned char* image, int length)
{
    std::memset(m_memory, 0, sizeof m_memory);
    m_length = std::clamp(length, 0, kImageCapacity);
    if (image && m_length > 0)
        std::memcpy(m_memory, image, static_cast<size_t>(m_length));
    else
        m_length = 0;
    // Every address past the image leads to the end of the run.
    for (int i = 0; i < kImageCapacity + kPadding; ++i)
        m_dispatch[i] = static_cast<uint16_t>(i < m_length ? m_memory[i] : kEndOfImage);
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

void TamekMachine::SetChannel(int channel, int32_t value)
{
    Channel& target = m_channels[channel & 3];
    target.lastWritten = value;
    if ((channel & 3) < 2) {
        target.output = value;
        return;
    }
    target.output = value < 0 ? Wrap(0u - U(value)) : value;
    target.direction = value == 0 ? None : value < 0 ? Backward : Forward;
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
    m_timer = Wrap(U(m_timer) + TimeModel::kTimerUnitsPerTick);
    m_subCount = Wrap(U(m_subCount) + TimeModel::kSubCountPerTick);
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
    if (m_runState != Running || maxSteps <= 0)
        return 0;
    const long steps = Interpret(maxSteps);
    m_lastResult = true;
    return steps;
}

void TamekMachine::Execute()
{
    Interpret(1);
}

int32_t TamekMachine::ReadBigEndian(int offset, int width) const
{
    return tamek::BigEndianOperand(m_memory + offset, width);
}

// One instruction, specialised at compile time for its opcode from the instruction table.
template <int Opcode> __attribute__((always_inline)) inline void TamekMachine::Step(Hot& h)
{
    constexpr Instruction in = kInstructions[Opcode];
    const unsigned char* code = m_memory + h.pc;

    if constexpr (in.op <= Op::Keep) { // arithmetic
        int32_t& dest = in.register_ ? h.b : h.a;
        int32_t source;
        if constexpr (in.width != 0)
            source = code[1];
        else
            source = in.register_ ? h.a : h.b;
        if constexpr (in.op == Op::Add)
            dest = Wrap(U(dest) + U(source));
        else if constexpr (in.op == Op::Sub)
            dest = Wrap(U(dest) - U(source));
        else if constexpr (in.op == Op::Mul)
            dest = Wrap(U(dest) * U(source));
        else if constexpr (in.op == Op::Div) {
            if (source == 0)
                dest = -1;
            else if (source == -1)
                dest = Wrap(0u - U(dest)); // also the one overflowing case, INT_MIN / -1
            else
                dest = dest / source;
        } else if constexpr (in.op == Op::And)
            dest &= source;
        else if constexpr (in.op == Op::Or)
            dest |= source;
        else if constexpr (in.op == Op::Xor)
            dest ^= source;
        else if constexpr (in.op == Op::Not)
            dest = dest == 0 ? 1 : 0;
        else if constexpr (in.op == Op::Shl)
            dest = Wrap(U(dest) << (U(source) & 31));
        else if constexpr (in.op == Op::Shr)
            dest = dest >> (U(source) & 31);
        h.flags = dest == 0 ? Z : dest > 0 ? P : N;
        h.pc += in.length;
    } else if constexpr (in.op == Op::Branch) {
        if constexpr (in.mask == 0) {
            h.pc += in.length;
        } else {
            if (!(in.mask & h.flags)) {
                h.pc += in.length;
                return;
            }
            const int64_t d = tamek::LittleEndianDisplacement(code + 1, in.width);
            // Backward displacements count from the opcode, forward ones from the first displacement byte.
            const int64_t target = d < 0 ? int64_t(h.pc) + d : int64_t(h.pc) + 1 + d;
            // Any target outside the image ends the run; one outside the int range is recorded as -1.
            h.pc = target < std::numeric_limits<int>::min() || target > std::numeric_limits<int>::max()
                       ? -1
                       : static_cast<int>(target);
        }
    } else {
        int32_t& dest = in.register_ ? h.b : h.a;
        if constexpr (in.op == Op::LoadVariable) {
            const int32_t index = ReadBigEndian(h.pc + 1, in.width);
            dest = static_cast<uint32_t>(index) < kVariableCount ? m_variables[index] : 0;
        } else if constexpr (in.op == Op::LoadImmediate) {
            dest = ReadBigEndian(h.pc + 1, in.width);
        } else if constexpr (in.op == Op::LoadTimer) {
            dest = m_timer;
        } else if constexpr (in.op == Op::LoadInput) {
            const int32_t number = ReadBigEndian(h.pc + 1, in.width);
            if (number >= 0 && number <= 5)
                dest = Input(number);
        } else if constexpr (in.op == Op::StoreVariableValue) {
            m_variables[code[1] & 0x7F] = ReadBigEndian(h.pc + 2, in.width);
        } else if constexpr (in.op == Op::StoreVariableRegister) {
            m_variables[code[1] & 0x7F] = in.register_ ? h.b : h.a;
        } else if constexpr (in.op == Op::SetupStore) {
            const int number = code[1] & 0x1F;
            if (number == 0) {
                m_timer = code[1];
                m_subCount = 0;
                h.pc += 3; // whatever the opcode
                return;
            }
            if (number <= kSetupRegisterCount)
                m_setup[number] = ReadBigEndian(h.pc + 2, in.width);
        } else if constexpr (in.op == Op::Output) {
            const int bit = ((code[1] >> 1) & 7) - 1;
            if (bit >= 0) {
                if (code[1] & 1)
                    m_outputs |= 1 << bit;
                else
                    m_outputs &= ~(1 << bit);
            }
        } else if constexpr (in.op == Op::ActuatorValue) {
            WriteChannel(in.mask, static_cast<int8_t>(code[1]));
        } else if constexpr (in.op == Op::ActuatorSource) {
            const int name = code[1] & 0x7F;
            WriteChannel(in.mask, name == 0 ? h.a : name == 1 ? h.b : m_variables[name]);
        }
        // LoadNothing and OutputNothing only move on.
        h.pc += in.length;
    }
}

// The interpreter loop: every opcode has its own copy of the instruction, specialised from the
// table, and jumps straight to the next one (threaded dispatch). The registers live in a local
// while it runs, so they stay in machine registers.
// The formatter does not settle on one layout for these two lists.
// clang-format off
#define TAMEK_OPCODES(X, h) \
    X(0x##h##0) X(0x##h##1) X(0x##h##2) X(0x##h##3) X(0x##h##4) X(0x##h##5) X(0x##h##6) X(0x##h##7) \
    X(0x##h##8) X(0x##h##9) X(0x##h##A) X(0x##h##B) X(0x##h##C) X(0x##h##D) X(0x##h##E) X(0x##h##F)
#define TAMEK_ALL(X) \
    TAMEK_OPCODES(X, 0) TAMEK_OPCODES(X, 1) TAMEK_OPCODES(X, 2) TAMEK_OPCODES(X, 3) \
    TAMEK_OPCODES(X, 4) TAMEK_OPCODES(X, 5) TAMEK_OPCODES(X, 6) TAMEK_OPCODES(X, 7) \
    TAMEK_OPCODES(X, 8) TAMEK_OPCODES(X, 9) TAMEK_OPCODES(X, A) TAMEK_OPCODES(X, B) \
    TAMEK_OPCODES(X, C) TAMEK_OPCODES(X, D) TAMEK_OPCODES(X, E) TAMEK_OPCODES(X, F)
// clang-format on
#define TAMEK_LABEL_ADDRESS(n) &&op_##n,
// Only a branch can leave the image anywhere; after any other instruction the program counter lies
// at most one instruction past the image, where the dispatch table leads to the end.
#define TAMEK_HANDLER(n)                                                                                               \
    op_##n : Step<(n)>(h);                                                                                             \
    if ((n) >= 0x40 && (n) < 0x80) {                                                                                   \
        TAMEK_NEXT_CHECKED();                                                                                          \
    } else {                                                                                                           \
        TAMEK_NEXT();                                                                                                  \
    }

long TamekMachine::Interpret(long maxSteps)
{
    static void* const kHandlers[kEndOfImage + 1] = {TAMEK_ALL(TAMEK_LABEL_ADDRESS) && ended};
    Hot h{m_pc, m_a, m_b, m_flags};
    const unsigned length = static_cast<unsigned>(m_length);
    long left = maxSteps;
#define TAMEK_NEXT()                                                                                                   \
    if (--left < 0)                                                                                                    \
        goto done;                                                                                                     \
    goto* kHandlers[m_dispatch[h.pc]];
#define TAMEK_NEXT_CHECKED()                                                                                           \
    if (--left < 0)                                                                                                    \
        goto done;                                                                                                     \
    if (static_cast<unsigned>(h.pc) >= length)                                                                         \
        goto ended;                                                                                                    \
    goto* kHandlers[m_dispatch[h.pc]];

    TAMEK_NEXT_CHECKED()
    TAMEK_ALL(TAMEK_HANDLER)
ended:
    m_runState = Ended; // this step, already counted, ends the run
done:
    if (left < 0)
        left = 0;
    m_pc = h.pc;
    m_a = h.a;
    m_b = h.b;
    m_flags = h.flags;
    return maxSteps - left;
#undef TAMEK_NEXT_CHECKED
#undef TAMEK_NEXT
}

#undef TAMEK_HANDLER
#undef TAMEK_LABEL_ADDRESS
#undef TAMEK_ALL
#undef TAMEK_OPCODES

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

const char* RunStateName(int state)
{
    switch (state) {
    case TamekMachine::Armed:
        return "armed";
    case TamekMachine::Running:
        return "running";
    case TamekMachine::Ended:
        return "ended";
    default:
        return "idle";
    }
}
