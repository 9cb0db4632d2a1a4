#include "QuellarineKit/Pointer/FilterPreset.h"
#include "QuellarineKit/Pointer/TremorCanceller.h"

#include "FilterReferences.h"
#include "FilterTraces.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <limits>
#include <numbers>

using namespace quellarine;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

TremorCanceller::Parameters balanced()
{
    return *FilterPreset::balanced().parameters.cancel;
}

TremorCanceller::Parameters withRange(double lowestHz, double highestHz, double stepHz)
{
    TremorCanceller::Parameters parameters = balanced();
    parameters.lowestHz = lowestHz;
    parameters.highestHz = highestHz;
    parameters.stepHz = stepHz;
    return parameters;
}

void expectMatchesReference(const TremorCanceller::Parameters& parameters)
{
    TremorCanceller canceller(parameters);
    reference::Canceller expected(parameters);
    ASSERT_EQ(canceller.frequencies(), expected.f);
    const auto trace = traces::goldenTrace();
    // The references' sines come from the direct formula, which differs in the last places of the phase; the
    // learning loop carries that up to about 1e-8 here, while a step done in the wrong order moves by 0.1 or more.
    const double tolerance = 1e-6;
    for (std::size_t i = 0; i < trace.size(); ++i) {
        const auto& sample = trace[i];
        const Vector output = canceller.cancel({sample.x, sample.y}, sample.time);
        const auto want = expected.step(sample.x, sample.y, sample.time);
        ASSERT_NEAR(output.dx, want.x, tolerance) << "sample " << i;
        ASSERT_NEAR(output.dy, want.y, tolerance) << "sample " << i;
        ASSERT_NEAR(canceller.errorScale(), expected.scale, tolerance) << "sample " << i;
        ASSERT_NEAR(canceller.calmTremor(), expected.calm, tolerance) << "sample " << i;
        ASSERT_NEAR(canceller.voluntarySpeed(), expected.speed, 1e-6) << "sample " << i;
        ASSERT_NEAR(canceller.errorTrend().dx, expected.trendX, tolerance) << "sample " << i;
        ASSERT_NEAR(canceller.offset().dy, expected.oy, tolerance) << "sample " << i;
        ASSERT_NEAR(canceller.slow()->second.dx, expected.f2x, tolerance) << "sample " << i;
        for (std::size_t line = 0; line < expected.f.size(); ++line) {
            ASSERT_NEAR(canceller.sineWeights()[line].dx, expected.wsx[line], tolerance) << "sample " << i;
            ASSERT_NEAR(canceller.cosineWeights()[line].dy, expected.wcy[line], tolerance) << "sample " << i;
        }
        const double coastTime = sample.time + 0.02;
        const Vector coasted = canceller.coast({sample.x, sample.y}, coastTime);
        const auto coastWant = expected.coast(sample.x, sample.y, coastTime);
        ASSERT_NEAR(coasted.dx, coastWant.x, tolerance) << "sample " << i;
        ASSERT_NEAR(coasted.dy, coastWant.y, tolerance) << "sample " << i;
    }
    EXPECT_GT(canceller.amplitude(), 0.1) << "the trace must have taught the model something";
}

} // namespace

TEST(TremorCancellerTest, FollowsTheFormulasSampleBySample)
{
    expectMatchesReference(balanced());
    expectMatchesReference(*FilterPreset::gentle().parameters.cancel);
    TremorCanceller::Parameters odd = withRange(2.7, 9.1, 0.3);
    odd.voluntaryCutoff = 0.8;
    odd.adaptation = 0.5;
    odd.strength = 0.6;
    expectMatchesReference(odd);
}

