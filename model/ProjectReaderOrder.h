#pragma once
// The order in which the graph search (CProgram::FindBlock) meets blocks, kept up to date while
// the project reader adds blocks, so "the first block in search order that ..." is answered from
// an ordered index instead of a search of the whole graph per line.
//
// The search tests the Start block, then for each owned successor (son, first branch son, second
// branch son) the successor's row from left to right, then that successor's own successors. So
// every block that owns successors (a head) has a group (its row, tested together) followed by
// the parts of its son, first and second branch son. Groups and part ends are nodes of an
// order-maintenance list (labels that keep their relative order when relabelled); a block's rank
// is its head's group label, then its position in the row.

#include "model/CState.h"

#include <cstdint>
#include <deque>
#include <unordered_map>

class SearchOrder
{
public:
    // Builds the order of the graph as it stands below root.
    explicit SearchOrder(CState* root);

    // Whether the search meets a before b (both must be placed).
    bool Before(const CState* a, const CState* b) const;
    // Whether the search meets the block at all (the Start block's own row it never tests).
    bool IsSearched(const CState* block) const;

    // A block that just became the owned son, or branch son in slot, of parent.
    void AddSon(CState* parent, CState* son);
    void AddBranchSon(CState* parent, int slot, CState* son);

    // The place of a block in its row: the row's head and a position increasing to the right.
    struct Place
    {
        CState* head;
        std::int64_t position;
    };
    Place RowPlace(CState* block);
    void SetRowPlace(CState* block, Place place) { m_places[block] = place; }
    // A block takes over the row place of another (a placeholder it replaces).
    void TakeRowPlace(CState* from, CState* to);

private:
    struct Node
    {
        std::uint64_t label;
        Node* previous;
        Node* next;
    };
    struct Parts
    {
        Node* group;
        Node* end;
    };

    Node* InsertAfter(Node* node);
    void Relabel();
    void AddPart(CState* block, Node* after);
    // The last node of the parts before a successor slot (0 son, 1 first branch, 2 second branch).
    Node* EndBefore(CState* parent, int slot) const;
    void PlaceExistingRow(CState* head);
    std::int64_t PositionOf(const CState* block) const;
    const CState* HeadOf(const CState* block) const;
    std::uint64_t GroupLabel(const CState* block) const;

    CState* m_root;
    std::deque<Node> m_nodes;
    Node* m_first = nullptr;
    std::unordered_map<const CState*, Parts> m_parts;
    std::unordered_map<const CState*, Place> m_places;
};
