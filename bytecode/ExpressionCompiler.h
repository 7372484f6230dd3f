#pragma once
// The expression compiler: turns a block's parameter text ("x + 3", "Switch1", "teller * 2") into
// byte code that leaves the result in register A or B. Operators apply strictly left to right,
// without precedence; parentheses are read but have no effect.

#include <wx/string.h>

#include <vector>

class CProgram;

struct ExpressionToken
{
    enum Kind
    {
        Number,
        Name,
        Operator
    };
    Kind kind;
    wxString text; // a number's comma is stored as "."
};

// Splits an expression text into tokens; the stream ends at the text's end or at a character that
// is neither white space, a digit, a letter, "_" nor punctuation.
std::vector<ExpressionToken> TokenizeExpression(const wxString& text);

struct CompiledExpression
{
    int length = 0;         // bytes written
    int resultRegister = 0; // 0 A, 1 B
    bool fits = true;       // false when the code would exceed the capacity (nothing usable was written)
};

// Compiles text into buffer (at most capacity bytes), looking variables up in program.
CompiledExpression CompileExpression(const wxString& text, unsigned char* buffer, int capacity,
                                     const CProgram& program);

// Whether a parameter text is a constant: optional signs, then at least one digit, nothing else.
bool IsConstantText(const wxString& text);

// What keeps an expression text from being well formed. The compiler takes any text all the same;
// the properties dialog warns with it.
struct ExpressionCheck
{
    enum Fault
    {
        WellFormed,
        Unbalanced,  // a parenthesis without its partner
        TwoOperands, // two operands without an operator between them (first, second)
        UnknownName  // a name that is neither a variable nor a sensor (first)
    };
    Fault fault = WellFormed;
    wxString first, second;
    explicit operator bool() const { return fault == WellFormed; }
};

// Checks text as an expression of program; ownName counts as a variable too (the one a block
// being edited assigns).
ExpressionCheck CheckExpression(const wxString& text, const CProgram& program, const wxString& ownName = wxString());
