#pragma once

#include <cstdint>
#include <functional>

namespace quellarine::system {

// The thread everything that touches the pointer runs on. Timers fire on it, never re-entrantly inside another
// callback; cancelling is safe from inside the timer's own callback.
class MainLoop {
public:
    using TimerID = std::uint64_t;
    using Work = std::function<void()>;

    virtual ~MainLoop() = default;
    // Runs the work once, after the delay in seconds (a negative delay counts as 0).
    virtual TimerID scheduleAfter(double delay, Work work) = 0;
    // Runs the work first after `first` seconds, then every `interval` seconds with no leeway, until cancelled.
    virtual TimerID scheduleRepeating(double first, double interval, Work work) = 0;
    // Cancels a pending one-shot or a repeating timer; an unknown or finished identifier is ignored.
    virtual void cancel(TimerID timer) = 0;
};

} // namespace quellarine::system
