#include "QuellarineKit/Pointer/FilterPreset.h"
#include "QuellarineKit/Pointer/PointerFilter.h"

#include "FilterReferences.h"
#include "FilterTraces.h"

#include <gtest/gtest.h>

#include <iostream>
#include <memory>

using namespace quellarine;

namespace {

PointerFilter::Parameters balanced()
{
    return FilterPreset::balanced().parameters;
}

// Teaches a chain some tremor and returns the time of the last sample.
double teach(PointerFilter& filter, double t = 1000)
{
    for (int i = 0; i < 360; ++i) {
        t += 1.0 / 120;
        filter.filter({300 + traces::tremorX(t), 200 + traces::tremorY(t)}, t);
    }
    return t;
}

} // namespace

TEST(PointerFilterTest, ChainsCancellerAndSmoothingSampleBySample)
{
    // Balanced, then strong (same canceller: it stays), then gentle (another canceller: a fresh one), with settle
    // steps between some samples.
    PointerFilter filter(balanced());
    auto canceller = std::make_unique<reference::Canceller>(*balanced().cancel);
    reference::OneEuro smoothing{.p = balanced().smoothing};
    const auto trace = traces::goldenTrace();
    for (std::size_t i = 0; i < trace.size(); ++i) {
        if (i == trace.size() / 3) {
            filter.setParameters(FilterPreset::strong().parameters);
            smoothing.p = FilterPreset::strong().parameters.smoothing;
        }
        if (i == 2 * trace.size() / 3) {
            filter.setParameters(FilterPreset::gentle().parameters);
            smoothing.p = FilterPreset::gentle().parameters.smoothing;
            canceller = std::make_unique<reference::Canceller>(*FilterPreset::gentle().parameters.cancel);
        }
        const auto& sample = trace[i];
        const Point output = filter.filter({sample.x, sample.y}, sample.time);
        const auto cancelled = canceller->step(sample.x, sample.y, sample.time);
        const auto want = smoothing.step(cancelled.x, cancelled.y, sample.time);
        ASSERT_NEAR(output.x, want.x, 1e-6) << "sample " << i;
        ASSERT_NEAR(output.y, want.y, 1e-6) << "sample " << i;

        if (i % 7 == 0 && i + 1 < trace.size() && trace[i + 1].time > sample.time) {
            const double between = (sample.time + trace[i + 1].time) / 2;
            const Point settled = filter.settle({sample.x, sample.y}, between);
            const auto coasted = canceller->coast(sample.x, sample.y, between);
            const auto settleWant = smoothing.step(coasted.x, coasted.y, between);
            ASSERT_NEAR(settled.x, settleWant.x, 1e-6) << "settle after sample " << i;
            ASSERT_NEAR(settled.y, settleWant.y, 1e-6) << "settle after sample " << i;
        }
    }
}

TEST(PointerFilterTest, WithoutCancelItIsSmoothingAlone)
{
    PointerFilter::Parameters parameters = balanced();
    parameters.cancel.reset();
    PointerFilter filter(parameters);
    OneEuroFilter smoothing(parameters.smoothing);
    EXPECT_FALSE(filter.canceller());
    for (const auto& sample : traces::goldenTrace()) {
        ASSERT_EQ(filter.filter({sample.x, sample.y}, sample.time),
                  smoothing.filter({sample.x, sample.y}, sample.time));
    }
    EXPECT_EQ(filter.settle({1, 2}, 1e6), smoothing.filter({1, 2}, 1e6));
    EXPECT_EQ(filter.tremorAmplitude(), 0);
}

TEST(PointerFilterTest, FirstSampleAfterConstructionOrResetComesBackUnchanged)
{
    PointerFilter filter(balanced());
    EXPECT_EQ(filter.filter({12.5, 7.25}, 50), (Point{12.5, 7.25}));
    const double t = teach(filter, 50);
    ASSERT_GT(filter.tremorAmplitude(), 0);
    filter.reset();
    EXPECT_EQ(filter.tremorAmplitude(), 0);
    EXPECT_EQ(filter.canceller()->frequencies().size(), 19u);
    EXPECT_FALSE(filter.smoothing().state());
    EXPECT_EQ(filter.filter({3, 4}, t + 0.01), (Point{3, 4}));
}

