#pragma once
// Run control: the run mode, the run of the moment, and what the run commands do with them (open a
// run, start or continue, step, pause, stop, choose the mode), with
// the enabled state of the run commands kept in step. The main window forwards its commands here
// and answers, as the host, what a run needs of a window.

#include "simulation/SimulationRun.h"

#include <memory>

class CalibrationRecord;
class CProgram;
class RobotLink;

// The command-state bits of the run commands.
namespace RunGroups {
constexpr long Start = 0x4000;
constexpr long Pause = 0x8000;
constexpr long Stop = 0x10000;
constexpr long Step = 0x20000;
} // namespace RunGroups

class RunHost
{
public:
    virtual ~RunHost() = default;
    virtual void EnableCommands(long mask) = 0;
    virtual void DisableCommands(long mask) = 0;
    // "Een simulatie loopt, onderbreken?" (caption "Simulatie loopt", OK and Cancel); true for OK.
    virtual bool ConfirmStopSimulation() = 0;
    // The calibration that the Start block's prologue loads.
    virtual const CalibrationRecord& GetCalibration() const = 0;
    // The robot link that a standalone run commands and watches, else null.
    virtual RobotLink* RunRobotLink() = 0;
    // A run opened: the window makes the run window that owns its timers and gives it its display.
    virtual void RunOpened(SimulationRun& run) = 0;
    // The run ends: the window destroys the run window (no tick may reach the run any more).
    virtual void RunClosed() = 0;
    // A virtual run starts: the sensor rows of the names list show "    0".
    virtual void ResetSensorRows() = 0;
    // The mode chosen: the mode tools' pictures and the checked mode item.
    virtual void ShowMode(int mode) = 0;
    // The canvas repaints (the highlight changed).
    virtual void RepaintCanvas() = 0;
};

class RunControl
{
public:
    RunControl(CProgram& program, RunHost& host);
    ~RunControl();
    RunControl(const RunControl&) = delete;
    RunControl& operator=(const RunControl&) = delete;

    // Compiles and, when there is something after the Start block, opens a run (start: for Start,
    // else for Step). Returns the compiler's result.
    bool OpenRun(bool start);
    // The run commands.
    void Start();
    void Step();
    void Pause();
    // Ends the run (Stop, and the end of the program).
    void StopRun();
    // The mode commands: 1 virtual, 2 manual, 3 standalone. While a run of another mode exists the
    // question is asked first; false when the user kept the run.
    bool ChooseMode(int mode);

    // Before an edit of the canvas: without a run true; else the question, and OK stops the run.
    bool AskToStopSimulation();
    // Before undo, redo, a new or an opened project: the question; OK ends the run without telling
    // the robot anything (a standalone program goes on by itself) and leaves the highlight alone.
    bool AskToDropRun();
    // Ends the run as AskToDropRun does, without asking (the window closes).
    void DropRun();

    bool IsRunActive() const { return m_run != nullptr; }
    // 1, 2 or 3 (a mode not yet chosen counts as virtual).
    int GetMode() const { return m_mode; }
    // The mode the window sets without a question (a linked program shown: virtual). Ignored while
    // a run exists, whose mode stays the one it was opened in.
    void SetModeQuietly(int mode);
    // Whether a run of the virtual mode exists: the only time typed sensor values count.
    bool IsVirtualRunActive() const { return m_run && m_run->GetMode() == SimulationRun::Virtual; }
    // The run of the moment, or null.
    SimulationRun* Run() const { return m_run.get(); }

private:
    // The robot commands of a standalone run go to this link, when there is one.
    RobotLink* StandaloneLink() const;
    // Step of a standalone run: the robot steps until its program counter leaves the block shown.
    void StepRobot();
    void CloseRun();
    // Without a run true; else the question, and OK ends the run as end does.
    bool AskToEndRun(void (RunControl::*end)());

    CProgram& m_program;
    RunHost& m_host;
    int m_mode = SimulationRun::Virtual;
    std::unique_ptr<SimulationRun> m_run;
    // The run that ended last, kept until the next opens: it may end from inside its own tick.
    std::unique_ptr<SimulationRun> m_ended;
};
