#include "bytecode/Disassembler.h"

#include "bytecode/InstructionSet.h"

#include <cstdint>
#include <cstdio>

using tamek::Instruction;
using tamek::kInstructions;
using tamek::Op;
using tamek::Shape;

namespace {

std::string Format(const char* format, long long a, long long b = 0)
{
    char text[64];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

long long BigEndian(const unsigned char* p, int width)
{
    return tamek::BigEndianOperand(p, width);
}
long long LittleEndian(const unsigned char* p, int width)
{
    return tamek::LittleEndianDisplacement(p, width);
}

const char* RegisterName(int r)
{
    return r ? "B" : "A";
}

// One helper per operand shape; code points at the opcode.
std::string Registers(const Instruction& in)
{
    if (in.op == Op::Not)
        return RegisterName(in.register_);
    return std::string(RegisterName(in.register_)) + ", " + RegisterName(!in.register_);
}

std::string RegisterByte(const Instruction& in, const unsigned char* code)
{
    return std::string(RegisterName(in.register_)) + Format(", %lld", code[1]);
}

std::string Displacement(const Instruction& in, const unsigned char* code, int address, DisassembledInstruction& out)
{
    const long long d = LittleEndian(code + 1, in.width);
    const long long target = d < 0 ? address + d : address + 1 + d;
    out.isBranch = true;
    out.branchTarget = target >= -1000000 && target <= 1000000 ? static_cast<int>(target) : -1;
    if (target < 0)
        return Format("%lld -> %lld (end)", d, target);
    return Format("%+lld -> %04llx", d, target);
}

std::string LoadOperand(const Instruction& in, const unsigned char* code)
{
    const long long value = BigEndian(code + 1, in.width);
    const std::string reg = std::string(RegisterName(in.register_)) + ", ";
    switch (in.op) {
    case Op::LoadVariable:
        return reg + Format("var[%lld]", value);
    case Op::LoadImmediate:
        return reg + Format("#%lld", value);
    case Op::LoadInput:
        return reg + Format("in[%lld]", value);
    default:
        return reg + Format("%lld", value);
    }
}

std::string LoadTimer(const Instruction& in)
{
    return std::string(RegisterName(in.register_)) + ", timer";
}

std::string VariableValue(const Instruction& in, const unsigned char* code)
{
    return Format("var[%lld], #%lld", code[1] & 0x7F, BigEndian(code + 2, in.width));
}

std::string VariableRegister(const Instruction& in, const unsigned char* code)
{
    return Format("var[%lld], ", code[1] & 0x7F) + RegisterName(in.register_);
}

std::string SetupValue(const Instruction& in, const unsigned char* code)
{
    const int number = code[1] & 0x1F;
    if (number == 0)
        return Format("timer, #%lld", code[1]);
    return Format("reg[%lld], #%lld", number, BigEndian(code + 2, in.width));
}

std::string OutputCode(const unsigned char* code)
{
    static const char* const kNames[] = {"", "run light", "buzzer", "red LED", "bit 3", "bit 4", "bit 5", "bit 6"};
    const int x = code[1];
    const int bit = (x >> 1) & 7;
    std::string text = Format("0x%02llx", x);
    if (bit > 0)
        text += std::string(" (") + kNames[bit] + ((x & 1) ? " on)" : " off)");
    return text;
}

std::string ActuatorSource(const unsigned char* code)
{
    const int name = code[1] & 0x7F;
    if (name < 2)
        return RegisterName(name);
    return Format("var[%lld]", name);
}

} // namespace

int DisassembleInstruction(const unsigned char* image, int length, int offset, DisassembledInstruction& out)
{
    unsigned char code[tamek::kLongestInstruction] = {};
    for (int i = 0; i < tamek::kLongestInstruction; ++i)
        if (offset + i >= 0 && offset + i < length)
            code[i] = image[offset + i];
    const Instruction& in = kInstructions[code[0]];
    out = DisassembledInstruction();
    out.address = offset;
    out.length = tamek::InstructionLength(code);
    out.mnemonic = in.mnemonic;
    for (int i = 0; i < out.length; ++i)
        out.bytes += Format(i ? " %02llx" : "%02llx", code[i]);
    switch (in.shape) {
    case Shape::Registers:
        out.operands = Registers(in);
        break;
    case Shape::RegisterByte:
        out.operands = RegisterByte(in, code);
        break;
    case Shape::Displacement:
        out.operands = Displacement(in, code, offset, out);
        break;
    case Shape::LoadOperand:
        out.operands = LoadOperand(in, code);
        break;
    case Shape::LoadTimer:
        out.operands = LoadTimer(in);
        break;
    case Shape::VariableValue:
        out.operands = VariableValue(in, code);
        break;
    case Shape::VariableRegister:
        out.operands = VariableRegister(in, code);
        break;
    case Shape::SetupValue:
        out.operands = SetupValue(in, code);
        break;
    case Shape::OutputCode:
        out.operands = OutputCode(code);
        break;
    case Shape::ActuatorValue:
        out.operands = Format("#%lld", static_cast<int8_t>(code[1]));
        break;
    case Shape::ActuatorSource:
        out.operands = ActuatorSource(code);
        break;
    }
    return offset + out.length;
}

std::string FormatInstruction(const DisassembledInstruction& instruction)
{
    char text[160];
    std::snprintf(text, sizeof text, "%04x  %-26s %-7s %s", instruction.address, instruction.bytes.c_str(),
                  instruction.mnemonic.c_str(), instruction.operands.c_str());
    std::string line = text;
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}
