#pragma once
// The main window: menus, toolbar, docking panes (palette, canvas, console), status bar, the
// command-state mask that enables and disables commands in groups, and the project commands.

#include "app/RecentProjects.h"
#include "calibration/CalibrationRecord.h"
#include "editor/CanvasOwner.h"
#include "editor/RunValues.h"
#include "robot/RobotPresencePoll.h"
#include "simulation/RunControl.h"

#include <functional>
#include <map>
#include <memory>
#include <wx/aui/aui.h>
#include <wx/bitmap.h>
#include <wx/cmndata.h>
#include <wx/frame.h>
#include <wx/timer.h>

class CRobotPane;
class CSimulatorViewer;
class CState;
class CStateViewer;
class CTamekConfigDialog;
class InputRecorder;
class RecoveryKeeper;
class ScenarioPlayer;
struct RecoveryRecord;
enum class MenuPlace;
class RobotLink;
struct RobotInputs;
class wxAuiToolBar;
class wxMenu;
class wxPanel;

class CFrame : public wxFrame, public CanvasOwner, public SimulatedInputs, public RunHost, private RobotPresenceView
{
public:
    CFrame(const wxString& title, const wxPoint& position, const wxSize& size);
    ~CFrame() override;

    // Command-state mask (bits in app/CommandIds.h).
    void EnableCommands(long mask) override;
    void DisableCommands(long mask) override;
    // Named groups enabled, every other group disabled.
    void SetCommandState(long mask);
    long GetCommandState() const { return m_commandState; }
    // True while the project has unsaved changes (the Save group is enabled).
    bool IsModified() const { return m_modified; }

    // Questions of the canvas. The properties dialog opens 300 x 150 at least, centred on this
    // window; the names list follows the variables (and the prototypes' names). Run control below.
    int ShowBlockProperties(CState* block, bool newBlock) override;
    void VariablesChanged() override;
    bool IsShiftHeld() const override { return m_shiftHeld; }
    void SetShiftHeld(bool held) { m_shiftHeld = held; }
    bool IsAltOnly() const { return m_altOnly; }
    bool IsCtrlOnly() const { return m_ctrlOnly; }
    bool IsRobotConnected() const { return m_connected; }

    // Project commands.
    bool NewProject();
    bool OpenProjectWithDialog();
    bool OpenRecentProject(size_t position);
    // Reads the project at path; an empty path leaves the flowchart on screen without a path.
    bool OpenProjectByPath(const wxString& path);
    bool SaveProject(bool askForName);
    void EmptyRecentProjects();
    // Asks about unsaved changes and closes the window; false when the user cancelled.
    bool ExitProgram();
    const wxString& GetProjectPath() const { return m_projectPath; }
    const RecentProjects& GetRecentProjects() const { return m_recent; }
    wxMenu* GetRecentMenu() const { return m_recentMenu; }

    // Start-up: offers back the unsaved work of a copy that no longer runs (see RecoveryKeeper);
    // true when some was restored, shown as an unsaved project with its own path.
    bool OfferRecovery();
    // This copy's recovery file, kept while the project has unsaved changes.
    wxString RecoveryFile() const;

    // The one calibration in force: compiled into programs, saved with projects and settings.
    const CalibrationRecord& GetCalibration() const override { return m_calibration; }
    // Makes calibration the one in force and gives the servo and motor kinds its values.
    void SetCalibration(const CalibrationRecord& calibration);

    // Canvas tool pictures: the chosen tool "on", the other three "off"; the canvas is told.
    void SelectCanvasTool(int tool);
    int GetCanvasTool() const { return m_canvasTool; }
    // Mode tool pictures, two bits per tool (virtual 0-1, manual 2-3, standalone 4-5):
    // both set active, the higher alone normal, the lower alone greyed, neither unchanged.
    void SetModeToolPictures(int bits);

