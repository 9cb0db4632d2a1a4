#pragma once

#include "QuellarineKit/System/Clock.h"

namespace quellarine::backends {

// The system's monotonic clock (CLOCK_MONOTONIC): the clock of event timestamps, the main loop and the X server.
class MonotonicClock final : public system::Clock {
public:
    double uptime() const override;
    std::uint64_t nanoseconds() const override;
};

} // namespace quellarine::backends
