#include "model/Variables.h"

#include "model/CProgram.h"

namespace {
bool IsAssignment(const CState* block)
{
    return block->GetCategory() == Category::Variable;
}

// Takes a variable's entry out of the list; blocks holding a later number move down by one.
void DropVariable(CProgram& program, wxCStateListNode* entry)
{
    const int dropped = entry->GetData()->GetVariableIndex();
    program.Variables().DeleteNode(entry);
    program.ForEachBlock([dropped](CState* block) {
        if (block->IsVariableKind() && block->GetVariableIndex() > dropped)
            block->SetVariableIndex(block->GetVariableIndex() - 1);
    });
    program.SetNextVariableIndex(static_cast<int>(program.Variables().GetCount()));
}

// The block leaves the variable whose entry it is: another assignment of that variable takes the
// entry over, or the variable goes.
void LeaveEntry(CProgram& program, CState& block, wxCStateListNode* entry)
{
    const wxString name = block.GetName();
    CState* heir = program.FindBlock(program.GetRoot(), [&](CState* other) {
        return other != &block && IsAssignment(other) && other->GetName() == name;
    });
    if (heir) {
        entry->SetData(heir);
        return;
    }
    DropVariable(program, entry);
}
} // namespace

wxArrayString VariableNames(const CProgram& program)
{
    wxArrayString names;
    for (const CState* variable : program.Variables())
        names.Add(variable->ResolvedName());
    return names;
}

bool AssignVariable(CProgram& program, CState& block, const wxString& name)
{
    wxCStateListNode* entry = program.Variables().Find(&block);
    if (entry && block.GetName() == name)
        return false;
    const int known = program.VariableIndex(name);
    if (entry && known < 0) {
        // Its variable alone goes by another name now, unless other assignments still use the old one.
        const wxString old = block.GetName();
        const bool shared = program.FindBlock(program.GetRoot(), [&](CState* other) {
            return other != &block && IsAssignment(other) && other->GetName() == old;
        });
        if (!shared) {
            block.SetName(name);
            return false;
        }
    }
    if (entry)
        LeaveEntry(program, block, entry);
    block.SetName(name);
    if (known >= 0 || !IsAssignment(&block)) {
        block.SetVariableIndex(program.VariableIndex(name));
        return false;
    }
    program.RegisterVariable(&block);
    return true;
}

bool RenameVariable(CProgram& program, const wxString& old, const wxString& name)
{
    if (program.VariableIndex(old) < 0 || (name != old && program.VariableIndex(name) >= 0))
        return false;
    program.ForEachBlock([&](CState* block) {
        if (block->IsVariableKind() && block->GetName() == old)
            block->SetName(name);
    });
    // An entry block that is not on the canvas (the reader keeps none such, but a program being
    // built may) follows too.
    for (CState* entry : program.Variables())
        if (entry->GetName() == old)
            entry->SetName(name);
    return true;
}
