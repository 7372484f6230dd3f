#include "bytecode/ProgramCompiler.h"

#include "base/Translation.h"
#include "bytecode/Emitters.h"
#include "model/UserInterface.h"

#include <wx/intl.h>

#include <cstring>

namespace {

// Bound on walks along row, parent and son links, so a damaged graph cannot loop for ever.
constexpr int kWalkLimit = 1 << 20;

bool Joins(const CState* block, const CState* son)
{
    return son->GetExtraParent(0) == block || son->GetExtraParent(1) == block;
}

// The jump target reached from a son: the first block that is not a link piece along the son
// links, or the last link piece when the chain ends.
CState* JumpTarget(CState* son)
{
    CState* target = son;
    for (int i = 0; i < kWalkLimit && target->IsLinkPiece() && target->GetSon(); ++i)
        target = target->GetSon();
    return target;
}

} // namespace

ProgramCompiler::ProgramCompiler(CProgram& program, const CalibrationRecord& calibration, const unsigned char*& image,
                                 int& length)
    : m_program(program), m_context{program, calibration}, m_image(image), m_length(length)
{
}

bool ProgramCompiler::Link(CState* block, CompileStatus& status)
{
    if (!block) {
        status = CompileStatus::NoRoot;
        return false;
    }
    m_work.push_back({block, false, 0});
    while (!m_work.empty()) {
        const Work work = m_work.back();
        m_work.pop_back();
        if (work.branchPart)
            FollowBranch(work.block, work.address);
        else if (!Place(work.block, status))
            return false;
    }
    ResolveForwardJumps();
    status = CompileStatus::Ok;
    return true;
}

bool ProgramCompiler::Place(CState* block, CompileStatus& status)
{
    if (!m_image) {
        m_image = m_program.ImageBuffer();
    } else if (m_length > kPlacementLimit) {
        status = CompileStatus::CodeTooLong;
        return false;
    }
    block->SetCodeAddress(m_length);
    SetCurrentBlock(block);
    Ui().RequestRepaint();
    m_placed.insert(block);

    CState* son = block->GetSon();
    const bool joins = son && (Joins(block, son) || IsPlaced(son));

    // The block's row, left to right (a block without a row is a row of one).
    int address = m_length;
    CState* member = block->LeftmostOfRow();
    for (int i = 0; member && i < kWalkLimit; ++i, member = member->GetRowNeighbour(1)) {
        member->SetCodeAddress(m_length);
        m_placed.insert(member);
        const int emitted = EmitBlockCode(*member, m_context);
        if (emitted < 0 || !Append(member->GetCode(), member->GetCodeLength())) {
            status = CompileStatus::CodeTooLong;
            return false;
        }
        if (member == block)
            address = member->GetCodeAddress();
    }

    if (!son) {
        if (!ClosePath(block)) {
            status = CompileStatus::CodeTooLong;
            return false;
        }
    } else if (joins) {
        if (!CloseJoin(block, JumpTarget(son))) {
            status = CompileStatus::CodeTooLong;
            return false;
        }
    } else {
        // The son's whole path comes first; the branch follows it.
        m_work.push_back({block, true, address});
        m_work.push_back({son, false, 0});
        return true;
    }
    FollowBranch(block, address);
    return true;
}

void ProgramCompiler::FollowBranch(CState* block, int address)
{
    CState* branch = block->GetBranchSon(0);
    // The branch's displacement is the last two bytes of the block's own code; it counts from
    // its first byte to the branch path, which starts here.
    const int field = address + block->GetCodeLength() - 2;
    if (!branch) {
        // A condition without its FALSE path (its exit deleted, or a file that names an earlier
        // block there) tests again: the branch leads back to its own first instruction, never
        // into the middle of one.
        if (block->IsCondition() && block->GetCodeLength() >= 3)
            PatchLittleEndian(field, address - (field - 1));
        return;
    }
    if (IsPlaced(branch)) {
        // A branch back to code placed before (only a damaged graph has one): aimed there, and
        // not placed twice, so the compilation always ends.
        if (block->GetCodeLength() >= 3) {
            const int target = JumpTarget(branch)->LeftmostOfRow()->GetCodeAddress();
            PatchLittleEndian(field, target < field - 1 ? target - (field - 1) : target - field);
        }
        return;
    }
    if (block->GetCodeLength() >= 2)
        PatchLittleEndian(field, m_length - field);
    m_work.push_back({branch, false, 0});
}

bool ProgramCompiler::Append(const unsigned char* bytes, int count)
{
    if (count < 0 || count > CProgram::kImageCapacity - m_length)
        return false;
    std::memcpy(m_program.ImageBuffer() + m_length, bytes, static_cast<size_t>(count));
    m_length += count;
    return true;
}