TEST(TremorCancellerTest, LinesOnTheGrid)
{
    const auto lines = TremorCanceller(balanced()).frequencies();
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines.front(), 3.0);
    EXPECT_EQ(lines[1], 3.5);
    EXPECT_EQ(lines.back(), 12.0);

    EXPECT_EQ(TremorCanceller::lineFrequencies(withRange(3, 4, 0)).size(), 11u) << "spacing at least 0.1 Hz";
    EXPECT_EQ(TremorCanceller::lineFrequencies(withRange(3, 4, 0.05)).size(), 11u);
    EXPECT_TRUE(TremorCanceller::lineFrequencies(withRange(5, 4, 0.5)).empty());
    EXPECT_EQ(TremorCanceller::lineFrequencies(withRange(4, 4, 0.5)).size(), 1u);

    // The highest line counts when the grid lands a hair above it, not when it is clearly above.
    const double last = std::fma(7.0, 0.3, 2.7);
    EXPECT_EQ(TremorCanceller::lineFrequencies(withRange(2.7, last - 5e-10, 0.3)).size(), 8u);
    EXPECT_EQ(TremorCanceller::lineFrequencies(withRange(2.7, last - 2e-9, 0.3)).size(), 7u);
}

TEST(TremorCancellerTest, NonFiniteOrAbsurdRangesGiveNoOrBoundedLines)
{
    EXPECT_TRUE(TremorCanceller::lineFrequencies(withRange(-infinity, 12, 0.5)).empty());
    EXPECT_TRUE(TremorCanceller::lineFrequencies(withRange(3, infinity, 0.5)).empty());
    EXPECT_TRUE(TremorCanceller::lineFrequencies(withRange(notANumber, 12, 0.5)).empty());
    EXPECT_TRUE(TremorCanceller::lineFrequencies(withRange(3, notANumber, 0.5)).empty());
    EXPECT_TRUE(TremorCanceller::lineFrequencies(withRange(3, 12, infinity)).empty());
    EXPECT_EQ(TremorCanceller::lineFrequencies(withRange(3, 12, notANumber)).size(), 91u) << "no usable step: 0.1 Hz";

    const auto capped = TremorCanceller::lineFrequencies(withRange(0.1, 1e300, 0));
    ASSERT_EQ(capped.size(), 1000u) << "at most a thousand lines, however wide the band";
    EXPECT_DOUBLE_EQ(capped.back(), 100.0);

    // A canceller over the capped grid still runs, finitely.
    TremorCanceller wide(withRange(0.1, 1e300, 0));
    Vector output;
    for (int i = 1; i <= 200; ++i) {
        output = wide.cancel({traces::tremorX(i / 128.0), 0}, 100 + i / 128.0);
    }
    EXPECT_TRUE(std::isfinite(output.dx));
}

TEST(TremorCancellerTest, PauseFadesTheModelAndRestarts)
{
    TremorCanceller canceller(balanced());
    double t = 200;
    for (int i = 0; i < 400; ++i) {
        t += 1.0 / 128;
        canceller.cancel({traces::tremorX(t), traces::tremorY(t)}, t);
    }
    ASSERT_GT(canceller.amplitude(), 0.5);
    const TremorCanceller learnt = canceller;

    // Exactly the gap: the point comes back, the model is faded by e^-1 and the gate starts closed.
    const Vector point{12, 34};
    EXPECT_EQ(canceller.cancel(point, t + 0.5), point);
    const double fade = std::exp(-1.0);
    for (std::size_t i = 0; i < learnt.sineWeights().size(); ++i) {
        EXPECT_DOUBLE_EQ(canceller.sineWeights()[i].dx, learnt.sineWeights()[i].dx * fade);
        EXPECT_DOUBLE_EQ(canceller.cosineWeights()[i].dy, learnt.cosineWeights()[i].dy * fade);
    }
    EXPECT_DOUBLE_EQ(canceller.calmTremor(), learnt.calmTremor() * fade);
    EXPECT_EQ(canceller.voluntarySpeed(), 300);
    EXPECT_EQ(canceller.coast(point, t + 0.6), point) << "no estimate to coast after a restart";

    // Time going backwards restarts without fading.
    TremorCanceller backwards = learnt;
    EXPECT_EQ(backwards.cancel(point, t - 1), point);
    EXPECT_EQ(backwards.sineWeights()[3], learnt.sineWeights()[3]);
    EXPECT_EQ(backwards.calmTremor(), learnt.calmTremor());
}

