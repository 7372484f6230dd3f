#include "simulation/SimulationRun.h"

#include "model/CProgram.h"
#include "robot/RobotLink.h"
#include "robot/RobotProtocol.h"
#include "simulation/MachineRegisters.h"

#include <algorithm>

namespace {
// The prologue is straight-line code; this only bounds a damaged image.
constexpr int kPrologueStepLimit = 1 << 16;

// The first block that is not a link piece, following the son links from piece; null when the
// chain holds only link pieces.
CState* FirstRealBlock(CState* piece, int limit)
{
    for (int i = 0; piece && i <= limit; ++i, piece = piece->GetSon())
        if (!piece->IsLinkPiece())
            return piece;
    return nullptr;
}

// Whether some block of block's row holds the address.
bool RowHolds(CState* block, int pc)
{
    for (CState* member = block->LeftmostOfRow(); member; member = member->GetRowNeighbour(1))
        if (member->HoldsAddress(pc))
            return true;
    return false;
}

// Whether to is one step on from from: its right row neighbour, son, branch son or third successor.
bool FollowsDirectly(const CState* from, const CState* to)
{
    return to && (to == from->GetRowNeighbour(1) || to == from->GetSon() || to == from->GetBranchSon(0) ||
                  to == from->GetBranchSon(1));
}
} // namespace

SimulationRun::SimulationRun(CProgram& program, const unsigned char* image, int length)
    : m_program(program), m_addresses(program)
{
    m_machine.LoadImage(image, length);
    m_machine.RunReset();
    SetCurrentBlock(nullptr);
}

void SimulationRun::SetRawInput(int port, int raw)
{
    m_machine.SetRawInput(port, std::clamp(raw, 0, 1023));
}

bool SimulationRun::MachineStep()
{
    return m_lastResult = m_machine.MachineStep();
}

void SimulationRun::PrepareRun()
{
    m_machine.SetGo(false);
    m_machine.SetRunState(TamekMachine::Idle);
    m_machine.OutputReset();
    MachineStep();
    m_machine.SetRunState(TamekMachine::Armed);
    MachineStep();
    CState* root = m_program.GetRoot();
    CState* reached = m_addresses.At(m_machine.Pc());
    for (int i = 0; reached == root && m_lastResult && i < kPrologueStepLimit; ++i) {
        MachineStep();
        reached = m_addresses.At(m_machine.Pc());
    }
    m_walk = root;
    m_pending = reached;
    m_catchUpTicks = 0;
}

void SimulationRun::Clock()
{
    if (m_lastResult && (m_mode == Virtual || m_mode == Manual) && (m_running || m_stepRequest)) {
        m_machine.ClockTick();
        m_simulatedMs += kClockMs;
    }
}

void SimulationRun::Tick()
{
    if (m_mode == Standalone)
        WatchRobotTick();
    else if (!m_running && !m_stepRequest)
        RefreshPanel();
    else if (m_pending)
        CatchUp();
    else
        Execute();
}

void SimulationRun::Execute()
{
    int previous = m_machine.Pc();
    if (!MachineStep()) {
        if (m_display)
            m_display->SendStop();
        return; // the run may be gone
    }
    const int limit = m_addresses.PieceCount();
    CState* block = m_addresses.At(m_machine.Pc());
    if (block && m_machine.Pc() <= previous) {
        // A jump back to the start of a block's successor: a block without code (a loop's Repeat
        // block) shares that address and is found first.
        const int pc = m_machine.Pc();
        CState* son = FirstRealBlock(block->GetSon(), limit);
        CState* branch = FirstRealBlock(block->GetBranchSon(0), limit);
        if (son && son->GetCodeAddress() == pc)
            block = son;
        else if (branch && branch->GetCodeAddress() == pc)
            block = branch;
    }
    // The rest of the block's straight-line code, up to a block change or a jump back.
    CState* current = GetCurrentBlock();
    while (block == current && m_machine.Pc() > previous) {
        previous = m_machine.Pc();
        MachineStep();
        block = m_addresses.At(m_machine.Pc());
    }
    if (block != current && m_walk) {
        if (FollowsDirectly(m_walk, block)) {
            m_walk = block;
            m_pending = nullptr;
            ShowBlock(block);
        } else {
            m_pending = block;
            m_catchUpTicks = 0;
            ShowBlock(m_walk);
        }
        m_stepRequest = false;
    }
    // A loop inside a block other than Wait: the next tick only settles the highlight.
    if (block && block == current && m_machine.Pc() < previous && block->GetKindWordRaw() != "Wait") {
        m_pending = block;
        m_catchUpTicks = 0;
    }
    m_lastPc = m_machine.Pc();
    RefreshPanel();
}

void SimulationRun::CatchUp()
{
    if (!m_walk) {
        m_lastResult = false;
        RefreshPanel();
        return;
    }
    m_lastResult = true;
    const int pc = m_machine.Pc();
    const int limit = m_addresses.PieceCount();
    CState* walk = m_walk;
    if (walk->GetRowNeighbour(0)) {
        walk = walk->LeftmostOfRow();
        while (!walk->GetSon() && walk->GetRowNeighbour(1))
            walk = walk->GetRowNeighbour(1);
    }
    if (CState* son = walk->GetSon()) {
        if (CState* branch = walk->GetBranchSon(0)) {
            // The path whose first block holds the program counter.
            if (CState* sonBlock = FirstRealBlock(son, limit))
                walk = RowHolds(sonBlock, pc) ? son : branch;
            else if (CState* branchBlock = FirstRealBlock(branch, limit))
                walk = RowHolds(branchBlock, pc) ? branch : son;
            else
                walk = son;
        } else {
            walk = son->LeftmostOfRow();
        }
    }
    // A walk that cannot go on, or goes round in circles, jumps to where the program is.
    if (walk == m_walk || ++m_catchUpTicks > limit)
        walk = m_pending;
    m_walk = walk;
    if (m_walk == m_pending) {
        m_pending = nullptr;
        m_stepRequest = false;
    }
    ShowBlock(m_walk);
    RefreshPanel();
}

void SimulationRun::WatchRobotTick()
{
    int pc = 0;
    if (m_robot && m_robot->IsConnected() && !m_robot->RecentlySilent() && m_robot->ReadProgramCounter(pc)) {
        CState* block = m_addresses.At(pc);
        int value = 0;
        if (block && block->IsVariableKind() && block->GetVariableIndex() >= 0 &&
            block->GetVariableIndex() < TamekMachine::kVariableCount) {
            if (m_robot->ReadRegister(block->GetVariableIndex(), value))
                m_machine.SetVariable(block->GetVariableIndex(), value);
        } else if (block && block->GetCategory() == Category::Action) {
            const int number = RobotRegisterOfKind(block->GetKindWordRaw().ToStdString());
            if (number >= 0 && m_robot->ReadRegister(number, value))
                SetMachineRegister(m_machine, number, value);
        }
        if (block != GetCurrentBlock()) {
            ShowBlock(block);
            m_stepRequest = false;
        }
        m_lastPc = pc;
    }
    RefreshPanel();
}

void SimulationRun::ShowBlock(CState* block)
{
    if (GetCurrentBlock() == block)
        return;
    SetCurrentBlock(block);
    if (m_display)
        m_display->RepaintCanvas();
}

void SimulationRun::RefreshPanel()
{
    if (m_display)
        m_display->RefreshPanel();
}
