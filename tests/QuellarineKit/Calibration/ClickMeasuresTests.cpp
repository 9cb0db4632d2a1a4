#include "QuellarineKit/Calibration/ClickMeasures.h"
#include "QuellarineKit/Calibration/Median.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace quellarine;
using Click = CalibrationRecording::Click;
using Calibration::ClickMeasures;

namespace {

// A calm click: held 0.12 s without slipping, pressed and released on the same point.
Click click(double down, Point at, bool hit = true)
{
    return Click{down, down + 0.12, at, at, hit};
}

} // namespace

TEST(ClickMeasuresTests, MedianOfNoneOddAndEvenCounts)
{
    EXPECT_EQ(Calibration::median({}), 0);
    EXPECT_EQ(Calibration::median({7, 1, 3}), 3);
    EXPECT_EQ(Calibration::median({4, 1, 3, 10}), 3.5);
    EXPECT_EQ(Calibration::median({2}), 2);
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(Calibration::median({nan, 5, 1, nan, 2}), 5);
}

TEST(ClickMeasuresTests, PressAndSlipAreMediansOverEveryClick)
{
    const std::vector<Click> clicks{
        {0.0, 0.10, {0, 0}, {3, 4}, true},
        {1.0, 1.30, {100, 0}, {100, 1}, true},
        {2.0, 2.20, {200, 0}, {200, 0}, false},
        {3.0, 3.08, {300, 0}, {306, 8}, true},
    };
    const auto measures = ClickMeasures::of(clicks);
    EXPECT_NEAR(measures.press, 0.15, 1e-12);
    EXPECT_EQ(measures.slip, 3);
    EXPECT_EQ(measures.extraClicks, 0);
    EXPECT_EQ(measures.misses, 1);
    EXPECT_FALSE(measures.hasShortTap);
}

TEST(ClickMeasuresTests, ExtraClicksNeedBothLessThanTheGapAndLessThanTheDistance)
{
    const Point at{400, 300};
    const auto extras = [&](double gap, Vector offset) {
        const Click first = click(1.0, at);
        return ClickMeasures::of({first, click(first.up + gap, at + offset)}).extraClicks;
    };
    EXPECT_EQ(extras(0.30, {10, 0}), 1);
    EXPECT_EQ(extras(0.349, {0, 29.9}), 1);
    EXPECT_EQ(extras(-0.1, {0, 0}), 1); // pressed before the previous release was seen
    EXPECT_EQ(extras(0.30, {18, 24}), 0); // exactly 30 points away
    EXPECT_EQ(extras(0.30, {0, 31}), 0);
    EXPECT_EQ(extras(0.5, {0, 0}), 0);
    // Exactly 0.35 s: 0.6 − 0.25 is the double nearest 0.35.
    ASSERT_EQ(0.6 - 0.25, 0.35);
    const Click first{0.13, 0.25, at, at, true};
    EXPECT_EQ(ClickMeasures::of({first, click(0.6, at)}).extraClicks, 0);
}

TEST(ClickMeasuresTests, MissesGoBelowZeroWhenExtraClicksAlsoHit)
{
    const Point at{50, 50};
    const auto measures = ClickMeasures::of({click(0, at), click(0.3, at), click(0.6, at, false), click(2, at)});
    EXPECT_EQ(measures.extraClicks, 2);
    EXPECT_EQ(measures.misses, 4 - 3 - 2);
    EXPECT_EQ(ClickMeasures::of({click(0, at), click(0.3, at)}).misses, -1);
    EXPECT_EQ(ClickMeasures::of({click(0, at, false), click(5, at, false)}).misses, 2);
}

TEST(ClickMeasuresTests, AShortTapIsOneHeldUnderFiftyMilliseconds)
{
    const Point at{10, 10};
    EXPECT_TRUE(ClickMeasures::of({click(0, at), Click{1, 1.04, at, at, true}, click(2, at)}).hasShortTap);
    EXPECT_FALSE(ClickMeasures::of({click(0, at), Click{1, 1.0625, at, at, true}}).hasShortTap);
    EXPECT_FALSE(ClickMeasures::of({}).hasShortTap);
}
