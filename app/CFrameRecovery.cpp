// Unsaved work kept for after a crash: the recovery keeper follows the modified flag, and at
// start-up the work of a copy that no longer runs is offered back.
#include "app/CFrame.h"

#include "app/AppPaths.h"
#include "app/CommandIds.h"
#include "app/RecoveryKeeper.h"
#include "model/CProgram.h"
#include "model/EditHistory.h"
#include "model/ProjectWriter.h"

#include <wx/mstream.h>

void CFrame::StartRecovery()
{
    m_recovery = std::make_unique<RecoveryKeeper>(UserDataPath("Tamek/recovery"), [this](RecoveryRecord& record) {
        if (!m_modified || !TheProgram().GetRoot())
            return false;
        // The text exactly as saving would write it, with the calibration in force.
        record.projectPath = m_projectPath;
        record.projectBytes = ProjectWriter::Text(TheProgram(), CalibrationBlock(m_calibration));
        return true;
    });
}

void CFrame::RecoveryFollowsChange(bool modified)
{
    if (!m_recovery)
        return;
    if (modified)
        m_recovery->Changed();
    else
        m_recovery->Forget();
}

wxString CFrame::RecoveryFile() const
{
    return m_recovery ? m_recovery->Store().OwnFile() : wxString();
}

bool CFrame::OfferRecovery()
{
    return m_recovery->OfferLeftovers(this, [this](const RecoveryRecord& record) { return RestoreRecovered(record); });
}

namespace {
bool ReadKept(const RecoveryRecord& record, CProgram& program, CalibrationRecord& calibration)
{
    wxMemoryInputStream stream(record.projectBytes.data(), record.projectBytes.size());
    Displacement displacement;
    ReadBounds bounds;
    return program.ReadText(stream, displacement, bounds, calibration);
}
} // namespace

bool CFrame::RestoreRecovered(const RecoveryRecord& record)
{
    // Read on a program of its own first: a text that does not read is never shown in part.
    {
        CProgram trial;
        CalibrationRecord unused = CalibrationRecord::Defaults();
        const bool readable = ReadKept(record, trial, unused);
        TheProgram().ResetPrototypeNames(); // the trial may have renamed sensors and actuators
        if (!readable)
            return false;
    }
    ClearProgramAndViews();
    CalibrationRecord project = CalibrationRecord::Defaults();
    project.present = false;
    ReadKept(record, TheProgram(), project);
    OfferProjectCalibration(project);
    TheEditHistory().Reset();
    CanvasProgramChanged();
    // The project's own path: the next save goes where it would have gone.
    m_projectPath = record.projectPath;
    UpdateTitle();
    SetCommandState(kStateAfterOpen | CMD_SAVE);
    RefreshCanvas();
    return true;
}
