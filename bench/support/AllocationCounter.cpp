#include "AllocationCounter.h"

#include <execinfo.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>

// The C library's own allocator, under the names it exports for programs that replace malloc.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* memory, std::size_t size);
void __libc_free(void* memory);
}

namespace {

std::atomic<std::size_t> allocations{0};
// Static storage of the program itself: reading and counting it never allocates.
thread_local std::size_t threadAllocations = 0;

// The call stack of the first allocation since startAllocationTrace(), in static storage: taking it allocates
// nothing once backtrace() has been called.
std::atomic<bool> tracing{false};
std::atomic<bool> traced{false};
std::array<void*, 40> trace{};
int traceDepth = 0;

void keepTrace()
{
    if (tracing.load(std::memory_order_relaxed) && !traced.exchange(true)) {
        traceDepth = backtrace(trace.data(), static_cast<int>(trace.size()));
    }
}

} // namespace

// Replacing these four is how the C library lets a program see every heap allocation (memalign and its kin, rare,
// are left to it; their blocks are freed through the same allocator).
extern "C" {

void* malloc(std::size_t size)
{
    ++threadAllocations;
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size)
{
    ++threadAllocations;
    return __libc_calloc(count, size);
}

void* realloc(void* memory, std::size_t size)
{
    ++threadAllocations;
    return __libc_realloc(memory, size);
}

void free(void* memory)
{
    __libc_free(memory);
}
}

// Kept out of line: inlined into a caller, the free() would look mismatched with a new to the compiler.
[[gnu::noinline]] void* operator new(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    keepTrace();
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

namespace quellarine::bench {

std::size_t allocationCount()
{
    return allocations.load(std::memory_order_relaxed);
}

std::size_t threadHeapAllocations()
{
    return threadAllocations;
}

std::size_t startAllocationTrace()
{
    // Its first call loads the unwinder, which allocates: not while tracing.
    std::array<void*, 1> warm{};
    backtrace(warm.data(), static_cast<int>(warm.size()));
    traced.store(false);
    tracing.store(true);
    return allocationCount();
}

void requireNoAllocations(benchmark::State& state, std::size_t before, const char* what)
{
    const std::size_t made = allocationCount() - before;
    const bool wasTracing = tracing.exchange(false);
    state.counters["allocations"] = static_cast<double>(made);
    if (made != 0) {
        if (wasTracing && traced.load()) {
            std::fprintf(stderr, "%s: the first of %zu allocations was made here:\n", what, made);
            std::fflush(stderr);
            backtrace_symbols_fd(trace.data(), traceDepth, STDERR_FILENO);
        }
        state.SkipWithError(what);
    }
}

} // namespace quellarine::bench
