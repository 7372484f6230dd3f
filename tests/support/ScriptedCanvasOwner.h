#pragma once
// A canvas owner for tests and benchmarks: answers the canvas's questions as scripted and counts
// them; the command groups and the zoom commands go on to the window behind it, when there is one.

#include "editor/CanvasOwner.h"

#include <vector>

class CState;

struct ScriptedCanvasOwner : CanvasOwner
{
    explicit ScriptedCanvasOwner(CanvasOwner* behind = nullptr) : window(behind) {}

    void EnableCommands(long mask) override
    {
        if (window)
            window->EnableCommands(mask);
    }
    void DisableCommands(long mask) override
    {
        if (window)
            window->DisableCommands(mask);
    }
    bool IsSimulationRunning() const override { return running; }
    bool IsShiftHeld() const override { return shift; }
    void EnableZoomCommands(bool zoomIn, bool zoomOut, bool reset) override
    {
        if (window)
            window->EnableZoomCommands(zoomIn, zoomOut, reset);
    }
    bool AskToStopSimulation() override
    {
        if (!running)
            return true;
        ++questions;
        running = !stopRun;
        return stopRun;
    }
    int ShowBlockProperties(CState* block, bool) override
    {
        shownProperties.push_back(block);
        if (editProperties)
            editProperties(block);
        return propertiesAnswer;
    }
    void VariablesChanged() override { ++variableChanges; }

    CanvasOwner* window;
    bool running = false; // a run exists
    bool stopRun = true;  // the simulation question is answered OK
    bool shift = false;
    int propertiesAnswer = kPropertiesConfirmed;
    void (*editProperties)(CState*) = nullptr; // what "the user" changes in the dialog
    int questions = 0;
    int variableChanges = 0;
    std::vector<CState*> shownProperties;
};
