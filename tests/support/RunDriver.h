#pragma once
// Run control and its runs driven by a test: a host that records what the window would do, and
// simulated time that fires a run's clock every 100 ms and its tick every 200 ms (the clock first
// when both are due), as the run window's two timers do; no test waits for real time.

#include "simulation/RunControl.h"
#include "support/ProjectText.h"

#include <string>
#include <vector>

namespace testing_support {

class RunDriver : public RunHost, public RunDisplay
{
public:
    // program: a project of tests/data (or examples/ with "../../examples/..."), read with its
    // calibration taken over as the window does; empty: the program as it is.
    explicit RunDriver(CProgram& program, const std::string& project = std::string())
        : program(program), control(program, *this)
    {
        program.EnsureRoot();
        if (project.empty())
            return;
        CalibrationRecord fileCalibration = CalibrationRecord::Defaults();
        EXPECT_TRUE(ReadString(program, DataFile(project), nullptr, &fileCalibration)) << project;
        calibration.TakeFromProject(fileCalibration);
    }
    ~RunDriver() override
    {
        control.DropRun();
        SetCurrentBlock(nullptr);
        program.ResetPrototypeNames();
    }

    void EnableCommands(long mask) override { enabled |= mask; }
    void DisableCommands(long mask) override { enabled &= ~mask; }
    bool ConfirmStopSimulation() override
    {
        ++questions;
        return answer;
    }
    const CalibrationRecord& GetCalibration() const override { return calibration; }
    RobotLink* RunRobotLink() override { return link; }
    void RunOpened(SimulationRun& run) override { run.SetDisplay(this); }
    void RunClosed() override { ++closed; }
    void ResetSensorRows() override { ++sensorResets; }
    void ShowMode(int mode) override { shownMode = mode; }
    void RepaintCanvas() override { Note(); }
    void RefreshPanel() override {}
    void SendStop() override
    {
        endedAt = now;
        if (SimulationRun* run = control.Run())
            stateAtEnd = run->Machine();
        control.StopRun();
    }

    // Lets ms of simulated time pass (in steps of 100 ms) while a run exists.
    void Advance(int ms)
    {
        for (int passed = 0; passed < ms && control.Run(); passed += SimulationRun::kClockMs) {
            now += SimulationRun::kClockMs;
            control.Run()->Clock();
            if (now % SimulationRun::kTickMs == 0)
                control.Run()->Tick();
        }
    }
    // Lets time pass until the run ends or limitMs have passed; true when it ended.
    bool RunToEnd(int limitMs)
    {
        Advance(limitMs);
        return !control.Run();
    }
    const TamekMachine& Machine() const { return control.Run()->Machine(); }
    // The highlighted block's kind word ("-" for none).
    static std::string Highlighted()
    {
        const CState* block = GetCurrentBlock();
        return block ? block->GetKindWordRaw().ToStdString() : "-";
    }

    CProgram& program;
    CalibrationRecord calibration = CalibrationRecord::Defaults();
    RunControl control;
    RobotLink* link = nullptr;
    bool answer = true;
    long enabled = 0;
    int questions = 0, closed = 0, sensorResets = 0, shownMode = 0;
    long now = 0, endedAt = -1;
    TamekMachine stateAtEnd;
    // Every change of the highlight: "<ms>:<kind word>".
    std::vector<std::string> highlights;

private:
    void Note()
    {
        const std::string entry = std::to_string(now) + ":" + Highlighted();
        if (highlights.empty() || highlights.back() != entry)
            highlights.push_back(entry);
    }
};

} // namespace testing_support
