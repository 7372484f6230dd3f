#pragma once
// One run of the simulator: the byte-code machine running a copy of the program image, the clock
// that advances its timer, and the highlight that walks the flowchart to the block whose code runs.
// The window of a run owns two timers and forwards them here (Tick every 200 ms, Clock every
// 100 ms); tests call the two themselves, so a run is tested without a display or a wait.
//
// The highlight is the canvas's current block. A tick either executes (one block's straight-line
// code, or one pass of a loop inside a block) or, while a pending block is set, only moves the
// highlight one piece along the graph towards it, so the pupil sees the way the program went.

#include "bytecode/TamekMachine.h"
#include "simulation/BlockAddresses.h"

class CProgram;
class CState;
class RobotLink;

// What a run asks of the window that shows it.
class RunDisplay
{
public:
    virtual ~RunDisplay() = default;
    // The current block changed: the canvas repaints.
    virtual void RepaintCanvas() = 0;
    // The machine's values changed: the names list and the robot pane show them.
    virtual void RefreshPanel() = 0;
    // The program ended: the window sends the Stop command, which may end the run at once.
    virtual void SendStop() = 0;
};

class SimulationRun
{
public:
    static constexpr int kTickMs = 200;
    static constexpr int kClockMs = 100;
    enum Mode : int
    {
        Virtual = 1,
        Manual = 2,
        Standalone = 3
    };

    // Copies the image (as the last compilation of program placed it), resets the machine for a
    // run, clears the current block; virtual mode, running.
    SimulationRun(CProgram& program, const unsigned char* image, int length);
    SimulationRun(const SimulationRun&) = delete;
    SimulationRun& operator=(const SimulationRun&) = delete;

    void SetDisplay(RunDisplay* display) { m_display = display; }
    // The robot that standalone mode watches (null: none).
    void WatchRobot(RobotLink* link) { m_robot = link; }

    // Before the first tick of Start or Step: runs the Start block's prologue (GO pressed and
    // released, then instruction by instruction until the program counter leaves the Start block);
    // the Start block becomes the walk block and the block reached the pending block.
    void PrepareRun();
    // One step of the machine's run states; the step result.
    bool MachineStep();
    // Timer 1. The run may have ended when it returns (SendStop): touch it no more then.
    void Tick();
    // Timer 2: the machine's timer advances 100 ms while the run runs or steps.
    void Clock();

    int GetMode() const { return m_mode; }
    void SetMode(int mode) { m_mode = mode; }
    bool IsRunning() const { return m_running; }
    void SetRunning(bool running) { m_running = running; }
    bool IsStepRequested() const { return m_stepRequest; }
    void SetStepRequest(bool request) { m_stepRequest = request; }
    CState* GetWalkBlock() const { return m_walk; }
    CState* GetPendingBlock() const { return m_pending; }
    void ClearPendingBlock() { m_pending = nullptr; }
    bool LastStepResult() const { return m_lastResult; }
    // The program counter when the last tick ended.
    int LastPc() const { return m_lastPc; }
    // The simulated time the run has run, in milliseconds (it stands still while the run is paused).
    long SimulatedMs() const { return m_simulatedMs; }

    // Raw value 0-1023 of sensor port 1-3 (the program reads 1023 minus it).
    void SetRawInput(int port, int raw);
    const TamekMachine& Machine() const { return m_machine; }
    // The block that holds a program address, or null.
    CState* BlockAt(int pc) const { return m_addresses.At(pc); }

private:
    void Execute();
    void CatchUp();
    void WatchRobotTick();
    void ShowBlock(CState* block);
    void RefreshPanel();

    CProgram& m_program;
    TamekMachine m_machine;
    BlockAddresses m_addresses;
    RunDisplay* m_display = nullptr;
    RobotLink* m_robot = nullptr;
    CState* m_walk = nullptr;
    CState* m_pending = nullptr;
    int m_lastPc = 0;
    long m_simulatedMs = 0;
    int m_mode = Virtual;
    bool m_running = true;
    bool m_stepRequest = false;
    bool m_lastResult = false;
    // Ticks spent catching up with the pending block; a walk that takes more than one tick per
    // piece of the graph goes round in circles and jumps to it.
    int m_catchUpTicks = 0;
};
