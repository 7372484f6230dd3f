#pragma once
// The program's variables as the properties dialog and the names list change them: a variable
// block takes a variable by name (an assignment of a new name makes a new variable), and a
// variable is renamed in every block that uses it. The variable list keeps one entry, one
// assignment block, per name; a variable's number is its place in that list.

#include <wx/arrstr.h>
#include <wx/string.h>

class CProgram;
class CState;

// The names of the program's variables, in variable-number order.
wxArrayString VariableNames(const CProgram& program);

// Gives a variable block (an assignment or a test) the variable called name, which the caller has
// checked (CheckStorableName). An assignment of a name that no variable has yet makes a new
// variable; a test of such a name keeps no number (-1). When the block was the entry of its old
// variable, the entry passes to another assignment of that name or, with none left, the old
// variable goes (later numbers move down). True when a new variable was made.
bool AssignVariable(CProgram& program, CState& block, const wxString& name);

// Renames variable old to name in every block that uses it. False, with nothing changed, when no
// variable is called old or another variable is already called name.
bool RenameVariable(CProgram& program, const wxString& old, const wxString& name);
