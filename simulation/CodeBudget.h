#pragma once
// The program's code against the robot's memory: the size the compiler gives it, measured after
// every edit so the pupil sees it grow ("312 / 1024 bytes") and learns that it is too long before
// a run or an upload is refused.

#include <wx/string.h>

class CalibrationRecord;
class CProgram;

struct CodeBudget
{
    static constexpr int kCapacity = 1024;
    int length = 0;       // bytes of the image; when too long, the bytes placed when it was refused
    bool tooLong = false; // the compiler refuses the program ("Code too long")
};

// Compiles program as a run does, without a message, leaving the highlighted block as it was.
CodeBudget MeasureCodeBudget(CProgram& program, const CalibrationRecord& calibration);
// "312 / 1024 bytes", or "Te lang: 1000 / 1024 bytes".
wxString BudgetText(const CodeBudget& budget);
// The console warning shown when a program becomes too long.
wxString BudgetWarning();
