#pragma once
// What the canvas asks of the window that owns it (the main window; a scripted owner in tests).

class CState;

class CanvasOwner
{
public:
    virtual ~CanvasOwner() = default;
    // Enables or disables groups of commands named by command-state bits.
    virtual void EnableCommands(long mask) = 0;
    virtual void DisableCommands(long mask) = 0;
    // Whether a simulation run exists.
    virtual bool IsSimulationRunning() const = 0;
    // Whether Shift alone is held (kept by the application's event filter).
    virtual bool IsShiftHeld() const = 0;
    // Enables or disables the three zoom commands: 4610 "Zoom in", 4611 "Zoom uit", 4612 "Beginwaarden zoom".
    virtual void EnableZoomCommands(bool zoomIn, bool zoomOut, bool reset) = 0;
    // Before an edit while a run exists: asks "Een simulatie loopt, onderbreken?" (caption
    // "Simulatie loopt", OK and Cancel); OK stops the run and answers true, Cancel answers false.
    // Without a run it answers true without asking.
    virtual bool AskToStopSimulation() = 0;
    // Opens the block properties dialog for block (300 x 150, centred on the main window) and
    // answers its code: 1000 confirmed ("Ok"), 1001 abandoned. newBlock: the dialog shows the
    // clone source's values (a block just dropped from the palette).
    virtual int ShowBlockProperties(CState* block, bool newBlock) = 0;
    // The program's variables changed (a variable block deleted, undo, redo, a project read):
    // the names list rebuilds its variable rows from the program's variable list.
    virtual void VariablesChanged() = 0;
};

// The answers of the block properties dialog.
constexpr int kPropertiesConfirmed = 1000;
constexpr int kPropertiesAbandoned = 1001;

// The groups of the owner's command-state mask that the canvas asks for.
namespace CanvasGroups {
// A program below the Start block is shown: new, open, print and the four canvas tools.
constexpr long ProgramShown = 0x1396;
// An edit changed the program: save and undo.
constexpr long Edited = 0x28;
// The properties of a block were changed: save.
constexpr long Saved = 0x8;
constexpr long Redo = 0x40;
constexpr long Start = 0x4000;
} // namespace CanvasGroups

// The view zoom of the canvas in tenths (10 = 100 %), each axis kept between 5 and 15.
struct ViewZoom
{
    int x = 10;
    int y = 10;
};
ViewZoom& TheViewZoom();
