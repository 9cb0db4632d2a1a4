#include "Quellarine/Desktop/QtMainLoop.h"

#include <QTimer>

#include <algorithm>
#include <cmath>

namespace quellarine {

namespace {

// Qt timers count whole milliseconds; round so that 8 ms stays 8 ms.
int milliseconds(double seconds)
{
    if (!(seconds > 0)) {
        return 0;
    }
    return static_cast<int>(std::min(std::round(seconds * 1000.0), 2.0e9));
}

} // namespace

QtMainLoop::QtMainLoop(QObject* parent)
    : QObject(parent)
{
}

QtMainLoop::~QtMainLoop()
{
    for (auto& [id, entry] : timers_) {
        delete entry.timer;
    }
}

system::MainLoop::TimerID QtMainLoop::scheduleAfter(double delay, Work work)
{
    return add(delay, 0, std::move(work));
}

system::MainLoop::TimerID QtMainLoop::scheduleRepeating(double first, double interval, Work work)
{
    return add(first, std::max(milliseconds(interval), 1), std::move(work));
}

void QtMainLoop::cancel(TimerID timer)
{
    auto it = timers_.find(timer);
    if (it == timers_.end()) {
        return;
    }
    // The timer may be the one whose callback is running right now: let Qt delete it afterwards.
    it->second.timer->stop();
    it->second.timer->deleteLater();
    timers_.erase(it);
}

system::MainLoop::TimerID QtMainLoop::add(double first, int interval, Work work)
{
    TimerID id = nextID_++;
    auto* timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this, id] { fire(id); });
    timers_.emplace(id, Entry{timer, std::make_shared<Work>(std::move(work)), interval});
    timer->start(milliseconds(first));
    return id;
}

void QtMainLoop::fire(TimerID timer)
{
    auto it = timers_.find(timer);
    if (it == timers_.end()) {
        return;
    }
    Entry& entry = it->second;
    if (entry.interval > 0) {
        // After the first firing the period takes over.
        if (entry.timer->isSingleShot()) {
            entry.timer->setSingleShot(false);
            entry.timer->start(entry.interval);
        }
        std::shared_ptr<Work> work = entry.work; // the callback may cancel its own timer
        (*work)();
        return;
    }
    std::shared_ptr<Work> work = std::move(entry.work);
    entry.timer->deleteLater();
    timers_.erase(it);
    (*work)();
}

} // namespace quellarine
