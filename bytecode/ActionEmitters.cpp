// The action blocks: wait, drive, turn, servos, motors, buzzer, red LED, variable assignment, stop.

#include "bytecode/Emitters.h"
#include "bytecode/ExpressionCompiler.h"
#include "model/CProgram.h"

namespace {

// Compiles the block's parameter expression at the writer's position, keeping room for a tail of
// tailLength bytes. Returns the result register.
int EmitExpression(CState& block, const EmitContext& context, CodeWriter& code, int tailLength)
{
    const int room = code.Remaining() - tailLength;
    const CompiledExpression expression =
        CompileExpression(block.GetParameterText(), code.Current(), room < 0 ? 0 : room, context.program);
    code.Skip(expression.fits ? expression.length : code.Remaining() + 1);
    return expression.resultRegister;
}

// An actuator channel set to the constant parameter, or to the register an expression leaves.
int EmitChannel(CState& block, const EmitContext& context, int valueOpcode, int sourceOpcode)
{
    CodeWriter code(block.CodeBuffer(), CState::kCodeCapacity);
    if (IsConstantText(block.GetParameterText())) {
        code.Byte(valueOpcode);
        code.Byte(block.GetParameterValue());
    } else {
        const int reg = EmitExpression(block, context, code, 2);
        code.Byte(sourceOpcode);
        code.Byte(reg);
    }
    return FinishCode(block, code);
}

// The buzzer (off 0x04, on 0x05) or the red LED (off 0x06, on 0x07): on for an odd constant, or
// on unless the expression's flags say zero.
int EmitOnOff(CState& block, const EmitContext& context, int offCode)
{
    CodeWriter code(block.CodeBuffer(), CState::kCodeCapacity);
    if (IsConstantText(block.GetParameterText())) {
        code.Byte(0xD6);
        code.Byte((block.GetParameterValue() & 1) | offCode);
    } else {
        EmitExpression(block, context, code, 8);
        const int tail[] = {0x64, 0x05, 0xD6, offCode | 1, 0x7C, 0x03, 0xD6, offCode};
        for (int byte : tail)
            code.Byte(byte);
    }
    return FinishCode(block, code);
}

// The servo value of a turn of p degrees.
int TurnValue(int p)
{
    return ((p + 90) * 30 / 180 + 6) & 0xFE;
}

} // namespace

int EmitWait(CState& block, const EmitContext&)
{
    CodeWriter code(block.CodeBuffer(), CState::kCodeCapacity);
    const long ticks = 2L * block.GetParameterValue(); // the timer counts twentieths of a second
    if (ticks >= -32768 && ticks <= 32767) {
        code.Byte(0x89);
        code.Word(static_cast<int>(ticks));
    } else {
        // Twice a long wait does not fit a 16-bit load: load the wait and double it.
        code.Byte(0x89);
        code.Word(block.GetParameterValue() > 32767    ? 32767
                  : block.GetParameterValue() < -32768 ? -32768
                                                       : block.GetParameterValue());
        code.Byte(0x11);
        code.Byte(0x02);
    }
    const int loop[] = {0xCA, 0x00, 0x00, 0x94, 0x0A, 0x74, 0xFE};
    for (int byte : loop)
        code.Byte(byte);
    return FinishCode(block, code);
}

int EmitForward(CState& block, const EmitContext&)
{
    CodeWriter code(block.CodeBuffer(), CState::kCodeCapacity);
    const int p = block.GetParameterValue();
    code.Byte(0xDA);
    code.Byte(p);
    code.Byte(0xDB);
    code.Byte(p);
    return FinishCode(block, code);
}

int EmitBackward(CState& block, const EmitContext&)
{
    CodeWriter code(block.CodeBuffer(), CState::kCodeCapacity);
    const int p = block.GetParameterValue() | 0x80;
    code.Byte(0xDA);
    code.Byte(p);
    code.Byte(0xDB);
    code.Byte(p);
    return FinishCode(block, code);
}

int EmitTurnLeft(CState& block, const EmitContext&)
{
    CodeWriter code(block.CodeBuffer(), CState::kCodeCapacity);
    code.Byte(0xD8);
    code.Byte(TurnValue(block.GetParameterValue()));
    return FinishCode(block, code);
}

int EmitTurnRight(CState& block, const EmitContext&)
{
    CodeWriter code(block.CodeBuffer(), CState::kCodeCapacity);
    code.Byte(0xD9);
    code.Byte(TurnValue(block.GetParameterValue()));
    return FinishCode(block, code);
}

int EmitServo1(CState& block, const EmitContext& context)
{
    return EmitChannel(block, context, 0xD8, 0xDC);
}
int EmitServo2(CState& block, const EmitContext& context)
{
    return EmitChannel(block, context, 0xD9, 0xDD);
}
int EmitMotor1(CState& block, const EmitContext& context)
{
    return EmitChannel(block, context, 0xDB, 0xDF);
}
int EmitMotor2(CState& block, const EmitContext& context)
{
    return EmitChannel(block, context, 0xDA, 0xDE);
}
int EmitBuzzer(CState& block, const EmitContext& context)
{
    return EmitOnOff(block, context, 0x04);
}
int EmitDelR(CState& block, const EmitContext& context)
{
    return EmitOnOff(block, context, 0x06);
}

int EmitVar(CState& block, const EmitContext& context)
{
    CodeWriter code(block.CodeBuffer(), CState::kCodeCapacity);
    const int variable =
        block.GetVariableIndex() >= 0 ? block.GetVariableIndex() : VariableByte(context, block.ResolvedName());
    const int value = block.GetParameterValue();
    if (IsConstantText(block.GetParameterText()) && value >= -32768 && value <= 32767) {
        code.Byte(0xC1);
        code.Byte(variable);
        code.Word(value);
    } else if (IsConstantText(block.GetParameterText())) {
        EmitLoadA(code, value);
        code.Byte(0xC3);
        code.Byte(variable);
    } else {
        const int reg = EmitExpression(block, context, code, 2);
        code.Byte(reg ? 0xC7 : 0xC3);
        code.Byte(variable);
    }
    return FinishCode(block, code);
}

int EmitStop(CState& block, const EmitContext&)
{
    // Servo mapping off, every channel to 0, buzzer off, then the final jump the compiler aims.
    static const int kCode[] = {0xCA, 0x05, 0x00, 0xCA, 0x0A, 0x00, 0xD8, 0x00, 0xD9, 0x00,
                                0xDA, 0x00, 0xDB, 0x00, 0xD6, 0x04, 0x7D, 0xFE, 0xFF};
    CodeWriter code(block.CodeBuffer(), CState::kCodeCapacity);
    for (int byte : kCode)
        code.Byte(byte);
    return FinishCode(block, code);
}
