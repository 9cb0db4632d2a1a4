// Per-step cost of the filter chain and its stages, and replays of a calibration-length trace through every
// built-in preset. Every per-step benchmark also counts heap allocations inside its timed loop and fails when
// there is one: the live pointer path must not allocate.

#include "QuellarineKit/Calibration/CalibrationProtocol.h"
#include "QuellarineKit/Pointer/FilterPreset.h"
#include "QuellarineKit/Pointer/OneEuroFilter.h"
#include "QuellarineKit/Pointer/PointerFilter.h"
#include "QuellarineKit/Pointer/TremorCanceller.h"

#include "support/AllocationCounter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

using namespace quellarine;

constexpr double sampleRate = 120;
constexpr double threeDays = 3 * 86400.0;

struct Sample {
    double x;
    double y;
    double time;
};

// 25 s at 120 Hz like a calibration: holding a dot, then following one round a circle, with a 5 Hz
// tremor of 2 points and a little noise.
std::vector<Sample> calibrationTrace(double uptime)
{
    std::vector<Sample> samples;
    samples.reserve(3000);
    unsigned noise = 12345;
    auto jitter = [&noise] {
        noise = noise * 1103515245u + 12345u;
        return static_cast<double>((noise >> 8) & 0xffff) / 65536.0 - 0.5;
    };
    for (int i = 0; i < 3000; ++i) {
        const double elapsed = i / sampleRate;
        const double t = uptime + elapsed;
        double x = 700, y = 450;
        if (elapsed >= CalibrationProtocol::holdSeconds) {
            const double angle = 2 * std::numbers::pi * (elapsed - CalibrationProtocol::holdSeconds)
                / CalibrationProtocol::acrossPeriod;
            x += 250 * std::cos(angle) - 250;
            y += 250 * std::sin(angle);
        }
        const double tremor = 2 * std::sin(2 * std::numbers::pi * 5 * t);
        samples.push_back({x + tremor + 0.3 * jitter(), y + 0.7 * tremor + 0.3 * jitter(), t});
    }
    return samples;
}

const std::vector<Sample>& trace()
{
    static const std::vector<Sample> samples = calibrationTrace(threeDays);
    return samples;
}

const FilterPreset& presetAt(benchmark::State& state)
{
    const auto& preset = FilterPreset::builtIn()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(FilterPreset::rawValue(preset.id)));
    return preset;
}

// Runs one step per iteration over the trace repeated end to end, with times that keep rising.
template <typename Step>
void runSteps(benchmark::State& state, Step step)
{
    const auto& samples = trace();
    std::size_t index = 0;
    double lap = 0;
    const double lapLength = samples.size() / sampleRate;
    const std::size_t allocationsBefore = bench::allocationCount();
    for (auto _ : state) {
        const Sample& sample = samples[index];
        benchmark::DoNotOptimize(step(sample.x, sample.y, sample.time + lap));
        if (++index == samples.size()) {
            index = 0;
            lap += lapLength;
        }
    }
    bench::requireNoAllocations(state, allocationsBefore, "heap allocation during filter steps");
}

void OneEuroStep(benchmark::State& state)
{
    OneEuroFilter::Parameters parameters = FilterPreset::balanced().parameters.smoothing;
    parameters.stages = static_cast<int>(state.range(0));
    OneEuroFilter filter(parameters);
    runSteps(state, [&](double x, double y, double t) { return filter.filter({x, y}, t); });
}
BENCHMARK(OneEuroStep)->ArgName("stages")->Arg(1)->Arg(2);

void TremorCancel(benchmark::State& state)
{
    TremorCanceller canceller(*FilterPreset::balanced().parameters.cancel);
    const double uptime = static_cast<double>(state.range(0));
    runSteps(state, [&](double x, double y, double t) { return canceller.cancel({x, y}, t - threeDays + uptime); });
}
// Uptimes of 100 s, 3 days and 3 weeks: the phases the sines are taken of grow with them.
BENCHMARK(TremorCancel)->ArgName("uptime")->Arg(100)->Arg(259200)->Arg(1814400);

void PointerFilterStep(benchmark::State& state)
{
    PointerFilter filter(presetAt(state).parameters);
    runSteps(state, [&](double x, double y, double t) { return filter.filter({x, y}, t); });
}
BENCHMARK(PointerFilterStep)->DenseRange(0, 6);

void PointerFilterSettle(benchmark::State& state)
{
    PointerFilter filter(presetAt(state).parameters);
    // Learn first, so that settling coasts a real estimate.
    double t = 0;
    for (const Sample& sample : trace()) {
        filter.filter({sample.x, sample.y}, sample.time);
        t = sample.time;
    }
    const std::size_t allocationsBefore = bench::allocationCount();
    for (auto _ : state) {
        t += 0.008;
        benchmark::DoNotOptimize(filter.settle({700, 450}, t));
    }
    bench::requireNoAllocations(state, allocationsBefore, "heap allocation during settle steps");
}
BENCHMARK(PointerFilterSettle)->DenseRange(0, 6);

// One whole replay, a fresh chain each time, as the calibration analysis scores a preset. Building the chain
// allocates its canceller's arrays; the steps allocate nothing.
void Replay(benchmark::State& state)
{
    const auto& parameters = presetAt(state).parameters;
    const auto& samples = trace();
    const std::size_t allocationsBefore = bench::allocationCount();
    for (auto _ : state) {
        PointerFilter filter(parameters);
        for (const Sample& sample : samples) {
            benchmark::DoNotOptimize(filter.filter({sample.x, sample.y}, sample.time));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(samples.size()));
    state.counters["allocations"] = benchmark::Counter(
        static_cast<double>(bench::allocationCount() - allocationsBefore), benchmark::Counter::kAvgIterations);
}
BENCHMARK(Replay)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

} // namespace
