#include "QuellarineKit/Calibration/Calibration.h"
#include "QuellarineKit/Calibration/CalibrationProtocol.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <numbers>

using namespace quellarine;
using ID = FilterPreset::ID;
using Sample = CalibrationRecording::Sample;
using Click = CalibrationRecording::Click;

namespace {

constexpr double pi = std::numbers::pi;
constexpr double someDate = 786'000'000.5;
const std::vector<ID> candidateOrder{ID::gentle,     ID::balanced,  ID::strong,
                                     ID::veryStrong, ID::precision, ID::largeMovements};
const std::vector<ID> trackpadOrder{ID::gentle,    ID::balanced,       ID::strong,  ID::veryStrong,
                                    ID::precision, ID::largeMovements, ID::trackpad};

std::vector<ID> idsOf(const CalibrationResult& result)
{
    std::vector<ID> ids;
    for (const auto& score : result.scores) {
        ids.push_back(score.preset);
    }
    return ids;
}

// A still hand with a vertical sine tremor, 120 Hz from 0 to `seconds` inclusive.
std::vector<Sample> held(double frequency, double amplitude, double seconds = CalibrationProtocol::holdSeconds)
{
    std::vector<Sample> samples;
    for (int i = 0; i <= static_cast<int>(seconds * 120); ++i) {
        samples.push_back({i / 120.0, {360, 210 + amplitude * std::sin(2 * pi * frequency * i / 120.0)}});
    }
    return samples;
}

std::vector<Click> calmClicks()
{
    std::vector<Click> clicks;
    for (int i = 0; i < CalibrationProtocol::targetCount; ++i) {
        clicks.push_back({100.0 + i, 100.12 + i, {50.0 * i, 40}, {50.0 * i, 40}, true});
    }
    return clicks;
}

// A test as a hand with a 6 Hz tremor of about 2.5 points would record it on a 720 × 420 stage: about 125
// samples a second with jittered spacing, a slow drift while holding, a hand 0.15 s behind the figure-of-eight
// dot while following, and the ten targets hit with one overshoot on the way.
CalibrationRecording recordedLikeTest()
{
    constexpr double width = 720, height = 420;
    std::uint64_t state = 2026;
    auto noise = [&state] { // uniform in [-1, 1), the same on every platform
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state >> 11) / 4503599627370496.0 - 1.0;
    };
    auto part = [&](double seconds, auto intended) {
        std::vector<Sample> samples;
        for (double t = 0; t < seconds; t += 0.008 + 0.001 * noise()) {
            const double phase = 2 * pi * 6 * t + 0.8 * std::sin(2 * pi * 0.13 * t);
            const double size = 2.5 * (1 + 0.25 * std::sin(2 * pi * 0.21 * t));
            const Vector tremor{0.6 * size * std::sin(phase + 1.1), size * std::sin(phase)};
            samples.push_back({t, intended(t) + tremor + Vector{0.2 * noise(), 0.2 * noise()}});
        }
        return samples;
    };
    CalibrationRecording recording;
    const Size stage{width, height};
    recording.hold = part(CalibrationProtocol::holdSeconds, [&](double t) {
        return Point{width / 2 + 3 * std::sin(2 * pi * 0.1 * t), height / 2 + 2 * std::sin(2 * pi * 0.17 * t + 1)};
    });
    recording.follow = part(CalibrationProtocol::followSeconds,
                            [&](double t) { return CalibrationProtocol::dotPosition(std::max(t - 0.15, 0.0), stage); });
    double clock = 5000;
    for (int i = 0; i < CalibrationProtocol::targetCount; ++i) {
        const Point target = CalibrationProtocol::target(i, stage);
        if (i == 3) {
            recording.clicks.push_back(
                {clock, clock + 0.14, target + Vector{45, 0}, target + Vector{45.8, 0.3}, false});
            clock += 0.9;
        }
        const Point at = target + Vector{6 * noise(), 6 * noise()};
        const double held = 0.12 + 0.04 * noise();
        recording.clicks.push_back({clock, clock + held, at, at + Vector{0.9 * noise(), 0.9 * noise()}, true});
        clock += held + 0.8 + 0.3 * noise();
    }
    return recording;
}

} // namespace