void ProgramCompiler::AppendJump(int displacement)
{
    const unsigned char jump[3] = {0x7D, static_cast<unsigned char>(displacement & 0xFF),
                                   static_cast<unsigned char>((displacement >> 8) & 0xFF)};
    Append(jump, 3);
}

void ProgramCompiler::PatchLittleEndian(int address, int value)
{
    if (address < 0 || address + 2 > m_length)
        return;
    unsigned char* code = m_program.ImageBuffer();
    code[address] = static_cast<unsigned char>(value & 0xFF);
    code[address + 1] = static_cast<unsigned char>((value >> 8) & 0xFF);
}

bool ProgramCompiler::CloseJoin(CState* block, CState* target)
{
    const int jumpAddress = m_length;
    const bool emptyLoop = IsPlaced(target) && target->LeftmostOfRow()->GetCodeAddress() == jumpAddress;
    if (m_length + (emptyLoop ? 4 : 3) > CProgram::kImageCapacity)
        return false;
    if (emptyLoop) {
        // A loop without code: no jump can lead to itself (a zero displacement counts from the byte
        // after the opcode), so two short jumps lead to each other and the program waits there.
        static const unsigned char kWaitForever[4] = {0x7C, 0x01, 0x7C, 0xFE};
        Append(kWaitForever, 4);
        return true;
    }
    if (IsPlaced(target)) {
        AppendJump(target->LeftmostOfRow()->GetCodeAddress() - jumpAddress);
    } else {
        // A join into code that is placed later: aimed once everything is placed.
        AppendJump(-2);
        m_forwardJumps.push_back({jumpAddress, target});
    }
    AttributeJump(block, jumpAddress);
    return true;
}

// The jump belongs to the last real block before it: that block's tail covers the jump, and the
// link pieces between that block and the jump take the address after it.
void ProgramCompiler::AttributeJump(CState* block, int jumpAddress)
{
    CState* owner = block;
    CState* below = nullptr;
    for (int i = 0; owner && owner->IsLinkPiece() && i < kWalkLimit; ++i) {
        below = owner;
        owner = owner->GetParent();
    }
    if (!owner)
        return;
    CState* last = owner->RightmostOfRow();
    if (!last->HoldsAddress(jumpAddress - 1))
        return;
    last->SetTailLength(3);
    const int after = last->GetCodeAddress() + last->GetCodeLength() + 3;
    CState* piece = below;
    for (int i = 0; piece && piece != block && piece->IsLinkPiece() && i < kWalkLimit; ++i, piece = piece->GetSon())
        piece->SetCodeAddress(after);
    if (block->IsLinkPiece()) // a real block keeps the address of its own code
        block->SetCodeAddress(after);
}

bool ProgramCompiler::ClosePath(CState* block)
{
    const wxString label = block->GetLabel();
    if (label == L"Stop") {
        // The Stop block's own final jump leads to address -3, outside the image.
        PatchLittleEndian(m_length - 2, -m_length);
    } else if (label != L"End") {
        // Repeat the path's last two bytes for ever.
        if (m_length + 3 > CProgram::kImageCapacity)
            return false;
        AppendJump(-2);
        block->RightmostOfRow()->SetTailLength(3);
    }
    return true;
}

void ProgramCompiler::ResolveForwardJumps()
{
    for (const ForwardJump& jump : m_forwardJumps) {
        if (!IsPlaced(jump.target))
            continue; // stays a jump two bytes back
        const int target = jump.target->LeftmostOfRow()->GetCodeAddress();
        const int displacement = target < jump.address ? target - jump.address : target - jump.address - 1;
        PatchLittleEndian(jump.address + 1, displacement);
    }
}

bool CompileProgram(CProgram& program, const CalibrationRecord& calibration, const unsigned char*& image, int& length,
                    CompileStatus* status)
{
    CompileStatus result = CompileStatus::NoRoot;
    image = nullptr;
    length = 0;
    if (CState* root = program.GetRoot()) {
        program.ForEachBlock([](CState* block) { block->SetTailLength(0); });
        std::memset(program.ImageBuffer(), 0, CProgram::kImageCapacity);
        program.SetImageLength(0);
        ProgramCompiler compiler(program, calibration, image, length);
        if (compiler.Link(root, result))
            program.SetImageLength(length);
    }
    if (status)
        *status = result;
    return result == CompileStatus::Ok;
}

bool CompileForRun(CProgram& program, const CalibrationRecord& calibration, const unsigned char*& image, int& length)
{
    CompileStatus status = CompileStatus::Ok;
    if (CompileProgram(program, calibration, image, length, &status))
        return true;
    if (status == CompileStatus::CodeTooLong)
        Ui().ShowMessage(Tr("Code too long"), Tr("WARNING"));
    return false;
}
