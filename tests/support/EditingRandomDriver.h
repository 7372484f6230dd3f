#pragma once
// Random edits for the editing tests: connects of fresh clones of every kind to random sides of
// random blocks, and removals of random blocks, reproducible from a seed.

#include "bytecode/ProgramCompiler.h"
#include "calibration/CalibrationRecord.h"
#include "model/CProgram.h"
#include "model/GraphCheck.h"
#include "model/Prototypes.h"
#include "support/EditingGraphCheck.h"
#include "support/ScriptedUserInterface.h"

#include <wx/mstream.h>

#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

// How many random sequences a test runs: all of them in the normal build, a fifth under the
// (ten times slower) sanitizers.
inline unsigned RandomSequences(unsigned all)
{
#if defined(__SANITIZE_ADDRESS__)
    return all / 5;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return all / 5;
#else
    return all;
#endif
#else
    return all;
#endif
}

// Every link, position, mask and side set of the graph, so that a refused edit can be seen to
// change nothing.
inline std::string GraphFingerprint(const CProgram& program)
{
    std::ostringstream out;
    program.ForEachBlock([&out](CState* b) {
        out << b << ' ' << b->GetParent() << ' ' << b->GetExtraParent(0) << ' ' << b->GetExtraParent(1) << ' '
            << b->GetSon() << ' ' << b->GetBranchSon(0) << ' ' << b->GetBranchSon(1) << ' ' << b->GetRowNeighbour(0)
            << ' ' << b->GetRowNeighbour(1) << ' ' << b->GetX() << ',' << b->GetY() << ' ' << b->GetConnectorMask()
            << ' ' << b->GetSideSet() << '\n';
    });
    return out.str();
}

class RandomEditor
{
public:
    RandomEditor(CProgram& program, ScriptedUserInterface& ui, unsigned seed)
        : m_program(program), m_ui(ui), m_rng(seed)
    {
        const Prototypes& registry = Prototypes::Get();
        for (PalettePage page : {PalettePage::Action, PalettePage::Action2, PalettePage::Sensor, PalettePage::Link})
            for (CState* prototype : registry.Page(page))
                m_prototypes.push_back(prototype);
    }

    // One random edit. Returns an empty text when the graph is sound and a refusal changed
    // nothing, else what went wrong.
    std::string Step()
    {
        const std::vector<CState*> blocks = GraphBlocks(m_program);
        const std::string before = GraphFingerprint(m_program);
        bool done;
        if (Chance(8)) {
            done = Join(blocks);
        } else if (Chance(65)) {
            CState* target = blocks[Below(blocks.size())];
            CState* clone = m_prototypes[Below(m_prototypes.size())]->Clone();
            const int direction = static_cast<int>(Below(4));
            CGraphicState::Point point = target->GetNeighbourPoint(direction);
            if (Chance(15)) // now and then a drop off the column or above the target
                point.x += static_cast<int>(Below(3)) * 30 - 30, point.y += static_cast<int>(Below(3)) * 30 - 30;
            clone->SetPosition(point.x, point.y);
            if (clone->GetCategory() == Category::Variable)
                clone->SetName(wxString::Format("v%d", static_cast<int>(Below(3))));
            m_ui.defaultAnswer = Chance(50);
            done = m_program.ConnectBlock(target, clone, 1 << direction);
            if (done) {
                if (!m_program.FindBlock(m_program.GetRoot(), [clone](CState* b) { return b == clone; }))
                    return "a connected block is not in the graph: target " +
                           std::string(target->GetKindWordRaw().utf8_str()) + " clone " +
                           std::string(clone->GetKindWordRaw().utf8_str()) + " dir " + std::to_string(direction) +
                           (target == m_program.GetRoot() ? " root" : "");
                if (clone->GetCategory() == Category::Variable)
                    m_program.RegisterVariable(clone);
            } else {
                if (clone->GetParent() || clone->GetSon() || clone->GetRowNeighbour(0) || clone->GetRowNeighbour(1))
                    return "a refused block was linked";
                delete clone;
            }
            ++connects;
        } else {
            CState* block = blocks[Below(blocks.size())];
            m_ui.defaultAnswer = Chance(50);
            done = m_program.RemoveBlock(block);
            ++removes;
        }
        if (std::string fault = GraphFault(m_program); !fault.empty())
            return fault;
        if (!done && GraphFingerprint(m_program) != before)
            return "a refused edit changed the graph";
        if (done) {
            ++accepted;
            // Whatever the edits made, the compiler lays it out without a crash.
            const unsigned char* image = nullptr;
            int length = -1;
            if (CompileProgram(m_program, DefaultCalibration(), image, length) &&
                (length < 0 || length > CProgram::kImageCapacity || !image))
                return "the compiler reported success without an image";
        }
        return std::string();
    }

    int connects = 0, removes = 0, accepted = 0, joins = 0;

private:
    static bool IsRowMember(const CState* b)
    {
        return (b->GetRowNeighbour(0) || b->GetRowNeighbour(1)) && !b->GetParent();
    }

    // What the link tool does when it ends a path on a block: a link piece without a son points
    // at a block elsewhere in the graph (a join, or a loop when the block lies above it), written
    // before or after the piece in the project text, under a smaller or a larger number.
    bool Join(const std::vector<CState*>& blocks)
    {
        std::vector<CState*> ends;
        for (CState* b : blocks)
            if (b->IsLinkPiece() && !b->GetSon() && !IsRowMember(b))
                ends.push_back(b);
        if (ends.empty())
            return false;
        CState* end = ends[Below(ends.size())];
        std::vector<CState*> targets;
        for (CState* b : blocks)
            if (b != m_program.GetRoot() && !IsRowMember(b) && !b->GetExtraParent(1) && b != end)
                targets.push_back(b);
        if (targets.empty())
            return false;
        CState* target = targets[Below(targets.size())];
        end->SetSon(target);
        target->SetExtraParent(target->GetExtraParent(0) ? 1 : 0, end);
        ++joins;
        return true;
    }

    size_t Below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(m_rng); }
    bool Chance(int percent) { return static_cast<int>(Below(100)) < percent; }

    CProgram& m_program;
    ScriptedUserInterface& m_ui;
    std::mt19937 m_rng;
    std::vector<CState*> m_prototypes;
};
