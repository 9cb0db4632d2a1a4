#include "QuellarineKit/Calibration/SteadyPath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace quellarine;
using Sample = CalibrationRecording::Sample;

TEST(SteadyPathTest, KeepsSlowMovementInTimeAndTakesOutTremor)
{
    constexpr double pi = std::numbers::pi;
    // Gain of four passes of a 2 Hz Butterworth section (bilinear, prewarped): |H|² = 1 / (1 + (tan(πf/120) /
    // tan(2π/120))⁴), squared.
    const auto gain
        = [](double f) { return 1 / std::pow(1 + std::pow(std::tan(pi * f / 120) / std::tan(pi / 60), 4), 2); };
    // 0.5 Hz across, 5 Hz up and down: the path keeps the first without delay and almost none of the second.
    std::vector<Sample> samples;
    for (int i = 0; i < 1800; ++i) {
        const double t = i / 120.0;
        samples.push_back({t, {100 * std::sin(pi * t), 2 * std::sin(10 * pi * t)}});
    }
    const auto path = Calibration::steadyPath(samples);
    ASSERT_EQ(path.size(), samples.size());
    for (std::size_t i = 150; i < 1650; ++i) {
        ASSERT_NEAR(path[i].x, gain(0.5) * samples[i].point.x, 0.01) << i;
        ASSERT_NEAR(path[i].y, gain(5) * samples[i].point.y, 1e-3) << i;
    }

    // Stillness stays put at any length; fewer than five samples are their own path.
    for (int count : {4, 5, 40, 1000}) {
        const std::vector<Sample> still(static_cast<std::size_t>(count), Sample{0, {250.5, -17.25}});
        for (const Point& point : Calibration::steadyPath(still)) {
            ASSERT_NEAR(point.x, 250.5, 1e-9);
            ASSERT_NEAR(point.y, -17.25, 1e-9);
        }
    }
    const std::vector<Sample> four{{0, {1, 9}}, {0.1, {7, 3}}, {0.2, {-4, 2}}, {0.3, {5, 5}}};
    EXPECT_EQ(Calibration::steadyPath(four), (std::vector<Point>{{1, 9}, {7, 3}, {-4, 2}, {5, 5}}));
}
