#include "QuellarineKit/Pointer/FilterPreset.h"
#include "QuellarineKit/Pointer/OneEuroFilter.h"

#include "FilterReferences.h"
#include "FilterTraces.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace quellarine;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

OneEuroFilter::Parameters smoothing(double minCutoff, double beta, int stages, double acrossShare = 1.0,
                                    double speedFloor = 0.0)
{
    return {.minCutoff = minCutoff,
            .beta = beta,
            .derivativeCutoff = 1.0,
            .speedFloor = speedFloor,
            .stages = stages,
            .acrossShare = acrossShare};
}

// Replays the golden trace through the filter and the reference, switching the parameters half-way.
void expectMatchesReference(const OneEuroFilter::Parameters& first, const OneEuroFilter::Parameters& second)
{
    OneEuroFilter filter(first);
    reference::OneEuro expected{.p = first};
    const auto trace = traces::goldenTrace();
    for (std::size_t i = 0; i < trace.size(); ++i) {
        if (i == trace.size() / 2) {
            filter.parameters = second;
            expected.p = second;
        }
        const auto& sample = trace[i];
        const Point output = filter.filter({sample.x, sample.y}, sample.time);
        const auto want = expected.step(sample.x, sample.y, sample.time);
        ASSERT_NEAR(output.x, want.x, 1e-9) << "sample " << i;
        ASSERT_NEAR(output.y, want.y, 1e-9) << "sample " << i;
        ASSERT_NEAR(filter.state()->velocity.dx, expected.vx, 1e-6) << "sample " << i;
        ASSERT_NEAR(filter.state()->position.x, expected.px, 1e-9) << "sample " << i;
    }
}

} // namespace

TEST(OneEuroFilterTest, FollowsTheFormulasSampleBySample)
{
    expectMatchesReference(FilterPreset::balanced().parameters.smoothing, FilterPreset::gentle().parameters.smoothing);
    expectMatchesReference(FilterPreset::strong().parameters.smoothing, FilterPreset::precision().parameters.smoothing);
    expectMatchesReference(FilterPreset::largeMovements().parameters.smoothing, smoothing(1.5, 0.02, 2, 0.25, 40));
    // One stage to two and back, with the direction split; stage counts below 1 run one, above 2 run two.
    expectMatchesReference(smoothing(2.0, 0.01, 1, 0.0), smoothing(2.0, 0.01, 2, 0.0));
    expectMatchesReference(smoothing(2.0, 0.01, 3, 0.5), smoothing(2.0, 0.01, 0, 0.5));
}

