#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>

namespace quellarine::bench {

// Heap allocations made by this process so far; every benchmark program counts them through a replaced
// global operator new.
std::size_t allocationCount();

// Heap allocations made by the calling thread so far, by whatever code: C libraries (Xlib, xcb) call malloc,
// calloc and realloc directly, and every program counts those calls, operator new's included.
std::size_t threadHeapAllocations();

// Like allocationCount(), and from now on keeps the call stack of the first allocation (operator new), which
// requireNoAllocations() prints when the check fails: a rare allocation is found where it happens.
std::size_t startAllocationTrace();

// Reports the allocations made since `before` as a counter, and fails the run when the path must not allocate
// and did.
void requireNoAllocations(benchmark::State& state, std::size_t before, const char* what);

} // namespace quellarine::bench
