// Rebuilds the program graph from project text: an optional calibration header, node lines that
// name their successors by number, rows of placeholders filled by the lines that follow, and the
// names of renamed prototypes.

#include "model/ProjectReader.h"
#include "base/FileBytes.h"
#include "base/TextCodec.h"
#include "base/Translation.h"
#include "calibration/CalibrationRecord.h"
#include "model/CProgram.h"
#include "model/ProjectReaderKeys.h"
#include "model/ProjectReaderOrder.h"
#include "model/Prototypes.h"
#include "model/StateKinds.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>
#include <vector>
#include <wx/regex.h>
#include <wx/stream.h>

namespace {

ProjectReaderChecker* g_checker = nullptr; // tests and the fuzz target only

// The texts the reader recognises, each found anywhere in a line; compiled once.
struct LinePatterns
{
    wxRegEx node{"Node: ([0-9]*) => State ([[:alnum:]_]*): Position:([-]?[0-9]*),([-]?[0-9]*)", wxRE_EXTENDED};
    wxRegEx state{"State ([[:alnum:]_]*): Position:([-]?[0-9]*),([-]?[0-9]*)", wxRE_EXTENDED};

    static LinePatterns& Get()
    {
        static LinePatterns* patterns = new LinePatterns(); // lives until the program ends
        return *patterns;
    }
};

// A decimal int: an optional sign and digits only, within 32 bits.
bool ParseInt(const wxString& text, int& value)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.length() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    if (i == text.length())
        return false;
    long long result = 0;
    for (; i < text.length(); ++i) {
        const wxUniChar c = text[i];
        if (c < '0' || c > '9')
            return false;
        result = result * 10 + (c.GetValue() - '0');
        if (result > static_cast<long long>(INT_MAX) + 1)
            return false;
    }
    result = negative ? -result : result;
    if (result > INT_MAX || result < INT_MIN)
        return false;
    value = static_cast<int>(result);
    return true;
}

// The block text's parameter ends at the last quote of the line (the parameter pattern is greedy);
// the name, the condition, the rows and the successors come after it, and only there are they
// looked for, so a parameter holding the same words cannot hide them.
wxString AfterParameter(const wxString& line)
{
    const size_t quote = line.rfind(L'\'');
    return quote == wxString::npos ? line : line.Mid(quote + 1);
}

// The rows and successors come after the name as well, which may be one of their words ("Son"):
// the last occurrence is the one the writer put there.
wxString FromLast(const wxString& tail, const wchar_t* key)
{
    const size_t at = tail.rfind(key);
    return at == wxString::npos ? wxString() : tail.Mid(at);
}

// The exit side code for a successor seen from its predecessor.
int DirectionFrom(const CState& from, const CState& to)
{
    if (to.GetX() == from.GetX())
        return to.GetY() < from.GetY() ? Direction::Up : Direction::Down;
    return to.GetX() < from.GetX() ? Direction::Left : Direction::Right;
}

// Marks on both blocks the side that faces the other.
void MarkFacingSides(CState& a, CState& b)
{
    int sideOfA, sideOfB;
    if (a.GetX() != b.GetX()) {
        const bool aLeft = a.GetX() < b.GetX();
        sideOfA = aLeft ? SideSet::Right : SideSet::Left;
        sideOfB = aLeft ? SideSet::Left : SideSet::Right;
    } else {
        const bool aUpper = a.GetY() <= b.GetY();
        sideOfA = aUpper ? SideSet::Bottom : SideSet::Top;
        sideOfB = aUpper ? SideSet::Top : SideSet::Bottom;
    }
    a.SetSideSet(a.GetSideSet() | sideOfA);
    b.SetSideSet(b.GetSideSet() | sideOfB);
}

} // namespace

void InstallProjectReaderChecker(ProjectReaderChecker* checker)
{
    g_checker = checker;
}

