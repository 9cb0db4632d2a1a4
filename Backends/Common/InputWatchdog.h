#pragma once

#include <poll.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace quellarine::backends {

// Gives the pointer back when the main loop stalls. While armed (the devices are grabbed), its own thread watches
// the descriptors that show pending input; when input has waited for half a second with no service in between, it
// runs `release` on its thread. A stalled loop (disk, D-Bus, a long layout) would otherwise freeze the pointer.
//
// At rest it sleeps until input is pending. While the loop keeps serving input it looks again on a timer rather
// than at each arrival of input: woken with the input, it would compete with the main loop for the processor just
// when the main loop has the input to handle.
class InputWatchdog {
public:
    // Its sense of time while it watches: the steady clock and real naps, or a test's virtual time.
    class Time {
    public:
        virtual ~Time() = default;
        virtual double now() = 0;
        // Sleeps up to `seconds`; false when `stopFd` became readable meanwhile (the watchdog is asked to stop).
        virtual bool nap(double seconds, int stopFd) = 0;
    };

    // Input is pending while any of `pendingFds` is readable. Without a time of its own it uses the steady clock; one
    // given must outlive the watchdog.
    InputWatchdog(std::vector<int> pendingFds, std::function<void()> release, Time* time = nullptr);
    ~InputWatchdog();
    InputWatchdog(const InputWatchdog&) = delete;
    InputWatchdog& operator=(const InputWatchdog&) = delete;

    // The main loop serves the pending input now.
    void serviced() { services_.fetch_add(1, std::memory_order_relaxed); }
    void setArmed(bool armed);

private:
    void run();
    // From the first sight of pending input until the loop is at rest again or the devices were given back; false
    // when asked to stop.
    bool watch();
    bool isArmed();
    bool inputPending();

    // The descriptors that show pending input, then the stop signal; the watchdog's thread alone polls them.
    std::vector<pollfd> waitFds_;
    std::size_t pendingCount_;
    std::function<void()> release_;
    std::unique_ptr<Time> steadyTime_;
    Time* time_;
    int stopFd_ = -1;
    std::atomic<std::uint64_t> services_{0};
    std::mutex mutex_;
    std::condition_variable armedChanged_;
    bool armed_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace quellarine::backends
