// The calibration slider's rules without a window: which steps each mode accepts, and how a drag
// stops at a neighbour (tests/data/calibration/slider_rules.txt). What a thumb sends is seen at the
// virtual robot in the window tests.

#include "calibration/SliderThumbs.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

TEST(SliderThumbs, EachModeAcceptsOnlyTheMovesItsRuleAllows)
{
    std::ifstream file(TAMEK_TEST_DATA "/calibration/slider_rules.txt");
    int cases = 0;
    for (std::string line; std::getline(file, line);) {
        std::istringstream in(line);
        std::string mode, thumbName, how;
        int low, middle, high, to, after[3];
        if (!(in >> mode >> low >> middle >> high >> thumbName >> how >> to >> after[0] >> after[1] >> after[2]))
            continue; // a comment or an empty line
        SliderThumbs t;
        t.SetMode(mode == "positional"   ? SliderMode::Positional
                  : mode == "continuous" ? SliderMode::Continuous
                                         : SliderMode::Motor);
        t.SetValues(low, middle, high);
        const Thumb thumb = thumbName == "low" ? Thumb::Low : thumbName == "middle" ? Thumb::Middle : Thumb::High;
        const bool moved = how == "drag" ? t.MoveToward(thumb, to) : t.Move(thumb, to);
        const bool changed = after[0] != low || after[1] != middle || after[2] != high;
        EXPECT_EQ(std::make_tuple(moved, t.Value(Thumb::Low), t.Value(Thumb::Middle), t.Value(Thumb::High)),
                  std::make_tuple(changed, after[0], after[1], after[2]))
            << line;
        ++cases;
    }
    EXPECT_EQ(cases, 28);
}