class ProjectReader
{
public:
    ProjectReader(CProgram& program, Displacement& displacement, ReadBounds& bounds, CalibrationRecord& calibration)
        : m_program(program), m_patterns(LinePatterns::Get()), m_root(program.GetRoot()), m_current(m_root),
          m_displacement(displacement), m_bounds(bounds), m_calibration(calibration), m_order(m_root)
    {
        // Blocks already in the graph take part in the searches as the graph search would find them.
        m_program.ForEachBlock([this](CState* block) {
            Index(m_byNumber, block->GetNodeNumber(), block);
            IndexSuccessorNumbers(block, block->GetSonNumber(), block->GetBranchSonNumber());
        });
    }

    bool Read(const wxString& text, ReadError* error)
    {
        const std::vector<wxString> lines = SplitLines(text);
        bool header = true, calibrationRead = false;
        bool ok = true;
        for (size_t i = 0; i < lines.size() && ok; ++i) {
            const wxString& line = lines[i];
            if (header) {
                if (m_calibration.ParseLine(line)) {
                    calibrationRead = true;
                    continue;
                }
                header = false;
            }
            const bool node = line.find(L"Node: ") != wxString::npos && m_patterns.node.Matches(line);
            if (node) {
                ok = ReadNodeLine(line);
                if (!ok && error) {
                    error->line = static_cast<int>(i + 1);
                    error->message = "Draw Error";
                    error->detail = m_failure;
                }
            } else if (line.find(L"State ") != wxString::npos && m_patterns.state.Matches(line)) {
                ReadPrototypeNameLine(line);
            }
        }
        m_calibration.present = calibrationRead;
        RemoveLeftoverPlaceholders();
        return ok;
    }

private:
    // Blocks in graph-search order.
    struct SearchLess
    {
        const SearchOrder* order;
        bool operator()(const CState* a, const CState* b) const { return order->Before(a, b); }
    };
    using OrderedBlocks = std::set<CState*, SearchLess>;
    // Blocks by a number (node number, or expected son number), each list in search order; an entry
    // whose block no longer carries the number is dropped when met.
    using Index_t = std::unordered_map<int, OrderedBlocks>;

    void Index(Index_t& index, int number, CState* block)
    {
        if (number >= 0 && m_order.IsSearched(block))
            index.try_emplace(number, SearchLess{&m_order}).first->second.insert(block);
    }
    static void Unindex(Index_t& index, int number, CState* block)
    {
        if (auto it = index.find(number); it != index.end())
            it->second.erase(block);
    }

    // The first block of the list that satisfies hit.
    template <class Hit> static CState* First(Index_t& index, int number, Hit hit)
    {
        auto list = index.find(number);
        if (list == index.end())
            return nullptr;
        for (auto it = list->second.begin(); it != list->second.end();) {
            if (hit(*it))
                return *it;
            it = list->second.erase(it);
        }
        return nullptr;
    }

    bool IsRowMember(const CState* block) const { return block != m_root && !block->GetParent() && block->IsInRow(); }

    // The first block in graph-search order that expects number as a son.
    CState* FindExpectingSon(int number)
    {
        CState* found = First(m_expecting, number, [number](CState* b) {
            return b->GetSonNumber() == number || b->GetBranchSonNumber() == number;
        });
        if (g_checker)
            g_checker->ExpectingSon(m_program, number, found);
        return found;
    }

    // The block that joins a block just attached: the first in graph-search order, other than its new
    // parent, that expects its number and has no son yet. Looking past the first expecting block keeps
    // a join whose target is written after the joining block: the block that came first took the
    // target as its own son, and the target's real owner, which expects it too, joins it instead, so
    // both paths still reach it.
    CState* FindJoining(int number, const CState* parent)
    {
        auto list = m_joinCandidates.find(number);
        if (list == m_joinCandidates.end())
            return nullptr;
        // A block that has a son, or expects another number, never joins this number again.
        for (auto it = list->second.begin(); it != list->second.end();) {
            CState* block = *it;
            if (block->GetSon() || (block->GetSonNumber() != number && block->GetBranchSonNumber() != number))
                it = list->second.erase(it);
            else if (block == parent)
                ++it;
            else
                return block;
        }
        return nullptr;
    }