TEST(TremorCancellerTest, PointsThatAreNotFiniteRestartWithoutSpoilingTheModel)
{
    TremorCanceller canceller(balanced());
    double t = 300;
    auto teach = [&](int samples) {
        for (int i = 0; i < samples; ++i) {
            t += 1.0 / 128;
            const Vector out = canceller.cancel({100 + traces::tremorX(t), 50}, t);
            ASSERT_TRUE(std::isfinite(out.dx) && std::isfinite(out.dy)) << "at " << t;
        }
    };
    teach(300);
    for (Vector bad : {Vector{notANumber, 6}, Vector{5, infinity}, Vector{-infinity, notANumber}}) {
        const double amplitude = canceller.amplitude();
        ASSERT_GT(amplitude, 0);
        t += 1.0 / 128;
        const Vector out = canceller.cancel(bad, t);
        EXPECT_TRUE(out.dx == bad.dx || (std::isnan(out.dx) && std::isnan(bad.dx)));
        EXPECT_EQ(canceller.amplitude(), amplitude) << "nothing learnt from it";
        EXPECT_FALSE(canceller.lastTremor().has_value()) << "nothing to coast on either";
        t += 1.0 / 128;
        EXPECT_EQ(canceller.cancel({100, 50}, t), (Vector{100, 50})) << "the bad point is no base for a step";
        teach(50);
        EXPECT_TRUE(std::isfinite(canceller.errorScale()) && std::isfinite(canceller.calmTremor()));
        EXPECT_TRUE(std::isfinite(canceller.amplitude()));
    }
}

TEST(TremorCancellerTest, TimesThatAreNotNumbersRestartWithoutSpoilingTheModel)
{
    TremorCanceller canceller(balanced());
    double t = 300;
    for (int i = 0; i < 300; ++i) {
        t += 1.0 / 128;
        canceller.cancel({traces::tremorX(t), 0}, t);
    }
    const double amplitude = canceller.amplitude();
    EXPECT_EQ(canceller.cancel({5, 6}, notANumber), (Vector{5, 6}));
    EXPECT_EQ(canceller.amplitude(), amplitude);
    EXPECT_EQ(canceller.cancel({7, 8}, t + 0.01), (Vector{7, 8})) << "the NaN time is no base for a step";
    EXPECT_NE(canceller.cancel({7, 9}, t + 0.02), (Vector{7, 9}));

    // Two infinite times in a row have no gap to fade by: the model is dropped, never made NaN.
    EXPECT_EQ(canceller.cancel({1, 1}, infinity), (Vector{1, 1}));
    EXPECT_EQ(canceller.cancel({2, 2}, infinity), (Vector{2, 2}));
    EXPECT_EQ(canceller.amplitude(), 0);
    EXPECT_EQ(canceller.calmTremor(), 0);
    EXPECT_EQ(canceller.cancel({3, 3}, t + 1), (Vector{3, 3}));
    EXPECT_TRUE(std::isfinite(canceller.cancel({3, 4}, t + 1.01).dy));
}

TEST(TremorCancellerTest, StrengthAdaptationAndLinesShapeWhatIsLearntAndSubtracted)
{
    auto feed = [](TremorCanceller& canceller, bool expectUnchanged) {
        double t = 400;
        for (int i = 0; i < 300; ++i) {
            t += 1.0 / 128;
            const Vector p{100 + 10 * (t - 400) + traces::tremorX(t), 50 + traces::tremorY(t)};
            const Vector output = canceller.cancel(p, t);
            if (expectUnchanged) {
                EXPECT_EQ(output, p);
            }
        }
    };
    TremorCanceller::Parameters silent = balanced();
    silent.strength = 0;
    TremorCanceller learnsQuietly(silent);
    feed(learnsQuietly, true);
    EXPECT_GT(learnsQuietly.amplitude(), 0.5);

    TremorCanceller::Parameters frozen = balanced();
    frozen.adaptation = 0;
    TremorCanceller stays(frozen);
    feed(stays, false);
    EXPECT_EQ(stays.amplitude(), 0);
    EXPECT_EQ(stays.offset(), (Vector{}));

    TremorCanceller lineless(withRange(5, 4, 0.5));
    feed(lineless, true);
    EXPECT_EQ(lineless.amplitude(), 0);
    EXPECT_NE(lineless.offset(), (Vector{}));
    EXPECT_NE(lineless.errorTrend(), (Vector{}));
    EXPECT_NE(lineless.errorScale(), TremorCanceller::initialErrorScale);
}

