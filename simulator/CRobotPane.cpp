#include "simulator/CRobotPane.h"

#include "base/Translation.h"
#include "calibration/CalibrationRecord.h"
#include "editor/RunValues.h"
#include "model/Prototypes.h"
#include "simulation/RunPanel.h"
#include "simulation/SimulationRun.h"

#include <memory>
#include <wx/dcbuffer.h>
#include <wx/graphics.h>

namespace {
// The sensor prototypes in the pane's order: switch 1-3, detector 1-2.
const KindId kSensorKinds[] = {KindId::Switch1, KindId::Switch2, KindId::Switch3, KindId::Detector1, KindId::Detector2};
} // namespace

CRobotPane::CRobotPane(wxWindow* parent, SimulatedInputs& inputs, std::function<RunValues*()> values)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxSize(300, 520)), m_inputs(inputs), m_values(std::move(values))
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetToolTip(_("Klik op een schakelaar of sleep een sensor om de robot tijdens een virtuele simulatie te bedienen."));
    Bind(wxEVT_PAINT, &CRobotPane::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CRobotPane::OnLeftDown, this);
    Bind(wxEVT_MOTION, &CRobotPane::OnMotion, this);
    Bind(wxEVT_LEFT_UP, &CRobotPane::OnLeftUp, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CRobotPane::OnCaptureLost, this);
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        Refresh(false);
        event.Skip();
    });
}

void CRobotPane::ShowRun(const SimulationRun* run, bool inputsActive, const CalibrationRecord& calibration)
{
    RobotView view;
    if (run) {
        const TamekMachine& machine = run->Machine();
        view.state = run->IsRunning()         ? RobotView::Running
                     : run->IsStepRequested() ? RobotView::Stepping
                                              : RobotView::Paused;
        view.inputsActive = inputsActive;
        view.runLight = machine.RunLightOn();
        view.led = machine.RedLedOn();
        view.buzzer = machine.BuzzerOn();
        for (int i = 0; i < 2; ++i) {
            view.servo[i] = machine.GetChannel(i).lastWritten;
            view.motor[i] = machine.GetChannel(3 - i).lastWritten;
            view.direction[i] = machine.GetChannel(3 - i).direction;
        }
        for (int port = 1; port <= 3; ++port)
            view.raw[port - 1] = machine.RawInput(port);
    }
    for (int i = 0; i < 2; ++i)
        view.continuous[i] = (calibration.servo[i].flags & 2) != 0;
    if (const CState* motor = Prototypes::Get().Of(KindId::Motor1))
        view.motorLimit = std::max(std::abs(motor->ParameterMinimum()), std::abs(motor->ParameterMaximum()));
    for (int i = 0; i < 5; ++i)
        if (const CState* sensor = Prototypes::Get().Of(kSensorKinds[i]))
            view.names[i] = sensor->ResolvedName();
    if (!view.inputsActive)
        EndDrag();
    if (view == m_view)
        return;
    m_view = view;
    Refresh(false);
}

void CRobotPane::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
    if (gc)
        DrawRobotPane(*gc, GetClientSize(), m_view);
}

void CRobotPane::OnLeftDown(wxMouseEvent& event)
{
    if (!m_view.inputsActive)
        return;
    const RobotPaneLayout layout = Layout();
    for (int i = 0; i < 3; ++i)
        if (layout.SwitchRect(i).Contains(event.GetPosition())) {
            SetInput(i, m_view.SwitchPressed(i) ? 1023 : 0);
            return;
        }
    for (int i = 0; i < 2; ++i)
        if (layout.DetectorTrack(i).Contains(event.GetPosition())) {
            m_draggedDetector = i;
            if (!HasCapture())
                CaptureMouse();
            SetInput(i, 1023 - layout.DetectorValueAt(i, event.GetX()));
            return;
        }
}

void CRobotPane::OnMotion(wxMouseEvent& event)
{
    if (m_draggedDetector >= 0 && event.LeftIsDown())
        SetInput(m_draggedDetector, 1023 - Layout().DetectorValueAt(m_draggedDetector, event.GetX()));
}

void CRobotPane::OnLeftUp(wxMouseEvent&)
{
    EndDrag();
}

void CRobotPane::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_draggedDetector = -1;
}

void CRobotPane::EndDrag()
{
    m_draggedDetector = -1;
    if (HasCapture())
        ReleaseMouse();
}

void CRobotPane::SetInput(int port, int raw)
{
    if (!m_inputs.IsVirtualRunActive() || raw == m_view.raw[port])
        return;
    if (RunValues* values = m_values())
        for (const RowText& row : SensorRowTexts(port, raw))
            values->SetRowValue(row.row, row.text);
    m_inputs.SetRawInput(port, raw); // the main window shows the run again, with the new input
}