    // The first block in graph-search order whose empty first branch slot expects number.
    CState* FindBranchOwner(int number)
    {
        return First(m_branchOwners, number,
                     [number](CState* b) { return b->GetBranchSonNumber() == number && !b->GetBranchSon(0); });
    }

    // Indexes the successor numbers a block expects (-1 for none) for the searches by expected number.
    void IndexSuccessorNumbers(CState* block, int son, int branch)
    {
        for (int number : {son, branch}) {
            Index(m_expecting, number, block);
            Index(m_joinCandidates, number, block);
        }
        Index(m_branchOwners, branch, block);
    }

    // The leftmost member of the Start block's row with this node number (placed while reading).
    CState* FindInStartRow(int number)
    {
        auto it = m_startRow.find(number);
        return it == m_startRow.end() || it->second.empty() ? nullptr : it->second.begin()->second;
    }

    // The first block in graph-search order with this node number.
    CState* FindNumbered(int number)
    {
        CState* found = First(m_byNumber, number, [number](CState* b) { return b->GetNodeNumber() == number; });
        if (g_checker)
            g_checker->Numbered(m_program, number, found);
        return found;
    }

    void ExtendBounds(int x, int y)
    {
        if (x > m_bounds.maxX)
            m_bounds.maxX = x;
        else if (x < m_bounds.minX)
            m_bounds.minX = x;
        if (y > m_bounds.maxY)
            m_bounds.maxY = y;
        else if (y < m_bounds.minY)
            m_bounds.minY = y;
    }

    void PlaceBlock(CState& block, const wxString& line)
    {
        int x = block.GetX(), y = block.GetY();
        ParseInt(m_patterns.node.GetMatch(line, 3), x);
        ParseInt(m_patterns.node.GetMatch(line, 4), y);
        block.SetPosition(x, y);
        block.SetViewer(m_root->GetViewer());
        block.SetDeletable(false); // blocks read from a file are not deleted by the Delete key
        ExtendBounds(x, y);
    }

    bool ReadNodeLine(const wxString& line)
    {
        int number = -1;
        if (!ParseInt(m_patterns.node.GetMatch(line, 1), number)) {
            m_failure = _("node number out of range");
            return false;
        }
        CState* block;
        if (number == 0) {
            block = m_root;
            PlaceBlock(*block, line);
            SetNodeNumber(*block, 0);
            m_displacement.x = block->GetX() - m_displacement.x;
            m_displacement.y = block->GetY() - m_displacement.y;
            m_current = block;
        } else {
            const wxString word = m_patterns.node.GetMatch(line, 2);
            block = BlockFromFileWord(word, m_program);
            if (!block) {
                m_failure = wxString::Format(_("no block kind is called \"%s\""), word);
                return false;
            }
            PlaceBlock(*block, line);
            block->SetNodeNumber(number);
            if (!Attach(*block, number)) {
                m_failure = wxString::Format(_("node %d has no place in the graph"), number);
                Discard(block);
                return false;
            }
            Index(m_byNumber, number, block);
        }
        ApplyKeys(*block, line, number);
        return true;
    }

    void SetNodeNumber(CState& block, int number)
    {
        Unindex(m_byNumber, block.GetNodeNumber(), &block);
        block.SetNodeNumber(number);
        Index(m_byNumber, number, &block);
    }

    // A block that could not be placed: it leaves the variable list and every index.
    void Discard(CState* block)
    {
        if (m_program.m_variables.DeleteObject(block))
            m_program.m_nextVariableIndex = static_cast<int>(m_program.m_variables.GetCount());
        delete block;
    }

