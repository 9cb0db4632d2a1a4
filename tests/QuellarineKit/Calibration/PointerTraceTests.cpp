#include "QuellarineKit/Calibration/PointerTrace.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using namespace quellarine;

namespace {

constexpr double pi = std::numbers::pi;

void expectConsistent(const PointerTrace& trace, double rate)
{
    ASSERT_TRUE(trace.intended);
    ASSERT_EQ(trace.points.size(), trace.times.size());
    ASSERT_EQ(trace.intended->size(), trace.times.size());
    for (std::size_t i = 0; i < trace.times.size(); ++i) {
        ASSERT_EQ(trace.times[i], static_cast<double>(i) / rate) << i;
    }
}

bool isEmptyTrace(const PointerTrace& trace)
{
    return trace.times.empty() && trace.points.empty() && trace.intended && trace.intended->empty();
}

} // namespace

TEST(PointerTraceTests, SyntheticShakesAcrossAStraightLine)
{
    const auto still = PointerTrace::synthetic(5, 2, 0, 120, 1, 0);
    expectConsistent(still, 120);
    ASSERT_EQ(still.times.size(), 120u);
    for (std::size_t i = 0; i < 120; ++i) {
        const double t = static_cast<double>(i) / 120;
        EXPECT_EQ(still.points[i].x, 0);
        EXPECT_NEAR(still.points[i].y, 2 * std::sin(10 * pi * t), 1e-12);
        EXPECT_EQ((*still.intended)[i], (Point{0, 0}));
    }

    for (double angle : {0.4, 2.0, -1.1}) {
        const auto line = PointerTrace::synthetic(7, 3, 90, 200, 2.5, angle);
        expectConsistent(line, 200);
        ASSERT_EQ(line.times.size(), 500u);
        const Vector direction{std::cos(angle), std::sin(angle)};
        for (std::size_t i = 0; i < line.times.size(); ++i) {
            const double t = line.times[i];
            EXPECT_NEAR(((*line.intended)[i] - Point{}).length(), 90 * t, 1e-9);
            const Vector tremor = line.points[i] - (*line.intended)[i];
            EXPECT_NEAR(tremor.dot(direction), 0, 1e-9);
            EXPECT_NEAR(tremor.length(), std::abs(3 * std::sin(14 * pi * t)), 1e-9);
        }
    }
}

TEST(PointerTraceTests, IrregularAdvancesItsPhaseBeforeTheFirstSample)
{
    const auto trace = PointerTrace::irregular(6, 2, 1.5, 30, 100, 4);
    expectConsistent(trace, 100);
    ASSERT_EQ(trace.times.size(), 400u);
    const double firstPhase = 6 * 2 * pi / 100;
    const double envelope = (1 + 0.3 * std::sin(1.0)) * 2;
    EXPECT_NEAR(trace.points[0].y, envelope * std::sin(firstPhase), 1e-12);
    EXPECT_NEAR(trace.points[0].x, 0.4 * envelope * std::sin(firstPhase + 0.8), 1e-12);
    for (std::size_t i = 0; i < trace.times.size(); ++i) {
        EXPECT_EQ((*trace.intended)[i], (Point{trace.times[i] * 30, 0}));
        EXPECT_LE(std::abs(trace.points[i].y), 1.3 * 2 + 1e-12);
    }
}

TEST(PointerTraceTests, BurstCreepsThenMovesAtItsSpeed)
{
    const auto trace = PointerTrace::burst(5, 1, 400, 2, 1, 120);
    expectConsistent(trace, 120);
    ASSERT_EQ(trace.times.size(), 360u);
    EXPECT_NEAR((*trace.intended)[120].x, 1 * 40, 1e-9);
    EXPECT_NEAR((*trace.intended)[240].x, 2 * 40, 1e-9);
    EXPECT_NEAR((*trace.intended)[300].x, 2 * 40 + 0.5 * 400, 1e-9);
    EXPECT_NEAR(trace.points[3].y, std::sin(10 * pi * 3 / 120), 1e-12);
}

TEST(PointerTraceTests, AimingWalksTheFiveTargetsInTurn)
{
    const auto trace = PointerTrace::aiming(5, 0, 0.5, 0.25, 6, 120);
    expectConsistent(trace, 120);
    const auto& path = *trace.intended;
    ASSERT_EQ(path.size(), 180u + 6 * (30 + 60));
    EXPECT_EQ(path[0], (Point{1230, 770}));
    EXPECT_EQ(path[179], (Point{1230, 770}));
    const Point expected[] = {{600, 430}, {1190, 450}, {900, 590}, {650, 750}, {1230, 770}, {600, 430}};
    for (std::size_t leg = 0; leg < 6; ++leg) {
        const std::size_t arrival = 180 + leg * 90 + 30 - 1;
        EXPECT_EQ(path[arrival], expected[leg]) << leg;
        EXPECT_EQ(path[arrival + 60], expected[leg]) << leg;
    }
    EXPECT_EQ(PointerTrace::aiming(5, 2, 0.5, 0.25, 0, 120).times.size(), 180u);

    // 0.3 s at 125 Hz is 37.5 samples: the move stops short at sample 37 and the hold is on the target.
    const auto uneven = PointerTrace::aiming(5, 0, 0.2, 0.3, 1, 125);
    const auto& unevenPath = *uneven.intended;
    ASSERT_EQ(unevenPath.size(), 187u + 37 + 25);
    EXPECT_NE(unevenPath[187 + 36], (Point{600, 430}));
    EXPECT_EQ(unevenPath[187 + 37], (Point{600, 430}));
}

TEST(PointerTraceTests, ReachLastsItsRestAndOneAndAHalfSeconds)
{
    const auto trace = PointerTrace::reach(500, 5, 1, 120, 2, 1);
    expectConsistent(trace, 120);
    ASSERT_EQ(trace.times.size(), 300u);
    EXPECT_EQ((*trace.intended)[120].x, 0);
    const double share = trace.intended->back().x / 500;
    EXPECT_NEAR(share, 0.84, 0.01);
    EXPECT_EQ(PointerTrace::reach(500, 5, 1, 120, 0.5, 1).intended->back().x, 500);
}

TEST(PointerTraceTests, ImpossibleArgumentsGiveAnEmptyTrace)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    for (double rate : {nan, inf, -120.0, 1e300}) {
        EXPECT_TRUE(isEmptyTrace(PointerTrace::synthetic(5, 2, 0, rate, 1, 0))) << rate;
        EXPECT_TRUE(isEmptyTrace(PointerTrace::irregular(5, 2, 1, 0, rate, 1))) << rate;
        EXPECT_TRUE(isEmptyTrace(PointerTrace::burst(5, 2, 100, 1, 1, rate))) << rate;
        EXPECT_TRUE(isEmptyTrace(PointerTrace::reach(100, 5, 2, rate, 1, 1))) << rate;
        EXPECT_TRUE(isEmptyTrace(PointerTrace::aiming(5, 2, 1, 1, 3, rate))) << rate;
    }
    EXPECT_TRUE(isEmptyTrace(PointerTrace::aiming(5, 2, 1, 1, -1, 120)));
    EXPECT_TRUE(isEmptyTrace(PointerTrace::aiming(5, 2, 1, 0.005, 3, 120)));
    EXPECT_TRUE(isEmptyTrace(PointerTrace::aiming(5, 2, 1e6, 1e6, 1'000'000, 120)));
    EXPECT_TRUE(isEmptyTrace(PointerTrace::reach(100, 5, 2, 120, 0, 1)));
    EXPECT_EQ(PointerTrace::synthetic(5, 2, 0, 120, 0.001, 0).times.size(), 0u);
}
