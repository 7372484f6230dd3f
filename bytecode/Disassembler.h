#pragma once
// The disassembler: one line of text per instruction, read through the instruction table.

#include <string>

struct DisassembledInstruction
{
    int address = 0;
    int length = 1;
    std::string bytes;     // "7d fe ff"
    std::string mnemonic;  // "bra"
    std::string operands;  // "-2 -> 0010"
    int branchTarget = -1; // the address a branch leads to when taken (-1 for other instructions)
    bool isBranch = false;
};

// Decodes the instruction at offset of an image of length bytes (bytes past the end read as 0)
// into out and returns the offset of the next instruction.
int DisassembleInstruction(const unsigned char* image, int length, int offset, DisassembledInstruction& out);

// "0010  7d fe ff     bra     -2 -> 000e", without a line end.
std::string FormatInstruction(const DisassembledInstruction& instruction);
