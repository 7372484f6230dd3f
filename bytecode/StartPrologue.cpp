// The Start block's prologue: the calibration into setup registers 1-20, both servos to 1.

#include "bytecode/Emitters.h"
#include "calibration/CalibrationRecord.h"

#include <initializer_list>

namespace {

// Register r := x in the shortest form: one byte for 0-127, else two bytes high first. (Only the
// one-byte form for 0-127 is exact; a value outside the 16-bit range is clamped into it.)
void EmitRegister(CodeWriter& code, int r, int x)
{
    if (x >= 0 && x <= 127) {
        code.Byte(0xC8);
        code.Byte(r);
        code.Byte(x);
        return;
    }
    x = x < -32768 ? -32768 : x > 32767 ? 32767 : x;
    code.Byte(0xC9);
    code.Byte(r);
    code.Word(x);
}

void EmitBytes(CodeWriter& code, std::initializer_list<int> bytes)
{
    for (int byte : bytes)
        code.Byte(byte);
}

} // namespace

int EmitStart(CState& block, const EmitContext& context)
{
    const CalibrationRecord& calibration = context.calibration;
    auto cal = [&calibration](int index) { return calibration.Get(index); };
    const bool swap0 = cal(5) != 0 && cal(4) != 0;
    const bool swap1 = cal(12) != 0 && cal(11) != 0;
    CodeWriter code(block.CodeBuffer(), CState::kCodeCapacity);

    // Servo channel 0: pulse range (swapped for a reversed continuous servo), angle or speed range.
    EmitRegister(code, 1, swap0 ? cal(1) : cal(0));
    EmitRegister(code, 2, swap0 ? cal(0) : cal(1));
    EmitRegister(code, 3, cal(5) ? -10 : cal(2));
    EmitRegister(code, 4, cal(5) ? 10 : cal(3));
    EmitBytes(code, {0xC8, 0x05, 0x00, 0xD8, 0x01});
    EmitRegister(code, 5, cal(4) ? -1 : 1);
    // Servo channel 1.
    EmitRegister(code, 6, swap1 ? cal(8) : cal(7));
    EmitRegister(code, 7, swap1 ? cal(7) : cal(8));
    EmitRegister(code, 8, cal(12) ? -10 : cal(9));
    EmitRegister(code, 9, cal(12) ? 10 : cal(10));
    EmitBytes(code, {0xC8, 0x0A, 0x00, 0xD9, 0x01});
    EmitRegister(code, 10, cal(11) ? -1 : 1);
    // Motor channel 2 (motor 2) and motor channel 3 (motor 1): speeds 0-10 onto their ranges.
    EmitRegister(code, 11, cal(21));
    EmitRegister(code, 12, cal(22));
    EmitBytes(code, {0xC8, 0x0D, 0x00, 0xC8, 0x0E, 0x0A});
    EmitRegister(code, 15, cal(23) & 1);
    EmitRegister(code, 16, cal(18));
    EmitRegister(code, 17, cal(19));
    EmitBytes(code, {0xC8, 0x12, 0x00, 0xC8, 0x13, 0x0A});
    EmitRegister(code, 20, cal(20) & 1);
    return FinishCode(block, code);
}
