#pragma once
// The presence poll, run by the main window every second, without the window: it searches the
// robot, compares with what the window shows, and tells the window what to change.
// It counts disconnections so that a disconnection during a standalone run is announced once,
// even where polls keep firing while the modal message box is open. (Under GTK a timer does not
// fire again while its own handler waits in a message box, so there the count stays below 2.)

#include <wx/string.h>

class RobotLink;

// What the presence poll reads from and does to the main window.
class RobotPresenceView
{
public:
    virtual ~RobotPresenceView() = default;
    // Whether the window shows the robot as connected. The window keeps this in its robot commands'
    // state, so a command state set as a whole (opening a project) is mended by the next poll.
    virtual bool RobotShownConnected() const = 0;
    virtual bool CalibrationDialogOpen() const = 0;
    virtual bool StandaloneRunActive() const = 0;
    // The calibration dialog shows "Apparaat is ontkoppeld, instellingen niet beschikbaar!".
    virtual void TellCalibrationDialogRobotGone() = 0;
    // "Apparaat is ontkoppeld, simulatie stopt!!" (caption "USB ontkoppelen", OK), modal: returns
    // when the user answered. Polls may run again meanwhile.
    virtual void ShowRunStopsMessage() = 0;
    virtual void StopStandaloneRun() = 0;
    // Enables the robot commands (connected), or disables them, falls back to virtual mode and
    // shows "-" in the names list's value column (not connected).
    virtual void ShowRobotConnected(bool connected) = 0;
    // One console line about a robot that is found but cannot be used.
    virtual void ReportRobotProblem(const wxString& message) = 0;
};

class RobotPresencePoll
{
public:
    // One poll: RobotLink::Open, then the changes to the window.
    void Poll(RobotLink& link, RobotPresenceView& view);
    int DisconnectionCount() const { return m_disconnections; }

private:
    int m_disconnections = 0;
    bool m_problemReported = false; // the robot that cannot be used was reported since it turned up
};
