#include "model/CProgram.h"

#include "model/Prototypes.h"
#include "model/StateKinds.h"

#include <vector>

namespace {
CState* g_currentBlock = nullptr;

// Removes every reference that other blocks hold to a block about to be destroyed through
// links it does not own: loops and joins into it, its own loop or join out of it, and its row.
void Unhook(CState* block)
{
    for (int i = 0; i < 2; ++i)
        if (CState* extra = block->GetExtraParent(i)) {
            if (extra->GetSon() == block)
                extra->SetSon(nullptr);
            block->SetExtraParent(i, nullptr);
        }
    if (CState* son = block->GetSon(); son && son->GetParent() != block) {
        for (int i = 0; i < 2; ++i)
            if (son->GetExtraParent(i) == block)
                son->SetExtraParent(i, nullptr);
        block->SetSon(nullptr);
    }
    if (CState* parent = block->GetParent()) {
        if (parent->GetSon() == block)
            parent->SetSon(nullptr);
        for (int i = 0; i < 2; ++i)
            if (parent->GetBranchSon(i) == block)
                parent->SetBranchSon(i, nullptr);
    }
    if (CState* left = block->GetRowNeighbour(0); left && left->GetRowNeighbour(1) == block)
        left->SetRowNeighbour(1, nullptr);
    if (CState* right = block->GetRowNeighbour(1); right && right->GetRowNeighbour(0) == block)
        right->SetRowNeighbour(0, nullptr);
    if (g_currentBlock == block)
        g_currentBlock = nullptr;
}

} // namespace

void CProgram::DestroyBlock(CState* block)
{
    if (block->GetCategory() == Category::Variable)
        ForgetVariableBlock(block);
    Unhook(block);
    delete block;
}

void CProgram::DeleteRowExcept(CState* block)
{
    CState* member = block->GetRowNeighbour(0);
    while (member) {
        CState* next = member->GetRowNeighbour(0);
        DestroyBlock(member);
        member = next;
    }
    member = block->GetRowNeighbour(1);
    while (member) {
        CState* next = member->GetRowNeighbour(1);
        DestroyBlock(member);
        member = next;
    }
}

CState* GetCurrentBlock()
{
    return g_currentBlock;
}
void SetCurrentBlock(CState* block)
{
    g_currentBlock = block;
}

CProgram& TheProgram()
{
    static CProgram* program = new CProgram(); // lives until the program ends
    return *program;
}

CProgram::~CProgram()
{
    Destroy();
}

CState* CProgram::EnsureRoot()
{
    if (!m_root) {
        m_root = new CStateStart(1, 0x04);
        m_root->SetSideSet(SideSet::Left);
        m_root->SetPrototypeId(NextBlockId());
        m_root->SetPosition(2500 / 4 - 48, 48);
    }
    return m_root;
}

void CProgram::AppendToChain(CState* block)
{
    if (!m_root) {
        m_root = block;
        return;
    }
    CState* last = m_root;
    while (last->GetSon() && last->OwnsSon())
        last = last->GetSon();
    if (!last->GetSon())
        AttachSon(last, block);
}

void CProgram::InsertAfter(CState* block, CState* after, bool asSon)
{
    if (!block || !after)
        return;
    CState* old = asSon ? after->GetSon() : after->GetBranchSon(0);
    const bool oldOwned = old && old->GetParent() == after;
    if (asSon) {
        after->SetSon(block);
        block->SetSon(old);
    } else {
        after->SetBranchSon(0, block);
        block->SetBranchSon(0, old);
    }
    if (old) {
        if (oldOwned) {
            old->SetParent(block);
        } else {
            // A loop or join reference moves behind the new block: it now comes from there.
            for (int i = 0; i < 2; ++i)
                if (old->GetExtraParent(i) == after)
                    old->SetExtraParent(i, block);
        }
    }
    if (!old && block->GetParent())
        block->SetExtraParent(0, after);
    else
        block->SetParent(after);
}

void CProgram::RegisterVariable(CState* block)
{
    block->SetVariableIndex(m_nextVariableIndex);
    m_variables.Append(block);
    m_nextVariableIndex = static_cast<int>(m_variables.GetCount());
}

