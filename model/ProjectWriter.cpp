#include "model/ProjectWriter.h"

#include "base/AtomicFile.h"
#include "base/TextCodec.h"
#include "calibration/CalibrationRecord.h"
#include "model/CProgram.h"
#include "model/Prototypes.h"

#include <string>
#include <unordered_set>
#include <vector>
#include <wx/stream.h>

namespace {

const wxString& LineEnd()
{
    static const wxString lineEnd(ProjectWriter::kLineEnd);
    return lineEnd;
}

// Numbers every block first and writes afterwards, so a son that is only referred to (a loop or a
// join) carries the number of this write even when its owner comes later in the text.
class GraphText
{
public:
    explicit GraphText(CState* root) : m_root(root) {}

    wxString Write()
    {
        Number();
        wxString text;
        text.reserve(m_heads.size() * 96);
        for (CState* head : m_heads)
            WriteHead(text, head);
        return text;
    }

private:
    // Whether the block owns this successor (a branch son that is not owned is only referred to).
    static bool Owns(const CState* block, const CState* successor) { return successor->GetParent() == block; }

    // The numbering of the documented order: a block's row members get the next numbers, nearest
    // first, left row then right row; then its owned son, its first and its second branch son.
    // The son's whole subtree comes before the branch subtrees.
    void Number()
    {
        int counter = 0;
        m_root->SetNodeNumber(0);
        m_numbered.insert(m_root);
        std::vector<CState*> stack{m_root};
        while (!stack.empty()) {
            CState* block = stack.back();
            stack.pop_back();
            m_heads.push_back(block);
            for (int side = 0; side < 2; ++side)
                for (CState* member = block->GetRowNeighbour(side); member; member = member->GetRowNeighbour(side))
                    if (!Take(member, ++counter))
                        break;
            // A second branch son (only a damaged file gives one) is left out: the reader would take
            // its number for nothing and stop at its line, losing the rest of the file.
            CState* owned[3] = {block->OwnsSon() ? block->GetSon() : nullptr, block->GetBranchSon(0), nullptr};
            for (CState*& successor : owned) {
                if (successor && (!Owns(block, successor) || !Take(successor, ++counter)))
                    successor = nullptr;
            }
            for (int i = 2; i >= 0; --i)
                if (owned[i])
                    stack.push_back(owned[i]);
        }
    }

    // Gives a block its number; false when it already had one in this write (a damaged graph).
    bool Take(CState* block, int number)
    {
        if (!m_numbered.insert(block).second)
            return false;
        block->SetNodeNumber(number);
        return true;
    }

    // The number of a successor, or -1 when it was not numbered by this write.
    int NumberOf(const CState* block) const
    {
        return block && m_numbered.count(const_cast<CState*>(block)) ? block->GetNodeNumber() : -1;
    }

    static void AppendInt(wxString& text, int value) { text += std::to_wstring(value); }

    static void AppendNodeStart(wxString& text, const CState* block)
    {
        text += L"Node: ";
        AppendInt(text, block->GetNodeNumber());
        text += L" => ";
        text += block->Describe();
        text += L". ";
    }

    void AppendRow(wxString& text, const CState* block, int side, const wchar_t* key, const wchar_t* end) const
    {
        const CState* member = block->GetRowNeighbour(side);
        if (!member)
            return;
        text += key;
        bool first = true;
        for (; member && NumberOf(member) >= 0; member = member->GetRowNeighbour(side)) {
            if (!first)
                text += L':';
            AppendInt(text, member->GetNodeNumber());
            first = false;
        }
        text += end;
    }

    // "Son " with the son's number, then ",branch son". An absent son before a branch son leaves its
    // place empty ("Son ,5"), so the reader does not take the branch for the son; a son numbered 0
    // (a loop back to the Start block) is written like any other.
    void AppendSuccessors(wxString& text, const CState* block) const
    {
        const int son = NumberOf(block->GetSon());
        const int branch = NumberOf(block->GetBranchSon(0));
        text += L"Son ";
        if (son >= 0)
            AppendInt(text, son);
        if (branch >= 0) {
            text += L',';
            AppendInt(text, branch);
        }
    }

    void WriteHead(wxString& text, const CState* block) const
    {
        AppendNodeStart(text, block);
        AppendRow(text, block, 0, L"flNode:", L" ");
        AppendRow(text, block, 1, L"frNode:", L". ");
        AppendSuccessors(text, block);
        text += LineEnd();
        for (int side = 0; side < 2; ++side)
            for (const CState* member = block->GetRowNeighbour(side); member && NumberOf(member) >= 0;
                 member = member->GetRowNeighbour(side)) {
                AppendNodeStart(text, member);
                text += LineEnd();
            }
    }

    CState* m_root;
    std::vector<CState*> m_heads;
    std::unordered_set<CState*> m_numbered;
};

// One line per sensor or actuator prototype the user renamed, placed at the Start block's position.
wxString PrototypeNameLines(const CState& root)
{
    wxString text;
    for (CState* prototype : Prototypes::Get().NamedPrototypes()) {
        if (prototype->GetName() == prototype->GetDisplayName())
            continue;
        const int x = prototype->GetX(), y = prototype->GetY();
        prototype->SetPosition(root.GetX(), root.GetY());
        text << prototype->Describe() << L". " << LineEnd();
        prototype->SetPosition(x, y);
    }
    return text;
}

// Calibration lines come with "\n" ends; files carry the platform's.
wxString WithNativeLineEnds(const wxString& lines)
{
    wxString text = lines;
    if (wxString(ProjectWriter::kLineEnd) != "\n")
        text.Replace("\n", ProjectWriter::kLineEnd);
    return text;
}

} // namespace

std::string ProjectWriter::Text(CProgram& program, const wxString& header)
{
    CState* root = program.GetRoot();
    if (!root)
        return std::string();
    wxString text = WithNativeLineEnds(header);
    text << GraphText(root).Write() << PrototypeNameLines(*root);
    return EncodeText(text);
}

bool CProgram::WriteProject(const wxString& path, const CalibrationRecord& calibration)
{
    if (!m_root)
        return false;
    return WriteFileAtomically(path, ProjectWriter::Text(*this, CalibrationBlock(calibration)));
}

bool CProgram::WriteSnapshot(wxOutputStream& stream)
{
    if (!m_root || !stream.IsOk())
        return false;
    const std::string bytes = ProjectWriter::Text(*this, wxString());
    stream.Write(bytes.data(), bytes.size());
    return stream.IsOk() && stream.LastWrite() == bytes.size();
}
