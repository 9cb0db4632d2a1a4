#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>

namespace quellarine::bench {

// Heap allocations made by this process so far; every benchmark program counts them through a replaced
// global operator new.
std::size_t allocationCount();

// Reports the allocations made since `before` as a counter, and fails the run when the path must not allocate
// and did.
void requireNoAllocations(benchmark::State& state, std::size_t before, const char* what);

} // namespace quellarine::bench
