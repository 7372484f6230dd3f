#pragma once
// The robot pane's picture: the virtual robot seen from above with its outputs (run light, red
// LED, buzzer, two servos, two motors on its wheels), and under it the sensors a pupil can press
// and slide (three switches, two detectors). Everything is drawn in design units of a 300 x 520
// picture, scaled to fit the pane and centred; the layout also answers where the mouse hits.

#include <wx/gdicmn.h>
#include <wx/string.h>

class wxGraphicsContext;

// What the pane shows.
struct RobotView
{
    enum RunState
    {
        NoRun,
        Running,
        Paused,
        Stepping
    };
    int state = NoRun;
    bool inputsActive = false; // a virtual run: the sensors can be set
    bool runLight = false, led = false, buzzer = false;
    int servo[2] = {0, 0};
    bool continuous[2] = {false, false}; // the servo turns on (a speed) instead of to an angle
    int motor[2] = {0, 0};               // motor 1 (channel 3) and motor 2 (channel 2), last written
    int direction[2] = {0, 0};           // TamekMachine::Direction of motor 1 and motor 2
    int motorLimit = 10;                 // a motor value of this size is full speed
    int raw[3] = {1023, 1023, 1023};     // sensor ports 1-3
    wxString names[5];                   // switch 1-3 and detector 1-2, as the pupil named them

    bool SwitchPressed(int i) const { return raw[i] < 512; }
    int DetectorValue(int i) const { return 1023 - raw[i]; }
    bool operator==(const RobotView& other) const;
    bool operator!=(const RobotView& other) const { return !(*this == other); }
};

class RobotPaneLayout
{
public:
    static constexpr double kWidth = 300, kHeight = 520;

    explicit RobotPaneLayout(const wxSize& client);
    double Scale() const { return m_scale; }
    double OriginX() const { return m_originX; }
    double OriginY() const { return m_originY; }
    // Window rectangles that the mouse can hit: a switch (0-2), a detector's track (0-1).
    wxRect SwitchRect(int i) const;
    wxRect DetectorTrack(int i) const;
    // The detector value (0-1023) at a window x over track i.
    int DetectorValueAt(int i, int windowX) const;

    // Design positions of the sensors.
    static double SwitchX(int i) { return 60 + 90 * i; }
    static constexpr double kSwitchY = 338, kSwitchRadius = 22;
    static double DetectorY(int i) { return 420 + 44 * i; }
    static constexpr double kTrackLeft = 96, kTrackRight = 244;

private:
    wxRect ToWindow(double x, double y, double width, double height) const;

    double m_scale, m_originX, m_originY;
};

// Paints view over the whole client area.
void DrawRobotPane(wxGraphicsContext& gc, const wxSize& client, const RobotView& view);
