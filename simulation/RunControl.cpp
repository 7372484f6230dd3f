#include "simulation/RunControl.h"

#include "bytecode/ProgramCompiler.h"
#include "model/CProgram.h"
#include "model/UserInterface.h"
#include "robot/RobotLink.h"

#include <algorithm>

namespace {
// The most instructions one step of a standalone run executes: a block's straight-line code is far
// shorter, and each costs two exchanges with the robot, so a step never holds the window long.
constexpr int kRobotStepLimit = 256;
} // namespace

RunControl::RunControl(CProgram& program, RunHost& host) : m_program(program), m_host(host) {}

RunControl::~RunControl() = default;

RobotLink* RunControl::StandaloneLink() const
{
    return m_run && m_run->GetMode() == SimulationRun::Standalone ? m_host.RunRobotLink() : nullptr;
}

bool RunControl::OpenRun(bool start)
{
    CState* highlighted = GetCurrentBlock();
    const unsigned char* image = nullptr;
    int length = 0;
    const bool compiled = CompileForRun(m_program, m_host.GetCalibration(), image, length);
    const CState* root = m_program.GetRoot();
    const int startEnd = root ? root->GetCodeAddress() + root->GetTailLength() + std::max(root->GetCodeLength(), 1) : 0;
    if (!compiled || length <= startEnd) {
        SetCurrentBlock(highlighted); // nothing runs: the compiler's walk leaves no trace
        return compiled;
    }
    if (m_run)
        CloseRun();
    m_ended.reset();
    m_run = std::make_unique<SimulationRun>(m_program, image, length);
    m_run->SetMode(m_mode);
    if (m_mode == SimulationRun::Standalone)
        m_run->WatchRobot(m_host.RunRobotLink());
    // A virtual run starts with every input released, before the window sees it (and may set some).
    if (m_mode == SimulationRun::Virtual) {
        m_host.ResetSensorRows();
        for (int port = 1; port <= 3; ++port)
            m_run->SetRawInput(port, 1023);
    }
    m_host.RunOpened(*m_run);

    m_host.EnableCommands(RunGroups::Stop | (start ? RunGroups::Pause : 0));
    if (start || m_mode != SimulationRun::Virtual)
        m_host.DisableCommands(RunGroups::Start);
    return compiled;
}

void RunControl::Start()
{
    if (!m_run) {
        if (!OpenRun(true) || !m_run)
            return;
        if (m_run->GetMode() != SimulationRun::Standalone) {
            m_run->PrepareRun();
        } else if (RobotLink* link = StandaloneLink()) {
            link->Run();
            link->Restart();
        }
        return;
    }
    if (m_run->GetMode() == SimulationRun::Standalone) {
        RobotLink* link = StandaloneLink();
        if (!link)
            return;
        link->Run();
    } else {
        m_run->SetRunning(true);
    }
    m_host.EnableCommands(RunGroups::Pause);
    m_host.DisableCommands(RunGroups::Start | RunGroups::Step);
}

void RunControl::Step()
{
    if (!m_run) {
        if (!OpenRun(false) || !m_run)
            return;
        if (m_run->GetMode() != SimulationRun::Standalone)
            m_run->PrepareRun();
    }
    if (m_run->GetMode() == SimulationRun::Standalone) {
        StepRobot();
        return;
    }
    m_run->SetRunning(false);
    m_run->SetStepRequest(true);
}

void RunControl::StepRobot()
{
    // The robot executes while the counter stays in the block shown and does not jump back (a loop
    // inside the block ends the step); a counter in no block takes one more step. The run's tick
    // then moves the highlight. A robot that stops answering ends the step where it is.
    RobotLink* link = StandaloneLink();
    int pc = 0, answer = 0;
    if (!link || !link->ReadProgramCounter(pc))
        return;
    CState* block = m_run->BlockAt(pc);
    for (int previous = pc, steps = 0; block == GetCurrentBlock() && pc >= previous && steps < kRobotStepLimit;
         ++steps) {
        previous = pc;
        if (!link->Step(answer) || !link->ReadProgramCounter(pc))
            return;
        block = m_run->BlockAt(pc);
        Ui().SetLastMessage(wxString::Format("PC:%04x", pc));
    }
    if (!block) {
        if (!link->Step(answer) || !link->ReadProgramCounter(pc))
            return;
        Ui().SetLastMessage(wxString::Format("BRANCH PC:%04x", pc));
    }
    Ui().SetLastMessage(wxString::Format("PC:%04x", pc));
}

void RunControl::Pause()
{
    if (!m_run)
        return;
    if (m_run->GetMode() == SimulationRun::Standalone) {
        int answer = 0;
        if (RobotLink* link = StandaloneLink())
            link->Step(answer); // the robot holds at its current instruction
    } else {
        m_run->SetRunning(false);
    }
    m_host.EnableCommands(RunGroups::Start | RunGroups::Stop | RunGroups::Step);
    m_host.DisableCommands(RunGroups::Pause);
}

void RunControl::StopRun()
{
    if (!m_run)
        return;
    if (RobotLink* link = StandaloneLink())
        link->Stop();
    m_host.EnableCommands(RunGroups::Start | RunGroups::Step);
    CloseRun();
    SetCurrentBlock(nullptr);
    m_host.RepaintCanvas();
}

void RunControl::DropRun()
{
    if (!m_run)
        return;
    m_host.EnableCommands(RunGroups::Start);
    CloseRun();
}

void RunControl::CloseRun()
{
    m_run->SetRunning(false);
    m_run->ClearPendingBlock();
    m_ended = std::move(m_run);
    m_host.DisableCommands(RunGroups::Pause | RunGroups::Stop);
    m_host.RunClosed();
}

bool RunControl::AskToStopSimulation()
{
    return AskToEndRun(&RunControl::StopRun);
}

bool RunControl::AskToDropRun()
{
    return AskToEndRun(&RunControl::DropRun);
}

bool RunControl::AskToEndRun(void (RunControl::*end)())
{
    if (!m_run)
        return true;
    if (!m_host.ConfirmStopSimulation())
        return false;
    (this->*end)();
    return true;
}

bool RunControl::ChooseMode(int mode)
{
    if (mode < SimulationRun::Virtual || mode > SimulationRun::Standalone)
        return false;
    if (m_run && mode != m_run->GetMode()) {
        if (!m_host.ConfirmStopSimulation())
            return false;
        StopRun();
    }
    m_mode = mode;
    m_host.ShowMode(mode);
    return true;
}

void RunControl::SetModeQuietly(int mode)
{
    if (!m_run && mode >= SimulationRun::Virtual && mode <= SimulationRun::Standalone)
        m_mode = mode;
}
