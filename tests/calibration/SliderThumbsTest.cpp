// The calibration slider's rules without a window: which moves each mode accepts, how a drag stops
// at a neighbour, and what a thumb sends to the robot when it is tried out.

#include "calibration/SliderThumbs.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {
SliderThumbs Make(SliderMode mode, int low, int middle, int high)
{
    SliderThumbs thumbs;
    thumbs.SetMode(mode);
    thumbs.SetValues(low, middle, high);
    return thumbs;
}

std::tuple<int, int, int> Values(const SliderThumbs& t)
{
    return {t.Value(Thumb::Low), t.Value(Thumb::Middle), t.Value(Thumb::High)};
}

constexpr auto P = SliderMode::Positional, C = SliderMode::Continuous, M = SliderMode::Motor;
constexpr auto L = Thumb::Low, Mid = Thumb::Middle, H = Thumb::High;
} // namespace

TEST(SliderThumbs, EachModeAcceptsOnlyTheMovesItsRuleAllows)
{
    const struct
    {
        SliderMode mode;
        int low, middle, high;
        Thumb thumb;
        int to;
        bool toward; // MoveToward instead of Move
        bool moved;
        int newLow, newMiddle, newHigh;
    } cases[] = {
        // Positional: each thumb alone, low from 0 below high, high above low below 199.
        {P, 16, 0, 108, L, 15, false, true, 15, 0, 108},
        {P, 16, 0, 108, L, 0, false, true, 0, 0, 108},
        {P, 0, 0, 108, L, -1, false, false, 0, 0, 108},
        {P, 16, 0, 108, L, 108, false, false, 16, 0, 108},
        {P, 16, 0, 108, L, 107, false, true, 107, 0, 108},
        {P, 16, 0, 108, H, 198, false, true, 16, 0, 198},
        {P, 16, 0, 108, H, 199, false, false, 16, 0, 108},
        {P, 16, 0, 108, H, 16, false, false, 16, 0, 108},
        {P, 16, 0, 108, Mid, 50, false, false, 16, 0, 108},
        // Continuous: low and high mirror each other around the middle, the middle carries both.
        {C, 60, 69, 78, L, 59, false, true, 59, 69, 79},
        {C, 60, 69, 78, H, 79, false, true, 59, 69, 79},
        {C, 60, 69, 78, L, 68, false, true, 68, 69, 70},
        {C, 60, 69, 78, L, 69, false, false, 60, 69, 78},
        {C, 60, 69, 78, Mid, 70, false, true, 61, 70, 79},
        {C, 60, 69, 78, Mid, 9, false, true, 0, 9, 18},
        {C, 60, 69, 78, Mid, 8, false, false, 60, 69, 78},
        {C, 60, 69, 78, Mid, 189, false, true, 180, 189, 198},
        {C, 60, 69, 78, Mid, 190, false, false, 60, 69, 78},
        {C, 60, 69, 78, H, 138, false, true, 0, 69, 138},
        {C, 60, 69, 78, H, 139, false, false, 60, 69, 78},
        {C, 0, 1, 2, Mid, 0, false, false, 0, 1, 2},
        // Motor: the middle from 1 below high, high above the middle below 199.
        {M, 0, 24, 49, Mid, 0, false, false, 0, 24, 49},
        {M, 0, 24, 49, Mid, 1, false, true, 0, 1, 49},
        {M, 0, 24, 49, Mid, 49, false, false, 0, 24, 49},
        {M, 0, 24, 49, H, 198, false, true, 0, 24, 198},
        {M, 0, 24, 49, H, 199, false, false, 0, 24, 49},
        {M, 0, 24, 49, H, 200, false, false, 0, 24, 49},
        {M, 0, 24, 49, H, 25, false, true, 0, 24, 25},
        {M, 0, 24, 49, L, 10, false, false, 0, 24, 49},
        // A drag stops next to a neighbour or at the end of the rule.
        {P, 16, 0, 108, L, 500, true, true, 107, 0, 108},
        {M, 0, 24, 49, H, 300, true, true, 0, 24, 198},
        {M, 0, 24, 49, Mid, -20, true, true, 0, 1, 49},
        {C, 60, 69, 78, L, -50, true, true, 0, 69, 138},
        {C, 60, 69, 78, L, 68, true, true, 68, 69, 70},
        {M, 0, 24, 25, Mid, 30, true, false, 0, 24, 25},
        // Values read from a file may break the rule: a drag never carries a thumb away from the mouse.
        {P, 150, 0, 100, L, 170, true, false, 150, 0, 100},
        {P, 150, 0, 100, L, 120, true, true, 99, 0, 100},
    };
    for (const auto& c : cases) {
        SliderThumbs thumbs = Make(c.mode, c.low, c.middle, c.high);
        const bool moved = c.toward ? thumbs.MoveToward(c.thumb, c.to) : thumbs.Move(c.thumb, c.to);
        const auto expected = std::make_tuple(c.newLow, c.newMiddle, c.newHigh);
        EXPECT_EQ(std::make_pair(moved, Values(thumbs)), std::make_pair(c.moved, expected))
            << "mode " << static_cast<int>(c.mode) << " thumb " << static_cast<int>(c.thumb) << " to " << c.to;
    }
}

TEST(SliderThumbs, TryingAThumbSendsItsValueMirroredOrReversedAsTheActuatorNeeds)
{
    const SliderThumbs positional = Make(P, 16, 0, 108), continuous = Make(C, 59, 69, 79);
    const SliderThumbs motor = Make(M, 0, 24, 49), crowded = Make(M, 0, 50, 50);
    const struct
    {
        ActuatorValue sent, expected;
    } cases[] = {
        {ServoTestValue(positional, L, false), {16, false}},
        {ServoTestValue(positional, H, true), {108, false}}, // a positional servo is never mirrored
        {ServoTestValue(continuous, L, false), {59, false}},
        {ServoTestValue(continuous, L, true), {79, false}},
        {ServoTestValue(continuous, H, true), {59, false}},
        {ServoTestValue(continuous, Mid, true), {69, false}},
        {MotorTestValue(motor, Mid, false), {24, false}},
        {MotorTestValue(motor, H, true), {49, true}},
        {MotorTestValue(crowded, Mid, false), {49, false}},
        {MotorTestValue(crowded, H, true), {49, true}},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_TRUE(cases[i].sent == cases[i].expected)
            << "case " << i << ": " << cases[i].sent.magnitude << (cases[i].sent.reverse ? " reversed" : "");
}
