// The pointer tap on the simulated window server: what one hardware move and one button event cost on their way
// through the tap to the applications (the server's own dispatch included), and one settle step. None of them may
// allocate once warmed up: events are plain values and the server's queues keep their capacity.

#include "Backends/Sim/SimulatedWindowServer.h"
#include "QuellarineKit/Pointer/FilterPreset.h"
#include "QuellarineKit/Pointer/PointerTap.h"
#include "support/AllocationCounter.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace quellarine;

struct Bench {
    sim::SimulatedWindowServer server;
    PointerTap tap;

    Bench()
        : tap((server.advance(1), server.pointerSystem()), FilterPreset::balanced().parameters,
              ClickGuard::Settings::on(0.5))
    {
        server.setLatency(0.002);
        tap.start();
    }
};

// A trembling hand drifting slowly: the tremor part of each step.
Vector step(int k)
{
    double t = k * 0.004;
    return {0.3 + 2.0 * std::cos(2 * 3.14159265 * 5.3 * t) * 0.13, 1.5 * std::cos(2 * 3.14159265 * 5.3 * t + 1) * 0.13};
}

// Moves the argument's milliseconds apart: at 4 ms (a 250 Hz device) every other one is written into the passing
// event and the others posted; at 8 ms (125 Hz) every one is posted and comes back through the tap.
void BM_MovePath(benchmark::State& state)
{
    Bench bench;
    const double interval = static_cast<double>(state.range(0)) / 1000.0;
    int k = 0;
    for (; k < 500; ++k) {
        bench.server.moveHand(step(k));
        bench.server.advance(interval);
    }
    bench.server.clearReceived();
    std::size_t before = bench::allocationCount();
    for (auto _ : state) {
        bench.server.moveHand(step(k++));
        bench.server.advance(interval);
        if ((k & 255) == 0) {
            bench.server.clearReceived(); // keeps its capacity
        }
    }
    bench::requireNoAllocations(state, before, "heap allocation on the move path");
}
BENCHMARK(BM_MovePath)->Arg(4)->Arg(8)->Repetitions(5)->ReportAggregatesOnly(true);

// A 60 ms click: the press held back, posted by the tick at 40 ms, the release passing rewritten.
void BM_ButtonPath(benchmark::State& state)
{
    Bench bench;
    for (int i = 0; i < 50; ++i) {
        bench.server.pressButton(0);
        bench.server.advance(0.06);
        bench.server.releaseButton(0);
        bench.server.advance(0.6);
    }
    bench.server.clearReceived();
    std::size_t before = bench::allocationCount();
    for (auto _ : state) {
        bench.server.pressButton(0);
        bench.server.advance(0.06);
        bench.server.releaseButton(0);
        bench.server.advance(0.6);
        bench.server.clearReceived();
    }
    bench::requireNoAllocations(state, before, "heap allocation on the button path");
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_ButtonPath)->Repetitions(5)->ReportAggregatesOnly(true);

// The pointer trails a quick stroke and eases onto the resting hand, one settle step every 8 ms.
void BM_SettleStep(benchmark::State& state)
{
    Bench bench;
    double direction = 1;
    // A quick stroke one way or the other, so that the hand stays on the display; then 12 ms at rest, after
    // which every firing of the timer is a settle step.
    auto stroke = [&] {
        direction = -direction;
        for (int i = 0; i < 4; ++i) {
            bench.server.moveHand({12 * direction, 3 * direction});
            bench.server.advance(0.008);
        }
        bench.server.advance(0.008);
        bench.server.clearReceived();
    };
    for (int i = 0; i < 20; ++i) {
        stroke();
        bench.server.advance(1.0);
    }
    std::int64_t steps = 0;
    std::size_t allocations = 0;
    for (auto _ : state) {
        state.PauseTiming();
        stroke();
        std::size_t before = bench::allocationCount();
        state.ResumeTiming();
        bench.server.advance(1.0);
        allocations += bench::allocationCount() - before;
        steps += static_cast<std::int64_t>(bench.server.received().size());
    }
    state.counters["allocations"] = static_cast<double>(allocations);
    if (allocations != 0) {
        state.SkipWithError("heap allocation while settling");
    }
    state.SetItemsProcessed(steps);
    state.counters["steps/stroke"] = static_cast<double>(steps) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_SettleStep)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
