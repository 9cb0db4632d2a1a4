#pragma once

#include "QuellarineKit/System/Clock.h"
#include "QuellarineKit/System/MainLoop.h"

#include <functional>
#include <map>
#include <vector>

namespace quellarine::x11 {

// A small main loop over poll(2) for programs without a toolkit (tests, benchmarks): timers on the given clock
// and readable file descriptors. Runs only while one of the run calls is on the stack, on the calling thread.
class PollMainLoop final : public system::MainLoop {
public:
    explicit PollMainLoop(const system::Clock& clock);

    // Calls `onReadable` on this loop whenever the descriptor has something to read. One callback per descriptor.
    void watch(int fd, std::function<void()> onReadable);
    void unwatch(int fd);

    // Runs timers and descriptors until `done` holds (checked after every callback) or `timeout` seconds have
    // passed; true when `done` held.
    bool runUntil(const std::function<bool()>& done, double timeout);
    // Runs for this long.
    void runFor(double seconds);

    TimerID scheduleAfter(double delay, Work work) override;
    TimerID scheduleRepeating(double first, double interval, Work work) override;
    void cancel(TimerID timer) override;

private:
    struct Timer {
        double due = 0;
        double interval = 0; // 0: one-shot
        Work work;
    };

    struct Watch {
        int fd = -1;
        std::function<void()> onReadable;
    };

    // Runs the earliest timer that is due; false when none is.
    bool runDueTimer();
    // Waits for a descriptor or the next timer, at most until `deadline`, and serves the ready descriptors.
    void wait(double deadline);

    const system::Clock& clock_;
    std::map<TimerID, Timer> timers_;
    TimerID nextTimer_ = 0;
    std::vector<Watch> watches_;
};

} // namespace quellarine::x11
