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
    // Takes a project's flags, pulse values and motor fields; the angle limits stay.
    void TakeFromProject(const CalibrationRecord& project);

    bool operator==(const CalibrationRecord& other) const;
    bool operator!=(const CalibrationRecord& other) const { return !(*this == other); }
};

// The three records of the running program: the one in force, the built-in one, and the one the
// last opened project carried (its present flag tells whether it carried any).
CalibrationRecord& CurrentCalibration();
const CalibrationRecord& DefaultCalibration();
CalibrationRecord& ProjectCalibration();
// Sets the project calibration back to the defaults, not present: done before a project is read,
// so a project without calibration lines never offers the one of the project before it.
void ResetProjectCalibration();

// The calibration block of a file: the lines of current when it differs from the defaults, else nothing.
wxString CalibrationBlock(const CalibrationRecord& current);