    // Makes block a son or branch son of predecessor when that slot is free and expects number.
    bool AttachAsSuccessor(CState& predecessor, CState& block, int number)
    {
        if (!predecessor.GetSon() && predecessor.GetSonNumber() == number) {
            m_program.AttachSon(&predecessor, &block);
            m_order.AddSon(&predecessor, &block);
            if (predecessor.IsCondition())
                predecessor.SetSonExitSide(DirectionFrom(predecessor, block));
            return true;
        }
        for (int i = 0; i < 2; ++i)
            if (!predecessor.GetBranchSon(i) && predecessor.GetBranchSonNumber() == number) {
                m_program.AttachBranch(&predecessor, &block, i);
                m_order.AddBranchSon(&predecessor, i, &block);
                if (predecessor.IsCondition())
                    predecessor.SetBranchExitSide(DirectionFrom(predecessor, block));
                return true;
            }
        return false;
    }

    // Puts block in the place of the placeholder numbered number in the current block's row.
    bool ReplacePlaceholder(CState& block, int number)
    {
        if (block.GetCategory() == Category::Placeholder)
            return false; // a row never holds a placeholder once reading ends
        // The leftmost placeholder with that number in the current block's row.
        auto slot = m_placeholderSlots.find({m_order.RowPlace(m_current).head, number});
        if (slot == m_placeholderSlots.end() || slot->second.empty())
            return VerifiedPlaceholder(nullptr, number) != nullptr;
        CState* placeholder = VerifiedPlaceholder(slot->second.begin()->second, number);
        slot->second.erase(slot->second.begin());
        m_program.InsertInRow(placeholder, 1, &block);
        m_program.LeaveRow(placeholder);
        // A loop read earlier may already point at the placeholder: it now points at the block.
        for (int i = 0; i < 2; ++i)
            if (CState* from = placeholder->GetExtraParent(0); from && from->GetSon() == placeholder) {
                m_program.Unjoin(from);
                m_program.JoinTo(from, &block);
            }
        Unindex(m_byNumber, number, placeholder);
        const SearchOrder::Place place = m_order.RowPlace(placeholder);
        if (place.head == m_root)
            m_startRow[number][place.position] = &block;
        m_order.TakeRowPlace(placeholder, &block);
        m_placeholders.erase(placeholder);
        delete placeholder;
        block.SetConnectorMask(Connector::FullHorizontal);
        return true;
    }

    // A checker compares the placeholder found with a walk along the row.
    CState* VerifiedPlaceholder(CState* found, int number)
    {
        if (g_checker)
            g_checker->Placeholder(m_current, number, found, m_placeholders);
        return found;
    }

    bool Attach(CState& block, int number)
    {
        bool attached = false;
        // A branch son is always owned by the block that names it in its branch slot, so that block
        // takes it even when the current block names it too (as the target of a join).
        CState* branchOwner = FindBranchOwner(number);
        if (branchOwner && branchOwner != m_current && AttachAsSuccessor(*branchOwner, block, number)) {
            m_current = &block;
            attached = true;
        } else if (AttachAsSuccessor(*m_current, block, number)) {
            m_current = &block;
            attached = true;
        } else if (ReplacePlaceholder(block, number)) {
            attached = true;
        }
        CState* expecting = FindExpectingSon(number);
        if (attached) {
            if (CState* joining = FindJoining(number, block.GetParent()); joining && m_program.JoinTo(joining, &block))
                MarkFacingSides(*joining, block);
            return true;
        }
        if (!expecting || IsRowMember(expecting))
            return false;
        m_current = expecting;
        if (!AttachAsSuccessor(*expecting, block, number))
            return false;
        m_current = &block;
        return true;
    }

    // A checker compares a hand-written key match with the key's regular expression.
    static bool Verified(bool matched, ProjectKey key, const wxString& text, const wxString* first,
                         const wxString* second = nullptr)
    {
        if (g_checker)
            g_checker->Key(key, text, matched, first, second);
        return matched;
    }

