#include "QuellarineKit/Calibration/ClickMeasures.h"
#include "QuellarineKit/Calibration/Median.h"

#include <gtest/gtest.h>

#include <limits>

using namespace quellarine;
using Click = CalibrationRecording::Click;
using Calibration::ClickMeasures;

namespace {

// Held 0.12 s, released where it was pressed.
Click click(double down, Point at, bool hit = true)
{
    return Click{down, down + 0.12, at, at, hit};
}

} // namespace

TEST(ClickMeasuresTest, PressAndSlipAreMedians)
{
    EXPECT_EQ(Calibration::median({}), 0);
    EXPECT_EQ(Calibration::median({7, 1, 3}), 3);
    EXPECT_EQ(Calibration::median({4, 1, 3, 10}), 3.5);
    EXPECT_EQ(Calibration::median({std::numeric_limits<double>::quiet_NaN(), 5, 1, 2}), 3.5);

    const auto measures = ClickMeasures::of({{0.0, 0.10, {0, 0}, {3, 4}, true},
                                             {1.0, 1.30, {100, 0}, {100, 1}, true},
                                             {2.0, 2.20, {200, 0}, {200, 0}, false},
                                             {3.0, 3.08, {300, 0}, {306, 8}, true}});
    EXPECT_NEAR(measures.press, 0.15, 1e-12);
    EXPECT_EQ(measures.slip, 3);
    EXPECT_EQ(measures.misses, 1);
    EXPECT_FALSE(measures.hasShortTap);
    EXPECT_TRUE(ClickMeasures::of({click(0, {}), Click{1, 1.04, {}, {}, true}}).hasShortTap);
}

TEST(ClickMeasuresTest, ExtraClicksAreStrictlySoonerAndCloserAndMayMakeMissesNegative)
{
    const Point at{400, 300};
    const auto extras = [&](double gap, Vector offset) {
        return ClickMeasures::of({click(1.0, at), click(1.12 + gap, at + offset)}).extraClicks;
    };
    EXPECT_EQ(extras(0.30, {10, 0}), 1);
    EXPECT_EQ(extras(-0.1, {0, 29.9}), 1);
    EXPECT_EQ(extras(0.30, {18, 24}), 0); // exactly 30 points
    EXPECT_EQ(extras(0.5, {0, 0}), 0);
    ASSERT_EQ(0.6 - 0.25, 0.35); // exactly 0.35 s
    EXPECT_EQ(ClickMeasures::of({Click{0.13, 0.25, at, at, true}, click(0.6, at)}).extraClicks, 0);

    const auto measures = ClickMeasures::of({click(0, at), click(0.3, at), click(0.6, at, false), click(2, at)});
    EXPECT_EQ(measures.extraClicks, 2);
    EXPECT_EQ(measures.misses, 4 - 3 - 2);
}
