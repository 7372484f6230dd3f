// Project commands: new, open (dialog, recent list, path), save, save as, the recent-projects
// list and exit.
#include "app/CFrame.h"

#include "app/CommandIds.h"
#include "app/FileChooser.h"
#include "base/Translation.h"
#include "calibration/CalibrationRecord.h"
#include "calibration/Settings.h"
#include "model/CProgram.h"
#include "model/EditHistory.h"
#include "model/KindCalibration.h"

#include <wx/filename.h>
#include <wx/msgdlg.h>

namespace {
// The question before a command that would drop unsaved changes: Yes, No or Cancel.
int AskSaveChanges(wxWindow* parent)
{
    return wxMessageBox(_("Project is aangepast, bewaren ?"), _("Bestand aangepast"), wxYES_NO | wxCANCEL, parent);
}

// The reader's "Draw Error", followed by where the file went wrong, so a damaged file can be found.
wxString DescribeReadError(const wxString& path, const ReadError& error)
{
    wxString text = _("Draw Error") + "\n\n" + path;
    if (error.line > 0)
        text += wxString::Format(":%d", error.line);
    if (!error.detail.empty())
        text += "\n" + error.detail;
    else if (!error.message.empty() && error.message != "Draw Error")
        text += "\n" + error.message;
    return text;
}

} // namespace

void CFrame::SetCalibration(const CalibrationRecord& calibration)
{
    m_calibration = calibration;
    ApplyCalibrationToKinds(m_calibration);
    UpdateCodeBudget(); // the Start block's prologue carries the calibration
}

void CFrame::OfferProjectCalibration(const CalibrationRecord& project)
{
    if (!ShouldOfferProjectCalibration(m_calibration, project))
        return;
    if (wxMessageBox(_("Instellingen voor servo en motor wijken af. Toch gebruiken?"),
                     _("Nieuwe instelling voor servo & motor."), wxYES_NO, this) != wxYES)
        return;
    CalibrationRecord taken = m_calibration;
    taken.TakeFromProject(project);
    SetCalibration(taken);
}

bool CFrame::PassGuardQuestions()
{
    if (!m_runControl.AskToDropRun())
        return false;
    if (!m_modified)
        return true;
    switch (AskSaveChanges(this)) {
    case wxYES:
        // Unsaved work is never dropped: a save that fails or is cancelled stops the command.
        return SaveProject(false);
    case wxNO:
        return true;
    default:
        return false;
    }
}

void CFrame::ClearProgramAndViews()
{
    m_runControl.DropRun(); // no run may outlive the blocks it runs
    CanvasCancelDrag();
    SetCurrentBlock(nullptr);
    CProgram& program = TheProgram();
    program.EnsureRoot();
    program.Clear();
    program.ResetPrototypeNames();
    CanvasProgramChanged();
}

bool CFrame::NewProject()
{
    if (!PassGuardQuestions())
        return false;
    ClearProgramAndViews();
    TheProgram().GetRoot()->SetPosition(577, 48);
    TheEditHistory().Reset();
    m_projectPath.clear();
    UpdateTitle();
    SetCommandState(kStateAfterNew);
    RefreshCanvas();
    return true;
}

bool CFrame::OpenProjectWithDialog()
{
    if (!PassGuardQuestions())
        return false;
    // A cancelled dialog gives an empty path: the flowchart stays on screen without a path.
    const wxString path = ChooseFile(this, _("Open project"), "prj",
                                     _("Tamek bestanden") + "|*.tamek;|" + _("Alle bestanden") + " (*.*)|*.*",
                                     wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    return OpenProjectByPath(path);
}

bool CFrame::OpenRecentProject(size_t position)
{
    if (position >= m_recent.Count())
        return false;
    const wxString path = m_recent.At(position);
    if (!PassGuardQuestions())
        return false;
    return OpenProjectByPath(path);
}

bool CFrame::OpenProjectByPath(const wxString& path)
{
    m_projectPath = path;
    if (path.empty())
        return false;

    ClearProgramAndViews();
    Displacement displacement;
    ReadBounds bounds;
    ReadError error;
    // A project without calibration lines leaves this one absent, so nothing is offered.
    CalibrationRecord project = CalibrationRecord::Defaults();
    project.present = false;
    const bool read = TheProgram().ReadProject(path, displacement, bounds, project, &error);
    if (!read)
        wxMessageBox(DescribeReadError(path, error), _("Draw ERROR"), wxYES_NO, this);
    OfferProjectCalibration(project);
    TheEditHistory().Reset();
    CanvasProgramChanged();
    VariablesChanged();

    if (!read) {
        // What was read stays on screen, but without the path: a later save must not silently
        // overwrite the file that could not be read.
        m_projectPath.clear();
        UpdateTitle();
        SetCommandState(kStateAfterOpen);
        RefreshCanvas();
        return false;
    }
    m_recent.PutAtHead(path);
    RebuildRecentMenu();
    WriteSettingsFile();
    UpdateTitle();
    SetCommandState(kStateAfterOpen);
    RefreshCanvas();
    return true;
}

bool CFrame::SaveProject(bool askForName)
{
    wxString path = m_projectPath;
    if (askForName || path.empty()) {
        path = ChooseFile(this, _("Bestand opslaan als..."), "tamek", _("Projecten") + " (*.tamek)|*.tamek", wxFD_SAVE);
        if (path.empty())
            return false;
    }
    if (path != m_projectPath && wxFileName::FileExists(path) &&
        wxMessageBox(_("Het bestand bestaat al. Wilt u het bestaande bestand vervangen?"), _("Reeds bestaand bestand"),
                     wxYES_NO, this) != wxYES)
        return false;

    m_recent.PutAtHead(path);
    RebuildRecentMenu();
    const bool written = SaveTo(path);
    WriteSettingsFile();
    return written;
}

bool CFrame::SaveTo(const wxString& path)
{
    if (!TheProgram().WriteProject(path, m_calibration)) {
        wxMessageBox(_("Er is een fout opgetreden. Bestand kan niet opgeslagen worden."), _("Schrijffout"), wxOK, this);
        return false;
    }
    DisableCommands(CMD_SAVE);
    m_projectPath = path;
    UpdateTitle();
    return true;
}

void CFrame::EmptyRecentProjects()
{
    m_recent.Clear();
    RebuildRecentMenu();
}

void CFrame::WriteSettingsFile()
{
    PanePreferences panes;
    panes.robotPane = IsPaneShown("Robot");
    WriteSettings(m_recent.Paths(), m_calibration, SettingsFilePath(), panes);
}

bool CFrame::ExitProgram()
{
    if (m_modified) {
        const int answer = AskSaveChanges(this);
        if (answer == wxCANCEL || (answer == wxYES && !SaveProject(false)))
            return false;
    }
    DisableCommands(CMD_SAVE);
    WriteSettingsFile();
    m_closing = true;
    Close();
    return true;
}

void CFrame::OnNew(wxCommandEvent&)
{
    NewProject();
}
void CFrame::OnOpen(wxCommandEvent&)
{
    OpenProjectWithDialog();
}
void CFrame::OnRecent(wxCommandEvent& event)
{
    OpenRecentProject(event.GetId() - ID_MENU_RECENT_FIRST);
}
void CFrame::OnSave(wxCommandEvent&)
{
    SaveProject(false);
}
void CFrame::OnSaveAs(wxCommandEvent&)
{
    SaveProject(true);
}
void CFrame::OnEmptyRecent(wxCommandEvent&)
{
    EmptyRecentProjects();
}
void CFrame::OnExit(wxCommandEvent&)
{
    ExitProgram();
}
