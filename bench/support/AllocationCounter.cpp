#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> allocations{0};

} // namespace

// Kept out of line: inlined into a caller, the free() would look mismatched with a new to the compiler.
[[gnu::noinline]] void* operator new(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

[[gnu::noinline]] void operator delete(void* memory) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace quellarine::bench {

std::size_t allocationCount()
{
    return allocations.load(std::memory_order_relaxed);
}

void requireNoAllocations(benchmark::State& state, std::size_t before, const char* what)
{
    const std::size_t made = allocationCount() - before;
    state.counters["allocations"] = static_cast<double>(made);
    if (made != 0) {
        state.SkipWithError(what);
    }
}

} // namespace quellarine::bench
