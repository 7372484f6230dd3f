#pragma once
// The "Robot" pane: what a pupil watches during a run instead of the hidden run window. It draws
// the virtual robot's outputs live, and during a virtual run its switches can be clicked and its
// detectors dragged; these set the simulated inputs through the same setter as the names list.

#include "simulator/RobotPaneDrawing.h"

#include <functional>
#include <wx/panel.h>

class CalibrationRecord;
class RunValues;
class SimulatedInputs;
class SimulationRun;

class CRobotPane : public wxPanel
{
public:
    // values: the names list (or null), whose sensor rows follow what the pane sets.
    CRobotPane(wxWindow* parent, SimulatedInputs& inputs, std::function<RunValues*()> values);

    // Shows a run (null: none); inputsActive: the pupil may set the sensors (a virtual run).
    void ShowRun(const SimulationRun* run, bool inputsActive, const CalibrationRecord& calibration);
    const RobotView& View() const { return m_view; }
    RobotPaneLayout Layout() const { return RobotPaneLayout(GetClientSize()); }

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    // Sets sensor port (0-2) to raw and shows it in the names list's rows of that port.
    void SetInput(int port, int raw);
    void EndDrag();

    SimulatedInputs& m_inputs;
    std::function<RunValues*()> m_values;
    RobotView m_view;
    int m_draggedDetector = -1;
};
