#include "Backends/Common/PollMainLoop.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <system_error>

namespace quellarine::backends {

PollMainLoop::PollMainLoop(const system::Clock& clock)
    : clock_(clock)
    , wakeFd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC))
{
    if (wakeFd_ < 0) {
        throw std::system_error(errno, std::generic_category(), "eventfd for the main loop");
    }
}

PollMainLoop::~PollMainLoop()
{
    close(wakeFd_);
}

void PollMainLoop::watch(int fd, std::function<void()> onReadable)
{
    unwatch(fd);
    watches_.push_back({fd, std::move(onReadable)});
    pollFdsStale_ = true;
}

void PollMainLoop::unwatch(int fd)
{
    if (std::erase_if(watches_, [fd](const Watch& watch) { return watch.fd == fd; }) > 0) {
        pollFdsStale_ = true;
    }
}

void PollMainLoop::post(Work work)
{
    {
        std::lock_guard lock(postedMutex_);
        posted_.push_back(std::move(work));
        hasPosted_.store(true, std::memory_order_release);
    }
    const std::uint64_t one = 1;
    [[maybe_unused]] auto written = write(wakeFd_, &one, sizeof one);
}

void PollMainLoop::quit()
{
    quit_.store(true);
    const std::uint64_t one = 1;
    [[maybe_unused]] auto written = write(wakeFd_, &one, sizeof one);
}

system::MainLoop::TimerID PollMainLoop::scheduleAfter(double delay, Work work)
{
    TimerID id = ++nextTimer_;
    timers_[id] = {clock_.uptime() + std::max(delay, 0.0), 0, std::move(work)};
    return id;
}

system::MainLoop::TimerID PollMainLoop::scheduleRepeating(double first, double interval, Work work)
{
    TimerID id = ++nextTimer_;
    timers_[id] = {clock_.uptime() + std::max(first, 0.0), std::max(interval, 1e-6), std::move(work)};
    return id;
}

void PollMainLoop::cancel(TimerID timer)
{
    timers_.erase(timer);
}

bool PollMainLoop::runDueTimer()
{
    if (timers_.empty()) {
        return false;
    }
    double now = clock_.uptime();
    auto earliest = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->second.due <= now && (earliest == timers_.end() || it->second.due < earliest->second.due)) {
            earliest = it;
        }
    }
    if (earliest == timers_.end()) {
        return false;
    }
    TimerID id = earliest->first;
    Work work = earliest->second.work; // the callback may cancel its own timer
    if (earliest->second.interval > 0) {
        // Keeps the schedule; firings missed while the loop was busy are merged into this one.
        Timer& timer = earliest->second;
        double missed = std::floor((now - timer.due) / timer.interval);
        timer.due += (missed + 1) * timer.interval;
    } else {
        timers_.erase(id);
    }
    work();
    return true;
}

bool PollMainLoop::runPosted()
{
    if (!hasPosted_.load(std::memory_order_acquire)) {
        return false;
    }
    {
        std::lock_guard lock(postedMutex_);
        running_.swap(posted_);
        hasPosted_.store(false, std::memory_order_relaxed);
    }
    for (Work& work : running_) {
        work();
    }
    running_.clear();
    return true;
}

bool PollMainLoop::timerDue() const
{
    const double now = clock_.uptime();
    return std::any_of(timers_.begin(), timers_.end(), [now](const auto& entry) { return entry.second.due <= now; });
}

void PollMainLoop::serve(double deadline)
{
    const bool due = timerDue();
    if (!due && beforeWait_) {
        beforeWait_();
    }
    double until = deadline;
    for (const auto& [id, timer] : timers_) {
        until = std::min(until, timer.due);
    }
    double remaining = until - clock_.uptime();
    int timeoutMs = due || remaining <= 0 ? 0 : static_cast<int>(std::min(std::ceil(remaining * 1000.0), 2.0e9));

    if (pollFdsStale_) {
        pollFds_.clear();
        pollFds_.push_back({wakeFd_, POLLIN, 0});
        for (const Watch& watch : watches_) {
            pollFds_.push_back({watch.fd, POLLIN, 0});
        }
        pollFdsStale_ = false;
    }
    int ready = poll(pollFds_.data(), pollFds_.size(), timeoutMs);
    if (ready <= 0) {
        return;
    }
    if (pollFds_[0].revents != 0) {
        std::uint64_t count = 0;
        [[maybe_unused]] auto got = read(wakeFd_, &count, sizeof count);
    }
    // By index and descriptor: a callback may change the watches, which marks the list stale without touching it.
    for (std::size_t i = 1; i < pollFds_.size(); ++i) {
        const pollfd ready = pollFds_[i];
        if ((ready.revents & (POLLIN | POLLHUP | POLLERR)) == 0) {
            continue;
        }
        // Looked up again: an earlier callback may have removed or replaced this watch.
        auto watch = std::find_if(watches_.begin(), watches_.end(), [&](const Watch& w) { return w.fd == ready.fd; });
        if (watch != watches_.end()) {
            auto onReadable = watch->onReadable;
            onReadable();
        }
        if (pollFdsStale_) {
            break; // the rest is served on the next turn, from a fresh list
        }
    }
}

void PollMainLoop::run()
{
    quit_.store(false);
    while (!quit_.load()) {
        if (runPosted()) {
            continue;
        }
        // What the descriptors have is served before a timer that is due: a timer that judges how long the input
        // has been quiet (a settling step) must not run while input that waited for the loop is still unread.
        serve(clock_.uptime() + 3600.0);
        if (!quit_.load()) {
            runDueTimer();
        }
    }
}

bool PollMainLoop::runUntil(const std::function<bool()>& done, double timeout)
{
    double deadline = clock_.uptime() + timeout;
    while (!done()) {
        if (clock_.uptime() >= deadline) {
            return false;
        }
        if (runPosted()) {
            continue;
        }
        serve(deadline);
        if (!done()) {
            runDueTimer();
        }
    }
    return true;
}

void PollMainLoop::runFor(double seconds)
{
    runUntil([] { return false; }, seconds);
}

} // namespace quellarine::backends
