#include "Backends/X11/PollMainLoop.h"

#include <poll.h>

#include <algorithm>
#include <cmath>

namespace quellarine::x11 {

PollMainLoop::PollMainLoop(const system::Clock& clock)
    : clock_(clock)
{
}

void PollMainLoop::watch(int fd, std::function<void()> onReadable)
{
    unwatch(fd);
    watches_.push_back({fd, std::move(onReadable)});
}

void PollMainLoop::unwatch(int fd)
{
    std::erase_if(watches_, [fd](const Watch& watch) { return watch.fd == fd; });
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

void PollMainLoop::wait(double deadline)
{
    double until = deadline;
    for (const auto& [id, timer] : timers_) {
        until = std::min(until, timer.due);
    }
    double remaining = until - clock_.uptime();
    int timeoutMs = remaining <= 0 ? 0 : static_cast<int>(std::ceil(remaining * 1000.0));

    std::vector<pollfd> fds;
    fds.reserve(watches_.size());
    for (const Watch& watch : watches_) {
        fds.push_back({watch.fd, POLLIN, 0});
    }
    int ready = poll(fds.data(), fds.size(), timeoutMs);
    if (ready <= 0) {
        return;
    }
    for (const pollfd& fd : fds) {
        if ((fd.revents & (POLLIN | POLLHUP | POLLERR)) == 0) {
            continue;
        }
        // Looked up again: an earlier callback may have removed or replaced this watch.
        auto watch = std::find_if(watches_.begin(), watches_.end(), [&](const Watch& w) { return w.fd == fd.fd; });
        if (watch != watches_.end()) {
            auto onReadable = watch->onReadable;
            onReadable();
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
        if (runDueTimer()) {
            continue;
        }
        wait(deadline);
    }
    return true;
}

void PollMainLoop::runFor(double seconds)
{
    runUntil([] { return false; }, seconds);
}

} // namespace quellarine::x11
