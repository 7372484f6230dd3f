#pragma once
// The robot's instruction set as one table. For every byte value 0x00-0xFF it gives what the
// machine does, the instruction's length, the layout of its operand bytes and the disassembler's
// mnemonic, so the machine and the disassembler can never disagree about an instruction.
//
// Encodings that no emitter produces are given a meaning here, so every byte is an instruction:
//  - arithmetic operations 1, 3, 5, 7 and 15 leave the destination as it is and set the flags from it;
//  - branch widths 4 and 8 read a 4- or 8-byte little-endian displacement;
//  - load and variable-store operand width codes 2 and 3 read a 4-byte big-endian value;
//  - setup stores 0xCB-0xCF act as 0xCA (one sign-extended byte, length 3);
//  - outputs 0xD0-0xD5 and 0xD7 do nothing (length 2);
//  - bit 5 of the branch and store classes is ignored, so 0x60-0x7F and 0xE0-0xFF repeat 0x40-0x5F
//    and 0xC0-0xDF.

#include <array>
#include <cstdint>

namespace tamek {

// What the machine does for an instruction; its dispatch switches on this.
enum class Op : uint8_t
{
    Add,
    Sub,
    Mul,
    Div,
    And,
    Or,
    Xor,
    Not,
    Shl,
    Shr,
    Keep, // arithmetic that changes nothing but the flags
    Branch,
    LoadVariable,
    LoadImmediate,
    LoadTimer,
    LoadInput,
    LoadNothing,
    StoreVariableValue,
    StoreVariableRegister,
    SetupStore,
    Output,
    OutputNothing,
    ActuatorValue,
    ActuatorSource,
};

// How the operand bytes are laid out; the disassembler has one helper per shape.
enum class Shape : uint8_t
{
    Registers,        // no operand: destination and source registers
    RegisterByte,     // an unsigned byte as the source of an arithmetic operation
    Displacement,     // a little-endian signed displacement of `width` bytes
    LoadOperand,      // a big-endian signed operand of `width` bytes (variable, value, input or nothing)
    LoadTimer,        // no operand
    VariableValue,    // a variable index byte, then a big-endian value of `width` bytes
    VariableRegister, // a variable index byte; the register comes from the opcode
    SetupValue,       // a register byte, then a big-endian value of `width` bytes (register 0: the timer)
    OutputCode,       // one output code byte
    ActuatorValue,    // one signed value byte
    ActuatorSource,   // one byte naming register A, register B or a variable
};

struct Instruction
{
    Op op;
    Shape shape;
    uint8_t length;    // bytes including the opcode
    uint8_t width;     // bytes of the operand value
    uint8_t register_; // 0 A, 1 B: the destination (arithmetic, loads) or the source (variable stores)
    uint8_t mask;      // branch condition mask (Z = 1, P = 2, N = 4); actuator channel 0-3
    const char* mnemonic;
};

namespace detail {

constexpr uint8_t WidthFromCode(int code)
{
    return code == 0 ? 1 : code == 1 ? 2 : 4;
}

constexpr Instruction Arithmetic(int opcode)
{
    constexpr Op ops[16] = {Op::Add, Op::Keep, Op::Sub, Op::Keep, Op::Mul, Op::Keep, Op::Div, Op::Keep,
                            Op::And, Op::Or,   Op::Xor, Op::Not,  Op::Shl, Op::Shr,  Op::Shl, Op::Keep};
    constexpr const char* names[16] = {"add", "nop", "sub", "nop", "mul", "nop", "div", "nop",
                                       "and", "or",  "xor", "not", "shl", "shr", "shl", "nop"};
    const int operation = (opcode >> 2) & 15;
    const bool immediate = opcode & 1;
    return {ops[operation],
            immediate ? Shape::RegisterByte : Shape::Registers,
            static_cast<uint8_t>(immediate ? 2 : 1),
            static_cast<uint8_t>(immediate ? 1 : 0),
            static_cast<uint8_t>((opcode >> 1) & 1),
            0,
            names[operation]};
}

constexpr Instruction Branch(int opcode)
{
    constexpr const char* names[8] = {"bnv", "beq", "bgt", "bge", "blt", "ble", "bne", "bra"};
    const int mask = (opcode >> 2) & 7;
    const uint8_t width = static_cast<uint8_t>(1 << (opcode & 3));
    return {Op::Branch, Shape::Displacement, static_cast<uint8_t>(1 + width), width, 0, static_cast<uint8_t>(mask),
            names[mask]};
}

constexpr Instruction Load(int opcode)
{
    const uint8_t reg = (opcode >> 2) & 1;
    const int source = (opcode >> 3) & 7;
    if (source == 2)
        return {Op::LoadTimer, Shape::LoadTimer, 1, 0, reg, 0, "ldt"};
    const uint8_t width = WidthFromCode(opcode & 3);
    const uint8_t length = static_cast<uint8_t>(1 + width);
    switch (source) {
    case 0:
        return {Op::LoadVariable, Shape::LoadOperand, length, width, reg, 0, "ldv"};
    case 1:
        return {Op::LoadImmediate, Shape::LoadOperand, length, width, reg, 0, "ldi"};
    case 4:
        return {Op::LoadInput, Shape::LoadOperand, length, width, reg, 0, "ldin"};
    default:
        return {Op::LoadNothing, Shape::LoadOperand, length, width, reg, 0, "ldnop"};
    }
}

constexpr Instruction Store(int opcode)
{
    opcode &= 0xDF; // bit 5 is ignored in this class
    const int low = opcode & 7;
    switch ((opcode >> 3) & 3) {
    case 0: // variable store
        if ((low & 3) == 3)
            return {Op::StoreVariableRegister,
                    Shape::VariableRegister,
                    2,
                    0,
                    static_cast<uint8_t>((low >> 2) & 1),
                    0,
                    "stv"};
        {
            const uint8_t width = WidthFromCode(low & 3);
            return {Op::StoreVariableValue, Shape::VariableValue, static_cast<uint8_t>(2 + width), width, 0, 0, "stv"};
        }
    case 1: // setup register store
        if (low == 1)
            return {Op::SetupStore, Shape::SetupValue, 4, 2, 0, 0, "setr"};
        return {Op::SetupStore, Shape::SetupValue, 3, 1, 0, 0, "setr"};
    case 2: // outputs
        if (low == 6)
            return {Op::Output, Shape::OutputCode, 2, 1, 0, 0, "out"};
        return {Op::OutputNothing, Shape::OutputCode, 2, 1, 0, 0, "outnop"};
    default: // actuator channels
        constexpr const char* names[4] = {"servo0", "servo1", "motor2", "motor3"};
        if (low & 4)
            return {Op::ActuatorSource, Shape::ActuatorSource, 2, 1, 0, static_cast<uint8_t>(low & 3), names[low & 3]};
        return {Op::ActuatorValue, Shape::ActuatorValue, 2, 1, 0, static_cast<uint8_t>(low & 3), names[low & 3]};
    }
}

constexpr Instruction Describe(int opcode)
{
    switch (opcode >> 6) {
    case 0:
        return Arithmetic(opcode);
    case 1:
        return Branch(opcode);
    case 2:
        return Load(opcode);
    default:
        return Store(opcode);
    }
}

constexpr std::array<Instruction, 256> BuildTable()
{
    std::array<Instruction, 256> table{};
    for (int opcode = 0; opcode < 256; ++opcode)
        table[opcode] = Describe(opcode);
    return table;
}

} // namespace detail

// The table, indexed by opcode.
inline constexpr std::array<Instruction, 256> kInstructions = detail::BuildTable();

// The most bytes one instruction can take (an 8-byte branch).
inline constexpr int kLongestInstruction = 9;

// The length of the instruction that starts at code; a setup store to register 0 (the timer) takes
// three bytes whatever its opcode. code must give access to kLongestInstruction bytes.
inline int InstructionLength(const uint8_t* code)
{
    const Instruction& instruction = kInstructions[code[0]];
    if (instruction.op == Op::SetupStore && (code[1] & 0x1F) == 0)
        return 3;
    return instruction.length;
}

// An operand stored high byte first, sign-extended: 1, 2 or (any other width) 4 bytes.
inline int32_t BigEndianOperand(const uint8_t* p, int width)
{
    if (width == 1)
        return static_cast<int8_t>(p[0]);
    if (width == 2)
        return static_cast<int16_t>(static_cast<uint16_t>((p[0] << 8) | p[1]));
    return static_cast<int32_t>((uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) |
                                uint32_t(p[3]));
}

// A branch displacement stored low byte first, sign-extended: 1, 2, 4 or 8 bytes.
inline int64_t LittleEndianDisplacement(const uint8_t* p, int width)
{
    uint64_t raw = 0;
    for (int i = width - 1; i >= 0; --i)
        raw = (raw << 8) | p[i];
    switch (width) {
    case 1:
        return static_cast<int8_t>(raw);
    case 2:
        return static_cast<int16_t>(raw);
    case 4:
        return static_cast<int32_t>(raw);
    default:
        return static_cast<int64_t>(raw);
    }
}

} // namespace tamek