    void ApplyKeys(CState& block, const wxString& line, int number)
    {
        const wxString tail = AfterParameter(line);
        wxString first, second;
        if (Verified(ProjectKeys::Cond(tail, first), ProjectKey::Cond, tail, &first))
            block.SetConditionFromCode(first);
        if (Verified(ProjectKeys::Name(tail, first), ProjectKey::Name, tail, &first)) {
            block.SetName(first);
            if (!block.IsVariableKind() && block.GetCloneSource())
                block.GetCloneSource()->SetName(first);
        }
        if (Verified(ProjectKeys::QuotedParam(line, first), ProjectKey::QuotedParam, line, &first))
            ApplyParameter(block, first);
        else if (Verified(ProjectKeys::PlainParam(line, first), ProjectKey::PlainParam, line, &first))
            ApplyParameter(block, first);
        int mask;
        if (Verified(ProjectKeys::BgType(line, first), ProjectKey::BgType, line, &first) && ParseInt(first, mask) &&
            mask >= 0 && mask <= 0xFF)
            block.SetConnectorMask(mask);
        // Row members carry no successors: nothing would own or write them.
        const wxString sonPart = FromLast(tail, L"Son ");
        if (!IsRowMember(&block) &&
            Verified(ProjectKeys::Son(sonPart, first, second), ProjectKey::Son, sonPart, &first, &second))
            ApplySuccessors(block, first, second, number);
        const wxString rightPart = FromLast(tail, L"frNode");
        if (Verified(ProjectKeys::Row(rightPart, L"frNode", first), ProjectKey::RightRow, rightPart, &first))
            BuildRow(block, 1, first);
        const wxString leftPart = FromLast(tail, L"flNode");
        if (Verified(ProjectKeys::Row(leftPart, L"flNode", first), ProjectKey::LeftRow, leftPart, &first))
            BuildRow(block, 0, first);
        if (block.IsVariableKind() && !block.GetName().empty())
            ApplyVariableRule(block);
    }

    static void ApplyParameter(CState& block, const wxString& text)
    {
        block.SetParameterText(text);
        int value;
        if (ParseInt(text, value))
            block.SetParameterValue(value);
    }

    void ApplySuccessors(CState& block, const wxString& sonText, const wxString& branchText, int number)
    {
        const int oldSon = block.GetSonNumber(), oldBranch = block.GetBranchSonNumber();
        int son = oldSon, branch = oldBranch;
        const bool sonRead = ParseInt(sonText, son) && son >= 0;
        if (!sonRead)
            son = oldSon;
        if (!ParseInt(branchText, branch) || branch < 0)
            branch = oldBranch;
        block.SetSonNumber(son);
        block.SetBranchSonNumber(branch);
        IndexSuccessorNumbers(&block, son != oldSon ? son : -1, branch != oldBranch ? branch : -1);
        // A son already read (numbered below the line's own, or a block written earlier under a
        // higher number, as a branch path's blocks are): the line loops back or joins it.
        // The graph search never tests the Start block's row, but a join may have led there, so
        // that row is looked at last.
        if (sonRead && son != number && !block.GetSon()) {
            CState* target = FindNumbered(son);
            if (!target)
                target = FindInStartRow(son);
            if (target && m_program.JoinTo(&block, target))
                MarkFacingSides(block, *target);
        }
    }

    // Chains one placeholder per listed number on one side of block (0 left, 1 right), nearest first.
    void BuildRow(CState& block, int side, const wxString& list)
    {
        if (block.GetRowNeighbour(side))
            return; // the row on that side is already built
        const SearchOrder::Place place = m_order.RowPlace(&block);
        std::int64_t position = place.position;
        CState* last = &block;
        for (const wxString& piece : wxSplit(list, ':', '\0')) {
            int number;
            if (!ParseInt(piece, number) || number < 0)
                continue;
            CState* placeholder = new CStateFake(Category::Placeholder, Connector::FourWay);
            placeholder->SetNodeNumber(number);
            position += side ? 1 : -1;
            m_order.SetRowPlace(placeholder, SearchOrder::Place{place.head, position});
            m_placeholderSlots[{place.head, number}][position] = placeholder;
            if (place.head == m_root)
                m_startRow[number][position] = placeholder;
            m_placeholders.insert(placeholder);
            Index(m_byNumber, number, placeholder);
            last->SetRowNeighbour(side, placeholder);
            placeholder->SetRowNeighbour(1 - side, last);
            last = placeholder;
        }
    }

