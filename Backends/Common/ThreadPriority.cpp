#include "Backends/Common/ThreadPriority.h"

#include <sched.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>

namespace quellarine::backends {

namespace {

std::atomic<pid_t> watchedThread{0};

// Runs in whichever thread the kernel picks; a raw system call is safe in a signal handler.
void returnToOrdinary(int)
{
    const int saved = errno;
    if (const pid_t thread = watchedThread.load(); thread != 0) {
        const sched_param ordinary{};
        syscall(SYS_sched_setscheduler, thread, SCHED_OTHER, &ordinary);
    }
    errno = saved;
}

} // namespace

std::string ThreadPriority::Described::text() const
{
    switch (kind) {
    case Kind::realtime:
        return "real-time priority " + std::to_string(level);
    case Kind::high:
        return "nice level " + std::to_string(level);
    case Kind::ordinary:
        break;
    }
    return "ordinary priority";
}

bool ThreadPriority::limitRealtime(std::chrono::microseconds soft, std::chrono::microseconds hard)
{
    static const bool handled = [] {
        struct sigaction action {};
        action.sa_handler = returnToOrdinary;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        return sigaction(SIGXCPU, &action, nullptr) == 0;
    }();
    if (!handled) {
        return false;
    }
    rlimit limit{};
    if (getrlimit(RLIMIT_RTTIME, &limit) != 0) {
        return false;
    }
    const auto lower = [](rlim_t current, std::chrono::microseconds wanted) {
        const auto value = static_cast<rlim_t>(wanted.count());
        return current == RLIM_INFINITY || current > value ? value : current;
    };
    limit.rlim_max = lower(limit.rlim_max, hard);
    limit.rlim_cur = std::min(lower(limit.rlim_cur, soft), limit.rlim_max);
    return setrlimit(RLIMIT_RTTIME, &limit) == 0;
}

void ThreadPriority::watch(pid_t thread)
{
    watchedThread.store(thread);
}

bool ThreadPriority::makeRealtime(pid_t thread, int priority)
{
    const sched_param parameters{.sched_priority = priority};
    return syscall(SYS_sched_setscheduler, thread, SCHED_RR | SCHED_RESET_ON_FORK, &parameters) == 0;
}

bool ThreadPriority::makeHighPriority(pid_t thread, int nice)
{
    return setpriority(PRIO_PROCESS, static_cast<id_t>(thread), nice) == 0;
}

ThreadPriority::Described ThreadPriority::describe(pid_t thread)
{
    const long policy = syscall(SYS_sched_getscheduler, thread);
    if (policy >= 0 && ((policy & ~SCHED_RESET_ON_FORK) == SCHED_RR || (policy & ~SCHED_RESET_ON_FORK) == SCHED_FIFO)) {
        sched_param parameters{};
        if (syscall(SYS_sched_getparam, thread, &parameters) == 0) {
            return {Described::Kind::realtime, parameters.sched_priority};
        }
    }
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, static_cast<id_t>(thread));
    if (errno == 0 && nice < 0) {
        return {Described::Kind::high, nice};
    }
    return {};
}

pid_t ThreadPriority::currentThread()
{
    return static_cast<pid_t>(syscall(SYS_gettid));
}

} // namespace quellarine::backends
