#pragma once
// What the canvas asks of the window that owns it (the main window; a bare test frame in tests).

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
};

// The groups of the owner's command-state mask that the canvas asks for.
namespace CanvasGroups {
// A program below the Start block is shown: new, open, print and the four canvas tools.
constexpr long ProgramShown = 0x1396;
// An edit changed the program: save and undo.
constexpr long Edited = 0x28;
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
