// The input poll in the main window: every 100 ms the robot's three inputs go into the sensor rows
// of the names list and, in a manual-mode run, into the simulator; a listener may follow the polls
// of a manual-mode run (a recording of the inputs).
#include "app/CFrame.h"

#include "app/CommandIds.h"
#include "robot/RobotInputPoll.h"
#include "robot/RobotLink.h"

namespace {
constexpr int kInputTimerId = 1002;
constexpr int kInputPeriodMs = 100;

// The window as the input poll sees it: the names list's rows (none while there is no list).
class FrameInputView : public RobotInputView
{
public:
    explicit FrameInputView(CFrame& frame) : m_frame(frame) {}

    bool VirtualRunActive() const override { return m_frame.IsVirtualRunActive(); }
    bool ManualRunActive() const override
    {
        return m_frame.IsRunActive() && m_frame.GetRunMode() == SimulationRun::Manual;
    }
    wxString SensorRowText(int row) const override
    {
        RunValues* values = m_frame.GetRunValues();
        return values ? values->GetRowValue(row) : wxString();
    }
    void SetSensorRowText(int row, const wxString& text) override
    {
        if (RunValues* values = m_frame.GetRunValues())
            values->SetRowValue(row, text);
    }
    void ShowVariablesUnknown() override
    {
        if (RunValues* values = m_frame.GetRunValues())
            values->ResetVariableValues();
    }
    void FeedSimulator(const RobotInputs& inputs) override { m_frame.FeedRobotInputs(inputs); }

private:
    CFrame& m_frame;
};
} // namespace

void CFrame::StartRobotRuns()
{
    m_inputTimer.SetOwner(this, kInputTimerId);
    Bind(wxEVT_TIMER, &CFrame::OnInputTimer, this, kInputTimerId);
    Bind(wxEVT_MENU, &CFrame::OnUpload, this, ID_MENU_UPLOAD);
    Bind(wxEVT_MENU, &CFrame::OnUpload, this, ID_TOOL_UPLOAD);
    m_inputTimer.Start(kInputPeriodMs);
}

void CFrame::SetInputPollListener(InputPollListener listener)
{
    m_inputPollListener = std::move(listener);
}

void CFrame::OnInputTimer(wxTimerEvent&)
{
    // While the calibration dialog is open it has the robot to itself (the names list lies behind it).
    if (m_closing || !m_robotLink || m_configDialog)
        return;
    FrameInputView view(*this);
    PollRobotInputs(*m_robotLink, view);
}

void CFrame::FeedRobotInputs(const RobotInputs& inputs)
{
    SimulationRun* run = m_runControl.Run();
    if (!run)
        return;
    run->SetRawInput(1, inputs.a);
    run->SetRawInput(2, inputs.b);
    run->SetRawInput(3, inputs.c);
    ShowRunInRobotPane();
    if (m_inputPollListener)
        m_inputPollListener(run->SimulatedMs(), inputs.a, inputs.b, inputs.c);
}
