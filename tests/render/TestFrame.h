#pragma once
// A bare frame that owns a canvas the way the main window does, and records what the canvas asks of it.

#include "calibration/CalibrationRecord.h"
#include "editor/CProjectViewer.h"
#include "editor/CanvasOwner.h"
#include "model/CProgram.h"

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

class TestFrame : public wxFrame, public CanvasOwner
{
public:
    explicit TestFrame(const wxSize& clientSize = wxSize(800, 600)) : wxFrame(nullptr, wxID_ANY, "Tamek canvas test")
    {
        canvas = new CProjectViewer(this, this);
        SetClientSize(clientSize);
        Show();
        WaitFor([&] { return canvas->GetClientSize() == clientSize; });
    }

    void EnableCommands(long mask) override { enabled |= mask, disabled &= ~mask; }
    void DisableCommands(long mask) override { disabled |= mask, enabled &= ~mask; }
    bool IsSimulationRunning() const override { return simulationRunning; }
    bool IsShiftHeld() const override { return false; }
    void EnableZoomCommands(bool in, bool out, bool reset) override
    {
        zoomInEnabled = in, zoomOutEnabled = out, zoomResetEnabled = reset;
    }

    // Lets the event loop run until the condition holds or the time is up; returns the condition.
    template <typename Predicate> static bool WaitFor(Predicate condition, long milliseconds = 3000)
    {
        wxStopWatch watch;
        while (!condition() && watch.Time() < milliseconds) {
            wxTheApp->Yield(true);
            wxMilliSleep(5);
        }
        return condition();
    }

    CProjectViewer* canvas = nullptr;
    long enabled = 0, disabled = 0;
    bool simulationRunning = false;
    bool zoomInEnabled = true, zoomOutEnabled = true, zoomResetEnabled = false;
};

// A fresh temporary folder, removed with its files at the end.
struct ScratchFolder
{
    wxString path = wxFileName::CreateTempFileName("tamek-test");
    ScratchFolder() { wxRemoveFile(path), wxFileName::Mkdir(path); }
    ~ScratchFolder() { wxFileName::Rmdir(path, wxPATH_RMDIR_RECURSIVE); }
};

// A test that starts from an empty program, no highlighted block and 100 % zoom, with a fresh test
// frame, and leaves nothing behind.
struct CanvasFixture : ::testing::Test
{
    TestFrame* frame = nullptr;
    void SetUp() override
    {
        ResetState();
        frame = new TestFrame();
    }
    void TearDown() override
    {
        ResetState();
        frame->Destroy();
        TestFrame::WaitFor([] { return wxTopLevelWindows.empty(); }, 1000);
    }
    // A project file of tests/data read onto the canvas, in place of the program there.
    bool ReadTestProject(const wxString& name)
    {
        TheProgram().Destroy();
        TheProgram().EnsureRoot()->SetViewer(frame->canvas);
        Displacement displacement;
        ReadBounds bounds;
        CalibrationRecord calibration;
        return TheProgram().ReadProject(wxString(TAMEK_TEST_DATA) + "/" + name, displacement, bounds, calibration);
    }
    static void ResetState()
    {
        SetCurrentBlock(nullptr);
        TheProgram().Destroy();
        TheViewZoom() = ViewZoom();
    }
};
