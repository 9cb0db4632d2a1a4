#include "QuellarineKit/Calibration/Calibration.h"

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

std::vector<ID> idsOf(const std::vector<CalibrationResult::PresetScore>& scores)
{
    std::vector<ID> ids;
    for (const auto& score : scores) {
        ids.push_back(score.preset);
    }
    return ids;
}

const std::vector<ID> candidateOrder{ID::gentle, ID::balanced, ID::strong, ID::veryStrong, ID::precision,
                                     ID::largeMovements};

std::vector<ID> withTrackpad(std::vector<ID> ids)
{
    ids.push_back(ID::trackpad);
    return ids;
}

// A still hand with a vertical sine tremor, 120 Hz from 0 to `seconds` inclusive.
std::vector<Sample> held(double frequency, double amplitude, double seconds = 10)
{
    std::vector<Sample> samples;
    for (int i = 0; i <= static_cast<int>(seconds * 120); ++i) {
        const double t = i / 120.0;
        samples.push_back({t, {360, 210 + amplitude * std::sin(2 * pi * frequency * t)}});
    }
    return samples;
}

Click calmClick(double down, Point at)
{
    return Click{down, down + 0.12, at, at, true};
}

std::vector<Click> calmClicks()
{
    std::vector<Click> clicks;
    for (int i = 0; i < 10; ++i) {
        clicks.push_back(calmClick(100 + i, {50.0 * i, 40}));
    }
    return clicks;
}

// Uniform in [-1, 1), the same on every platform.
class Noise {
public:
    explicit Noise(std::uint64_t seed) : state_(seed) {}
    double next()
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / 4503599627370496.0 - 1.0;
    }

private:
    std::uint64_t state_;
};

// A test as a hand with a 6 Hz tremor of about 2.5 points would record it on a 720 × 420 stage: samples at
// about 125 Hz with jittered spacing, a slow drift while holding, a hand that trails the figure-of-eight dot by
// 0.15 s while following, and ten targets hit with one miss on the way.
CalibrationRecording recordedLikeTest()
{
    constexpr double width = 720, height = 420;
    Noise noise(2026);
    auto tremor = [&](double t) {
        const double phase = 2 * pi * 6 * t + 0.8 * std::sin(2 * pi * 0.13 * t);
        const double size = 2.5 * (1 + 0.25 * std::sin(2 * pi * 0.21 * t));
        return Vector{0.6 * size * std::sin(phase + 1.1) + 0.2 * noise.next(), size * std::sin(phase) + 0.2 * noise.next()};
    };
    auto part = [&](double seconds, auto intended) {
        std::vector<Sample> samples;
        for (double t = 0; t < seconds; t += 0.008 + 0.001 * noise.next()) {
            samples.push_back({t, intended(t) + tremor(t)});
        }
        return samples;
    };
    CalibrationRecording recording;
    recording.hold = part(10.0, [&](double t) {
        return Point{width / 2 + 3 * std::sin(2 * pi * 0.1 * t), height / 2 + 2 * std::sin(2 * pi * 0.17 * t + 1)};
    });
    recording.follow = part(15.0, [&](double t) {
        const double late = std::max(t - 0.15, 0.0);
        return Point{width * 0.5 + std::sin(late * 2 * pi / 7.5) * 0.38 * width,
                     height * 0.5 + std::sin(late * 2 * pi / 3.75) * 0.30 * height};
    });
    const Point targets[] = {{0.18, 0.25}, {0.78, 0.70}, {0.50, 0.20}, {0.25, 0.75}, {0.85, 0.30},
                             {0.40, 0.55}, {0.65, 0.40}, {0.12, 0.50}, {0.58, 0.82}, {0.90, 0.55}};
    double clock = 5000;
    for (int i = 0; i < 10; ++i) {
        const Point target{targets[i].x * width, targets[i].y * height};
        if (i == 3) { // overshoots once, 45 points off
            const Point off = target + Vector{45, 0};
            recording.clicks.push_back({clock, clock + 0.14, off, off + Vector{0.8, 0.3}, false});
            clock += 0.9;
        }
        const Point at = target + Vector{6 * noise.next(), 6 * noise.next()};
        const double held = 0.12 + 0.04 * noise.next();
        recording.clicks.push_back({clock, clock + held, at, at + Vector{0.9 * noise.next(), 0.9 * noise.next()}, true});
        clock += held + 0.8 + 0.3 * noise.next();
    }
    return recording;
}

} // namespace

