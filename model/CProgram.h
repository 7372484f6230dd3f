#pragma once
// The program object: the root (Start) block and through it the whole block graph, the list of
// variable blocks with the next free variable index, and the compiled program image.

#include "model/CState.h"

#include <functional>

class wxInputStream;
class wxOutputStream;
class CalibrationRecord;

// Where a project text failed to read: the 1-based line and what went wrong.
struct ReadError
{
    int line = 0;
    wxString message;
    wxString detail; // what the line held that could not be placed, for the command line
};

// Bounds of the positions read: (minimum x, minimum y, maximum x, maximum y).
struct ReadBounds
{
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
};

struct Displacement
{
    int x = 0, y = 0;
};

class CProgram
{
public:
    static constexpr int kImageCapacity = 1024;

    CProgram() = default;
    ~CProgram();
    CProgram(const CProgram&) = delete;
    CProgram& operator=(const CProgram&) = delete;

    CState* GetRoot() const { return m_root; }
    // Puts a Start block at the root when there is none (the canvas makes one at (577, 48)).
    CState* EnsureRoot();

    // Graph primitives: each changes the links between blocks at both ends, so that parents,
    // extra parents and row neighbours always point back. Editing code calls these (or the
    // operations below), never the single-pointer setters of CState.
    // Makes child the owned son of parent; parent's son slot and child's parent must be free.
    void AttachSon(CState* parent, CState* child);
    // Makes child the owned branch son (slot 0 or 1) of parent; the slot and child's parent must be free.
    void AttachBranch(CState* parent, CState* child, int slot = 0);
    // Takes block out of the son or branch slot of its parent; what follows block stays with it.
    void DetachFromParent(CState* block);
    // A loop or join: from, whose son slot is free, refers to target without owning it, and target
    // records from in a free extra-parent slot; false (nothing changed) when target has none free.
    bool JoinTo(CState* from, CState* target);
    // Undoes the loop or join that starts at from (nothing when from's son is owned or absent).
    void Unjoin(CState* from);
    // Puts a block that stands in no row next to member (side 0 left, 1 right); a neighbour
    // already on that side moves out by one place, beyond block.
    void InsertInRow(CState* member, int side, CState* block);
    // Takes block out of its row; its two neighbours become each other's.
    void LeaveRow(CState* block);

    // Graph operations.
    void AppendToChain(CState* block);
    void InsertAfter(CState* block, CState* after, bool asSon);
    void RegisterVariable(CState* block);
    // Depth-first search from start over owned links; the first block for which hit() is true, or null.
    CState* FindBlock(CState* start, const std::function<bool(CState*)>& hit) const;
    CState* FindByNodeNumber(int number) const;
    CState* FindExpectingSon(int number) const;
    // The block whose code holds the program counter, or null.
    CState* FindByAddress(int pc) const;
    void SwapInPlace(CState* oldBlock, CState* newBlock);
    void Unlink(CState* block);
    // Destroys one block that the graph no longer needs, after removing every reference other
    // blocks hold to it (its owned successors must be gone or moved before).
    void DestroyBlock(CState* block);
    void DeleteSubtree(CState* block);
    void Clear();
    void Destroy();
    void ResetPrototypeNames();
    // Calls visit on every block reachable over owned links and rows, root first.
    void ForEachBlock(const std::function<void(CState*)>& visit) const;

    // Variables.
    CStateList& Variables() { return m_variables; }
    const CStateList& Variables() const { return m_variables; }
    int GetNextVariableIndex() const { return m_nextVariableIndex; }
    void SetNextVariableIndex(int index) { m_nextVariableIndex = index; }
    // The index of the variable with this exact name, or -1.
    int VariableIndex(const wxString& name) const;

    // Project text (the calibration in use is the one given; snapshots carry none).
    bool WriteProject(const wxString& path, const CalibrationRecord& calibration);
    bool WriteSnapshot(wxOutputStream& stream);
    bool ReadProject(const wxString& path, Displacement& displacement, ReadBounds& bounds,
                     CalibrationRecord& projectCalibration, ReadError* error = nullptr);
    bool ReadText(wxInputStream& stream, Displacement& displacement, ReadBounds& bounds,
                  CalibrationRecord& projectCalibration, ReadError* error = nullptr);

    // Editing rules: attach a block to a side of a target (side bits 1 bottom, 2 top, 4 right,
    // 8 left), and remove a block closing the gap. Questions and warnings go through Ui().
    bool ConnectBlock(CState* target, CState* block, int side);
    bool RemoveBlock(CState* block);
    // Whether nothing follows block, so that removing it loses no path: for a condition, nothing
    // but the bare link pieces on its exits, which go with it.
    bool CanRemoveWithItsExits(const CState* block) const;

    // The compiled program image (the compiler in bytecode/ fills it).
    const unsigned char* Image() const { return m_code; }
    unsigned char* ImageBuffer() { return m_code; }
    int ImageLength() const { return m_imageLength; }
    void SetImageLength(int length) { m_imageLength = length; }

private:
    // Deletes the members of a block's row other than the block itself.
    void DeleteRowExcept(CState* block);
    // Keeps the variable list free of a block that is going away.
    void ForgetVariableBlock(CState* block);

    friend class ProjectWriter;
    friend class ProjectReader;
    friend class EditingRules;

    CState* m_root = nullptr;
    int m_nodeCounter = 0;
    unsigned char m_code[kImageCapacity] = {};
    int m_imageLength = 0;
    CStateList m_variables;
    int m_nextVariableIndex = 0;
};

// The one program of the running application, created on first use.
CProgram& TheProgram();

// The highlighted block of the canvas: set by the canvas, the compiler and the simulator.
CState* GetCurrentBlock();
void SetCurrentBlock(CState* block);
