#pragma once
// A path of link pieces being laid with the mouse, from a block toward the mouse and perhaps onto
// another block. Until it is committed it stays outside the graph: its pieces point at their
// neighbours (so they draw their own shapes), but no block of the graph points at them, and the
// program text does not change while the path grows, shrinks or is dropped.

#include <vector>

class CProgram;
class CState;

class LinkPath
{
public:
    explicit LinkPath(CProgram& program) : m_program(program) {}
    ~LinkPath() { Discard(); }
    LinkPath(const LinkPath&) = delete;
    LinkPath& operator=(const LinkPath&) = delete;

    // Starts a path at from: a block whose son slot is free (a condition: one of its exits), or a
    // link piece whose pieces below it lead nowhere or only into a join: the path then takes
    // their place when it is committed. False when no path can start there.
    bool Start(CState* from);
    bool IsActive() const { return m_from != nullptr; }

    // Moves the end of the path toward (x, y), in drawing units: pieces the point moved back
    // across are taken off the end, then pieces are added one neighbour point at a time, first
    // along x and then along y, while the point lies at least half a probe step away (at most
    // 100 per leg); a step onto a block under the point links the path onto that block.
    void ExtendToward(int x, int y, int probe);

    // Hangs the path into the graph: the first piece through the editing rules, the others behind
    // it, the join onto the block reached. True when the program changed. The path is empty after.
    bool Commit();
    // Drops the path; the program is as it was.
    void Discard();

    CState* From() const { return m_from; }
    const std::vector<CState*>& Pieces() const { return m_pieces; }
    // The block the path is linked onto, or null.
    CState* Target() const { return m_target; }
    // The pieces below From that the path will replace (hidden while it is laid).
    const std::vector<CState*>& Replaced() const { return m_replaced; }
    // The shape a link piece of the graph shows with the path attached (From and Target), or -1.
    int ShapeOf(const CState& block) const;

private:
    // The direction in which the first piece leaves From when the point lies in direction wanted.
    int FirstDirection(int wanted) const;
    bool Step(int direction, int x, int y);
    CState* Last() const { return m_pieces.empty() ? m_from : m_pieces.back(); }
    // A block of the graph, or a piece of the path, standing exactly at (x, y).
    CState* Occupant(int x, int y) const;
    bool CanLinkOnto(CState* block) const;
    void DropTarget();
    void Pop();
    void Clear();

    CProgram& m_program;
    CState* m_from = nullptr;
    std::vector<CState*> m_pieces;
    std::vector<int> m_directions; // the step that leads to each piece
    CState* m_target = nullptr;
    std::vector<CState*> m_replaced;
};
