#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>

namespace quellarine::backends {

// Raising one thread above the desktop's ordinary work, as the desktop's sound servers raise theirs, so that a
// loaded computer still serves it at once. A thread at real-time priority that never sleeps would starve the whole
// desktop: the kernel's limit on real-time CPU time without a pause (RLIMIT_RTTIME) guards against that, and at its
// soft limit the thread returns to ordinary scheduling here, long before the hard limit would end the process.
//
// Thread ids are the kernel's (gettid()). Everything but describe() changes the whole process's limits or signal
// handling: call it from the thread that sets up the pointer path.
class ThreadPriority {
public:
    // What the pointer thread asks for: under the sound servers' priorities, above everything ordinary.
    static constexpr int realtimePriority = 10;
    // The nice level asked for where real time is refused.
    static constexpr int highPriorityNice = -10;
    // CPU time a real-time thread may take without sleeping before it is returned to ordinary scheduling; the
    // hard limit is the most a desktop's RealtimeKit grants.
    static constexpr std::chrono::microseconds softLimit{100'000};
    static constexpr std::chrono::microseconds hardLimit{200'000};

    struct Described {
        enum class Kind { ordinary, high, realtime } kind = Kind::ordinary;
        int level = 0; // the real-time priority, or the nice level
        bool operator==(const Described&) const = default;
        std::string text() const;
    };

    ThreadPriority() = delete;

    // Sets RLIMIT_RTTIME to the soft and hard limits above (never higher than they are) and, once, the handler that
    // returns the raised thread to ordinary scheduling at the soft limit. Needed before asking anyone for real time.
    static bool limitRealtime(std::chrono::microseconds soft = softLimit, std::chrono::microseconds hard = hardLimit);
    // The thread the limit's handler returns to ordinary scheduling: the one raised to real time, by whoever did.
    static void watch(pid_t thread);
    // Asks the kernel itself (allowed to root, or where RLIMIT_RTPRIO allows); children do not inherit it.
    static bool makeRealtime(pid_t thread, int priority);
    // The same for a nice level (allowed where RLIMIT_NICE allows).
    static bool makeHighPriority(pid_t thread, int nice);
    // How the thread is scheduled now.
    static Described describe(pid_t thread);
    // The kernel's id of the calling thread.
    static pid_t currentThread();
};

} // namespace quellarine::backends
