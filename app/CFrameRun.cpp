// Run control in the main window: the run and mode commands, the run window of a run, the
// simulated inputs, the robot pane's view of the run, and the code budget in the status bar.
#include "app/CFrame.h"

#include "app/CommandIds.h"
#include "app/MenuRadio.h"
#include "base/Translation.h"
#include "model/CProgram.h"
#include "model/EditHistory.h"
#include "model/UserInterface.h"
#include "simulation/CodeBudget.h"
#include "simulation/RunPanel.h"
#include "simulator/CRobotPane.h"
#include "simulator/CSimulatorViewer.h"

#include <wx/menu.h>
#include <wx/msgdlg.h>

namespace {
constexpr int kBudgetField = 2;

// The mode a mode command chooses.
int ModeOfCommand(int id)
{
    switch (id) {
    case ID_MENU_MODE_MANUAL:
    case ID_TOOL_MODE_MANUAL:
        return 2;
    case ID_MENU_MODE_STANDALONE:
    case ID_TOOL_MODE_STANDALONE:
        return 3;
    default:
        return 1;
    }
}

// Mode tool pictures, two bits per tool: 3 active, 2 normal, 1 greyed.
constexpr int kActive = 3, kNormal = 2, kGreyed = 1;
} // namespace

void CFrame::BindRunCommands()
{
    const auto bind = [this](std::initializer_list<int> ids, void (RunControl::*command)()) {
        for (int id : ids)
            Bind(
                wxEVT_MENU, [this, command](wxCommandEvent&) { (m_runControl.*command)(); }, id);
    };
    bind({ID_MENU_START, ID_TOOL_START}, &RunControl::Start);
    bind({ID_MENU_STEP, ID_TOOL_STEP}, &RunControl::Step);
    bind({ID_MENU_PAUSE, ID_TOOL_PAUSE}, &RunControl::Pause);
    bind({ID_MENU_STOP, ID_TOOL_STOP}, &RunControl::StopRun);
    const int modeCommands[] = {ID_MENU_MODE_VIRTUAL, ID_MENU_MODE_MANUAL, ID_MENU_MODE_STANDALONE,
                                ID_TOOL_MODE_VIRTUAL, ID_TOOL_MODE_MANUAL, ID_TOOL_MODE_STANDALONE};
    for (int id : modeCommands)
        Bind(
            wxEVT_MENU,
            [this](wxCommandEvent& event) {
                // A radio item checks itself when chosen: Cancel puts the check back on the mode kept.
                if (!m_runControl.ChooseMode(ModeOfCommand(event.GetId())))
                    ShowMode(m_runControl.GetMode());
            },
            id);
    TheEditHistory().SetChangeListener([this] { UpdateCodeBudget(); });
}

bool CFrame::AskToStopSimulation()
{
    return m_runControl.AskToStopSimulation();
}

bool CFrame::ConfirmStopSimulation()
{
    return wxMessageBox(_("Een simulatie loopt, onderbreken?"), _("Simulatie loopt"), wxOK | wxCANCEL, this) == wxOK;
}

RobotLink* CFrame::RunRobotLink()
{
    return m_robotLink.get();
}

void CFrame::RunOpened(SimulationRun& run)
{
    m_simulator = new CSimulatorViewer(this, run);
    ShowRunInRobotPane();
}

void CFrame::RunClosed()
{
    if (m_simulator) {
        m_simulator->StopTimers();
        m_simulator->Destroy();
        m_simulator = nullptr;
    }
    ShowRunInRobotPane();
    UpdateCodeBudget();
}

void CFrame::ResetSensorRows()
{
    if (RunValues* values = GetRunValues())
        for (int row = RunRow::Switch1; row <= RunRow::Detector2; ++row)
            values->SetRowValue(row, SensorText(0));
}

void CFrame::ShowMode(int mode)
{
    const int robotModes = m_connected ? kNormal : kGreyed;
    int bits = 0;
    if (mode == 1)
        bits = (IsStartLinked() ? kActive : kNormal) | robotModes << 2 | robotModes << 4;
    else if (mode == 2)
        bits = kNormal | kActive << 2 | robotModes << 4;
    else
        bits = kNormal | robotModes << 2 | kActive << 4;
    SetModeToolPictures(bits);
    if (wxMenuBar* menuBar = GetMenuBar())
        CheckRadioItem(menuBar, mode == 2   ? ID_MENU_MODE_MANUAL
                                : mode == 3 ? ID_MENU_MODE_STANDALONE
                                            : ID_MENU_MODE_VIRTUAL);
}

void CFrame::SetRawInput(int port, int raw)
{
    SimulationRun* run = m_runControl.Run();
    if (!run || !m_runControl.IsVirtualRunActive() || port < 0 || port > 2)
        return;
    run->SetRawInput(port + 1, raw);
    ShowRunInRobotPane();
}

void CFrame::ShowRunInRobotPane()
{
    if (m_robotPane && m_robotPane->IsShown())
        m_robotPane->ShowRun(m_runControl.Run(), m_runControl.IsVirtualRunActive(), m_calibration);
}

void CFrame::UpdateCodeBudget()
{
    // A run keeps the code addresses of its own compilation.
    if (IsRunActive() || !GetStatusBar())
        return;
    const CodeBudget budget = MeasureCodeBudget(TheProgram(), m_calibration);
    SetStatusText(BudgetText(budget), kBudgetField);
    if (budget.tooLong && !m_budgetTooLong)
        Ui().Report(0, BudgetWarning());
    m_budgetTooLong = budget.tooLong;
}
