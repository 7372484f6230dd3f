// The upload in the main window: the program compiled and sent into the robot with a progress
// dialog, the answer in a message box, and standalone mode chosen when the robot has the program.
#include "app/CFrame.h"

#include "app/CommandIds.h"
#include "base/Translation.h"
#include "bytecode/ProgramCompiler.h"
#include "model/CProgram.h"
#include "robot/ProgramUpload.h"
#include "robot/RobotLink.h"

#include <memory>
#include <wx/msgdlg.h>
#include <wx/progdlg.h>

void CFrame::OnUpload(wxCommandEvent&)
{
    if (!m_robotLink || !m_robotLink->IsConnected())
        return;
    // The robot's program is about to change: a run of the old one (or in another mode) ends first.
    if (IsRunActive() && !m_runControl.AskToStopSimulation())
        return;
    const unsigned char* image = nullptr;
    int length = 0;
    const CState* root = TheProgram().GetRoot();
    if (!root || !CompileForRun(TheProgram(), m_calibration, image, length))
        return;
    const int startCodeLength = root->GetCodeLength();
    SetCurrentBlock(nullptr); // the compiler's walk leaves no highlight behind

    // The dialog's bar follows the reports; its end stays out of reach, so that it never waits to be
    // closed, and the search for the robot at the end pulses it.
    std::unique_ptr<wxProgressDialog> progress;
    bool sentAll = false;
    const auto showProgress = [&](int sent, int total) {
        if (!progress)
            progress = std::make_unique<wxProgressDialog>(_("Uploading."), wxString(), total + 1, this,
                                                          wxPD_APP_MODAL | wxPD_CAN_ABORT);
        if (sent < total || !sentAll) {
            sentAll = sent == total;
            return progress->Update(sent);
        }
        return progress->Pulse();
    };
    const UploadResult result = UploadProgram(*m_robotLink, image, length, startCodeLength, showProgress);
    progress.reset();

    switch (result) {
    case UploadResult::RobotGone:
        wxMessageBox(_("Apparaat is ontkoppeld, upload  onderbroken!"), _("USB ontkoppelen"), wxOK, this);
        break;
    case UploadResult::Done:
        wxMessageBox(_("Upload klaar, druk op 'GO' om programma te starten."), _("Upload klaar."), wxOK, this);
        // Standalone mode, with Step to follow the robot through its program.
        EnableCommands(CMD_MODE_STANDALONE | CMD_STEP);
        m_runControl.ChooseMode(SimulationRun::Standalone);
        break;
    case UploadResult::NothingToSend:
    case UploadResult::Cancelled:
        break;
    }
}
