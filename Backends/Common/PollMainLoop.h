#pragma once

#include "QuellarineKit/System/Clock.h"
#include "QuellarineKit/System/MainLoop.h"

#include <poll.h>

#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

namespace quellarine::backends {

// A main loop over poll(2): timers on the given clock, readable file descriptors, and work posted from other
// threads. Everything but post() and quit() belongs to the thread that runs it; it runs only while one of the run
// calls is on the stack. Each turn runs what was posted, then serves the descriptors that are ready, then one timer
// that is due. The pointer thread runs one; so do tests and benchmarks without a toolkit.
class PollMainLoop final : public system::MainLoop {
public:
    explicit PollMainLoop(const system::Clock& clock);
    ~PollMainLoop() override;
    PollMainLoop(const PollMainLoop&) = delete;
    PollMainLoop& operator=(const PollMainLoop&) = delete;

    // Calls `onReadable` on this loop whenever the descriptor has something to read. One callback per descriptor.
    void watch(int fd, std::function<void()> onReadable);
    void unwatch(int fd);

    // From any thread: runs the work on this loop, after the work posted before it, and wakes the loop for it.
    void post(Work work);
    // From any thread: makes run() return once the callback running now (if any) has returned.
    void quit();

    // Runs the work each time the loop has done all that was due, before it waits (on the loop's thread).
    void setBeforeWait(Work work) { beforeWait_ = std::move(work); }

    // Runs timers, descriptors and posted work until quit().
    void run();
    // Runs them until `done` holds (checked after every callback) or `timeout` seconds have passed; true when
    // `done` held.
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
    bool timerDue() const;
    // Runs what other threads posted; false when there was nothing.
    bool runPosted();
    // Serves the descriptors that are ready; while no timer is due, first waits for one, posted work or the next
    // timer, at most until `deadline`.
    void serve(double deadline);

    const system::Clock& clock_;
    Work beforeWait_;
    std::map<TimerID, Timer> timers_;
    TimerID nextTimer_ = 0;
    std::vector<Watch> watches_;
    // What poll(2) is given: the wake-up first, then the watches; rebuilt only when the watches change, so that
    // waiting allocates nothing.
    std::vector<pollfd> pollFds_;
    bool pollFdsStale_ = true;

    int wakeFd_ = -1;
    std::mutex postedMutex_;
    std::vector<Work> posted_;
    std::vector<Work> running_; // swapped with posted_, so that each keeps its capacity
    std::atomic<bool> hasPosted_{false};
    std::atomic<bool> quit_{false};
};

} // namespace quellarine::backends
