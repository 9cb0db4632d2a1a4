#pragma once

#include "QuellarineKit/System/MainLoop.h"

#include <algorithm>
#include <map>

namespace quellarine::testing {

// A main loop in virtual time: nothing fires until the test advances the clock, and then everything due fires
// in order of its due time (ties in the order it was scheduled).
class ManualMainLoop final : public system::MainLoop {
public:
    TimerID scheduleAfter(double delay, Work work) override { return add(now_ + std::max(0.0, delay), 0, work); }

    TimerID scheduleRepeating(double first, double interval, Work work) override
    {
        return add(now_ + std::max(0.0, first), interval, work);
    }

    void cancel(TimerID timer) override { timers_.erase(timer); }

    void advance(double seconds)
    {
        const double end = now_ + seconds;
        while (true) {
            auto next = std::min_element(timers_.begin(), timers_.end(), [](const auto& a, const auto& b) {
                return a.second.due < b.second.due || (a.second.due == b.second.due && a.first < b.first);
            });
            if (next == timers_.end() || next->second.due > end) {
                break;
            }
            now_ = next->second.due;
            const Work work = next->second.work;
            if (next->second.interval > 0) {
                next->second.due += next->second.interval;
            } else {
                timers_.erase(next);
            }
            work();
        }
        now_ = end;
    }

    std::size_t pending() const { return timers_.size(); }

private:
    struct Timer {
        double due = 0;
        double interval = 0;
        Work work;
    };

    TimerID add(double due, double interval, Work work)
    {
        const TimerID id = nextID_++;
        timers_[id] = Timer{due, interval, std::move(work)};
        return id;
    }

    double now_ = 0;
    TimerID nextID_ = 1;
    std::map<TimerID, Timer> timers_;
};

} // namespace quellarine::testing
