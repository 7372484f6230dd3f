#pragma once
// The thumbs of a calibration slider without the window: up to three values on a range, the rule
// each mode puts on a moving thumb, and what a thumb sends to its servo or motor when it is tried out.

#include <utility>

enum class SliderMode
{
    Positional, // a positional servo: low and high
    Continuous, // a continuously rotating servo: low, middle and high, low and high symmetric around the middle
    Motor       // a motor: middle (zero speed) and high (maximum speed)
};

enum class Thumb
{
    None = -1,
    Low = 0,
    Middle = 1,
    High = 2
};

class SliderThumbs
{
public:
    explicit SliderThumbs(int minimum = 0, int maximum = 200) : m_minimum(minimum), m_maximum(maximum) {}

    int Minimum() const { return m_minimum; }
    int Maximum() const { return m_maximum; }
    SliderMode Mode() const { return m_mode; }
    void SetMode(SliderMode mode) { m_mode = mode; }
    // Whether the mode shows this thumb.
    bool Has(Thumb thumb) const;

    int Value(Thumb thumb) const { return thumb == Thumb::None ? 0 : m_values[static_cast<int>(thumb)]; }
    // Loads values as they are, without the rules (a calibration read from a file may break them).
    void SetValues(int low, int middle, int high) { m_values[0] = low, m_values[1] = middle, m_values[2] = high; }

    // The values the thumb may move to now, as a closed interval (first > second: none). Moving low
    // or high of a continuous slider moves the other one the opposite way; moving its middle moves
    // all three.
    std::pair<int, int> Allowed(Thumb thumb) const;
    // Moves the thumb to value when the rule allows it; false (nothing changed) otherwise.
    bool Move(Thumb thumb, int value);
    // Moves the thumb as far toward target as the rule allows (a drag past a neighbour stops next to
    // it); false when it did not move.
    bool MoveToward(Thumb thumb, int target);

private:
    int m_minimum, m_maximum;
    SliderMode m_mode = SliderMode::Positional;
    int m_values[3] = {0, 0, 0};
};

// What trying a thumb out sends with RobotLink::SetActuator: the magnitude and the reverse flag.
struct ActuatorValue
{
    int magnitude = 0;
    bool reverse = false;
    bool operator==(const ActuatorValue& other) const
    {
        return magnitude == other.magnitude && reverse == other.reverse;
    }
};

// A servo's thumb: its pulse value, forward; a reversed continuous servo sends low and high
// mirrored around the middle.
ActuatorValue ServoTestValue(const SliderThumbs& thumbs, Thumb thumb, bool reversed);
// A motor's thumb: its speed value (middle: at most high - 1; high: at least middle + 1, else
// middle - 1), with the reverse flag when the motor is reversed.
ActuatorValue MotorTestValue(const SliderThumbs& thumbs, Thumb thumb, bool reversed);
