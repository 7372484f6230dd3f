#include "robot/RobotPresencePoll.h"

#include "robot/RobotLink.h"

void RobotPresencePoll::Poll(RobotLink& link, RobotPresenceView& view)
{
    link.Open();
    const bool connected = link.IsConnected();
    const bool unusable = link.State() == RobotLinkState::NoPermission || link.State() == RobotLinkState::OpenFailed;
    if (unusable && !m_problemReported)
        view.ReportRobotProblem(link.ProblemMessage());
    m_problemReported = unusable;

    const bool shown = view.RobotShownConnected();
    if (connected && !shown) {
        view.ShowRobotConnected(true);
        m_disconnections = 0;
    } else if (!connected && shown) {
        // The window still shows the robot while a message is on screen: a poll during the message
        // counts a second disconnection and says nothing.
        if (view.CalibrationDialogOpen()) {
            if (++m_disconnections < 2)
                view.TellCalibrationDialogRobotGone();
        } else if (view.StandaloneRunActive()) {
            if (++m_disconnections < 2) {
                view.ShowRunStopsMessage();
                view.StopStandaloneRun();
                m_disconnections = 0;
            }
        } else {
            m_disconnections = 0;
        }
        view.ShowRobotConnected(false);
    } else if (!connected) {
        m_disconnections = 0;
    }
}
