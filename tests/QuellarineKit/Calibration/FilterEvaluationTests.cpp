#include "QuellarineKit/Calibration/FilterEvaluation.h"

#include "QuellarineKit/Pointer/FilterPreset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace quellarine;

namespace {

// A filter whose output is its input: every error it leaves is the recording's own.
PointerFilter::Parameters passThrough()
{
    return PointerFilter::Parameters{
        .smoothing = OneEuroFilter::Parameters{std::numeric_limits<double>::infinity(), 0, 1, 0, 1, 1},
        .cancel = std::nullopt};
}

const PointerFilter::Parameters& balanced() { return FilterPreset::balanced().parameters; }

// Holds still at (100, 100) for `before` samples, moves right at 120 points per second for `moving` samples,
// then rests for `after` samples; 120 Hz, with the recorded points equal to the intended ones plus `offset`.
// The last moving sample already lies on the resting point, so the final rest is `after` + 1 samples long.
PointerTrace moveThenRest(std::size_t before, std::size_t moving, std::size_t after, Vector offset = {})
{
    PointerTrace trace{{}, {}, std::vector<Point>{}};
    Point at{100, 100};
    for (std::size_t i = 0; i < before + moving + after; ++i) {
        if (i >= before && i < before + moving) {
            at.x += 1;
        }
        trace.times.push_back(static_cast<double>(i) / 120);
        trace.intended->push_back(at);
        trace.points.push_back(at + offset);
    }
    return trace;
}

} // namespace

TEST(FilterEvaluationTests, ReplayUsesTheShorterListAndAFreshFilterEachTime)
{
    auto trace = PointerTrace::synthetic(5, 2, 60, 120, 2, 0.3);
    trace.times.push_back(99);
    trace.points.resize(trace.times.size() - 2);
    const auto first = FilterEvaluation::run(balanced(), trace);
    ASSERT_EQ(first.size(), trace.points.size());
    EXPECT_EQ(FilterEvaluation::run(balanced(), trace), first);

    PointerFilter filter(balanced());
    for (std::size_t i = 0; i < first.size(); ++i) {
        ASSERT_EQ(filter.filter(trace.points[i], trace.times[i]), first[i]) << i;
    }

    PointerTrace fiveTimesFourPoints{{0, 0.01, 0.02, 0.03, 0.04}, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}, std::nullopt};
    EXPECT_EQ(FilterEvaluation::run(balanced(), fiveTimesFourPoints).size(), 4u);
}

TEST(FilterEvaluationTests, UnmeasurableTracesGiveNotANumber)
{
    auto trace = PointerTrace::synthetic(5, 2, 60, 120, 2, 0);
    auto withoutIntended = trace;
    withoutIntended.intended.reset();
    auto twoPoints = trace;
    twoPoints.points.resize(2);
    for (const auto& unmeasurable : {withoutIntended, twoPoints}) {
        const auto score = FilterEvaluation::score(balanced(), unmeasurable, 0);
        EXPECT_TRUE(std::isnan(score.residualTremor));
        EXPECT_TRUE(std::isnan(score.lagMs));
        EXPECT_FALSE(score.settleMs);
    }
    EXPECT_TRUE(std::isnan(FilterEvaluation::restingResidual(balanced(), withoutIntended, 0)));

    auto noIntendedPoints = trace;
    noIntendedPoints.intended->clear();
    EXPECT_EQ(FilterEvaluation::score(balanced(), noIntendedPoints, 0), (FilterScore{0, 0, std::nullopt}));
}

TEST(FilterEvaluationTests, PassThroughMeasuresTheRecordingsOwnErrors)
{
    // Across a horizontal movement and at rest, all of the offset is left.
    const auto across = FilterEvaluation::score(passThrough(), moveThenRest(30, 240, 30, {0, 3}), 0);
    EXPECT_NEAR(across.residualTremor, 1.0, 1e-12);
    EXPECT_NEAR(across.lagMs, 0, 1e-9);

    // Six points behind a movement of 120 points per second is 50 ms late; along the movement that is delay,
    // not tremor, but it still counts as tremor while the path rests.
    const auto behind = FilterEvaluation::score(passThrough(), moveThenRest(0, 240, 0, {-6, 0}), 0);
    EXPECT_NEAR(behind.lagMs, 50, 1e-6);
    const double restingShare = std::sqrt(1.0 / 240); // only the first sample has no velocity
    EXPECT_NEAR(behind.residualTremor, restingShare, 1e-9);
    const auto ahead = FilterEvaluation::score(passThrough(), moveThenRest(0, 240, 0, {6, 0}), 0);
    EXPECT_NEAR(ahead.lagMs, -50, 1e-6);
}