    // Each distinct variable name keeps one entry in the variable list and one index.
    void ApplyVariableRule(CState& block)
    {
        const wxString name = block.GetName();
        CStateList& variables = m_program.m_variables;
        int index = -1, count = 0;
        for (CState* variable : variables) {
            if (variable->ResolvedName() != name)
                continue;
            if (index < 0)
                index = variable->GetVariableIndex();
            else
                variable->SetVariableIndex(index);
            ++count;
        }
        if (index >= 0)
            block.SetVariableIndex(index);
        if (count > 1) {
            variables.DeleteNode(variables.GetLast());
            m_program.m_nextVariableIndex = static_cast<int>(variables.GetCount());
        }
    }

    // A line with a block text but no node: the name of a sensor or actuator prototype.
    void ReadPrototypeNameLine(const wxString& line)
    {
        const wxString word = m_patterns.state.GetMatch(line, 1);
        CState* prototype = PrototypeByName(word);
        if (!prototype)
            return;
        const wxString lower = word.Lower();
        if (lower == "fake" || lower == "start") {
            delete prototype; // a new block, not a prototype: nothing to name
            return;
        }
        const wxString tail = AfterParameter(line);
        wxString name;
        if (Verified(ProjectKeys::Name(tail, name), ProjectKey::Name, tail, &name))
            prototype->SetName(name);
    }

    // Placeholders whose lines never came leave their rows, and whatever referred to them.
    void RemoveLeftoverPlaceholders()
    {
        for (CState* placeholder : m_placeholders) {
            m_program.LeaveRow(placeholder);
            for (int i = 0; i < 2; ++i)
                if (CState* from = placeholder->GetExtraParent(0); from && from->GetSon() == placeholder)
                    m_program.Unjoin(from);
            delete placeholder;
        }
        m_placeholders.clear();
    }

    CProgram& m_program;
    LinePatterns& m_patterns;
    CState* m_root;
    CState* m_current;
    Displacement& m_displacement;
    ReadBounds& m_bounds;
    CalibrationRecord& m_calibration;
    Index_t m_byNumber;
    Index_t m_expecting;
    Index_t m_joinCandidates; // blocks without a son yet that expect a number
    Index_t m_branchOwners;   // blocks whose empty first branch slot expects a number
    SearchOrder m_order;
    std::unordered_set<CState*> m_placeholders;
    // Placeholders by row head and node number, each by position from left to right.
    std::map<std::pair<const CState*, int>, std::map<std::int64_t, CState*>> m_placeholderSlots;
    // Members of the Start block's row by node number, each by position from left to right.
    std::unordered_map<int, std::map<std::int64_t, CState*>> m_startRow;
    wxString m_failure;
};

bool CProgram::ReadText(wxInputStream& stream, Displacement& displacement, ReadBounds& bounds,
                        CalibrationRecord& projectCalibration, ReadError* error)
{
    std::string bytes;
    char buffer[65536];
    for (;;) {
        stream.Read(buffer, sizeof buffer);
        const size_t got = stream.LastRead();
        if (got == 0)
            break;
        bytes.append(buffer, got);
    }
    EnsureRoot();
    return ProjectReader(*this, displacement, bounds, projectCalibration).Read(DecodeText(bytes), error);
}

bool CProgram::ReadProject(const wxString& path, Displacement& displacement, ReadBounds& bounds,
                           CalibrationRecord& projectCalibration, ReadError* error)
{
    std::string bytes;
    if (const FileRead result = ReadFileBytes(path, bytes); result != FileRead::Ok) {
        if (error) {
            error->line = 0;
            error->message = "Cannot open";
            error->detail =
                result == FileRead::CannotOpen ? _("the file cannot be opened") : _("the file cannot be read");
        }
        return false;
    }
    EnsureRoot();
    return ProjectReader(*this, displacement, bounds, projectCalibration).Read(DecodeText(bytes), error);
}
