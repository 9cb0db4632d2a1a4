#pragma once

#include <cstdint>

namespace quellarine::system {

// The one monotonic clock that event timestamps, timers and the pipeline share.
class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since an arbitrary start (the system's uptime).
    virtual double uptime() const = 0;
    // The same clock in nanoseconds, as event timestamps carry it.
    virtual std::uint64_t nanoseconds() const = 0;
};

} // namespace quellarine::system
