// The click guard sits on every pointer event: how long a move and a whole click take through it.
#include "QuellarineKit/Pointer/ClickGuard.h"

#include <benchmark/benchmark.h>

using namespace quellarine;

namespace {

constexpr Point pressAt{640, 400};

// The common case: the pointer moves with no button down.
void BM_MoveWithoutPress(benchmark::State& state)
{
    ClickGuard guard(ClickGuard::Settings::on(0.5));
    double time = 100;
    for (auto _ : state) {
        time += 0.008;
        auto result = guard.moved(pressAt + Vector{3, 2}, time);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_MoveWithoutPress);

// A trembling hand inside the drag circle while a press is held.
void BM_MoveWhileHeld(benchmark::State& state)
{
    ClickGuard guard(ClickGuard::Settings::on(0.5));
    guard.buttonDown(ClickGuard::Button::left, 100, pressAt);
    double time = 100;
    int step = 0;
    for (auto _ : state) {
        time += 0.008;
        step = (step + 1) % 8;
        auto result = guard.moved(pressAt + Vector{step - 4.0, 4.0 - step}, time);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_MoveWhileHeld);

// One click as a person with a tremor makes it: press, eight shaky moves, the tick at the deadline, release.
void clickCycle(benchmark::State& state, const ClickGuard::Settings& settings)
{
    ClickGuard guard(settings);
    double time = 100;
    for (auto _ : state) {
        time += 1; // far apart: every click starts a new count
        benchmark::DoNotOptimize(guard.buttonDown(ClickGuard::Button::left, time, pressAt));
        for (int step = 0; step < 8; ++step) {
            benchmark::DoNotOptimize(guard.moved(pressAt + Vector{step - 4.0, 4.0 - step}, time + step * 0.008));
        }
        if (auto deadline = guard.nextDeadline()) {
            benchmark::DoNotOptimize(guard.tick(*deadline));
        }
        benchmark::DoNotOptimize(guard.buttonUp(ClickGuard::Button::left, time + 0.09, pressAt + Vector{2, 1}));
    }
}

void BM_ClickGuardOn(benchmark::State& state)
{
    clickCycle(state, ClickGuard::Settings::on(0.5));
}
BENCHMARK(BM_ClickGuardOn);

void BM_ClickGuardOff(benchmark::State& state)
{
    clickCycle(state, ClickGuard::Settings::off());
}
BENCHMARK(BM_ClickGuardOff);

} // namespace