TEST(CalibrationTest, EmptyOrCalmRecordingsKeepCandidateOrder)
{
    std::vector<ID> ids;
    for (const auto& preset : Calibration::candidates(true)) {
        ids.push_back(preset.id);
        EXPECT_EQ(preset, FilterPreset::builtIn(preset.id));
    }
    EXPECT_EQ(ids, trackpadOrder);

    for (bool trackpad : {false, true}) {
        const auto result = Calibration::analyze(CalibrationRecording{{}, {}, {}, trackpad}, someDate);
        EXPECT_EQ(result, (CalibrationResult{std::nullopt, 0, 0, 0, 0, 0, result.scores, ID::gentle, false, someDate}));
        EXPECT_EQ(idsOf(result), trackpad ? trackpadOrder : candidateOrder);
        for (const auto& score : result.scores) {
            EXPECT_EQ(score.left, 0);
            EXPECT_EQ(score.lagMs, 0);
        }
    }
    // A hand too calm to weigh (below 0.3 points) that follows nothing faster than 20 points per second: every
    // cost is 0, and equal costs keep the candidates' order.
    const auto calm = Calibration::analyze(
        CalibrationRecording{held(5, 0.1), held(5, 0.1, CalibrationProtocol::followSeconds), calmClicks(), true},
        someDate);
    EXPECT_EQ(idsOf(calm), trackpadOrder);
    EXPECT_FALSE(calm.clickGuard);

    EXPECT_EQ(Calibration::shakeWeight(0.2999), 0);
    EXPECT_EQ(Calibration::shakeWeight(0.3), 0.4);
    EXPECT_EQ(Calibration::shakeWeight(2), 1.0);
    EXPECT_EQ(Calibration::shakeWeight(10), 4.0);
}

TEST(CalibrationTest, AHeldFiveHertzSineIsFoundWithItsSize)
{
    // The steady path keeps a share G of a 5 Hz sine (four passes of a 2 Hz Butterworth section), so the
    // tremor measured is (1 − G) of the sine, whose root-mean-square is 2/√2 over whole half periods. The
    // reflected padding bends the path's last samples a little, which adds a few parts in ten thousand.
    const double kept = 1 / std::pow(1 + std::pow(std::tan(pi * 5 / 120) / std::tan(pi * 2 / 120), 4), 2);
    const double expected = std::sqrt(2.0) * (1 - kept);
    const auto result = Calibration::analyze(CalibrationRecording{held(5, 2), {}, {}, false}, someDate);
    EXPECT_EQ(result.rhythm, 5.0);
    EXPECT_NEAR(result.shake, expected, 5e-4);

    // Along the other axis, with a follow part shaking the same way and a part too short to count.
    auto sideways = held(5, 2);
    for (auto& sample : sideways) {
        std::swap(sample.point.x, sample.point.y);
    }
    const auto both = Calibration::analyze(
        CalibrationRecording{sideways, held(5, 2, CalibrationProtocol::followSeconds), {}, false}, someDate);
    EXPECT_EQ(both.rhythm, 5.0);
    EXPECT_NEAR(both.shake, expected, 5e-4);
    // 119 samples: under the 121 the spectrum needs.
    const auto shortFollow
        = Calibration::analyze(CalibrationRecording{held(5, 2), held(5, 9, 0.99), {}, false}, someDate);
    EXPECT_EQ(shortFollow.shake, result.shake);
}