TEST(PointerFilterTest, NewParametersKeepTheLearntModelOnlyWhenTheCancellerIsUnchanged)
{
    PointerFilter filter(balanced());
    const double t = teach(filter);
    const double learnt = filter.tremorAmplitude();
    ASSERT_GT(learnt, 0.5);
    const OneEuroFilter::State smoothingState = *filter.smoothing().state();

    filter.setParameters(balanced());
    EXPECT_EQ(filter.tremorAmplitude(), learnt);

    PointerFilter::Parameters quicker = balanced();
    quicker.smoothing.minCutoff = 5;
    quicker.smoothing.stages = 2;
    filter.setParameters(quicker);
    EXPECT_EQ(filter.tremorAmplitude(), learnt);
    EXPECT_EQ(filter.parameters(), quicker);
    EXPECT_EQ(filter.smoothing().parameters, quicker.smoothing);
    EXPECT_EQ(*filter.smoothing().state(), smoothingState) << "a change of preset continues from the output";

    PointerFilter::Parameters weaker = quicker;
    weaker.cancel->strength = 0.9;
    filter.setParameters(weaker);
    EXPECT_EQ(filter.tremorAmplitude(), 0) << "a change of strength alone starts a fresh canceller";
    EXPECT_FALSE(filter.canceller()->slow());

    teach(filter, t);
    PointerFilter::Parameters none = weaker;
    none.cancel.reset();
    filter.setParameters(none);
    EXPECT_FALSE(filter.canceller());
    EXPECT_EQ(filter.tremorAmplitude(), 0);
    filter.setParameters(weaker);
    ASSERT_TRUE(filter.canceller());
    EXPECT_EQ(filter.tremorAmplitude(), 0);
    EXPECT_FALSE(filter.canceller()->slow());
}

TEST(PointerFilterTest, SettlingEasesOntoTheRestingPositionWithoutLearning)
{
    PointerFilter fresh(balanced());
    OneEuroFilter smoothing(balanced().smoothing);
    EXPECT_EQ(fresh.settle({5, 5}, 10), smoothing.filter({5, 5}, 10)) << "no estimate yet: the point goes to smoothing";
    EXPECT_EQ(fresh.settle({6, 5}, 10.008), smoothing.filter({6, 5}, 10.008));

    PointerFilter filter(FilterPreset::precision().parameters);
    double t = teach(filter);
    const double learnt = filter.tremorAmplitude();
    const Point rest{300, 200};
    Point output;
    for (int i = 0; i < 250; ++i) {
        t += 0.008;
        output = filter.settle(rest, t);
    }
    EXPECT_LT(output.distance(rest), 0.3);
    EXPECT_EQ(filter.tremorAmplitude(), learnt);
}

TEST(PointerFilterTest, TheCancellerTakesOutMoreTremorThanSmoothingAlone)
{
    // 2 points of tremor at 5 Hz on a drift of 10 points per second, 120 samples per second for 20 s; the
    // tremor left over the last 10 s by the balanced chain with and without its canceller.
    auto tremorLeft = [](const PointerFilter::Parameters& parameters) {
        PointerFilter filter(parameters);
        traces::LockIn left;
        double t = 7 * 86400;
        for (int i = 0; i < 2400; ++i) {
            t += 1.0 / 120;
            const double elapsed = t - 7 * 86400;
            const Point output
                = filter.filter({300 + 10 * elapsed + traces::tremorX(t), 200 + 4 * elapsed + traces::tremorY(t)}, t);
            if (i >= 1200) {
                left.add(t, output.x - 300 - 10 * elapsed, output.y - 200 - 4 * elapsed);
            }
        }
        return left.amplitude();
    };
    PointerFilter::Parameters smoothingOnly = balanced();
    smoothingOnly.cancel.reset();
    const double with = tremorLeft(balanced()), without = tremorLeft(smoothingOnly);
    std::cout << "5 Hz tremor left by the balanced chain: " << with << " points with the canceller, " << without
              << " without\n";
    EXPECT_LT(with, 0.3 * without);
}
