#pragma once
// The program compiler: lays the flowchart out into one program image, depth first from a block.
// A condition's code is followed by its whole son path, then by its branch-son path; paths that
// end are closed in place; loops and joins become jumps to code placed before.
//
// It walks the graph with an explicit work stack, so a chain of any length compiles without deep
// recursion, and it places every block at most once, so even a damaged graph ends.

#include "bytecode/EmitContext.h"
#include "model/CProgram.h"

#include <unordered_set>
#include <vector>

class CalibrationRecord;

enum class CompileStatus
{
    Ok,
    NoRoot,
    CodeTooLong
};

// Compiles program from its root into its image, the Start block loading calibration; image and
// length give the result. False when there is no root or the code is too long (status tells which).
bool CompileProgram(CProgram& program, const CalibrationRecord& calibration, const unsigned char*& image, int& length,
                    CompileStatus* status = nullptr);

class ProgramCompiler
{
public:
    // The image is refused when it would hold more than this many bytes when a block is to be placed.
    static constexpr int kPlacementLimit = 992;

    ProgramCompiler(CProgram& program, const CalibrationRecord& calibration, const unsigned char*& image, int& length);
    // Places block and everything that follows it. False when the compilation must stop; status tells why.
    bool Link(CState* block, CompileStatus& status);

private:
    struct Work
    {
        CState* block;
        bool branchPart; // the block is placed; what remains is its branch
        int address;     // the block's code address when it was placed
    };
    struct ForwardJump
    {
        int address; // of the 0x7D byte
        CState* target;
    };

    bool Place(CState* block, CompileStatus& status);
    void FollowBranch(CState* block, int address);
    bool Append(const unsigned char* bytes, int count);
    void AppendJump(int displacement);
    void PatchLittleEndian(int address, int value);
    bool CloseJoin(CState* block, CState* target);
    void AttributeJump(CState* block, int jumpAddress);
    bool ClosePath(CState* block);
    void ResolveForwardJumps();
    bool IsPlaced(const CState* block) const { return m_placed.count(block) != 0; }

    CProgram& m_program;
    EmitContext m_context;
    const unsigned char*& m_image;
    int& m_length;
    std::vector<Work> m_work;
    std::unordered_set<const CState*> m_placed;
    std::vector<ForwardJump> m_forwardJumps;
};

// Compiles program for a run or an upload. When the compiler refuses it as too long, the user is
// told with the message "Code too long" and the caption "WARNING" (through Ui()); a missing root
// fails silently.
bool CompileForRun(CProgram& program, const CalibrationRecord& calibration, const unsigned char*& image, int& length);
