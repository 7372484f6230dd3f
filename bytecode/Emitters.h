#pragma once
// The block emitters, one per row of the kind list, and the helpers they share. An emitter writes
// its block's code from offset 0 into the block's code buffer, sets the code length and returns it;
// when the code would not fit the block's 256-byte buffer (a very long expression) it sets the
// length to 0 and returns -1, and the compiler refuses the program as too long.

#include "bytecode/CodeWriter.h"
#include "bytecode/EmitContext.h"
#include "model/CState.h"
#include "model/KindList.h"

#include <wx/string.h>

// Writes block's code through the emitter its kind's row names.
int EmitBlockCode(CState& block, const EmitContext& context);

// The emitters, named by the kind list's emitter column.
#define TAMEK_DECLARE_EMITTER(Name, word, key, nameCat, wordCat, cat, mask, index, lo, hi, prompt, question, image,    \
                              page, sides, named, step, opposite, emitter)                                             \
    int Emit##emitter(CState& block, const EmitContext& context);
TAMEK_KINDS(TAMEK_DECLARE_EMITTER)
#undef TAMEK_DECLARE_EMITTER

// The condition code of a comparison text: "==" 1, ">" 2, ">=" 3, "<" 4, "<=" 5, anything else 6.
int BranchCondition(const wxString& comparison);
// The 2-byte branch that leaves a condition block for its else path: mask 7 - code (0x61 OR 4m).
int ReversedBranchOpcode(int conditionCode);

// The forward branch placeholder that the compiler patches.
inline void EmitBranchPlaceholder(CodeWriter& code, int opcode)
{
    code.Byte(opcode);
    code.Byte(0xFC);
    code.Byte(0xFF);
}

// A := value. Values of 16 bits take the plain load (0x89 hi lo); a larger one (a variable's range
// reaches 65536) is loaded as value >> 8, shifted left by 8, plus the low byte, so it is not cut.
inline void EmitLoadA(CodeWriter& code, int value)
{
    code.Byte(0x89);
    if (value >= -32768 && value <= 32767) {
        code.Word(value);
        return;
    }
    code.Word(value >> 8);
    code.Byte(0x31); // A := A << 8
    code.Byte(0x08);
    code.Byte(0x01); // A := A + low byte
    code.Byte(value & 0xFF);
}

// Sets the block's code length from the writer and returns it (-1 when the code did not fit).
int FinishCode(CState& block, const CodeWriter& code);

// The variable index byte for a name in the context's program: its index, 0xFF when not found.
int VariableByte(const EmitContext& context, const wxString& name);