    void EnableZoomCommands(bool zoomIn, bool zoomOut, bool reset) override;
    // Zoom commands (factors in TheViewZoom()); the canvas enables the three commands.
    void ZoomIn();
    void ZoomOut();
    void ZoomReset();

    // Shows or hides the palette ("State") or console ("Console") pane and keeps the View menu in step.
    void ShowPalettePane(bool show);
    void ShowConsolePane(bool show);
    bool IsPaneShown(const wxString& name);
    // Shows or hides one palette page (0 to 4); the pane follows whether any page is shown.
    void ShowPalettePage(int page, bool show);

    // The palette, the properties dialog and the names list (palette11).
    // The names list, where a run shows its values.
    RunValues* GetRunValues();
    CStateViewer* GetPalette() const { return m_stateViewer; }

    void RefreshCanvas();
    void UpdateTitle();

    // Run control (sim12): the run commands, the run window, the simulated inputs, the code budget
    // in the status bar and the robot pane.
    // Whether a run exists, its mode (1 virtual, 2 manual, 3 standalone), and ending it.
    bool IsRunActive() const { return m_runControl.IsRunActive(); }
    int GetRunMode() const { return m_runControl.GetMode(); }
    void StopRun() { m_runControl.StopRun(); }
    bool IsSimulationRunning() const override { return IsRunActive(); }
    // Before an edit while a run exists: "Een simulatie loopt, onderbreken?"; OK stops the run.
    bool AskToStopSimulation() override;
    RunControl& GetRunControl() { return m_runControl; }
    bool IsVirtualRunActive() const override { return m_runControl.IsVirtualRunActive(); }
    void SetRawInput(int port, int raw) override;
    // The run (or none) as the robot pane shows it.
    void ShowRunInRobotPane();
    void ShowRobotPane(bool show);
    CRobotPane* GetRobotPane() const { return m_robotPane; }
    // Compiles the program to show its size in the status bar; warns once when it becomes too long.
    void UpdateCodeBudget();

    // RunHost.
    bool ConfirmStopSimulation() override;
    RobotLink* RunRobotLink() override;
    void RunOpened(SimulationRun& run) override;
    void RunClosed() override;
    void ResetSensorRows() override;
    void ShowMode(int mode) override;
    void RepaintCanvas() override { RefreshCanvas(); }
    wxAuiManager& GetAuiManager() { return m_aui; }
    wxAuiToolBar* GetTamekToolBar() const { return m_toolbar; }
    wxWindow* GetCanvas() const { return m_canvas; }

    // The robot link, its presence poll and the calibration dialog (calib14; CFrameRobot.cpp). The
    // input poll, the upload and the robot's run modes join them there.
    RobotLink& GetRobotLink() { return *m_robotLink; }
    // The open calibration dialog, or null.
    CTamekConfigDialog* GetConfigDialog() const { return m_configDialog; }
    // How a window makes its robot link (by default the USB robot, else this user's virtual robot).
    // Tests give one that reaches their virtual robot only; an empty maker restores the default.
    using RobotLinkMaker = std::function<std::unique_ptr<RobotLink>()>;
    static void SetRobotLinkMaker(RobotLinkMaker maker);

    // The robot's runs (robot13gui; CFrameInputPoll.cpp, CFrameUpload.cpp): the input poll into the
    // names list and the manual mode's simulator, and the upload that leads to standalone mode.
    // Called after every input poll of a manual-mode run, with the robot's three inputs as
    // ReadInputs answers them (a, b, c) and the run's simulated time in milliseconds.
    using InputPollListener = std::function<void(long timeMs, int a, int b, int c)>;
    void SetInputPollListener(InputPollListener listener);
    // A manual-mode run takes the robot's three inputs as its raw input values.
    void FeedRobotInputs(const RobotInputs& inputs);

