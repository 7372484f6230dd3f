#include "simulation/CodeBudget.h"

#include "base/Translation.h"
#include "bytecode/ProgramCompiler.h"
#include "model/CProgram.h"

CodeBudget MeasureCodeBudget(CProgram& program, const CalibrationRecord& calibration)
{
    CState* highlighted = GetCurrentBlock(); // the compiler highlights each block it places
    const unsigned char* image = nullptr;
    CompileStatus status = CompileStatus::Ok;
    CodeBudget budget;
    CompileProgram(program, calibration, image, budget.length, &status);
    budget.tooLong = status == CompileStatus::CodeTooLong;
    SetCurrentBlock(highlighted);
    return budget;
}

wxString BudgetText(const CodeBudget& budget)
{
    const wxString size = wxString::Format(_("%d / %d bytes"), budget.length, CodeBudget::kCapacity);
    return budget.tooLong ? wxString::Format(_("Te lang: %s"), size) : size;
}

wxString BudgetWarning()
{
    return wxString::Format(_("Het programma is te lang: de code past niet in de %d bytes van de robot."),
                            CodeBudget::kCapacity);
}
