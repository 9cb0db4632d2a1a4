// The pointer tap on the simulated window server: what one hardware move and one button event cost on their way
// through the tap to the applications (the server's own dispatch included), and one settle step. Heap allocations
// are counted by replacing the global allocator in this program.

#include "Backends/Sim/SimulatedWindowServer.h"
#include "QuellarineKit/FilterPreset.h"
#include "QuellarineKit/PointerTap.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <new>

namespace {
std::size_t allocations = 0;
}

// Kept out of line: inlined into a caller, the free() would look mismatched with a new to the compiler.
[[gnu::noinline]] void* operator new(std::size_t size)
{
    ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

[[gnu::noinline]] void operator delete(void* memory) noexcept
{
    std::free(memory);
}

[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

namespace {

using namespace quellarine;

ClickGuard::Settings guardOn()
{
    ClickGuard::Settings settings;
    settings.minPress = 0.04;
    settings.repeatWindow = 0.35;
    settings.repeatRadius = 24;
    settings.allowDoubleClick = true;
    settings.dragThreshold = 12;
    settings.doubleClickInterval = 0.5;
    return settings;
}

struct Bench {
    sim::SimulatedWindowServer server;
    PointerTap tap;

    Bench() : tap((server.advance(1), server.pointerSystem()), FilterPreset::balanced().parameters, guardOn())
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

void reportAllocations(benchmark::State& state, std::size_t before, double events)
{
    state.counters["allocs/event"] = static_cast<double>(allocations - before) / events;
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
    std::size_t before = allocations;
    for (auto _ : state) {
        bench.server.moveHand(step(k++));
        bench.server.advance(interval);
        if ((k & 1023) == 0) {
            bench.server.clearReceived();
        }
    }
    reportAllocations(state, before, static_cast<double>(state.iterations()));
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
    std::size_t before = allocations;
    for (auto _ : state) {
        bench.server.pressButton(0);
        bench.server.advance(0.06);
        bench.server.releaseButton(0);
        bench.server.advance(0.6);
        bench.server.clearReceived();
    }
    state.SetItemsProcessed(2 * state.iterations());
    reportAllocations(state, before, 2.0 * static_cast<double>(state.iterations()));
}
BENCHMARK(BM_ButtonPath)->Repetitions(5)->ReportAggregatesOnly(true);

// The pointer trails a quick stroke and eases onto the resting hand, one settle step every 8 ms.
void BM_SettleStep(benchmark::State& state)
{
    Bench bench;
    std::int64_t steps = 0;
    std::size_t settleAllocations = 0;
    double direction = 1;
    for (auto _ : state) {
        state.PauseTiming();
        direction = -direction; // back and forth, so that the hand stays on the display
        for (int i = 0; i < 4; ++i) {
            bench.server.moveHand({12 * direction, 3 * direction});
            bench.server.advance(0.008);
        }
        bench.server.advance(0.008); // the hand at rest for 12 ms and more from here on
        bench.server.clearReceived();
        std::size_t before = allocations;
        state.ResumeTiming();
        bench.server.advance(1.0);
        settleAllocations += allocations - before;
        steps += static_cast<std::int64_t>(bench.server.received().size());
    }
    state.SetItemsProcessed(steps);
    state.counters["steps/stroke"] = static_cast<double>(steps) / static_cast<double>(state.iterations());
    state.counters["allocs/step"] = static_cast<double>(settleAllocations) / static_cast<double>(steps);
}
BENCHMARK(BM_SettleStep)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
