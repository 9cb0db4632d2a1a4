#include "QuellarineKit/Calibration/FilterEvaluation.h"

#include "QuellarineKit/Pointer/FilterPreset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace quellarine;

namespace {

// A filter whose output is its input: every error it leaves is the recording's own.
const PointerFilter::Parameters passThrough{
    .smoothing = OneEuroFilter::Parameters{std::numeric_limits<double>::infinity(), 0, 1, 0, 1, 1}, .cancel = {}};
const PointerFilter::Parameters& balanced = FilterPreset::balanced().parameters;

// At 120 Hz: moves right from (100, 100) one point per sample (120 points per second) for `moving` samples,
// then rests for `after` samples; the last moving sample is already on the resting point. The recorded
// points are the intended ones plus `offset`.
PointerTrace moveThenRest(std::size_t moving, std::size_t after, Vector offset = {})
{
    PointerTrace trace{{}, {}, std::vector<Point>{}};
    for (std::size_t i = 0; i < moving + after; ++i) {
        const Point at{100 + static_cast<double>(std::min(i + 1, moving)), 100};
        trace.times.push_back(static_cast<double>(i) / 120);
        trace.intended->push_back(at);
        trace.points.push_back(at + offset);
    }
    return trace;
}

} // namespace

TEST(FilterEvaluationTest, UnmeasurableTracesGiveNotANumberAndStillOnesNothing)
{
    auto withoutIntended = PointerTrace::synthetic(5, 2, 60, 120, 2, 0);
    auto twoPoints = withoutIntended;
    twoPoints.points.resize(2);
    withoutIntended.intended.reset();
    for (const auto& trace : {withoutIntended, twoPoints}) {
        const auto score = FilterEvaluation::score(balanced, trace, 0);
        EXPECT_TRUE(std::isnan(score.residualTremor) && std::isnan(score.lagMs) && !score.settleMs);
    }
    EXPECT_TRUE(std::isnan(FilterEvaluation::restingResidual(balanced, withoutIntended, 0)));
    // Replay pairs times and points as far as both go: 5 times and 4 points give 4 outputs.
    EXPECT_EQ(
        FilterEvaluation::run(balanced, PointerTrace{{0, 0.01, 0.02, 0.03, 0.04}, {{}, {1, 0}, {2, 0}, {3, 0}}, {}})
            .size(),
        4u);
    EXPECT_EQ(FilterEvaluation::restingResidual(balanced, PointerTrace{{0}, {{1, 1}}, std::vector<Point>{{0, 0}}}, 0),
              0);

    // One point throughout: no raw error, nothing moving, and a rest that covers the whole path.
    EXPECT_EQ(FilterEvaluation::score(balanced, moveThenRest(1, 300), 0), (FilterScore{0, 0, std::nullopt}));
    // Slower than 20 points per second has no lag to measure.
    EXPECT_EQ(FilterEvaluation::score(balanced, PointerTrace::synthetic(5, 2, 19.9, 120, 4, 1), 0).lagMs, 0);
}

TEST(FilterEvaluationTest, LagIsErrorAlongTheMovementAndTremorTheRest)
{
    // Six points behind a movement of 120 points per second is 50 ms late, and no tremor but on the first
    // sample, which has no velocity; ahead is early. Across the movement it is all tremor and no lag.
    const auto behind = FilterEvaluation::score(passThrough, moveThenRest(240, 0, {-6, 0}), 0);
    EXPECT_NEAR(behind.lagMs, 50, 1e-6);
    EXPECT_NEAR(behind.residualTremor, std::sqrt(1.0 / 240), 1e-9);
    EXPECT_NEAR(FilterEvaluation::score(passThrough, moveThenRest(240, 0, {6, 0}), 0).lagMs, -50, 1e-6);
    const auto across = FilterEvaluation::score(passThrough, moveThenRest(240, 30, {0, 3}), 0);
    EXPECT_NEAR(across.residualTremor, 1.0, 1e-12);
    EXPECT_NEAR(across.lagMs, 0, 1e-9);

    // Lists of unequal length are measured as far as all of them go.
    auto uneven = PointerTrace::irregular(6, 2, 1, 50, 120, 6);
    auto cut = uneven;
    uneven.intended->resize(500);
    uneven.times.resize(600);
    for (auto* list : {&cut.points, &*cut.intended}) {
        list->resize(500);
    }
    cut.times.resize(500);
    EXPECT_EQ(FilterEvaluation::score(balanced, uneven, 1), FilterEvaluation::score(balanced, cut, 1));
    EXPECT_EQ(FilterEvaluation::restingResidual(balanced, uneven, 1),
              FilterEvaluation::restingResidual(balanced, cut, 1));

    // Skipped seconds are left out, unless no sample reaches them.
    const auto trace = PointerTrace::irregular(6, 2, 1, 50, 120, 6);
    const auto fromStart = FilterEvaluation::score(balanced, trace, 0);
    EXPECT_NE(FilterEvaluation::score(balanced, trace, 3), fromStart);
    EXPECT_EQ(FilterEvaluation::score(balanced, trace, 1000), fromStart);
}

TEST(FilterEvaluationTest, SettleTimeNeedsAFinalRestOfTenSamplesFromIndexTwo)
{
    EXPECT_FALSE(FilterEvaluation::score(balanced, moveThenRest(60, 8), 0).settleMs);
    EXPECT_FALSE(FilterEvaluation::score(balanced, moveThenRest(2, 30), 0).settleMs);
    EXPECT_EQ(FilterEvaluation::score(passThrough, moveThenRest(60, 9), 0).settleMs, 0);
    EXPECT_EQ(FilterEvaluation::score(passThrough, moveThenRest(3, 30), 0).settleMs, 0);
    // Three points off the rest never settles: unsettled up to the rest's last sample.
    EXPECT_NEAR(*FilterEvaluation::score(passThrough, moveThenRest(60, 30, {0, 3}), 0).settleMs, 250, 1e-9);
    const auto strong = FilterEvaluation::score(FilterPreset::veryStrong().parameters, moveThenRest(60, 120), 0);
    EXPECT_GT(strong.settleMs.value_or(0), 0);
    EXPECT_LT(strong.settleMs.value_or(1000), 1000);

    // Resting residual looks only where the hand means to stand still. A filter that never leaves the first point
    // (101, 152) is 119 and 52 points off the rest at (220, 100), where the recording is 2 points off: measured
    // over the rest alone that is hypot(119, 52) / 2. The movement, 52 points off and nearer the first point, would
    // pull it far down.
    const PointerFilter::Parameters frozen{.smoothing = OneEuroFilter::Parameters{1e-9, 0, 1, 0, 1, 1}, .cancel = {}};
    auto trace = moveThenRest(120, 120, {0, 2});
    for (std::size_t i = 0; i < 120; ++i) {
        trace.points[i].y += 50;
    }
    EXPECT_NEAR(FilterEvaluation::restingResidual(frozen, trace, 0), std::hypot(119.0, 52.0) / 2, 1e-3);
    // From the third second on nothing is left to look at.
    EXPECT_EQ(FilterEvaluation::restingResidual(frozen, trace, 3), 0);
}
