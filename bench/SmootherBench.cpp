// Per-event cost of the pointer smoother and of attributing a hardware delta with every candidate start in
// play. Each benchmark counts heap allocations inside its timed loop and fails when there is one: these run on
// the tap's callback for every pointer event.

#include "QuellarineKit/Pointer/FilterPreset.h"
#include "QuellarineKit/Pointer/HandAttribution.h"
#include "QuellarineKit/Pointer/HandMovement.h"
#include "QuellarineKit/Pointer/PointerSmoother.h"

#include "support/AllocationCounter.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

using namespace quellarine;

const std::vector<Rect> twoDisplays{Rect{{0, 0}, {1440, 900}}, Rect{{1440, 0}, {1920, 1080}}};

// A hand drifting right with an 8 Hz shake of 3 points, reported every 8 ms.
Vector shakyStep(long sample)
{
    const double phase = 2 * std::numbers::pi * 8 * (static_cast<double>(sample) * 0.008);
    return {1.0 + 3 * std::cos(phase), 3 * std::sin(phase)};
}

void runMoves(benchmark::State& state, const PointerFilter::Parameters& parameters, Point start)
{
    PointerSmoother smoother(parameters, twoDisplays);
    smoother.resync(start);
    long sample = 0;
    const std::size_t before = bench::allocationCount();
    for (auto _ : state) {
        ++sample;
        benchmark::DoNotOptimize(smoother.move(shakyStep(sample), {0, 0}, static_cast<double>(sample) * 0.008));
    }
    bench::requireNoAllocations(state, before, "heap allocation on the per-event path");
}

// On the second display, so that clamping passes over both frames; the drift runs into its right edge, where
// the clamp holds the hand.
void BM_MoveWithCanceller(benchmark::State& state)
{
    runMoves(state, FilterPreset::balanced().parameters, {1600, 500});
}
BENCHMARK(BM_MoveWithCanceller);

void BM_MoveSmoothingOnly(benchmark::State& state)
{
    PointerFilter::Parameters parameters = FilterPreset::balanced().parameters;
    parameters.cancel.reset();
    runMoves(state, parameters, {1600, 500});
}
BENCHMARK(BM_MoveSmoothingOnly);

void BM_Settle(benchmark::State& state)
{
    PointerSmoother smoother(FilterPreset::balanced().parameters, twoDisplays);
    smoother.resync({1600, 500});
    for (long sample = 1; sample <= 100; ++sample) {
        smoother.move(shakyStep(sample), {0, 0}, static_cast<double>(sample) * 0.008);
    }
    double time = 0.8;
    const std::size_t before = bench::allocationCount();
    for (auto _ : state) {
        time += 0.008;
        benchmark::DoNotOptimize(smoother.settle(time));
    }
    bench::requireNoAllocations(state, before, "heap allocation on the per-event path");
}
BENCHMARK(BM_Settle);

// Full earlier lists and no agreeing start: every move measures all 18 candidates. Each iteration is one
// placement (a posted move coming back) and one hardware move, as the tap sees them.
void BM_AttributeAllCandidates(benchmark::State& state)
{
    HandAttribution attribution;
    attribution.resync({100, 100});
    const auto hand = [](long step) { return Point{100 + static_cast<double>(step % 500) * 3, 100}; };
    long step = 0;
    for (; step < 10; ++step) {
        attribution.placed(hand(step) + Vector{0, 40});
        attribution.attribute(hand(step), {0, -7});
    }
    const std::size_t before = bench::allocationCount();
    for (auto _ : state) {
        ++step;
        attribution.placed(hand(step) + Vector{0, 40});
        benchmark::DoNotOptimize(attribution.attribute(hand(step), {0, -7}));
    }
    bench::requireNoAllocations(state, before, "heap allocation on the per-event path");
    state.counters["candidates"]
        = static_cast<double>(attribution.earlierHand().size() + attribution.earlierPlaced().size() + 2);
}
BENCHMARK(BM_AttributeAllCandidates);

void BM_ResolveAllCandidates(benchmark::State& state)
{
    std::array<Point, HandAttribution::maxCandidates> starts;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        starts[i] = {400 + static_cast<double>(i) * 5, 300 - static_cast<double>(i) * 2};
    }
    const Point location{500, 250};
    const std::size_t before = bench::allocationCount();
    for (auto _ : state) {
        benchmark::DoNotOptimize(HandMovement::resolve(location, {3, -1}, starts, HandAttribution::tolerance));
    }
    bench::requireNoAllocations(state, before, "heap allocation on the per-event path");
}
BENCHMARK(BM_ResolveAllCandidates);

} // namespace
