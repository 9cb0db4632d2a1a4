#include "QuellarineKit/Calibration/Calibration.h"

#include "QuellarineKit/Calibration/ClickMeasures.h"
#include "QuellarineKit/Calibration/FilterEvaluation.h"
#include "QuellarineKit/Calibration/Resampling.h"
#include "QuellarineKit/Calibration/SteadyPath.h"
#include "QuellarineKit/Calibration/TremorSpectrum.h"

#include <algorithm>
#include <cmath>

namespace quellarine::Calibration {

namespace {

constexpr double settlingSeconds = 3.0; // replayed so the filter settles in, but not measured
constexpr double lagPerUnitCost = 150;  // ms
constexpr double calmShake = 0.3;       // points
constexpr double guardedSlip = 1.5;     // points
constexpr double guardedShake = 1.5;    // points

double finiteOrZero(double value)
{
    return std::isfinite(value) ? value : 0;
}

PointerTrace traceOf(const std::vector<CalibrationRecording::Sample>& samples, std::vector<Point> steady)
{
    PointerTrace trace{{}, {}, std::move(steady)};
    trace.times.reserve(samples.size());
    trace.points.reserve(samples.size());
    for (const auto& sample : samples) {
        trace.times.push_back(sample.time);
        trace.points.push_back(sample.point);
    }
    return trace;
}

struct Ranked {
    CalibrationResult::PresetScore score;
    double cost = 0;
};

Ranked scored(const FilterPreset& preset, const PointerTrace& hold, const PointerTrace& follow, double weight)
{
    const double holdResidual = FilterEvaluation::score(preset.parameters, hold, settlingSeconds).residualTremor;
    const FilterScore followScore = FilterEvaluation::score(preset.parameters, follow, settlingSeconds);
    double squares = 0;
    for (double residual : {holdResidual, followScore.residualTremor}) {
        if (std::isfinite(residual)) {
            squares += residual * residual;
        }
    }
    // Halved even when only one part could be measured, so a short part does not double the other's weight.
    const double left = finiteOrZero(std::sqrt(0.5 * squares));
    const double lagMs = std::isfinite(followScore.lagMs) && followScore.lagMs >= 0 ? followScore.lagMs : 0;
    return {{preset.id, left, lagMs}, lagMs / lagPerUnitCost + weight * left};
}

} // namespace

std::vector<FilterPreset> candidates(bool trackpad)
{
    std::vector<FilterPreset> presets;
    for (const auto& preset : FilterPreset::builtIn()) {
        if (preset.id != FilterPreset::ID::trackpad) {
            presets.push_back(preset);
        }
    }
    if (trackpad) {
        presets.push_back(FilterPreset::trackpad());
    }
    return presets;
}

double shakeWeight(double shake)
{
    if (shake < calmShake) {
        return 0;
    }
    return std::clamp(0.5 * shake, 0.4, 4.0);
}

CalibrationResult analyze(const CalibrationRecording& recording, double now)
{
    const auto hold = resampled(recording.hold);
    const auto follow = resampled(recording.follow);
    auto holdSteady = steadyPath(hold);
    auto followSteady = steadyPath(follow);

    TremorSpectrum spectrum;
    spectrum.add(hold, holdSteady);
    spectrum.add(follow, followSteady);
    // Points that are not numbers measure nothing; they must not reach the ranking or the stored result.
    const double shake = finiteOrZero(spectrum.shake());

    const PointerTrace holdTrace = traceOf(hold, std::move(holdSteady));
    const PointerTrace followTrace = traceOf(follow, std::move(followSteady));
    const double weight = shakeWeight(shake);
    std::vector<Ranked> ranking;
    for (const auto& preset : candidates(recording.trackpad)) {
        ranking.push_back(scored(preset, holdTrace, followTrace, weight));
    }
    std::stable_sort(ranking.begin(), ranking.end(), [](const Ranked& a, const Ranked& b) { return a.cost < b.cost; });

    const ClickMeasures clicks = ClickMeasures::of(recording.clicks);

    CalibrationResult result;
    result.rhythm = spectrum.rhythm();
    result.shake = shake;
    result.press = finiteOrZero(clicks.press);
    result.slip = finiteOrZero(clicks.slip);
    result.extraClicks = clicks.extraClicks;
    result.misses = clicks.misses;
    for (const auto& ranked : ranking) {
        result.scores.push_back(ranked.score);
    }
    result.suggested = result.scores.empty() ? FilterPreset::ID::balanced : result.scores.front().preset;
    result.clickGuard
        = result.slip > guardedSlip || result.extraClicks > 0 || result.shake > guardedShake || clicks.hasShortTap;
    result.date = now;
    return result;
}

} // namespace quellarine::Calibration