TEST(CalibrationTest, ClickGuardIsAdvisedOnEachOfItsFourSigns)
{
    const CalibrationRecording calm{held(5, 0.1), {}, calmClicks(), false};
    ASSERT_FALSE(Calibration::analyze(calm, someDate).clickGuard);
    const auto advised = [&](auto change) {
        auto recording = calm;
        change(recording);
        return Calibration::analyze(recording, someDate).clickGuard;
    };
    const auto slipBy = [](Vector slip) {
        return [slip](CalibrationRecording& r) {
            for (auto& click : r.clicks) {
                click.upAt = click.downAt + slip;
            }
        };
    };
    EXPECT_FALSE(advised(slipBy({1.5, 0})));
    EXPECT_TRUE(advised(slipBy({1.2, 1.0})));
    EXPECT_TRUE(advised([](CalibrationRecording& r) {
        r.clicks.insert(r.clicks.begin() + 4,
                        Click{r.clicks[3].up + 0.2, r.clicks[3].up + 0.3, {150, 40}, {150, 40}, true});
    }));
    EXPECT_FALSE(advised([](CalibrationRecording& r) { r.hold = held(5, 2.0); }));
    EXPECT_TRUE(advised([](CalibrationRecording& r) { r.hold = held(5, 2.4); }));
    EXPECT_TRUE(advised([](CalibrationRecording& r) { r.clicks[6].up = r.clicks[6].down + 0.04; }));
}

TEST(CalibrationTest, AnyRecordingGivesAResultThatCanBeStored)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    std::vector<CalibrationRecording> hostile(3, recordedLikeTest());
    hostile[0].hold[500].point.x = nan;
    hostile[0].follow[700].point.y = inf;
    hostile[0].clicks[2].up = nan;
    hostile[0].clicks[4].downAt.x = inf;
    std::swap(hostile[1].hold[100], hostile[1].hold[900]);
    hostile[1].follow[300].time = hostile[1].follow[299].time;
    hostile[1].follow.back().time = 1e300;
    hostile[2].hold.back().time = inf;
    hostile[2].clicks.back().up = -1e300;
    for (const auto& recording : hostile) {
        const auto result = Calibration::analyze(recording, someDate);
        EXPECT_TRUE(std::isfinite(result.shake) && std::isfinite(result.press) && std::isfinite(result.slip));
        EXPECT_EQ(result.scores.size(), 6u);
        EXPECT_EQ(nlohmann::json(result).get<CalibrationResult>(), result);
    }
}

TEST(CalibrationTest, RecordedLikeTestFindsTheTremorAndRanksThePresets)
{
    const auto result = Calibration::analyze(recordedLikeTest(), someDate);
    ASSERT_TRUE(result.rhythm);
    EXPECT_NEAR(*result.rhythm, 6.0, 0.3);
    EXPECT_GT(result.shake, 1.5);
    EXPECT_LT(result.shake, 2.5);
    EXPECT_NEAR(result.press, 0.12, 0.04);
    EXPECT_LT(result.slip, 1.3);
    EXPECT_EQ(result.extraClicks, 0);
    EXPECT_EQ(result.misses, 1);
    EXPECT_TRUE(result.clickGuard); // the shake alone is above 1.5 points

    auto ids = idsOf(result);
    EXPECT_EQ(result.suggested, ids.front());
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, candidateOrder);
    const double weight = Calibration::shakeWeight(result.shake);
    double previousCost = 0;
    std::printf("shake %.3f points, rhythm %.1f Hz, press %.3f s, slip %.2f points\n%-16s %6s %7s %6s\n", result.shake,
                *result.rhythm, result.press, result.slip, "preset", "left", "lag ms", "cost");
    for (const auto& score : result.scores) {
        const double cost = score.lagMs / 150 + weight * score.left;
        EXPECT_GE(cost, previousCost);
        previousCost = cost;
        EXPECT_TRUE(score.left > 0 && score.left < 1 && score.lagMs > 0);
        std::printf("%-16s %6.3f %7.1f %6.3f\n", FilterPreset::rawValue(score.preset).data(), score.left, score.lagMs,
                    cost);
    }
}
