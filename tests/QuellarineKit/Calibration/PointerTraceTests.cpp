#include "QuellarineKit/Calibration/PointerTrace.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using namespace quellarine;

namespace {

constexpr double pi = std::numbers::pi;

bool isEmpty(const PointerTrace& trace)
{
    return trace.times.empty() && trace.points.empty() && trace.intended && trace.intended->empty();
}

} // namespace

TEST(PointerTraceTest, GeneratorsPlaceTheirTremorOnTheIntendedPath)
{
    const auto still = PointerTrace::synthetic(5, 2, 0, 120, 1, 0);
    ASSERT_EQ(still.points.size(), 120u);
    for (std::size_t i = 0; i < 120; ++i) {
        EXPECT_EQ(still.times[i], i / 120.0);
        EXPECT_EQ(still.points[i].x, 0);
        EXPECT_NEAR(still.points[i].y, 2 * std::sin(10 * pi * still.times[i]), 1e-12);
        EXPECT_EQ((*still.intended)[i], (Point{0, 0}));
    }
    // The irregular tremor's phase advances before the first sample too.
    const auto irregular = PointerTrace::irregular(6, 2, 1.5, 30, 100, 4);
    EXPECT_NEAR(irregular.points[0].y, (1 + 0.3 * std::sin(1.0)) * 2 * std::sin(6 * 2 * pi / 100), 1e-12);
    EXPECT_EQ((*PointerTrace::burst(5, 1, 400, 2, 1, 120).intended)[300].x, 2 * 40 + 0.5 * 400);
    // A reach lasts its rest and 1.5 s: a 2 s move is cut at about 84 % of the way.
    EXPECT_NEAR(PointerTrace::reach(500, 5, 1, 120, 2, 1).intended->back().x / 500, 0.84, 0.01);
}

TEST(PointerTraceTest, AimingWalksTheFiveTargetsInTurn)
{
    const auto path = *PointerTrace::aiming(5, 0, 0.5, 0.25, 6, 120).intended;
    ASSERT_EQ(path.size(), 180u + 6 * (30 + 60));
    EXPECT_EQ(path[179], (Point{1230, 770}));
    const Point stops[] = {{600, 430}, {1190, 450}, {900, 590}, {650, 750}, {1230, 770}, {600, 430}};
    for (std::size_t leg = 0; leg < 6; ++leg) {
        EXPECT_EQ(path[180 + leg * 90 + 29], stops[leg]) << leg;
        EXPECT_EQ(path[180 + leg * 90 + 89], stops[leg]) << leg;
    }
    // 0.3 s at 125 Hz is 37.5 samples: the move stops short, the hold is on the target.
    const auto uneven = *PointerTrace::aiming(5, 0, 0.2, 0.3, 1, 125).intended;
    ASSERT_EQ(uneven.size(), 187u + 37 + 25);
    EXPECT_NE(uneven[187 + 36], (Point{600, 430}));
    EXPECT_EQ(uneven[187 + 37], (Point{600, 430}));
}

TEST(PointerTraceTest, ImpossibleArgumentsGiveAnEmptyTrace)
{
    for (double rate :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), -120.0, 1e300}) {
        EXPECT_TRUE(isEmpty(PointerTrace::synthetic(5, 2, 0, rate, 1, 0))) << rate;
        EXPECT_TRUE(isEmpty(PointerTrace::irregular(5, 2, 1, 0, rate, 1))) << rate;
        EXPECT_TRUE(isEmpty(PointerTrace::burst(5, 2, 100, 1, 1, rate))) << rate;
        EXPECT_TRUE(isEmpty(PointerTrace::reach(100, 5, 2, rate, 1, 1))) << rate;
        EXPECT_TRUE(isEmpty(PointerTrace::aiming(5, 2, 1, 1, 3, rate))) << rate;
    }
    EXPECT_TRUE(isEmpty(PointerTrace::aiming(5, 2, 1, 1, -1, 120)));
    EXPECT_TRUE(isEmpty(PointerTrace::aiming(5, 2, 1, 0.005, 3, 120)));
    EXPECT_TRUE(isEmpty(PointerTrace::aiming(5, 2, 1e6, 1e6, 1'000'000, 120)));
    EXPECT_TRUE(isEmpty(PointerTrace::reach(100, 5, 2, 120, 0, 1)));
}