TEST(CalibrationTests, CandidatesAreTheBuiltInPresetsWithTheTrackpadOnlyForTrackpadUsers)
{
    std::vector<ID> without, with;
    for (const auto& preset : Calibration::candidates(false)) {
        without.push_back(preset.id);
    }
    for (const auto& preset : Calibration::candidates(true)) {
        with.push_back(preset.id);
        EXPECT_EQ(preset, FilterPreset::builtIn(preset.id));
    }
    EXPECT_EQ(without, candidateOrder);
    EXPECT_EQ(with, withTrackpad(candidateOrder));
}

TEST(CalibrationTests, EmptyRecordingMeasuresNothingAndKeepsCandidateOrder)
{
    for (bool trackpad : {false, true}) {
        const auto result = Calibration::analyze(CalibrationRecording{{}, {}, {}, trackpad}, someDate);
        EXPECT_FALSE(result.rhythm);
        EXPECT_EQ(result.shake, 0);
        EXPECT_EQ(result.press, 0);
        EXPECT_EQ(result.slip, 0);
        EXPECT_EQ(result.extraClicks, 0);
        EXPECT_EQ(result.misses, 0);
        EXPECT_FALSE(result.clickGuard);
        EXPECT_EQ(result.suggested, ID::gentle);
        EXPECT_EQ(result.date, someDate);
        EXPECT_EQ(idsOf(result.scores), trackpad ? withTrackpad(candidateOrder) : candidateOrder);
        for (const auto& score : result.scores) {
            EXPECT_EQ(score.left, 0);
            EXPECT_EQ(score.lagMs, 0);
        }
    }
}

TEST(CalibrationTests, AHeldFiveHertzSineIsFoundWithItsSize)
{
    // The steady path keeps a share G of a 5 Hz sine (four passes of a 2 Hz Butterworth section), so the
    // tremor measured is (1 − G) of the sine, whose root-mean-square is 2/√2 over whole half periods. The
    // reflected padding bends the path's last samples a little, which adds a few parts in ten thousand.
    const double ratio = std::tan(pi * 5 / 120) / std::tan(pi * 2 / 120);
    const double kept = 1 / std::pow(1 + std::pow(ratio, 4), 2);
    const double expected = std::sqrt(2.0) * (1 - kept);

    const auto result = Calibration::analyze(CalibrationRecording{held(5, 2), {}, {}, false}, someDate);
    ASSERT_TRUE(result.rhythm);
    EXPECT_EQ(*result.rhythm, 5.0);
    EXPECT_NEAR(result.shake, expected, 5e-4);

    // Along the other axis, and with a follow part shaking the same way, nothing changes.
    auto sideways = held(5, 2);
    for (auto& sample : sideways) {
        std::swap(sample.point.x, sample.point.y);
    }
    const auto both = Calibration::analyze(CalibrationRecording{sideways, held(5, 2, 15), {}, false}, someDate);
    EXPECT_EQ(both.rhythm, 5.0);
    EXPECT_NEAR(both.shake, expected, 5e-4);
}

TEST(CalibrationTests, WeightOfTheShakeLeft)
{
    EXPECT_EQ(Calibration::shakeWeight(0), 0);
    EXPECT_EQ(Calibration::shakeWeight(0.2999), 0);
    EXPECT_EQ(Calibration::shakeWeight(0.3), 0.4);
    EXPECT_EQ(Calibration::shakeWeight(2), 1.0);
    EXPECT_EQ(Calibration::shakeWeight(10), 4.0);
}

TEST(CalibrationTests, EqualCostsKeepCandidateOrder)
{
    // A calm hand (weight 0) that follows nothing faster than 20 points per second: every cost is 0.
    CalibrationRecording calm{held(5, 0.1), held(5, 0.1, 15), calmClicks(), true};
    const auto result = Calibration::analyze(calm, someDate);
    EXPECT_LT(result.shake, 0.3);
    EXPECT_EQ(idsOf(result.scores), withTrackpad(candidateOrder));
    EXPECT_EQ(result.suggested, ID::gentle);
    EXPECT_FALSE(result.clickGuard);
}

