#include "model/ProjectReaderOrder.h"

#include <vector>

namespace {
constexpr std::uint64_t kLabelSpace = std::uint64_t(1) << 62;

// The successors the graph search follows: the owned son, then the branch sons it owns.
CState* SearchedSuccessor(const CState* block, int slot)
{
    if (slot == 0)
        return block->OwnsSon() ? block->GetSon() : nullptr;
    CState* branch = block->GetBranchSon(slot - 1);
    return branch && branch->GetParent() == block ? branch : nullptr;
}
} // namespace

SearchOrder::SearchOrder(CState* root) : m_root(root)
{
    if (!root)
        return;
    m_nodes.push_back(Node{0, nullptr, nullptr});
    m_first = &m_nodes.back();
    Node* last = m_first;
    m_parts[root] = Parts{m_first, nullptr};
    // Depth first in search order; an item with end set closes its block's parts.
    struct Item
    {
        CState* block;
        bool end;
    };
    std::vector<Item> stack{{root, true}};
    for (int slot = 2; slot >= 0; --slot)
        if (CState* successor = SearchedSuccessor(root, slot); successor && successor != root)
            stack.push_back({successor, false});
    while (!stack.empty()) {
        const Item item = stack.back();
        stack.pop_back();
        last = InsertAfter(last);
        if (item.end) {
            m_parts[item.block].end = last;
            continue;
        }
        m_parts[item.block] = Parts{last, nullptr};
        PlaceExistingRow(item.block);
        stack.push_back({item.block, true});
        for (int slot = 2; slot >= 0; --slot)
            if (CState* successor = SearchedSuccessor(item.block, slot); successor && !m_parts.count(successor))
                stack.push_back({successor, false});
    }
    // Rows of the Start block are never searched; their members keep the root as head.
    PlaceExistingRow(root);
}

void SearchOrder::PlaceExistingRow(CState* head)
{
    if (!head->GetRowNeighbour(0) && !head->GetRowNeighbour(1))
        return;
    std::int64_t position = 0;
    for (CState* member = head->GetRowNeighbour(0); member; member = member->GetRowNeighbour(0))
        m_places[member] = Place{head, --position};
    position = 0;
    m_places[head] = Place{head, 0};
    for (CState* member = head->GetRowNeighbour(1); member; member = member->GetRowNeighbour(1))
        m_places[member] = Place{head, ++position};
}

SearchOrder::Node* SearchOrder::InsertAfter(Node* node)
{
    const std::uint64_t high = node->next ? node->next->label : kLabelSpace;
    if (high - node->label < 2) {
        Relabel();
        return InsertAfter(node);
    }
    m_nodes.push_back(Node{node->label + (high - node->label) / 2, node, node->next});
    Node* inserted = &m_nodes.back();
    if (node->next)
        node->next->previous = inserted;
    node->next = inserted;
    return inserted;
}

// Spreads the labels evenly again; their order, and so every ordered index, stays as it was.
void SearchOrder::Relabel()
{
    const std::uint64_t step = kLabelSpace / (m_nodes.size() + 1);
    std::uint64_t label = 0;
    for (Node* node = m_first; node; node = node->next, label += step)
        node->label = label;
}

SearchOrder::Node* SearchOrder::EndBefore(CState* parent, int slot) const
{
    for (int earlier = slot - 1; earlier >= 0; --earlier)
        if (CState* successor = SearchedSuccessor(parent, earlier))
            if (auto it = m_parts.find(successor); it != m_parts.end() && it->second.end)
                return it->second.end;
    auto it = m_parts.find(parent);
    return it == m_parts.end() ? nullptr : it->second.group;
}

void SearchOrder::AddPart(CState* block, Node* after)
{
    if (!after)
        return;
    Node* group = InsertAfter(after);
    m_parts[block] = Parts{group, InsertAfter(group)};
}

void SearchOrder::AddSon(CState* parent, CState* son)
{
    if (m_parts.count(parent))
        AddPart(son, EndBefore(parent, 0));
}

void SearchOrder::AddBranchSon(CState* parent, int slot, CState* son)
{
    if (m_parts.count(parent))
        AddPart(son, EndBefore(parent, slot + 1));
}

SearchOrder::Place SearchOrder::RowPlace(CState* block)
{
    auto it = m_places.find(block);
    if (it != m_places.end())
        return it->second;
    return m_places[block] = Place{block, 0};
}

void SearchOrder::TakeRowPlace(CState* from, CState* to)
{
    auto it = m_places.find(from);
    if (it == m_places.end())
        return;
    m_places[to] = it->second;
    m_places.erase(from);
}

const CState* SearchOrder::HeadOf(const CState* block) const
{
    auto it = m_places.find(block);
    return it == m_places.end() ? block : it->second.head;
}

std::int64_t SearchOrder::PositionOf(const CState* block) const
{
    auto it = m_places.find(block);
    return it == m_places.end() ? 0 : it->second.position;
}

bool SearchOrder::IsSearched(const CState* block) const
{
    const CState* head = HeadOf(block);
    if (head == m_root)
        return block == m_root;
    return m_parts.count(head) != 0;
}

std::uint64_t SearchOrder::GroupLabel(const CState* block) const
{
    auto it = m_parts.find(HeadOf(block));
    return it == m_parts.end() ? UINT64_MAX : it->second.group->label;
}

bool SearchOrder::Before(const CState* a, const CState* b) const
{
    const std::uint64_t groupA = GroupLabel(a);
    const std::uint64_t groupB = GroupLabel(b);
    if (groupA != groupB)
        return groupA < groupB;
    return PositionOf(a) < PositionOf(b);
}
