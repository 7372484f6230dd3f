#pragma once
// The servo and motor calibration: pulse ranges, angle ranges and direction switches of the
// robot's two servos and two motors, with their defaults, the calibration lines that store them,
// and access by calibration parameter index.

#include <wx/string.h>

class CalibrationRecord
{
public:
    struct Servo
    {
        int pulseMinPositional = 0, pulseMaxPositional = 0;
        int pulseMinContinuous = 0, pulseMaxContinuous = 0;
        int angleMin = 0, angleMax = 0;
        int flags = 0; // bit 0 reversed direction, bit 1 continuous rotation
    };
    struct Motor
    {
        int minimum = 0, maximum = 0;
        int flags = 0; // 1 when reversed
    };

    // The built-in values (servo 2 rotates continuously).
    static CalibrationRecord Defaults();

    bool present = true;
    Servo servo[2];
    Motor motor[2];

    // A value by calibration parameter index 0-23 (-1 for indices without a value).
    int Get(int index) const;
    void Set(int index, int value);

    // The four direction flags packed into one word, as the "dir:" line stores them.
    int DirectionWord() const;
    void SetDirectionWord(int word);

    // Takes one text line; true when it was a calibration line (its value is stored). A pulse value
    // goes into the pair that the servo's continuous bit selects at that moment; a value that is not
    // a number reads as 0.
    bool ParseLine(const wxString& line);
    // The thirteen calibration lines, each ending with "\n".
    wxString Lines() const;

    // Whether a block must be written: compared with the defaults (the pulse pair the defaults'
    // continuous bit selects, and the angle limits of a servo positional in the defaults).
    bool DiffersFromDefaults(const CalibrationRecord& defaults) const;
    // Whether a project's calibration is worth offering (angle limits never count).
    bool DiffersFromProject(const CalibrationRecord& project) const;
    // Takes over a project's calibration: its flags, pulse values and motor fields; the angle
    // limits stay. The window does this when the user accepts a project's calibration, and the
    // command line compiles with the defaults taken over so, to compile what the window compiles.
    void TakeFromProject(const CalibrationRecord& project);

    bool operator==(const CalibrationRecord& other) const;
    bool operator!=(const CalibrationRecord& other) const { return !(*this == other); }
};

// The built-in calibration (Defaults()), made once.
const CalibrationRecord& DefaultCalibration();

// The calibration block of a file: the lines of current when it differs from the defaults, else nothing.
wxString CalibrationBlock(const CalibrationRecord& current);