CState* CProgram::FindBlock(CState* start, const std::function<bool(CState*)>& hit) const
{
    if (!start)
        return nullptr;
    if (start == m_root && hit(start))
        return start;
    // Work items: a block whose successors are still to be searched, or a successor whose row is to be tested.
    struct Item
    {
        CState* block;
        bool testRow;
    };
    std::vector<Item> stack{{start, false}};
    while (!stack.empty()) {
        Item item = stack.back();
        stack.pop_back();
        if (item.testRow) {
            for (CState* member = item.block->LeftmostOfRow(); member; member = member->GetRowNeighbour(1))
                if (hit(member))
                    return member;
            continue;
        }
        // Only owned links are followed, so loops and joins never make the search run for ever.
        CState* successors[3] = {item.block->GetSon(), item.block->GetBranchSon(0), item.block->GetBranchSon(1)};
        for (CState*& successor : successors)
            if (successor && successor->GetParent() != item.block)
                successor = nullptr;
        for (int i = 2; i >= 0; --i)
            if (successors[i]) {
                stack.push_back({successors[i], false});
                stack.push_back({successors[i], true});
            }
    }
    return nullptr;
}

CState* CProgram::FindByNodeNumber(int number) const
{
    return FindBlock(m_root, [number](CState* b) { return b->GetNodeNumber() == number; });
}

CState* CProgram::FindExpectingSon(int number) const
{
    return FindBlock(m_root,
                     [number](CState* b) { return b->GetSonNumber() == number || b->GetBranchSonNumber() == number; });
}

CState* CProgram::FindByAddress(int pc) const
{
    return FindBlock(m_root, [pc](CState* b) { return b->HoldsAddress(pc); });
}

void CProgram::ForEachBlock(const std::function<void(CState*)>& visit) const
{
    FindBlock(m_root, [&visit](CState* b) {
        visit(b);
        return false;
    });
}

int CProgram::VariableIndex(const wxString& name) const
{
    for (const CState* variable : m_variables)
        if (variable->ResolvedName() == name)
            return variable->GetVariableIndex();
    return -1;
}

void CProgram::SwapInPlace(CState* oldBlock, CState* newBlock)
{
    if (!oldBlock || !newBlock || oldBlock == newBlock)
        return;
    if (CState* parent = oldBlock->GetParent()) {
        if (parent->GetSon() == oldBlock)
            parent->SetSon(newBlock);
        else if (parent->GetBranchSon(0) == oldBlock)
            parent->SetBranchSon(0, newBlock);
        else if (parent->GetBranchSon(1) == oldBlock)
            parent->SetBranchSon(1, newBlock);
    }
    // Exchange every link of the two blocks.
    auto swapLinks = [](CState* a, CState* b) {
        CState* tmp = a->GetParent();
        a->SetParent(b->GetParent());
        b->SetParent(tmp);
        for (int i = 0; i < 2; ++i) {
            tmp = a->GetExtraParent(i);
            a->SetExtraParent(i, b->GetExtraParent(i));
            b->SetExtraParent(i, tmp);
            tmp = a->GetBranchSon(i);
            a->SetBranchSon(i, b->GetBranchSon(i));
            b->SetBranchSon(i, tmp);
            tmp = a->GetRowNeighbour(i);
            a->SetRowNeighbour(i, b->GetRowNeighbour(i));
            b->SetRowNeighbour(i, tmp);
        }
        tmp = a->GetSon();
        a->SetSon(b->GetSon());
        b->SetSon(tmp);
    };
    swapLinks(oldBlock, newBlock);
    // Redirect the back pointers that named the old block.
    if (CState* son = newBlock->GetSon()) {
        if (son->GetParent() == oldBlock)
            son->SetParent(newBlock);
        for (int i = 0; i < 2; ++i)
            if (son->GetExtraParent(i) == oldBlock)
                son->SetExtraParent(i, newBlock);
    }
    for (int i = 0; i < 2; ++i) {
        if (CState* branch = newBlock->GetBranchSon(i); branch && branch->GetParent() == oldBlock)
            branch->SetParent(newBlock);
        if (CState* extra = newBlock->GetExtraParent(i); extra && extra->GetSon() == oldBlock)
            extra->SetSon(newBlock);
    }
    if (CState* left = newBlock->GetRowNeighbour(0))
        left->SetRowNeighbour(1, newBlock);
    if (CState* right = newBlock->GetRowNeighbour(1))
        right->SetRowNeighbour(0, newBlock);

    if (oldBlock->GetViewer())
        newBlock->SetViewer(oldBlock->GetViewer());
    if (oldBlock->GetCategory() == newBlock->GetCategory())
        newBlock->SetConnectorMask(oldBlock->GetConnectorMask());
    if (newBlock->IsCondition()) {
        newBlock->SetSonExitSide(oldBlock->GetSonExitSide());
        newBlock->SetBranchExitSide(oldBlock->GetBranchExitSide());
    }
    if (oldBlock->GetSideSet())
        newBlock->SetSideSet(newBlock->GetSideSet() | 1);
    const int x = oldBlock->GetX(), y = oldBlock->GetY();
    oldBlock->SetPosition(newBlock->GetX(), newBlock->GetY());
    newBlock->SetPosition(x, y);
    if (m_root == oldBlock)
        m_root = newBlock;
}