TEST(CalibrationTests, ClickGuardIsAdvisedOnEachOfItsFourSigns)
{
    const CalibrationRecording calm{held(5, 0.1), {}, calmClicks(), false};
    ASSERT_FALSE(Calibration::analyze(calm, someDate).clickGuard);

    auto slipping = calm;
    for (auto& click : slipping.clicks) {
        click.upAt = click.downAt + Vector{1.5, 0};
    }
    EXPECT_FALSE(Calibration::analyze(slipping, someDate).clickGuard) << "exactly 1.5 points is not above";
    for (auto& click : slipping.clicks) {
        click.upAt = click.downAt + Vector{1.2, 1.0};
    }
    EXPECT_TRUE(Calibration::analyze(slipping, someDate).clickGuard);

    auto doubled = calm;
    doubled.clicks.insert(doubled.clicks.begin() + 4, calmClick(doubled.clicks[3].up + 0.2, doubled.clicks[3].upAt));
    const auto doubledResult = Calibration::analyze(doubled, someDate);
    EXPECT_EQ(doubledResult.extraClicks, 1);
    EXPECT_EQ(doubledResult.misses, -1);
    EXPECT_TRUE(doubledResult.clickGuard);

    auto shaking = calm;
    shaking.hold = held(5, 2.4);
    const auto shakingResult = Calibration::analyze(shaking, someDate);
    EXPECT_GT(shakingResult.shake, 1.5);
    EXPECT_TRUE(shakingResult.clickGuard);
    shaking.hold = held(5, 2.0);
    EXPECT_FALSE(Calibration::analyze(shaking, someDate).clickGuard);

    auto tapping = calm;
    tapping.clicks[6].up = tapping.clicks[6].down + 0.04;
    EXPECT_TRUE(Calibration::analyze(tapping, someDate).clickGuard);
}

TEST(CalibrationTests, AnyRecordingGivesAResultThatCanBeStored)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    std::vector<CalibrationRecording> hostile;
    auto withNaN = recordedLikeTest();
    withNaN.hold[500].point.x = nan;
    withNaN.follow[700].point.y = inf;
    withNaN.clicks[2].up = nan;
    withNaN.clicks[4].downAt.x = inf;
    hostile.push_back(withNaN);
    auto jumbled = recordedLikeTest();
    std::swap(jumbled.hold[100], jumbled.hold[900]);
    jumbled.follow[300].time = jumbled.follow[299].time;
    jumbled.follow.back().time = 1e300;
    hostile.push_back(jumbled);
    auto endless = recordedLikeTest();
    endless.hold.back().time = inf;
    endless.clicks.back().up = -1e300;
    hostile.push_back(endless);

    for (const auto& recording : hostile) {
        const auto result = Calibration::analyze(recording, someDate);
        for (double value : {result.shake, result.press, result.slip}) {
            EXPECT_TRUE(std::isfinite(value));
        }
        EXPECT_EQ(result.scores.size(), 6u);
        for (const auto& score : result.scores) {
            EXPECT_TRUE(std::isfinite(score.left));
            EXPECT_TRUE(std::isfinite(score.lagMs));
            EXPECT_GE(score.lagMs, 0);
        }
        EXPECT_EQ(nlohmann::json(result).get<CalibrationResult>(), result);
    }
}

TEST(CalibrationTests, RecordedLikeTestFindsTheTremorAndRanksThePresets)
{
    const auto recording = recordedLikeTest();
    const auto result = Calibration::analyze(recording, someDate);

    ASSERT_TRUE(result.rhythm);
    EXPECT_NEAR(*result.rhythm, 6.0, 0.3);
    EXPECT_GT(result.shake, 1.5);
    EXPECT_LT(result.shake, 2.5);
    EXPECT_NEAR(result.press, 0.12, 0.04);
    EXPECT_LT(result.slip, 1.3);
    EXPECT_EQ(result.extraClicks, 0);
    EXPECT_EQ(result.misses, 1);
    EXPECT_TRUE(result.clickGuard); // the shake alone is above 1.5 points

    ASSERT_EQ(result.scores.size(), 6u);
    EXPECT_EQ(result.suggested, result.scores.front().preset);
    auto ids = idsOf(result.scores);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (std::vector<ID>{ID::gentle, ID::balanced, ID::strong, ID::veryStrong, ID::precision,
                                    ID::largeMovements}));
    const double weight = Calibration::shakeWeight(result.shake);
    double previousCost = 0;
    for (const auto& score : result.scores) {
        const double cost = score.lagMs / 150 + weight * score.left;
        EXPECT_GE(cost, previousCost);
        previousCost = cost;
        EXPECT_GT(score.left, 0);
        EXPECT_LT(score.left, 1);
        EXPECT_GT(score.lagMs, 0);
    }
    EXPECT_EQ(nlohmann::json(result).get<CalibrationResult>(), result);

    std::printf("shake %.3f points, rhythm %.1f Hz, press %.3f s, slip %.2f points, suggested %s\n", result.shake,
                *result.rhythm, result.press, result.slip, FilterPreset::rawValue(result.suggested).data());
    std::printf("%-16s %8s %9s %8s\n", "preset", "left", "lag ms", "cost");
    for (const auto& score : result.scores) {
        std::printf("%-16s %8.3f %9.1f %8.3f\n", FilterPreset::rawValue(score.preset).data(), score.left, score.lagMs,
                    score.lagMs / 150 + weight * score.left);
    }
}
