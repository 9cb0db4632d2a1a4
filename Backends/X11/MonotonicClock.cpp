#include "Backends/X11/MonotonicClock.h"

#include <ctime>

namespace quellarine::x11 {

double MonotonicClock::uptime() const
{
    return static_cast<double>(nanoseconds()) / 1e9;
}

std::uint64_t MonotonicClock::nanoseconds() const
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1'000'000'000u + static_cast<std::uint64_t>(now.tv_nsec);
}

} // namespace quellarine::x11
