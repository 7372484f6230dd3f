#pragma once
// Programs built in code for the byte-code benchmarks.

#include "model/CProgram.h"
#include "model/Prototypes.h"
#include "model/StateKinds.h"
#include "support/GraphLinks.h"

namespace bench_programs {

inline CState* Block(const char* word, const wxString& parameter, int value = 0)
{
    CState* block = PrototypeByName(word)->Clone();
    block->SetParameterText(parameter);
    block->SetParameterValue(value);
    return block;
}

using graph_links::Son;

inline CState* Variable(CProgram& program, const char* word, const wxString& name, const wxString& parameter,
                        int value = 0)
{
    CState* block = Block(word, parameter, value);
    block->SetName(name);
    if (block->GetCategory() == Category::Variable) {
        const int known = program.VariableIndex(name);
        if (known >= 0)
            block->SetVariableIndex(known);
        else
            program.RegisterVariable(block);
    }
    return block;
}

// y := 0; do { x := 0; do x := x + 1 while x < inner; y := y + 1 } while y < outer; Stop.
inline void NestedLoop(CProgram& program, int inner, int outer)
{
    CState* root = program.EnsureRoot();
    CState* y0 = Son(root, Variable(program, "Variable", "y", "0"));
    CState* x0 = Son(y0, Variable(program, "Variable", "x", "0"));
    CState* x1 = Son(x0, Variable(program, "Variable", "x", "x+1"));
    CState* xTest = Son(x1, Variable(program, "VariableIf", "x", wxString::Format("%d", inner), inner));
    xTest->SetConditionOperator("<");
    xTest->SetSon(x1);
    x1->SetExtraParent(0, xTest);
    CState* y1 = Variable(program, "Variable", "y", "y+1");
    xTest->SetBranchSon(0, y1);
    y1->SetParent(xTest);
    CState* yTest = Son(y1, Variable(program, "VariableIf", "y", wxString::Format("%d", outer), outer));
    yTest->SetConditionOperator("<");
    yTest->SetSon(x0);
    x0->SetExtraParent(0, yTest);
    CState* stop = Block("Stop", "");
    yTest->SetBranchSon(0, stop);
    stop->SetParent(yTest);
}

} // namespace bench_programs
