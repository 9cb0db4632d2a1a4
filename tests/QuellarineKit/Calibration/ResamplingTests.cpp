#include "QuellarineKit/Calibration/Resampling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

using namespace quellarine;
using Sample = CalibrationRecording::Sample;

namespace {

// x = 30 t, y = 5 − 2 t at `rate` samples per second from 0 to `seconds`.
std::vector<Sample> ramp(double rate, double seconds)
{
    std::vector<Sample> samples;
    const auto count = static_cast<std::size_t>(rate * seconds);
    for (std::size_t i = 0; i <= count; ++i) {
        const double t = static_cast<double>(i) / rate;
        samples.push_back({t, {30 * t, 5 - 2 * t}});
    }
    return samples;
}

} // namespace

TEST(ResamplingTests, TenSecondsBecomeTwelveHundredEvenSamplesOnTheLine)
{
    for (double rate : {125.0, 1000.0, 37.0}) {
        auto input = ramp(rate, 10);
        for (auto& sample : input) {
            sample.time += 0.5; // times of a part need not start at 0; the output's do
        }
        const auto output = Calibration::resampled(input);
        ASSERT_EQ(output.size(), 1200u) << rate;
        double expected = 0;
        for (const auto& sample : output) {
            EXPECT_NEAR(sample.time, expected, 1e-9);
            EXPECT_NEAR(sample.point.x, 30 * sample.time, 1e-8);
            EXPECT_NEAR(sample.point.y, 5 - 2 * sample.time, 1e-8);
            expected += 1 / 120.0;
        }
        EXPECT_EQ(output.front().time, 0);
        EXPECT_EQ(output.front().point, input.front().point);
    }
}

TEST(ResamplingTests, SamplesWithoutAForwardSpanComeBackAsTheyAre)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<std::vector<Sample>> unchanged{
        {},
        {{3, {1, 2}}},
        {{2, {1, 2}}, {2, {5, 6}}, {2, {7, 8}}},
        {{2, {1, 2}}, {3, {5, 6}}, {nan, {7, 8}}},
        {{nan, {1, 2}}, {3, {5, 6}}},
        {{5, {1, 2}}, {6, {5, 6}}, {4, {7, 8}}},
    };
    for (const auto& samples : unchanged) {
        const auto output = Calibration::resampled(samples);
        ASSERT_EQ(output.size(), samples.size());
        // Byte for byte, since a time that is not a number equals nothing.
        EXPECT_EQ(std::memcmp(output.data(), samples.data(), samples.size() * sizeof(Sample)), 0);
    }
}

TEST(ResamplingTests, AnyTimesEndWithinTheBoundAndInsideTheRecordedPoints)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    for (double last : {1e300, inf, 1e9}) {
        const auto output = Calibration::resampled({{0, {1, 1}}, {1, {2, 2}}, {last, {3, 3}}});
        EXPECT_EQ(output.size(), Calibration::longestResampled) << last;
    }
    // A first time so large that 1/120 s no longer moves it.
    EXPECT_EQ(Calibration::resampled({{1e20, {1, 1}}, {2e20, {2, 2}}}).size(), Calibration::longestResampled);

    // Jittered times that sometimes repeat or go backwards: interpolation never leaves the points' range.
    std::mt19937 random(3);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int round = 0; round < 200; ++round) {
        std::vector<Sample> samples;
        double t = 0;
        double lowest = inf, highest = -inf;
        const int count = 2 + static_cast<int>(unit(random) * 300);
        for (int i = 0; i < count; ++i) {
            const double kind = unit(random);
            t += kind < 0.1 ? 0 : kind < 0.2 ? -0.02 * unit(random) : 0.004 + 0.02 * unit(random);
            const double x = 100 * unit(random);
            lowest = std::min(lowest, x);
            highest = std::max(highest, x);
            samples.push_back({t, {x, -x}});
        }
        const auto output = Calibration::resampled(samples);
        if (!(samples.front().time < samples.back().time)) {
            EXPECT_EQ(output, samples);
            continue;
        }
        EXPECT_LE(output.size(), static_cast<std::size_t>((samples.back().time - samples.front().time) * 120) + 2);
        for (const auto& sample : output) {
            ASSERT_TRUE(std::isfinite(sample.point.x));
            ASSERT_GE(sample.point.x, lowest);
            ASSERT_LE(sample.point.x, highest);
            ASSERT_EQ(sample.point.y, -sample.point.x);
        }
    }
}
