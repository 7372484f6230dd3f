#include "model/GraphCheck.h"

#include "model/CProgram.h"

#include <unordered_set>
#include <utility>
#include <vector>

namespace {

class GraphCheck
{
public:
    explicit GraphCheck(const CProgram& program) : m_program(program) {}

    bool Run()
    {
        CState* root = m_program.GetRoot();
        if (!root)
            return true;
        if (root->GetParent())
            return Fail("the Start block has a parent");
        m_visited.insert(root);
        std::vector<CState*> heads{root};
        while (!heads.empty()) {
            CState* head = heads.back();
            heads.pop_back();
            if (!CheckRow(head) || !CheckSuccessors(head, heads))
                return false;
        }
        for (const auto& [from, target] : m_references)
            if (!m_visited.count(target) || (target->GetExtraParent(0) != from && target->GetExtraParent(1) != from))
                return Fail(Describe("a loop or join from", from) + " is not recorded by its target");
        for (CState* block : m_visited)
            for (int i = 0; i < 2; ++i)
                if (CState* extra = block->GetExtraParent(i);
                    extra && (!m_visited.count(extra) || extra->GetSon() != block))
                    return Fail(Describe("an extra parent of", block) + " does not refer to it");
        for (const CState* variable : m_program.Variables())
            if (!m_visited.count(const_cast<CState*>(variable)))
                return Fail("the variable list names a block outside the graph");
        return true;
    }

    const wxString& Problem() const { return m_problem; }

private:
    static wxString Describe(const char* what, const CState* block)
    {
        return wxString::Format("%s node %d (%s)", what, block->GetNodeNumber(), block->GetKindWordRaw());
    }

    bool Fail(const wxString& problem)
    {
        m_problem = problem;
        return false;
    }

    bool Visit(CState* block)
    {
        if (!m_visited.insert(block).second)
            return Fail(Describe("ownership reaches", block) + " twice");
        return true;
    }

    bool CheckRow(CState* head)
    {
        for (int side = 0; side < 2; ++side) {
            CState* previous = head;
            for (CState* member = head->GetRowNeighbour(side); member; member = member->GetRowNeighbour(side)) {
                if (member->GetRowNeighbour(1 - side) != previous)
                    return Fail(Describe("the row of", head) + " is not linked both ways");
                if (!Visit(member))
                    return false;
                if (member->GetParent() || member->GetBranchSon(0) || member->GetBranchSon(1) || member->OwnsSon())
                    return Fail(Describe("a row member", member) + " has a parent or successors");
                if (member->GetCategory() == Category::Placeholder)
                    return Fail(Describe("a placeholder", member) + " is left in a row");
                if (CState* son = member->GetSon())
                    m_references.emplace_back(member, son);
                previous = member;
            }
        }
        return true;
    }

    bool CheckSuccessors(CState* head, std::vector<CState*>& heads)
    {
        if (CState* son = head->GetSon()) {
            if (son->GetParent() == head) {
                if (!Visit(son))
                    return false;
                heads.push_back(son);
            } else {
                m_references.emplace_back(head, son);
            }
        }
        for (int i = 0; i < 2; ++i)
            if (CState* branch = head->GetBranchSon(i)) {
                if (branch->GetParent() != head)
                    return Fail(Describe("a branch son of", head) + " does not point back");
                if (!Visit(branch))
                    return false;
                heads.push_back(branch);
            }
        return true;
    }

    const CProgram& m_program;
    std::unordered_set<CState*> m_visited;
    std::vector<std::pair<CState*, CState*>> m_references;
    wxString m_problem;
};

} // namespace

bool CheckGraph(const CProgram& program, wxString* problem)
{
    GraphCheck check(program);
    const bool sound = check.Run();
    if (!sound && problem)
        *problem = check.Problem();
    return sound;
}
