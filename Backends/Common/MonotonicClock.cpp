#include "Backends/Common/MonotonicClock.h"

#include <ctime>

namespace quellarine::backends {

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

} // namespace quellarine::backends
