#include "calibration/SliderThumbs.h"

#include <algorithm>
#include <cstdlib>

bool SliderThumbs::Has(Thumb thumb) const
{
    switch (thumb) {
    case Thumb::Low:
        return m_mode != SliderMode::Motor;
    case Thumb::Middle:
        return m_mode != SliderMode::Positional;
    case Thumb::High:
        return true;
    default:
        return false;
    }
}

std::pair<int, int> SliderThumbs::Allowed(Thumb thumb) const
{
    if (!Has(thumb))
        return {1, 0};
    const int low = m_values[0], middle = m_values[1], high = m_values[2];
    // Every thumb stays below maximum - 1; low at the minimum or above, the middle above it.
    const int top = m_maximum - 2;
    switch (m_mode) {
    case SliderMode::Positional:
        return thumb == Thumb::Low ? std::make_pair(m_minimum, high - 1) : std::make_pair(low + 1, top);
    case SliderMode::Motor:
        return thumb == Thumb::Middle ? std::make_pair(m_minimum + 1, high - 1) : std::make_pair(middle + 1, top);
    case SliderMode::Continuous:
    default: {
        // low + high stays the same when low or high moves; the middle carries both along.
        const int sum = low + high;
        if (thumb == Thumb::Low)
            return {std::max(m_minimum, sum - top), std::min(middle - 1, sum - middle - 1)};
        if (thumb == Thumb::High)
            return {std::max(middle + 1, sum - middle + 1), std::min(top, sum - m_minimum)};
        return {std::max(m_minimum + 1, middle - (low - m_minimum)), middle + (top - high)};
    }
    }
}

bool SliderThumbs::Move(Thumb thumb, int value)
{
    const auto [first, last] = Allowed(thumb);
    const int now = Value(thumb);
    if (value < first || value > last || value == now)
        return false;
    const int delta = value - now;
    if (m_mode == SliderMode::Continuous && thumb == Thumb::Middle) {
        for (int& v : m_values)
            v += delta;
        return true;
    }
    m_values[static_cast<int>(thumb)] = value;
    if (m_mode == SliderMode::Continuous)
        m_values[thumb == Thumb::Low ? 2 : 0] -= delta;
    return true;
}

bool SliderThumbs::MoveToward(Thumb thumb, int target)
{
    const auto [first, last] = Allowed(thumb);
    const int now = Value(thumb);
    if (first > last)
        return false;
    // Only toward the target: a thumb outside its interval (values read from a file) never jumps back.
    const int value = std::clamp(target, first, last);
    if ((target > now && value <= now) || (target < now && value >= now))
        return false;
    return Move(thumb, value);
}

ActuatorValue ServoTestValue(const SliderThumbs& thumbs, Thumb thumb, bool reversed)
{
    int value = thumbs.Value(thumb);
    if (reversed && thumbs.Mode() == SliderMode::Continuous && thumb != Thumb::Middle)
        value = 2 * thumbs.Value(Thumb::Middle) - value;
    return {value, false};
}

ActuatorValue MotorTestValue(const SliderThumbs& thumbs, Thumb thumb, bool reversed)
{
    const int middle = thumbs.Value(Thumb::Middle), high = thumbs.Value(Thumb::High);
    int speed = 0;
    if (thumb == Thumb::Middle)
        speed = middle < high ? middle : high - 1;
    else if (thumb == Thumb::High)
        speed = high > middle ? high : middle - 1;
    const int value = reversed ? -speed : speed;
    return {std::abs(value), value < 0};
}