TEST(OneEuroFilterTest, RestartsOnFirstSampleBackwardsTimeLongGapAndNaN)
{
    OneEuroFilter filter(smoothing(1.0, 0.0, 1));
    EXPECT_EQ(filter.filter({10, 20}, 100.0), (Point{10, 20}));
    EXPECT_EQ(filter.state()->velocity, (Vector{}));

    const Point smoothed = filter.filter({30, 20}, 100.25);
    EXPECT_GT(smoothed.x, 10);
    EXPECT_LT(smoothed.x, 30);

    EXPECT_EQ(filter.filter({50, 50}, 100.75), (Point{50, 50})) << "a gap of exactly 0.5 s restarts";
    EXPECT_NE(filter.filter({60, 50}, 101.2499), (Point{60, 50})) << "a gap just under 0.5 s is filtered";
    EXPECT_EQ(filter.filter({70, 50}, 101.0), (Point{70, 50})) << "time going backwards restarts";

    EXPECT_EQ(filter.filter({80, 50}, notANumber), (Point{80, 50}));
    EXPECT_EQ(filter.filter({90, 50}, 101.1), (Point{90, 50})) << "after a NaN time the next sample restarts";
    EXPECT_NE(filter.filter({95, 50}, 101.2), (Point{95, 50}));

    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(filter.filter({1, 2}, infinity), (Point{1, 2}));
    EXPECT_EQ(filter.filter({3, 4}, infinity), (Point{3, 4}));
    EXPECT_EQ(filter.filter({5, 6}, 102.0), (Point{5, 6}));

    filter.reset();
    EXPECT_FALSE(filter.state());
    EXPECT_EQ(filter.filter({7, 8}, 102.01), (Point{7, 8}));

    // A point that is not finite is no base for the next step, which restarts: the filter never stays NaN.
    for (int stages : {1, 2}) {
        filter.parameters.stages = stages;
        filter.filter({7, 9}, 102.02);
        EXPECT_TRUE(std::isnan(filter.filter({notANumber, 8}, 102.03).x));
        EXPECT_EQ(filter.filter({9, 9}, 102.04), (Point{9, 9}));
        EXPECT_TRUE(std::isinf(filter.filter({9, -infinity}, 102.05).y));
        EXPECT_EQ(filter.filter({9, 10}, 102.06), (Point{9, 10}));
        const Point next = filter.filter({12, 10}, 102.07);
        EXPECT_GT(next.x, 9);
        EXPECT_LT(next.x, 12);
    }

    // Nor does a finite step too large for the arithmetic (its speed overflows): the filter starts there.
    filter.parameters.beta = 0.01;
    EXPECT_EQ(filter.filter({-1.7e308, 0}, 102.08), (Point{-1.7e308, 0}));
    const Point back = filter.filter({12, 10}, 102.09);
    EXPECT_TRUE(std::isfinite(back.x) && std::isfinite(back.y));
    EXPECT_TRUE(std::isfinite(filter.filter({13, 10}, 102.1).x));
}

TEST(OneEuroFilterTest, SpeedsUpToTheFloorLeaveTheCutoffAtRest)
{
    // Small jitter at rest keeps the estimated speed below the floor, where beta must change nothing.
    OneEuroFilter floored(smoothing(2.0, 0.5, 2, 1.0, 300));
    OneEuroFilter still(smoothing(2.0, 0.0, 2, 1.0, 300));
    traces::Noise noise(7);
    double t = 50;
    double fastest = 0;
    for (int i = 0; i < 600; ++i) {
        t += noise.step();
        const Point p{100 + 2 * noise.next(), 100 + 2 * noise.next()};
        EXPECT_EQ(floored.filter(p, t), still.filter(p, t));
        fastest = std::max(fastest, floored.state()->velocity.length());
    }
    EXPECT_GT(fastest, 50);
    EXPECT_LE(fastest, 300);
}

TEST(OneEuroFilterTest, WithoutAcrossShareAFastStrokeIsFollowedWhileSidewaysJitterStaysSmoothed)
{
    // A stroke of 1000 points per second along x with a point of random jitter across it.
    struct Result {
        double alongLag = 0;
        double sidewaysSteps = 0; // root mean square of the sample-to-sample movement across the stroke
    };
    auto run = [](double acrossShare) {
        OneEuroFilter filter(smoothing(1.0, 0.05, 1, acrossShare));
        traces::Noise noise(3);
        double t = 10, previousY = 200;
        Result result;
        int counted = 0;
        for (int i = 0; i < 240; ++i) {
            t += 1.0 / 128;
            const double x = 1000 * (t - 10);
            const Point output = filter.filter({x, 200 + noise.next()}, t);
            if (i >= 120) {
                result.alongLag += x - output.x;
                result.sidewaysSteps += (output.y - previousY) * (output.y - previousY);
                ++counted;
            }
            previousY = output.y;
        }
        result.alongLag /= counted;
        result.sidewaysSteps = std::sqrt(result.sidewaysSteps / counted);
        return result;
    };
    const Result split = run(0.0), whole = run(1.0);
    EXPECT_LT(split.alongLag, 3) << "the stroke is followed closely";
    EXPECT_NEAR(split.alongLag, whole.alongLag, 0.05);
    EXPECT_LT(split.sidewaysSteps, 0.25 * whole.sidewaysSteps) << "across the stroke the cutoff at rest applies";
}
