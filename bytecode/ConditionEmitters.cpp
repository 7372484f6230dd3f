// The condition blocks: they compute "sensor or variable minus reference" into B and branch to
// their else path when the condition does not hold; the compiler patches the branch.

#include "bytecode/Emitters.h"
#include "model/CProgram.h"

int BranchCondition(const wxString& comparison)
{
    if (comparison == L"==")
        return 1;
    if (comparison == L">")
        return 2;
    if (comparison == L">=")
        return 3;
    if (comparison == L"<")
        return 4;
    if (comparison == L"<=")
        return 5;
    return 6;
}

int ReversedBranchOpcode(int conditionCode)
{
    return 0x61 | ((7 - conditionCode) << 2);
}

int FinishCode(CState& block, const CodeWriter& code)
{
    if (!code.Fits()) {
        block.SetCodeLength(0);
        return -1;
    }
    block.SetCodeLength(code.Length());
    return code.Length();
}

int VariableByte(const EmitContext& context, const wxString& name)
{
    const int index = context.program.VariableIndex(name);
    return index < 0 ? 0xFF : index;
}

namespace {

// A Switch block tests a truth value: reference 511 for true, 0 for false; the branch opcode is
// chosen so that "not equal" swaps the two paths.
int EmitSwitch(CState& block, int input)
{
    CodeWriter code(block.CodeBuffer(), CState::kCodeCapacity);
    const bool wanted = block.GetParameterValue() != 0;
    const bool notEqual = BranchCondition(block.GetConditionOperator()) == 6;
    code.Byte(0x89);
    code.Word(wanted ? 0x01FF : 0x0000);
    code.Byte(0xA4);
    code.Byte(input);
    code.Byte(0x0A);
    EmitBranchPlaceholder(code, notEqual != wanted ? 0x75 : 0x69);
    return FinishCode(block, code);
}

// A Detector block compares the full 0-1023 input with a number or with a variable.
int EmitDetector(CState& block, const EmitContext& context, int input)
{
    CodeWriter code(block.CodeBuffer(), CState::kCodeCapacity);
    const wxString& text = block.GetParameterText();
    if (text.IsNumber()) {
        code.Byte(0x89);
        code.Word(block.GetParameterValue());
    } else {
        code.Byte(0x80);
        code.Byte(VariableByte(context, text));
    }
    code.Byte(0xA4);
    code.Byte(input);
    code.Byte(0x0A);
    EmitBranchPlaceholder(code, ReversedBranchOpcode(BranchCondition(block.GetConditionOperator())));
    return FinishCode(block, code);
}

} // namespace

int EmitSwitch1(CState& block, const EmitContext&)
{
    return EmitSwitch(block, 0x00);
}
int EmitSwitch2(CState& block, const EmitContext&)
{
    return EmitSwitch(block, 0x01);
}
int EmitSwitch3(CState& block, const EmitContext&)
{
    return EmitSwitch(block, 0x04);
}
int EmitDetector1(CState& block, const EmitContext& context)
{
    return EmitDetector(block, context, 0x02);
}
int EmitDetector2(CState& block, const EmitContext& context)
{
    return EmitDetector(block, context, 0x03);
}

int EmitVarIf(CState& block, const EmitContext& context)
{
    CodeWriter code(block.CodeBuffer(), CState::kCodeCapacity);
    EmitLoadA(code, block.GetParameterValue());
    code.Byte(0x84);
    code.Byte(VariableByte(context, block.ResolvedName()));
    code.Byte(0x0A);
    EmitBranchPlaceholder(code, ReversedBranchOpcode(BranchCondition(block.GetConditionOperator())));
    return FinishCode(block, code);
}