    // Scenarios (scen17gui): "Test met scenario...", "Afspelen" and "Opnemen".
    // Runs each scenario file on the program shown and writes each result to the console as tamekc
    // test prints it; the block the program was in at the first failure is highlighted and scrolled
    // into view. A file that cannot be read is reported with its line number and nothing runs.
    void TestScenarioFiles(const wxArrayString& paths);
    // Starts a virtual run that plays the scenario file's inputs into the simulator at their
    // simulated times; false when the file cannot be read (told in the console) or no run starts.
    bool PlayScenarioFile(const wxString& path);
    bool IsPlayingScenario() const { return m_playback != nullptr; }
    // Recording the inputs of a manual-mode run; stopping asks where to save them.
    void StartRecording();
    void StopRecording();
    bool IsRecording() const { return m_recorder != nullptr; }
    // The listener that a manual-mode run's input poll calls now (empty when none).
    const InputPollListener& GetInputPollListener() const { return m_inputPollListener; }
    // The run's clock reached simulatedMs (the run window calls this after every clock tick).
    void RunClockAdvanced(long simulatedMs);

private:
    // Construction pieces (each in its own source file).
    void BuildPanes();
    void BuildToolBar();
    void BuildMenus();
    // The items of the action table that stand in this menu, with the submenus they open.
    wxMenu* BuildMenu(MenuPlace place);
    void BuildAccelerators();
    void RebuildRecentMenu();

    // Command-state helpers.
    // A toolbar picture, read from its file once and kept.
    const wxBitmap& Picture(const wxString& relative);
    void ApplyCommandGroups(long mask, bool enable);
    void SetRunToolPictures();
    void EnableActionsOfGroups(long mask);
    bool IsStartLinked() const;

    // The canvas pane (each of these is the one place that knows the canvas class).
    wxWindow* CreateCanvas();
    void SetCanvasViewerTool(int tool);
    void CanvasProgramChanged();
    void CanvasDeleteKey();
    bool CanvasRotateExits(CState* block);
    void CanvasCommitEdit();
    // Highlights block as the run does and scrolls it into view.
    void CanvasShowBlock(CState* block);
    // Ends a drag or a link path in progress on the canvas (Escape).
    void CanvasCancelDrag();

    // Run commands (CFrameRun.cpp).
    void BindRunCommands();
    void BuildRobotPane();

    // Scenario commands (CFrameScenarios.cpp): the commands, and what a run's opening and closing
    // mean for the scenario played or the recording.
    void BindScenarioCommands();
    void ScenarioRunOpened(const SimulationRun& run);
    void ScenarioRunClosed();
    // A scenario's input: the names list's sensor rows show it and the run reads it.
    void PlayInput(int port, int raw);
    // Writes a recording where the user chooses, asking again after a failed write; only an
    // explicit answer drops it.
    void SaveRecording(const std::string& text);

    // Editing helpers.
    void AfterHistoryStep();
    void RotateSelectedExits();

    // Project command helpers.
    bool PassGuardQuestions();
    bool SaveTo(const wxString& path);
    void ClearProgramAndViews();
    void WriteSettingsFile();
    // Asks whether to take over an opened project's calibration when it differs from the one in force.
    void OfferProjectCalibration(const CalibrationRecord& project);

    // Unsaved work kept for after a crash (CFrameRecovery.cpp).
    void StartRecovery();
    // Follows the modified flag: a change is kept after the interval; saved or dropped work goes.
    void RecoveryFollowsChange(bool modified);
    // Shows kept work as an unsaved project with its path; false, with nothing changed, when its
    // text does not read.
    bool RestoreRecovered(const RecoveryRecord& record);

