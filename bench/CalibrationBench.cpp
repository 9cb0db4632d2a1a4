// The calibration analysis over a standard test (10 s holding + 15 s following at 125 Hz, ten clicks), a
// one-minute recording, and the standard test sampled at 1,000 Hz; and its two input-sized steps, resampling
// and the tremor spectrum, at 125 and 1,000 Hz. Resampling brings every recording to 120 Hz, so eight times
// the input samples must cost the spectrum nothing and the resampling no more than its linear share.

#include "QuellarineKit/Calibration/Calibration.h"
#include "QuellarineKit/Calibration/CalibrationProtocol.h"
#include "QuellarineKit/Calibration/Resampling.h"
#include "QuellarineKit/Calibration/SteadyPath.h"
#include "QuellarineKit/Calibration/TremorSpectrum.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace {

using namespace quellarine;
using Sample = CalibrationRecording::Sample;

constexpr double pi = std::numbers::pi;

// A hand with a 6 Hz tremor of about 2.5 points on a 720 × 420 stage, sampled at `rate` with jittered spacing.
CalibrationRecording recording(double rate, double holdSeconds, double followSeconds)
{
    std::uint64_t state = 7;
    auto noise = [&state] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state >> 11) / 4503599627370496.0 - 1.0;
    };
    auto part = [&](double seconds, auto intended) {
        std::vector<Sample> samples;
        for (double t = 0; t < seconds; t += (1 + 0.1 * noise()) / rate) {
            const double phase = 2 * pi * 6 * t + 0.8 * std::sin(2 * pi * 0.13 * t);
            const Vector tremor{1.5 * std::sin(phase + 1.1), 2.5 * std::sin(phase)};
            samples.push_back({t, intended(t) + tremor + Vector{0.2 * noise(), 0.2 * noise()}});
        }
        return samples;
    };
    CalibrationRecording result;
    result.hold = part(holdSeconds, [](double t) { return Point{360 + 3 * std::sin(0.6 * t), 210}; });
    result.follow = part(followSeconds, [](double t) {
        return CalibrationProtocol::dotPosition(t - 0.15, Size{720, 420}); // the hand trails the dot
    });
    for (int i = 0; i < CalibrationProtocol::targetCount; ++i) {
        const double down = 100 + 1.1 * i;
        const Point at{70.0 * i, 40.0 * (i % 3)};
        result.clicks.push_back({down, down + 0.12, at, at + Vector{0.6, -0.4}, true});
    }
    return result;
}

void analyze(benchmark::State& state, const CalibrationRecording& input)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(Calibration::analyze(input, 786'000'000));
    }
    state.counters["samples"] = static_cast<double>(input.hold.size() + input.follow.size());
}

void AnalyzeStandardTest(benchmark::State& state)
{
    analyze(state, recording(125, CalibrationProtocol::holdSeconds, CalibrationProtocol::followSeconds));
}
BENCHMARK(AnalyzeStandardTest)->Unit(benchmark::kMillisecond);

void AnalyzeMinuteRecording(benchmark::State& state)
{
    analyze(state, recording(125, 2 * CalibrationProtocol::holdSeconds, 40));
}
BENCHMARK(AnalyzeMinuteRecording)->Unit(benchmark::kMillisecond);

void AnalyzeStandardTestAt1000Hz(benchmark::State& state)
{
    analyze(state, recording(1000, CalibrationProtocol::holdSeconds, CalibrationProtocol::followSeconds));
}
BENCHMARK(AnalyzeStandardTestAt1000Hz)->Unit(benchmark::kMillisecond);

void Resample(benchmark::State& state)
{
    const auto input = recording(static_cast<double>(state.range(0)), CalibrationProtocol::holdSeconds,
                                 CalibrationProtocol::followSeconds);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Calibration::resampled(input.hold));
        benchmark::DoNotOptimize(Calibration::resampled(input.follow));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(input.hold.size() + input.follow.size()));
}
BENCHMARK(Resample)->ArgName("Hz")->Arg(125)->Arg(1000)->Unit(benchmark::kMicrosecond);

void Spectrum(benchmark::State& state)
{
    const auto input = recording(static_cast<double>(state.range(0)), CalibrationProtocol::holdSeconds,
                                 CalibrationProtocol::followSeconds);
    const auto hold = Calibration::resampled(input.hold);
    const auto follow = Calibration::resampled(input.follow);
    const auto holdSteady = Calibration::steadyPath(hold);
    const auto followSteady = Calibration::steadyPath(follow);
    for (auto _ : state) {
        Calibration::TremorSpectrum spectrum;
        spectrum.add(hold, holdSteady);
        spectrum.add(follow, followSteady);
        benchmark::DoNotOptimize(spectrum.rhythm());
    }
}
BENCHMARK(Spectrum)->ArgName("Hz")->Arg(125)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace
