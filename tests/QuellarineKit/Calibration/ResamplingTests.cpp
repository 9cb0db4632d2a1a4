#include "QuellarineKit/Calibration/Resampling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

using namespace quellarine;
using Sample = CalibrationRecording::Sample;

TEST(ResamplingTest, TenSecondsBecomeTwelveHundredEvenSamplesOnTheLine)
{
    for (double rate : {125.0, 1000.0, 37.0}) {
        std::vector<Sample> input;
        for (int i = 0; i <= static_cast<int>(rate * 10); ++i) {
            const double t = i / rate;
            input.push_back({t + 0.5, {30 * t, 5 - 2 * t}}); // output times start at 0 whatever the input's do
        }
        const auto output = Calibration::resampled(input);
        ASSERT_EQ(output.size(), 1200u) << rate;
        for (std::size_t k = 0; k < output.size(); ++k) {
            ASSERT_NEAR(output[k].time, k / 120.0, 1e-9);
            ASSERT_NEAR(output[k].point.x, 30 * output[k].time, 1e-8);
            ASSERT_NEAR(output[k].point.y, 5 - 2 * output[k].time, 1e-8);
        }
    }
}

TEST(ResamplingTest, AnyTimesEndWithinTheBoundAndInsideTheRecordedPoints)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    // Without a forward span from first to last the samples come back as they are (byte for byte: NaN ≠ NaN).
    for (const std::vector<Sample>& samples : std::vector<std::vector<Sample>>{
             {{3, {1, 2}}}, {{2, {1, 2}}, {2, {5, 6}}}, {{2, {1, 2}}, {nan, {7, 8}}}, {{6, {5, 6}}, {4, {7, 8}}}}) {
        const auto output = Calibration::resampled(samples);
        ASSERT_EQ(output.size(), samples.size());
        EXPECT_EQ(std::memcmp(output.data(), samples.data(), samples.size() * sizeof(Sample)), 0);
    }
    // Huge or endless spans, and a start so large that 1/120 s no longer moves it, stop at the bound.
    for (const std::vector<Sample>& samples : std::vector<std::vector<Sample>>{
             {{0, {1, 1}}, {1e300, {3, 3}}}, {{0, {1, 1}}, {inf, {3, 3}}}, {{1e20, {1, 1}}, {2e20, {2, 2}}}}) {
        EXPECT_EQ(Calibration::resampled(samples).size(), 600u * 120u) << "ten minutes at 120 Hz";
    }

    // Jittered times that sometimes repeat or go backwards: interpolation never leaves the points' range.
    std::mt19937 random(3);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int round = 0; round < 200; ++round) {
        std::vector<Sample> samples;
        double t = 0, lowest = inf, highest = -inf;
        for (int i = 0, count = 2 + static_cast<int>(unit(random) * 300); i < count; ++i) {
            const double kind = unit(random);
            t += kind < 0.1 ? 0 : kind < 0.2 ? -0.02 * unit(random) : 0.004 + 0.02 * unit(random);
            const double x = 100 * unit(random);
            lowest = std::min(lowest, x);
            highest = std::max(highest, x);
            samples.push_back({t, {x, -x}});
        }
        if (!(samples.front().time < samples.back().time)) {
            continue;
        }
        const auto output = Calibration::resampled(samples);
        EXPECT_LE(output.size(), static_cast<std::size_t>((samples.back().time - samples.front().time) * 120) + 2);
        for (const auto& sample : output) {
            ASSERT_TRUE(sample.point.x >= lowest && sample.point.x <= highest) << sample.point.x;
            ASSERT_EQ(sample.point.y, -sample.point.x);
        }
    }
}
