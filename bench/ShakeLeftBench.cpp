// How much of a steady 6 Hz shake the Balanced preset leaves, against plain smoothing tuned to the same delay,
// on a trackpad-like path: strokes between five targets with a pause on each. Plain smoothing is a single
// low-pass with a fixed cutoff and no shake canceller; its cutoff is searched so that it trails the path by as
// much as Balanced does. The counters are the figures the research page quotes: the share of the shake left
// by each ("shake left" = remaining error over raw error across the movement, 0 to 1) and the delay in ms.

#include "QuellarineKit/Calibration/FilterEvaluation.h"
#include "QuellarineKit/Calibration/PointerTrace.h"
#include "QuellarineKit/Pointer/FilterPreset.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quellarine;

constexpr double shakeHz = 6.0;
constexpr double shakePoints = 2.5;
constexpr double rate = 120.0;
// Left out of every measure: the opening rest and the canceller's first learning.
constexpr double skipSeconds = 2.0;

// Strokes of `moveSeconds` each between the targets, 0.6 s of aiming on each.
PointerTrace trackpadPath(double moveSeconds)
{
    return PointerTrace::aiming(shakeHz, shakePoints, 0.6, moveSeconds, 20, rate);
}

PointerFilter::Parameters plainSmoothing(double cutoff)
{
    PointerFilter::Parameters parameters = FilterPreset::balanced().parameters;
    parameters.smoothing.minCutoff = cutoff;
    parameters.smoothing.beta = 0;
    parameters.smoothing.speedFloor = 0;
    parameters.smoothing.stages = 1;
    parameters.cancel.reset();
    return parameters;
}

// The cutoff at which plain smoothing trails the path by `lagMs`: its delay falls as the cutoff rises.
double cutoffForLag(const PointerTrace& trace, double lagMs)
{
    double low = 0.1;
    double high = 60.0;
    for (int step = 0; step < 60; ++step) {
        const double middle = (low + high) / 2;
        if (FilterEvaluation::score(plainSmoothing(middle), trace, skipSeconds).lagMs > lagMs) {
            low = middle;
        } else {
            high = middle;
        }
    }
    return (low + high) / 2;
}

void BalancedAgainstPlainSmoothingAtTheSameDelay(benchmark::State& state)
{
    const PointerTrace trace = trackpadPath(static_cast<double>(state.range(0)) / 1000);
    const FilterScore balanced = FilterEvaluation::score(FilterPreset::balanced().parameters, trace, skipSeconds);
    const double cutoff = cutoffForLag(trace, balanced.lagMs);
    const FilterScore plain = FilterEvaluation::score(plainSmoothing(cutoff), trace, skipSeconds);
    // Plain smoothing at the page's 25 ms, whatever Balanced's own delay on this path.
    const FilterScore plainAt25 = FilterEvaluation::score(plainSmoothing(cutoffForLag(trace, 25)), trace, skipSeconds);

    // What is timed: scoring Balanced on the path once.
    for (auto _ : state) {
        benchmark::DoNotOptimize(FilterEvaluation::score(FilterPreset::balanced().parameters, trace, skipSeconds));
    }
    state.counters["samples"] = static_cast<double>(trace.times.size());
    state.counters["balancedShakeLeft"] = balanced.residualTremor;
    state.counters["balancedLagMs"] = balanced.lagMs;
    // While the hand aims at a target and the path stands still.
    state.counters["balancedShakeLeftAiming"]
        = FilterEvaluation::restingResidual(FilterPreset::balanced().parameters, trace, skipSeconds);
    state.counters["plainShakeLeft"] = plain.residualTremor;
    state.counters["plainLagMs"] = plain.lagMs;
    state.counters["plainCutoffHz"] = cutoff;
    state.counters["plainShakeLeftAt25Ms"] = plainAt25.residualTremor;
}
// Strokes of 0.5 s (brisk), 1 s and 2 s (slow, careful).
BENCHMARK(BalancedAgainstPlainSmoothingAtTheSameDelay)->Arg(500)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

} // namespace
