#include "AllocationCounter.h"

#include <atomic>
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

std::size_t threadHeapAllocations()
{
    return threadAllocations;
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