void CProgram::Unlink(CState* block)
{
    if (!block || !block->GetParent() || block->GetSon() || block->GetBranchSon(0) || block->GetBranchSon(1))
        return;
    DeleteRowExcept(block);
    DestroyBlock(block);
}

void CProgram::DeleteSubtree(CState* block)
{
    if (!block)
        return;
    // Depth first without recursion: a long chain must not exhaust the stack.
    std::vector<CState*> stack{block};
    while (!stack.empty()) {
        CState* top = stack.back();
        CState* next = nullptr;
        for (int i = 0; i < 2 && !next; ++i)
            if (CState* branch = top->GetBranchSon(i)) {
                if (branch->GetParent() == top) {
                    next = branch;
                } else {
                    top->SetBranchSon(i, nullptr); // a branch son that is not owned is only unhooked
                }
            }
        if (!next && top->GetSon()) {
            if (top->OwnsSon()) {
                next = top->GetSon();
            } else {
                CState* son = top->GetSon();
                for (int i = 0; i < 2; ++i)
                    if (son->GetExtraParent(i) == top)
                        son->SetExtraParent(i, nullptr);
                top->SetSon(nullptr);
            }
        }
        if (next) {
            DeleteRowExcept(next);
            stack.push_back(next);
            continue;
        }
        stack.pop_back();
        if (top != block)
            DestroyBlock(top); // also clears the parent's pointer to it
    }
}

void CProgram::Clear()
{
    m_variables.Clear();
    if (m_root) {
        DeleteSubtree(m_root);
        DeleteRowExcept(m_root);
        // The numbers of the last read or write go too: the root is as a fresh program's.
        m_root->SetNodeNumber(-1);
        m_root->SetSonNumber(-1);
        m_root->SetBranchSonNumber(-1);
    }
    m_nextVariableIndex = 0;
    m_variables.Clear();
}

void CProgram::Destroy()
{
    m_variables.Clear();
    if (m_root) {
        DeleteSubtree(m_root);
        DeleteRowExcept(m_root);
        DestroyBlock(m_root);
        m_root = nullptr;
    }
    m_variables.Clear();
    m_nextVariableIndex = 0;
}

void CProgram::ResetPrototypeNames()
{
    const Prototypes& registry = Prototypes::Get();
    for (PalettePage page : {PalettePage::Action, PalettePage::Action2, PalettePage::Sensor})
        for (CState* prototype : registry.Page(page))
            prototype->SetName(prototype->GetDefaultName());
}

void CProgram::ForgetVariableBlock(CState* block)
{
    wxCStateListNode* node = m_variables.Find(block);
    if (!node)
        return;
    // Another assignment of the same variable keeps its entry, so the index stays known.
    const wxString name = block->ResolvedName();
    const int index = block->GetVariableIndex();
    CState* heir = FindBlock(m_root, [&](CState* b) {
        return b != block && b->GetCategory() == Category::Variable && b->GetVariableIndex() == index &&
               b->ResolvedName() == name && !m_variables.Find(b);
    });
    if (heir) {
        node->SetData(heir);
        return;
    }
    // The variable is no longer used: it leaves the list, and every higher variable number moves
    // down by one, as reading the program back would number them.
    m_variables.DeleteNode(node);
    m_nextVariableIndex = static_cast<int>(m_variables.GetCount());
    ForEachBlock([block, index](CState* b) {
        if (b == block || !b->IsVariableKind())
            return;
        if (b->GetVariableIndex() == index)
            b->SetVariableIndex(-1); // a comparison of the variable gone
        else if (b->GetVariableIndex() > index)
            b->SetVariableIndex(b->GetVariableIndex() - 1);
    });
}
