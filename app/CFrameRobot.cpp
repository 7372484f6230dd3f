// The robot in the main window: the link, the presence poll that enables and disables the robot
// commands as the robot comes and goes, the calibration dialog and "Stop servo / motor".
//
// The input poll (every 100 ms, into the names list and the manual mode's simulator) and the
// upload live beside it (CFrameInputPoll.cpp, CFrameUpload.cpp).
#include "app/CFrame.h"

#include "app/CommandIds.h"
#include "app/MenuRadio.h"
#include "base/Translation.h"
#include "calibration_dialog/CTamekConfigDialog.h"
#include "console/CConsoleViewer.h"
#include "model/KindCalibration.h"
#include "robot/RobotLink.h"

#include <wx/aui/auibar.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>

namespace {
constexpr int kPresenceTimerId = 1001;
constexpr int kPresencePeriodMs = 1000;
constexpr int kStandaloneMode = 3;

CFrame::RobotLinkMaker& LinkMaker()
{
    static CFrame::RobotLinkMaker maker;
    return maker;
}
} // namespace

void CFrame::SetRobotLinkMaker(RobotLinkMaker maker)
{
    LinkMaker() = std::move(maker);
}

void CFrame::StartRobotLink()
{
    m_robotLink = LinkMaker() ? LinkMaker()() : std::make_unique<RobotLink>();
    m_presenceTimer.SetOwner(this, kPresenceTimerId);
    Bind(wxEVT_TIMER, &CFrame::OnPresenceTimer, this, kPresenceTimerId);
    Bind(wxEVT_MENU, &CFrame::OnConfiguration, this, ID_MENU_CONFIGURATION);
    Bind(wxEVT_MENU, &CFrame::OnConfiguration, this, ID_TOOL_CONFIGURATION);
    Bind(wxEVT_MENU, &CFrame::OnStopActuators, this, ID_MENU_STOP_ACTUATORS);
    Bind(wxEVT_MENU, &CFrame::OnStopActuators, this, ID_TOOL_STOP_ACTUATORS);
    m_presenceTimer.Start(kPresencePeriodMs);
    StartRobotRuns();
}

void CFrame::OnPresenceTimer(wxTimerEvent&)
{
    if (!m_closing)
        m_presencePoll.Poll(*m_robotLink, *this);
}

bool CFrame::RobotShownConnected() const
{
    // The upload tool is the poll's memory: a command state set as a whole (a project opened)
    // disables it, and the next poll enables the robot commands again.
    return m_toolbar->GetToolEnabled(ID_TOOL_UPLOAD);
}

bool CFrame::StandaloneRunActive() const
{
    return IsSimulationRunning() && GetRunMode() == kStandaloneMode;
}

void CFrame::TellCalibrationDialogRobotGone()
{
    m_configDialog->RobotGone();
}

void CFrame::ShowRunStopsMessage()
{
    wxMessageBox(_("Apparaat is ontkoppeld, simulatie stopt!!"), _("USB ontkoppelen"), wxOK, this);
}

void CFrame::StopStandaloneRun()
{
    StopRun();
}

void CFrame::ShowRobotConnected(bool connected)
{
    m_connected = connected;
    wxMenuBar* menuBar = GetMenuBar();
    const bool linked = IsStartLinked();
    if (connected) {
        // The manual and standalone menu commands; of their tools only the manual one, and only
        // with a program to run (the standalone one waits for an upload).
        EnableCommands(CMD_ROBOT);
        menuBar->Enable(ID_MENU_MODE_MANUAL, true);
        menuBar->Enable(ID_MENU_MODE_STANDALONE, true);
        m_toolbar->EnableTool(ID_TOOL_MODE_MANUAL, linked);
        SetModeToolPictures(kModesAllNormal);
        if (m_configDialog)
            m_configDialog->RobotBack();
    } else {
        DisableCommands(CMD_ROBOT | CMD_MODE_MANUAL | CMD_MODE_STANDALONE |
                        (linked ? 0L : static_cast<long>(CMD_MODE_VIRTUAL)));
        menuBar->Enable(ID_MENU_MODE_VIRTUAL, true);
        CheckRadioItem(menuBar, ID_MENU_MODE_VIRTUAL);
        SetModeToolPictures(linked ? kModesVirtualActiveOthersGreyed : kModesAllGreyed);
        m_runControl.SetModeQuietly(1);
        // The robot's values are gone; a virtual run keeps showing its own.
        if (RunValues* values = GetRunValues(); values && !IsVirtualRunActive())
            values->ResetAllValues();
    }
    m_toolbar->Realize();
}

void CFrame::ReportRobotProblem(const wxString& message)
{
    if (CConsoleViewer* console = TheConsole())
        console->Report(0, message);
}

void CFrame::OnConfiguration(wxCommandEvent&)
{
    CTamekConfigDialog dialog(this, m_calibration, m_robotLink.get());
    m_configDialog = &dialog;
    const int result = dialog.ShowModal();
    m_configDialog = nullptr;
    if (result != CTamekConfigDialog::kAccepted)
        return;
    SetCalibration(m_calibration);
    WriteSettingsFile();
}

void CFrame::OnStopActuators(wxCommandEvent&)
{
    m_robotLink->SwitchOffOutputs(true);
}
