#pragma once
// The run window: a dialog that is never shown. It owns the run's two timers (timer 1 every
// 200 ms: the tick; timer 2 every 100 ms: the clock) and forwards them to the run, and it is the
// run's display: it repaints the canvas, writes the machine's values into the names list and the
// robot pane, and sends Stop to the main window when the program ends.

#include "simulation/RunPanel.h"
#include "simulation/SimulationRun.h"

#include <vector>
#include <wx/dialog.h>
#include <wx/timer.h>

class CFrame;
class CSimulatorButton;
class wxStaticText;

class CSimulatorViewer : public wxDialog, public RunDisplay
{
public:
    enum TimerId
    {
        TickTimer = 1,
        ClockTimer = 2
    };

    // Starts both timers; the run's display is this window until it is destroyed.
    CSimulatorViewer(CFrame* frame, SimulationRun& run);
    ~CSimulatorViewer() override;
    // No tick or clock reaches the run any more, and the window lets go of it (before the window
    // is destroyed: the run may be gone before the window is).
    void StopTimers();

    void RepaintCanvas() override;
    void RefreshPanel() override;
    void SendStop() override;

private:
    void OnTimer(wxTimerEvent& event);
    void OnClose(wxCloseEvent& event);
    void BuildWidgets();
    void SetRowValue(int row, const wxString& text);

    CFrame* m_frame;
    SimulationRun* m_run;
    wxTimer m_tickTimer;
    wxTimer m_clockTimer;
    // The hidden widgets that RefreshPanel keeps up to date.
    wxStaticText* m_startStop = nullptr;
    wxStaticText* m_pcLabel = nullptr;
    CSimulatorButton* m_statusLight = nullptr;
    CSimulatorButton* m_switches[2] = {nullptr, nullptr};
    CSimulatorButton* m_detector = nullptr;
    CSimulatorButton* m_buzzer = nullptr;
    // What the names list shows, so that only changed values are written (no flicker).
    wxString m_rowTexts[RunRow::Stop + 1];
    std::vector<wxString> m_variableTexts;
};
