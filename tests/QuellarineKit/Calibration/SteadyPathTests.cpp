#include "QuellarineKit/Calibration/SteadyPath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace quellarine;
using Sample = CalibrationRecording::Sample;

namespace {

constexpr double pi = std::numbers::pi;

std::vector<Sample> sampled(std::size_t count, double (*x)(double), double (*y)(double))
{
    std::vector<Sample> samples;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / 120;
        samples.push_back({t, {x(t), y(t)}});
    }
    return samples;
}

// Gain of the whole zero-phase filter at f Hz: a 2 Hz Butterworth section (bilinear, prewarped) applied four
// times, |H|² = 1 / (1 + (tan(πf/120) / tan(2π/120))⁴), so the gain is 1 / (1 + …)².
double gain(double f)
{
    const double ratio = std::tan(pi * f / 120) / std::tan(pi * 2 / 120);
    return 1 / std::pow(1 + std::pow(ratio, 4), 2);
}

} // namespace

TEST(SteadyPathTests, ShortRecordingsAreTheirOwnPath)
{
    EXPECT_TRUE(Calibration::steadyPath({}).empty());
    const std::vector<Sample> four{{0, {1, 9}}, {0.1, {7, 3}}, {0.2, {-4, 2}}, {0.3, {5, 5}}};
    EXPECT_EQ(Calibration::steadyPath(four), (std::vector<Point>{{1, 9}, {7, 3}, {-4, 2}, {5, 5}}));
    EXPECT_EQ(Calibration::steadyPath(sampled(5, [](double) { return 4.0; }, [](double) { return -1.0; })),
              std::vector<Point>(5, Point{4, -1}));
}

TEST(SteadyPathTests, StillnessStaysPutAndLinesStayStraightAwayFromTheEnds)
{
    for (std::size_t count : {5u, 40u, 121u, 1000u}) {
        const auto still = sampled(count, [](double) { return 250.5; }, [](double) { return -17.25; });
        for (const Point& point : Calibration::steadyPath(still)) {
            ASSERT_NEAR(point.x, 250.5, 1e-9) << count;
            ASSERT_NEAR(point.y, -17.25, 1e-9) << count;
        }
    }
    // The filter starts each pass as if its first value had always been there, so a slope bends the path by a
    // few thousandths of a point at its ends; in between the line is kept.
    const auto line = sampled(1000, [](double t) { return 200 + 90 * t; }, [](double t) { return -35 * t; });
    const auto path = Calibration::steadyPath(line);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const double tolerance = i >= 150 && i < 850 ? 1e-6 : 0.01;
        ASSERT_NEAR(path[i].x, line[i].point.x, tolerance) << i;
        ASSERT_NEAR(path[i].y, line[i].point.y, tolerance) << i;
    }
}

TEST(SteadyPathTests, KeepsSlowMovementInTimeAndTakesOutTremor)
{
    // 0.5 Hz across, 5 Hz up and down: the path keeps the first without delay and almost none of the second.
    const auto samples = sampled(
        1800, [](double t) { return 100 * std::sin(2 * pi * 0.5 * t); }, [](double t) { return 2 * std::sin(2 * pi * 5 * t); });
    const auto path = Calibration::steadyPath(samples);
    ASSERT_EQ(path.size(), samples.size());
    for (std::size_t i = 150; i < 1650; ++i) {
        const double t = samples[i].time;
        ASSERT_NEAR(path[i].x, gain(0.5) * 100 * std::sin(2 * pi * 0.5 * t), 0.01) << i;
        ASSERT_NEAR(path[i].y, gain(5) * 2 * std::sin(2 * pi * 5 * t), 1e-3) << i;
    }
}
