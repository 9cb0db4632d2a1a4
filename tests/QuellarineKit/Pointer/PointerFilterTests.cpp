#include "QuellarineKit/Pointer/FilterPreset.h"
#include "QuellarineKit/Pointer/PointerFilter.h"

#include "FilterReferences.h"
#include "FilterTraces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <limits>
#include <numbers>
#include <random>
#include <string>
#include <vector>
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

namespace {

struct HandSample {
    double time;
    Point reported; // whole points when the device counts in steps
};

// A hand drifting along x with tremor of random frequencies, amplitudes and phases on both axes, as a device
// reporting `rate` times a second would send it.
std::vector<HandSample> tremorHand(std::uint32_t seed, double rate, bool wholeSteps)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> frequency(4.5, 11.5), amplitude(1.0, 4.0), phase(0, 6.3), drift(5, 40);
    const double speed = drift(random);
    struct Wave {
        double hz, size, shift;
    };
    std::vector<Wave> x, y;
    for (int i = 0; i < 2; ++i) {
        x.push_back({frequency(random), amplitude(random), phase(random)});
        y.push_back({frequency(random), amplitude(random), phase(random)});
    }
    const auto sum = [](const std::vector<Wave>& waves, double t) {
        double total = 0;
        for (const Wave& wave : waves) {
            total += wave.size * std::sin(2 * std::numbers::pi * wave.hz * t + wave.shift);
        }
        return total;
    };
    std::vector<HandSample> hand;
    Point sent{0, 0};
    for (int i = 0; i < static_cast<int>(8 * rate); ++i) {
        const double t = 100 + i / rate;
        const Point wanted{speed * (t - 100) + sum(x, t), sum(y, t)};
        if (wholeSteps) {
            sent = {sent.x + std::trunc(wanted.x - sent.x), sent.y + std::trunc(wanted.y - sent.y)};
        } else {
            sent = wanted;
        }
        hand.push_back({t, sent});
    }
    return hand;
}

// How far across its way the steadied pointer strays, at the lag that fits best, as a share of the hand's own
// stray (1: the raw hand); the first two seconds, while the chain learns, are left out.
double tremorLeft(const PointerFilter::Parameters& parameters, const std::vector<HandSample>& hand)
{
    PointerFilter filter(parameters);
    std::vector<std::pair<double, double>> steadied; // time, y
    for (const HandSample& sample : hand) {
        steadied.emplace_back(sample.time, filter.filter(sample.reported, sample.time).y);
    }
    const auto at = [&steadied](double t) {
        auto after = std::upper_bound(steadied.begin(), steadied.end(), t,
                                      [](double time, const auto& sample) { return time < sample.first; });
        return after == steadied.begin() ? steadied.front().second : std::prev(after)->second;
    };
    const double from = hand.front().time + 2, to = hand.back().time - 0.2;
    double best = std::numeric_limits<double>::infinity();
    for (int lag = 0; lag <= 120; lag += 2) {
        double total = 0;
        int count = 0;
        for (double t = from; t < to; t += 0.002, ++count) {
            total += std::pow(at(t + lag / 1000.0), 2);
        }
        best = std::min(best, std::sqrt(total / count));
    }
    double raw = 0;
    int count = 0;
    for (const HandSample& sample : hand) {
        if (sample.time >= from) {
            raw += sample.reported.y * sample.reported.y;
            ++count;
        }
    }
    return best / std::sqrt(raw / count);
}

} // namespace

TEST(PointerFilterTest, AHandReportedEveryMillisecondIsSteadiedAsOneReportedEvery8)
{
    // Mice report at 125 to 1000 times a second; the steadying must not depend on which.
    for (const FilterPreset& preset : FilterPreset::builtIn()) {
        for (std::uint32_t seed : {1u, 2u, 3u}) {
            for (bool wholeSteps : {false, true}) {
                SCOPED_TRACE(std::string(FilterPreset::rawValue(preset.id)) + " hand " + std::to_string(seed)
                             + (wholeSteps ? " in whole steps" : ""));
                const double slow = tremorLeft(preset.parameters, tremorHand(seed, 125, wholeSteps));
                const double fast = tremorLeft(preset.parameters, tremorHand(seed, 1000, wholeSteps));
                EXPECT_LT(slow, 0.95) << "the hand was not steadied at all";
                // Within a fifth of each other (a fifth of a hundredth where the tremor is almost gone).
                EXPECT_LE(fast, 1.2 * slow + 0.02) << "125 Hz leaves " << slow << ", 1000 Hz " << fast;
                EXPECT_GE(fast, slow / 1.2 - 0.02) << "125 Hz leaves " << slow << ", 1000 Hz " << fast;
            }
        }
    }
}
