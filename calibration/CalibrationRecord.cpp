#include "calibration/CalibrationRecord.h"

#include <climits>
#include <wx/regex.h>

namespace {

enum Key
{
    KeyDir,
    KeyPwmMin,
    KeyPwmMax,
    KeyDegMin,
    KeyDegMax,
    KeyMotorMin,
    KeyMotorMax,
    KeyCount
};

// The line patterns, compiled once, in the order they are tried.
wxRegEx* LinePatterns()
{
    static wxRegEx patterns[KeyCount] = {
        wxRegEx("dir:(.*)", wxRE_EXTENDED),
        wxRegEx("Ser([12])PwmMi:(.*)", wxRE_EXTENDED),
        wxRegEx("Ser([12])PwmMa:(.*)", wxRE_EXTENDED),
        wxRegEx("Ser([12])DegMi:(.*)", wxRE_EXTENDED),
        wxRegEx("Ser([12])DegMa:(.*)", wxRE_EXTENDED),
        wxRegEx("Motor([12])Mi:(.*)", wxRE_EXTENDED),
        wxRegEx("Motor([12])Ma:(.*)", wxRE_EXTENDED),
    };
    return patterns;
}

// A stored value: a decimal integer at the start of the text (blanks before it allowed, anything after
// it ignored). Text that is not a number, or a number outside 32 bits, reads as 0.
int ParseValue(const wxString& text)
{
    wxString::const_iterator it = text.begin();
    const wxString::const_iterator end = text.end();
    while (it != end && (*it == ' ' || *it == '\t'))
        ++it;
    bool negative = false;
    if (it != end && (*it == '-' || *it == '+')) {
        negative = *it == '-';
        ++it;
    }
    long long value = 0;
    bool digits = false;
    for (; it != end && *it >= '0' && *it <= '9'; ++it) {
        value = value * 10 + static_cast<int>((*it).GetValue() - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return 0;
        digits = true;
    }
    if (!digits)
        return 0;
    value = negative ? -value : value;
    if (value < INT_MIN || value > INT_MAX)
        return 0;
    return static_cast<int>(value);
}

bool IsContinuous(const CalibrationRecord::Servo& servo)
{
    return (servo.flags & 2) != 0;
}

int& PulseMin(CalibrationRecord::Servo& servo)
{
    return IsContinuous(servo) ? servo.pulseMinContinuous : servo.pulseMinPositional;
}
int& PulseMax(CalibrationRecord::Servo& servo)
{
    return IsContinuous(servo) ? servo.pulseMaxContinuous : servo.pulseMaxPositional;
}
int PulseMin(const CalibrationRecord::Servo& servo)
{
    return IsContinuous(servo) ? servo.pulseMinContinuous : servo.pulseMinPositional;
}
int PulseMax(const CalibrationRecord::Servo& servo)
{
    return IsContinuous(servo) ? servo.pulseMaxContinuous : servo.pulseMaxPositional;
}

// The servo and motor rule shared by both comparisons: the pulse pair is the one the reference's
// continuous bit selects; angle limits count only when asked and only for a positional reference.
bool Differs(const CalibrationRecord& a, const CalibrationRecord& reference, bool withAngles)
{
    for (int i = 0; i < 2; ++i) {
        const CalibrationRecord::Servo& mine = a.servo[i];
        const CalibrationRecord::Servo& theirs = reference.servo[i];
        if (mine.flags != theirs.flags)
            return true;
        if (IsContinuous(theirs)) {
            if (mine.pulseMinContinuous != theirs.pulseMinContinuous ||
                mine.pulseMaxContinuous != theirs.pulseMaxContinuous)
                return true;
        } else {
            if (mine.pulseMinPositional != theirs.pulseMinPositional ||
                mine.pulseMaxPositional != theirs.pulseMaxPositional)
                return true;
            if (withAngles && (mine.angleMin != theirs.angleMin || mine.angleMax != theirs.angleMax))
                return true;
        }
        const CalibrationRecord::Motor& motor = a.motor[i];
        const CalibrationRecord::Motor& other = reference.motor[i];
        if (motor.minimum != other.minimum || motor.maximum != other.maximum || motor.flags != other.flags)
            return true;
    }
    return false;
}

} // namespace

CalibrationRecord CalibrationRecord::Defaults()
{
    CalibrationRecord record;
    record.present = true;
    record.servo[0] = Servo{16, 108, 60, 78, -60, 60, 0};
    record.servo[1] = Servo{16, 108, 60, 78, -60, 60, 2};
    record.motor[0] = Motor{24, 49, 0};
    record.motor[1] = Motor{24, 49, 0};
    return record;
}

int CalibrationRecord::Get(int index) const
{
    if (index >= 0 && index <= 13) {
        const Servo& s = servo[index / 7];
        switch (index % 7) {
        case 0:
            return PulseMin(s);
        case 1:
            return PulseMax(s);
        case 2:
            return s.angleMin;
        case 3:
            return s.angleMax;
        case 4:
            return s.flags & 1;
        case 5:
            return s.flags & 2;
        default:
            return s.flags & 3;
        }
    }
    if (index >= 18 && index <= 23) {
        const Motor& m = motor[(index - 18) / 3];
        switch ((index - 18) % 3) {
        case 0:
            return m.minimum;
        case 1:
            return m.maximum;
        default:
            return m.flags;
        }
    }
    return -1;
}

void CalibrationRecord::Set(int index, int value)
{
    if (index >= 0 && index <= 13) {
        Servo& s = servo[index / 7];
        switch (index % 7) {
        case 0:
            PulseMin(s) = value;
            break;
        case 1:
            PulseMax(s) = value;
            break;
        case 2:
            s.angleMin = value;
            break;
        case 3:
            s.angleMax = value;
            break;
        case 4:
            s.flags = (s.flags & ~1) | (value & 1);
            break;
        case 5:
            s.flags = (s.flags & ~2) | ((value & 1) << 1);
            break;
        default:
            s.flags = value;
            break;
        }
    } else if (index >= 18 && index <= 23) {
        Motor& m = motor[(index - 18) / 3];
        switch ((index - 18) % 3) {
        case 0:
            m.minimum = value;
            break;
        case 1:
            m.maximum = value;
            break;
        default:
            m.flags = value;
            break;
        }
    }
}

int CalibrationRecord::DirectionWord() const
{
    return (servo[0].flags & 3) | ((servo[1].flags & 3) << 2) | ((motor[0].flags & 1) << 4) |
           ((motor[1].flags & 1) << 5);
}

void CalibrationRecord::SetDirectionWord(int word)
{
    servo[0].flags = word & 3;
    servo[1].flags = (word >> 2) & 3;
    motor[0].flags = (word >> 4) & 1;
    motor[1].flags = (word >> 5) & 1;
}

bool CalibrationRecord::ParseLine(const wxString& line)
{
    wxRegEx* patterns = LinePatterns();
    bool matched = false;
    for (int key = 0; key < KeyCount; ++key) {
        wxRegEx& pattern = patterns[key];
        if (!pattern.Matches(line))
            continue;
        matched = true;
        if (key == KeyDir) {
            SetDirectionWord(ParseValue(pattern.GetMatch(line, 1)));
            continue;
        }
        const int unit = pattern.GetMatch(line, 1) == "1" ? 0 : 1;
        const int value = ParseValue(pattern.GetMatch(line, 2));
        switch (key) {
        case KeyPwmMin:
            PulseMin(servo[unit]) = value;
            break;
        case KeyPwmMax:
            PulseMax(servo[unit]) = value;
            break;
        case KeyDegMin:
            servo[unit].angleMin = value;
            break;
        case KeyDegMax:
            servo[unit].angleMax = value;
            break;
        case KeyMotorMin:
            motor[unit].minimum = value;
            break;
        case KeyMotorMax:
            motor[unit].maximum = value;
            break;
        default:
            break;
        }
    }
    return matched;
}

wxString CalibrationRecord::Lines() const
{
    wxString text;
    text << wxString::Format("dir:%d\n", DirectionWord());
    for (int i = 0; i < 2; ++i) {
        const Servo& s = servo[i];
        text << wxString::Format("Ser%dPwmMi:%d\n", i + 1, PulseMin(s));
        text << wxString::Format("Ser%dPwmMa:%d\n", i + 1, PulseMax(s));
        text << wxString::Format("Ser%dDegMi:%d\n", i + 1, s.angleMin);
        text << wxString::Format("Ser%dDegMa:%d\n", i + 1, s.angleMax);
    }
    for (int i = 0; i < 2; ++i) {
        text << wxString::Format("Motor%dMi:%d\n", i + 1, motor[i].minimum);
        text << wxString::Format("Motor%dMa:%d\n", i + 1, motor[i].maximum);
    }
    return text;
}

bool CalibrationRecord::DiffersFromDefaults(const CalibrationRecord& defaults) const
{
    return Differs(*this, defaults, true);
}

bool CalibrationRecord::DiffersFromProject(const CalibrationRecord& project) const
{
    return Differs(*this, project, false);
}

void CalibrationRecord::TakeFromProject(const CalibrationRecord& project)
{
    for (int i = 0; i < 2; ++i) {
        Servo& s = servo[i];
        const Servo& p = project.servo[i];
        s.flags = p.flags;
        s.pulseMinPositional = p.pulseMinPositional;
        s.pulseMaxPositional = p.pulseMaxPositional;
        s.pulseMinContinuous = p.pulseMinContinuous;
        s.pulseMaxContinuous = p.pulseMaxContinuous;
        motor[i] = project.motor[i];
    }
}

bool CalibrationRecord::operator==(const CalibrationRecord& other) const
{
    if (present != other.present)
        return false;
    for (int i = 0; i < 2; ++i) {
        const Servo& a = servo[i];
        const Servo& b = other.servo[i];
        if (a.pulseMinPositional != b.pulseMinPositional || a.pulseMaxPositional != b.pulseMaxPositional ||
            a.pulseMinContinuous != b.pulseMinContinuous || a.pulseMaxContinuous != b.pulseMaxContinuous ||
            a.angleMin != b.angleMin || a.angleMax != b.angleMax || a.flags != b.flags)
            return false;
        if (motor[i].minimum != other.motor[i].minimum || motor[i].maximum != other.motor[i].maximum ||
            motor[i].flags != other.motor[i].flags)
            return false;
    }
    return true;
}

const CalibrationRecord& DefaultCalibration()
{
    static const CalibrationRecord defaults = CalibrationRecord::Defaults();
    return defaults;
}

wxString CalibrationBlock(const CalibrationRecord& current)
{
    return current.DiffersFromDefaults(DefaultCalibration()) ? current.Lines() : wxString();
}
