#include "Backends/Common/InputWatchdog.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace quellarine::backends {

namespace {

// Input waiting this long without service means the loop has stalled.
constexpr double limit = 0.5;
// How often a watching watchdog looks again. Input first seen at a look may have arrived up to one interval before,
// and is counted from that look, never earlier: the pointer comes back between `limit` and `limit` + two of these.
constexpr double checkInterval = 0.025;

class SteadyTime final : public InputWatchdog::Time {
public:
    double now() override
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    }

    bool nap(double seconds, int stopFd) override
    {
        pollfd stop{stopFd, POLLIN, 0};
        return poll(&stop, 1, static_cast<int>(std::ceil(seconds * 1000.0))) == 0;
    }
};

} // namespace

InputWatchdog::InputWatchdog(std::vector<int> pendingFds, std::function<void()> release, Time* time)
    : pendingCount_(pendingFds.size())
    , release_(std::move(release))
    , steadyTime_(time == nullptr ? std::make_unique<SteadyTime>() : nullptr)
    , time_(time == nullptr ? steadyTime_.get() : time)
    , stopFd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
    for (int fd : pendingFds) {
        waitFds_.push_back({fd, POLLIN, 0});
    }
    waitFds_.push_back({stopFd_, POLLIN, 0});
    thread_ = std::thread([this] { run(); });
}

InputWatchdog::~InputWatchdog()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    armedChanged_.notify_all();
    std::uint64_t one = 1;
    [[maybe_unused]] ssize_t written = write(stopFd_, &one, sizeof one);
    thread_.join();
    close(stopFd_);
}

void InputWatchdog::setArmed(bool armed)
{
    {
        std::lock_guard lock(mutex_);
        armed_ = armed;
    }
    armedChanged_.notify_all();
}

bool InputWatchdog::inputPending()
{
    if (poll(waitFds_.data(), pendingCount_, 0) <= 0) {
        return false;
    }
    return std::any_of(waitFds_.begin(), waitFds_.begin() + std::ptrdiff_t(pendingCount_),
                       [](const pollfd& entry) { return (entry.revents & POLLIN) != 0; });
}

bool InputWatchdog::isArmed()
{
    std::lock_guard lock(mutex_);
    return armed_;
}

void InputWatchdog::run()
{
    while (true) {
        {
            std::unique_lock lock(mutex_);
            armedChanged_.wait(lock, [this] { return armed_ || stopping_; });
            if (stopping_) {
                return;
            }
        }
        // Sleep until input is pending (or we are stopped); the thread costs nothing while the pointer rests.
        if (poll(waitFds_.data(), waitFds_.size(), -1) <= 0) {
            continue;
        }
        if ((waitFds_.back().revents & POLLIN) || !watch()) {
            return;
        }
    }
}

bool InputWatchdog::watch()
{
    double since = time_->now(); // when the input that waits now was first seen
    bool waiting = true;         // whether input waits, as far as the last look saw
    std::uint64_t services = services_.load(std::memory_order_relaxed);
    while (true) {
        if (!time_->nap(checkInterval, stopFd_)) {
            return false;
        }
        if (!isArmed()) {
            return true;
        }
        std::uint64_t current = services_.load(std::memory_order_relaxed);
        bool pending = inputPending();
        if (current != services) {
            // The loop is alive; whatever waits now is counted from this look.
            services = current;
            waiting = pending;
            since = time_->now();
            continue;
        }
        if (!pending) {
            return true; // nothing served, nothing waiting: at rest
        }
        if (!waiting) {
            waiting = true;
            since = time_->now();
        } else if (time_->now() - since >= limit) {
            if (isArmed()) {
                release_();
            }
            return true;
        }
    }
}

} // namespace quellarine::backends