TEST(FilterEvaluationTests, SkippedSecondsAreLeftOutUnlessNothingIsLeft)
{
    const auto trace = PointerTrace::irregular(6, 2, 1, 50, 120, 6);
    const auto fromStart = FilterEvaluation::score(balanced(), trace, 0);
    const auto settled = FilterEvaluation::score(balanced(), trace, 3);
    EXPECT_NE(settled, fromStart);
    EXPECT_EQ(FilterEvaluation::score(balanced(), trace, 1000), fromStart);
    EXPECT_EQ(FilterEvaluation::score(balanced(), trace, std::numeric_limits<double>::quiet_NaN()), fromStart);
}

TEST(FilterEvaluationTests, SlowOrStillPathsHaveNoLag)
{
    const auto slow = FilterEvaluation::score(balanced(), PointerTrace::synthetic(5, 2, 19.9, 120, 4, 1), 0);
    EXPECT_EQ(slow.lagMs, 0);
    EXPECT_GT(slow.residualTremor, 0);

    const auto still = FilterEvaluation::score(balanced(), moveThenRest(300, 0, 0), 0);
    EXPECT_EQ(still, (FilterScore{0, 0, std::nullopt}));
}

TEST(FilterEvaluationTests, SettleTimeNeedsARestOfTenSamplesStartingAtIndexTwo)
{
    EXPECT_FALSE(FilterEvaluation::score(balanced(), moveThenRest(0, 60, 8), 0).settleMs);
    EXPECT_TRUE(FilterEvaluation::score(balanced(), moveThenRest(0, 60, 9), 0).settleMs);
    EXPECT_FALSE(FilterEvaluation::score(balanced(), moveThenRest(0, 2, 30), 0).settleMs);
    EXPECT_TRUE(FilterEvaluation::score(balanced(), moveThenRest(0, 3, 30), 0).settleMs);

    // A pass-through output is on the rest point from the rest's first sample.
    EXPECT_EQ(FilterEvaluation::score(passThrough(), moveThenRest(0, 60, 9), 0).settleMs, 0);
    // Three points off it never settles: the whole rest is unsettled up to its last sample.
    const auto off = FilterEvaluation::score(passThrough(), moveThenRest(0, 60, 30, {0, 3}), 0);
    ASSERT_TRUE(off.settleMs);
    EXPECT_NEAR(*off.settleMs, 30 * 1000.0 / 120, 1e-9);

    // A real filter trails a quick stop and needs time to come within 2 points.
    const auto strong = FilterEvaluation::score(FilterPreset::veryStrong().parameters, moveThenRest(0, 60, 120), 0);
    ASSERT_TRUE(strong.settleMs);
    EXPECT_GT(*strong.settleMs, 0);
    EXPECT_LT(*strong.settleMs, 1000);
    EXPECT_GT(strong.lagMs, 0);
}

TEST(FilterEvaluationTests, RestingResidualLooksOnlyWhereTheHandMeansToStandStill)
{
    PointerTrace single{{0}, {{1, 1}}, std::vector<Point>{{0, 0}}};
    EXPECT_EQ(FilterEvaluation::restingResidual(balanced(), single, 0), 0);

    // Pass-through at rest leaves everything; a moving stretch with a large offset does not count.
    auto trace = moveThenRest(120, 120, 120, {0, 2});
    for (std::size_t i = 120; i < 240; ++i) {
        trace.points[i].y += 50;
    }
    EXPECT_NEAR(FilterEvaluation::restingResidual(passThrough(), trace, 0), 1.0, 1e-12);

    const auto tremor = PointerTrace::synthetic(5, 2, 0, 120, 8, 0);
    const double left = FilterEvaluation::restingResidual(balanced(), tremor, 3);
    EXPECT_GT(left, 0);
    EXPECT_LT(left, 0.5);
}
