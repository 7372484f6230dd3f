// Scenarios in the main window: checking the program shown against scenario files, playing a
// scenario's inputs into a virtual run, and recording a manual-mode run's inputs into a scenario.
#include "app/CFrame.h"

#include "app/CommandIds.h"
#include "app/FileChooser.h"
#include "base/AtomicFile.h"
#include "base/Translation.h"
#include "bytecode/ProgramCompiler.h"
#include "console/CConsoleViewer.h"
#include "model/CProgram.h"
#include "scenario/InputRecorder.h"
#include "scenario/ScenarioParser.h"
#include "scenario/ScenarioPlayer.h"
#include "scenario/ScenarioRunner.h"
#include "simulation/RunPanel.h"

#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

namespace {
wxString ScenarioWildcard()
{
    return _("Scenario's") + " (*.scenario)|*.scenario|" + _("Alle bestanden") + " (*.*)|*.*";
}

void ConsoleLine(const wxString& text)
{
    if (CConsoleViewer* console = TheConsole())
        console->AppendText(text + "\n");
}

// Reads the scenario file at path; false after its error, with its line number, in the console.
bool ReadScenarioOrSay(const wxString& path, Scenario& scenario)
{
    ScenarioError error;
    if (ReadScenarioFile(std::string(path.fn_str()), scenario, error))
        return true;
    wxString where = wxFileName(path).GetFullName();
    if (error.line > 0)
        where << ":" << error.line;
    if (CConsoleViewer* console = TheConsole()) {
        console->SetLastMessage(wxEmptyString); // the same file read again says so again
        console->Report(1, where + ": " + wxString::FromUTF8(error.message));
    }
    return false;
}
} // namespace

void CFrame::BindScenarioCommands()
{
    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent&) {
            const wxArrayString paths = ChooseFilesToOpen(this, _("Test met scenario..."), ScenarioWildcard());
            if (!paths.empty())
                TestScenarioFiles(paths);
        },
        ID_MENU_TEST_SCENARIO);
    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent&) {
            const wxString path =
                ChooseFile(this, _("Afspelen"), "scenario", ScenarioWildcard(), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
            if (!path.empty())
                PlayScenarioFile(path);
        },
        ID_MENU_PLAY_SCENARIO);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { IsRecording() ? StopRecording() : StartRecording(); },
        ID_MENU_RECORD_SCENARIO);
}

void CFrame::TestScenarioFiles(const wxArrayString& paths)
{
    if (IsRunActive())
        return;
    std::vector<Scenario> scenarios(paths.size());
    for (size_t i = 0; i < paths.size(); ++i)
        if (!ReadScenarioOrSay(paths[i], scenarios[i]))
            return;
    // The compiler walks the blocks: the highlight it leaves is not the program's.
    CState* highlighted = GetCurrentBlock();
    const unsigned char* image = nullptr;
    int length = 0;
    const bool compiled = CompileForRun(TheProgram(), m_calibration, image, length);
    SetCurrentBlock(highlighted);
    if (!compiled)
        return; // "Code too long" was said by the compiler; no Start block: nothing to check

    ShowConsolePane(true);
    wxBusyCursor busy; // a scenario may last up to an hour of simulated time
    ScenarioRunner runner(TheProgram(), image, length);
    const CState* failedIn = nullptr; // the block of the first failure (none when the program had ended)
    bool failed = false;
    for (const Scenario& scenario : scenarios) {
        const ScenarioResult result = runner.Run(scenario);
        ConsoleLine(wxString::FromUTF8(scenario.name + ": " + ScenarioResultText(result)));
        if (!result.passed && !failed)
            failedIn = result.failure.block;
        failed = failed || !result.passed;
    }
    if (failedIn)
        CanvasShowBlock(const_cast<CState*>(failedIn)); // a block of the program shown
}

bool CFrame::PlayScenarioFile(const wxString& path)
{
    Scenario scenario;
    if (IsRunActive() || !ReadScenarioOrSay(path, scenario))
        return false;
    if (GetRunMode() != SimulationRun::Virtual)
        m_runControl.ChooseMode(SimulationRun::Virtual);
    m_playback = std::make_unique<ScenarioPlayer>(scenario);
    m_runControl.Start();
    if (!IsRunActive()) { // the compiler has said why
        m_playback.reset();
        return false;
    }
    ConsoleLine(_("Afspelen: ") + wxString::FromUTF8(scenario.name));
    return true;
}

void CFrame::RunClockAdvanced(long simulatedMs)
{
    if (m_playback)
        for (const RawInputChange& change : m_playback->Advance(simulatedMs))
            PlayInput(change.port - 1, change.raw);
}

void CFrame::PlayInput(int port, int raw)
{
    if (RunValues* values = GetRunValues())
        for (const RowText& row : SensorRowTexts(port, raw))
            values->SetRowValue(row.row, row.text);
    SetRawInput(port, raw);
}

void CFrame::ScenarioRunOpened(const SimulationRun& run)
{
    GetMenuBar()->Enable(ID_MENU_RECORD_SCENARIO, run.GetMode() == SimulationRun::Manual);
    RunClockAdvanced(0); // the inputs a scenario played sets before the program starts
}

void CFrame::ScenarioRunClosed()
{
    m_playback.reset();
    if (IsRecording()) // asked once the run's own events are over (it may end from inside its tick)
        CallAfter([this] { StopRecording(); });
    else
        GetMenuBar()->Enable(ID_MENU_RECORD_SCENARIO, false);
}

void CFrame::StartRecording()
{
    if (IsRecording() || !IsRunActive() || GetRunMode() != SimulationRun::Manual)
        return;
    const wxString project = wxFileName(m_projectPath).GetName();
    const wxString name = project.empty() ? _("Opname") : _("Opname") + " " + project;
    m_recorder = std::make_unique<InputRecorder>(std::string(name.utf8_str()));
    SetInputPollListener([this](long timeMs, int a, int b, int c) {
        if (m_recorder)
            m_recorder->AddPoll(timeMs, a, b, c);
    });
    GetMenuBar()->Check(ID_MENU_RECORD_SCENARIO, true);
    ConsoleLine(_("Opnemen: de invoer van de robot wordt opgenomen."));
}

void CFrame::StopRecording()
{
    if (!IsRecording())
        return;
    SetInputPollListener(InputPollListener());
    const std::string text = m_recorder->Text();
    m_recorder.reset();
    wxMenuBar* menuBar = GetMenuBar();
    menuBar->Check(ID_MENU_RECORD_SCENARIO, false);
    menuBar->Enable(ID_MENU_RECORD_SCENARIO, IsRunActive() && GetRunMode() == SimulationRun::Manual);
    SaveRecording(text);
}

void CFrame::SaveRecording(const std::string& text)
{
    for (;;) {
        const wxString path = ChooseFile(this, _("Opname bewaren als..."), "scenario", ScenarioWildcard(), wxFD_SAVE);
        if (path.empty()) {
            if (wxMessageBox(_("De opname is niet bewaard. Weggooien?"), _("Opnemen"), wxYES_NO, this) == wxYES)
                return;
            continue;
        }
        if (!ConfirmReplace(this, path))
            continue;
        wxString why;
        if (WriteFileAtomically(path, text, &why)) {
            ConsoleLine(wxString::Format(_("Opname bewaard in %s"), path));
            return;
        }
        wxMessageBox(
            wxString::Format(_("De opname kan niet bewaard worden in %s (%s). Kies een andere plaats."), path, why),
            _("Schrijffout"), wxOK, this);
    }
}
