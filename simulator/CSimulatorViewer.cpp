#include "simulator/CSimulatorViewer.h"

#include "app/CFrame.h"
#include "app/CommandIds.h"
#include "editor/RunValues.h"
#include "model/CProgram.h"
#include "simulator/CSimulatorButton.h"

#include <wx/sizer.h>
#include <wx/stattext.h>

CSimulatorViewer::CSimulatorViewer(CFrame* frame, SimulationRun& run)
    : wxDialog(frame, wxID_ANY, "simulator", wxDefaultPosition, wxSize(500, 300),
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      m_frame(frame), m_run(&run), m_tickTimer(this, TickTimer), m_clockTimer(this, ClockTimer)
{
    BuildWidgets();
    Bind(wxEVT_TIMER, &CSimulatorViewer::OnTimer, this);
    Bind(wxEVT_CLOSE_WINDOW, &CSimulatorViewer::OnClose, this);
    m_run->SetDisplay(this);
    m_tickTimer.Start(SimulationRun::kTickMs);
    m_clockTimer.Start(SimulationRun::kClockMs);
}

CSimulatorViewer::~CSimulatorViewer()
{
    StopTimers();
}

void CSimulatorViewer::StopTimers()
{
    m_tickTimer.Stop();
    m_clockTimer.Stop();
    if (m_run)
        m_run->SetDisplay(nullptr);
    m_run = nullptr;
}

void CSimulatorViewer::BuildWidgets()
{
    auto* column = new wxBoxSizer(wxVERTICAL);
    auto* labels = new wxBoxSizer(wxHORIZONTAL);
    m_startStop = new wxStaticText(this, wxID_ANY, "Start");
    m_pcLabel = new wxStaticText(this, wxID_ANY, "PC: 0x0000");
    labels->Add(m_startStop, 0, wxALL, 4);
    labels->Add(m_pcLabel, 0, wxALL, 4);
    column->Add(labels);

    auto* pictures = new wxBoxSizer(wxHORIZONTAL);
    const auto add = [this, pictures](const char* folder, const char* label) {
        auto* cell = new wxBoxSizer(wxVERTICAL);
        auto* button = new CSimulatorButton(this, wxString("Img/Simulator/") + folder + "/IOff.png",
                                            wxString("Img/Simulator/") + folder + "/IOn.png");
        cell->Add(button, 0, wxALL, 4);
        if (*label)
            cell->Add(new wxStaticText(this, wxID_ANY, label), 0, wxALL, 2);
        cell->Add(new wxStaticText(this, wxID_ANY, "XXXX"), 0, wxALL, 2);
        pictures->Add(cell);
        return button;
    };
    m_statusLight = add("DEL Rouge", "");
    m_switches[0] = add("Bouton poussoir", "Switch1");
    m_switches[1] = add("Bouton poussoir", "Switch2");
    m_buzzer = add("Buzzer", "");
    m_detector = add("Detecteur passif", "Micro");
    column->Add(pictures);
    SetSizer(column);
}

void CSimulatorViewer::OnTimer(wxTimerEvent& event)
{
    if (!m_run)
        return;
    if (event.GetId() == TickTimer)
        m_run->Tick(); // may end the run: nothing of it is touched afterwards
    else if (event.GetId() == ClockTimer) {
        m_run->Clock();
        m_frame->RunClockAdvanced(m_run->SimulatedMs()); // a scenario played sets its inputs due by then
    }
}

void CSimulatorViewer::OnClose(wxCloseEvent&)
{
    Hide(); // closing the window never stops the run
}

void CSimulatorViewer::RepaintCanvas()
{
    m_frame->RefreshCanvas();
}

void CSimulatorViewer::SetRowValue(int row, const wxString& text)
{
    if (m_rowTexts[row] == text)
        return;
    m_rowTexts[row] = text;
    if (RunValues* values = m_frame->GetRunValues())
        values->SetRowValue(row, text);
}

void CSimulatorViewer::RefreshPanel()
{
    if (!m_run)
        return;
    const TamekMachine& machine = m_run->Machine();
    for (const RowText& row : ActuatorRowTexts(machine))
        SetRowValue(row.row, row.text);
    const std::vector<wxString> variables = VariableTexts(machine, TheProgram());
    m_variableTexts.resize(variables.size());
    RunValues* values = m_frame->GetRunValues();
    for (size_t i = 0; i < variables.size(); ++i)
        if (m_variableTexts[i] != variables[i]) {
            m_variableTexts[i] = variables[i];
            if (values)
                values->SetVariableValue(static_cast<int>(i), variables[i]);
        }

    const wxString startStop = m_run->LastStepResult() ? "Stop" : "Start";
    if (m_startStop->GetLabel() != startStop)
        m_startStop->SetLabel(startStop);
    const wxString pc = wxString::Format("PC: 0x%04x", m_run->LastPc() & 0xFFFF);
    if (m_pcLabel->GetLabel() != pc)
        m_pcLabel->SetLabel(pc);
    m_statusLight->SetOn(machine.RunLightOn());
    m_switches[0]->SetOn(machine.RawInput(1) != 0);
    m_switches[1]->SetOn(machine.RawInput(2) != 0);
    m_detector->SetOn(machine.BuzzerOn());
    m_buzzer->SetOn(machine.BuzzerOn());
    m_frame->ShowRunInRobotPane();
}

void CSimulatorViewer::SendStop()
{
    wxCommandEvent stop(wxEVT_MENU, ID_MENU_STOP);
    stop.SetEventObject(this);
    m_frame->GetEventHandler()->ProcessEvent(stop);
}
