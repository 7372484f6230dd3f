#pragma once
// What the emitters read besides their own block: the program whose variable list names the
// variables, and the calibration that the Start block loads. The compiler passes both.

class CProgram;
class CalibrationRecord;

struct EmitContext
{
    const CProgram& program;
    const CalibrationRecord& calibration;
};