TEST(TremorCancellerTest, CoastingFadesTheLastEstimateAndChangesNothing)
{
    TremorCanceller canceller(balanced());
    EXPECT_EQ(canceller.coast({4, 5}, 10), (Vector{4, 5}));
    double t = 500;
    for (int i = 0; i < 300; ++i) {
        t += 1.0 / 128;
        canceller.cancel({traces::tremorX(t), traces::tremorY(t)}, t);
    }
    const Vector last = canceller.lastTremor()->value;
    ASSERT_GT(last.length(), 0.1);
    const TremorCanceller copy = canceller;
    const Vector coasted = canceller.coast({4, 5}, t + 0.05);
    EXPECT_NEAR(coasted.dx, 4 - std::exp(-1.0) * last.dx, 1e-12);
    EXPECT_NEAR(coasted.dy, 5 - std::exp(-1.0) * last.dy, 1e-12);
    EXPECT_EQ(canceller.coast({4, 5}, t - 0.01), (Vector{4 - last.dx, 5 - last.dy})) << "no fade before the estimate";

    // Coasting left the state alone: both go on identically.
    TremorCanceller untouched = copy;
    EXPECT_EQ(canceller.cancel({1, 2}, t + 0.01), untouched.cancel({1, 2}, t + 0.01));
}

TEST(TremorCancellerTest, ResetForgetsTheModelButKeepsTheLines)
{
    TremorCanceller canceller(withRange(4, 6, 1));
    double t = 600;
    for (int i = 0; i < 200; ++i) {
        t += 1.0 / 128;
        canceller.cancel({traces::tremorX(t), 0}, t);
    }
    ASSERT_GT(canceller.amplitude(), 0);
    canceller.reset();
    EXPECT_EQ(canceller.frequencies(), (std::vector<double>{4, 5, 6}));
    EXPECT_EQ(canceller.amplitude(), 0);
    EXPECT_EQ(canceller.errorScale(), 2.0);
    EXPECT_EQ(canceller.cancel({9, 9}, t + 0.01), (Vector{9, 9}));
}

TEST(TremorCancellerTest, RemovesMostOfAFiveHertzTremorOnASlowDrift)
{
    // 2 points of tremor at 5 Hz on a drift of 10 points per second, 120 samples per second for 20 s; the
    // tremor left over the last 10 s is compared with what came in.
    TremorCanceller canceller(balanced());
    traces::LockIn before, after;
    double t = 86400; // a day of uptime
    for (int i = 0; i < 2400; ++i) {
        t += 1.0 / 120;
        const double driftX = 300 + 10 * (t - 86400), driftY = 200 + 4 * (t - 86400);
        const Vector output = canceller.cancel({driftX + traces::tremorX(t), driftY + traces::tremorY(t)}, t);
        if (i >= 1200) {
            before.add(t, traces::tremorX(t), traces::tremorY(t));
            after.add(t, output.dx - driftX, output.dy - driftY);
        }
    }
    const double ratio = after.amplitude() / before.amplitude();
    std::cout << "5 Hz tremor left by the canceller: " << after.amplitude() << " of " << before.amplitude()
              << " points (" << 100 * ratio << " %)\n";
    EXPECT_LT(ratio, 0.3);
}

TEST(TremorCancellerTest, FollowsAHundredPointStepInsteadOfLearningIt)
{
    TremorCanceller canceller(balanced());
    double t = 700;
    double offset = 0;
    double amplitudeBefore = 0;
    double worstAfter = 0;
    for (int i = 0; i < 1200; ++i) {
        t += 1.0 / 120;
        if (i == 600) {
            amplitudeBefore = canceller.amplitude();
            offset = 100;
        }
        const double x = 300 + offset;
        const Vector output = canceller.cancel({x + traces::tremorX(t), 200 + traces::tremorY(t)}, t);
        if (i >= 600) {
            worstAfter = std::max(worstAfter, std::abs(output.dx - x));
        }
    }
    // The output jumps with the hand and the 2-point tremor stays cancelled throughout.
    EXPECT_LT(worstAfter, 0.5);
    EXPECT_NEAR(canceller.amplitude(), amplitudeBefore, 0.2 * amplitudeBefore) << "the step is not taken for tremor";
}