    // Event handlers.
    void OnNew(wxCommandEvent& event);
    void OnOpen(wxCommandEvent& event);
    void OnRecent(wxCommandEvent& event);
    void OnSave(wxCommandEvent& event);
    void OnSaveAs(wxCommandEvent& event);
    void OnEmptyRecent(wxCommandEvent& event);
    void OnExit(wxCommandEvent& event);
    void OnPrint(wxCommandEvent& event);
    void OnPrintPreview(wxCommandEvent& event);
    void OnExportPicture(wxCommandEvent& event);
    void OnUndo(wxCommandEvent& event);
    void OnRedo(wxCommandEvent& event);
    void OnZoomIn(wxCommandEvent& event);
    void OnZoomOut(wxCommandEvent& event);
    void OnZoomReset(wxCommandEvent& event);
    void OnCanvasToolCommand(wxCommandEvent& event);
    void OnShowPalette(wxCommandEvent& event);
    void OnShowConsole(wxCommandEvent& event);
    void OnPalettePage(wxCommandEvent& event);
    void OnPaneClose(wxAuiManagerEvent& event);
    void OnHelp(wxCommandEvent& event);
    void OnWebSite(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnClose(wxCloseEvent& event);

    // The robot (calib14): the presence poll's view of the window, and the robot commands.
    void StartRobotLink();
    bool RobotShownConnected() const override;
    bool CalibrationDialogOpen() const override { return m_configDialog != nullptr; }
    bool StandaloneRunActive() const override;
    void TellCalibrationDialogRobotGone() override;
    void ShowRunStopsMessage() override;
    void StopStandaloneRun() override;
    void ShowRobotConnected(bool connected) override;
    void ReportRobotProblem(const wxString& message) override;
    void OnPresenceTimer(wxTimerEvent& event);
    void OnConfiguration(wxCommandEvent& event);
    void OnStopActuators(wxCommandEvent& event);

    // The robot's runs (robot13gui).
    void StartRobotRuns();
    void OnInputTimer(wxTimerEvent& event);
    void OnUpload(wxCommandEvent& event);

    wxAuiManager m_aui;
    wxAuiToolBar* m_toolbar = nullptr;
    wxMenu* m_recentMenu = nullptr;
    wxWindow* m_canvas = nullptr;
    CStateViewer* m_stateViewer = nullptr; // palette11

    std::map<wxString, wxBitmap> m_pictures;
    wxPrintData m_printData;
    wxPageSetupDialogData m_pageSetup;

    wxString m_projectPath;
    RecentProjects m_recent;
    CalibrationRecord m_calibration = CalibrationRecord::Defaults();
    std::unique_ptr<RecoveryKeeper> m_recovery;

    long m_commandState = 0;
    bool m_modified = false;
    bool m_connected = false;
    int m_canvasTool = 0;
    bool m_closing = false;

    bool m_shiftHeld = false;
    bool m_altOnly = false;
    bool m_ctrlOnly = false;
    bool m_escapeKey = false;
    bool m_deleteKey = false;
    bool m_tabKey = false;
    bool m_spaceKey = false;

    // Run control (sim12): the mode and the run; the run window while a run exists; the robot pane;
    // whether the program was too long at the last
    // measure.
    RunControl m_runControl;
    CSimulatorViewer* m_simulator = nullptr;
    CRobotPane* m_robotPane = nullptr;
    bool m_budgetTooLong = false;

    // The robot (calib14). The timer stops before the link goes.
    std::unique_ptr<RobotLink> m_robotLink;
    RobotPresencePoll m_presencePoll;
    wxTimer m_presenceTimer;
    CTamekConfigDialog* m_configDialog = nullptr;

    // The robot's runs (robot13gui): the input poll's timer and who hears a manual run's polls.
    wxTimer m_inputTimer;
    InputPollListener m_inputPollListener;

    // Scenarios (scen17gui): the inputs of the scenario played into the virtual run, and the
    // recording of a manual-mode run's inputs (each null when none).
    std::unique_ptr<ScenarioPlayer> m_playback;
    std::unique_ptr<InputRecorder> m_recorder;

    wxDECLARE_EVENT_TABLE();
};

// The main window, created on the first call with these arguments; later calls return the same
// window whatever they pass.
CFrame* MainFrame(const wxString& title, const wxPoint& position, const wxSize& size);
// The main window, or null before it exists (and after it has closed).
CFrame* MainFrameIfAny();
