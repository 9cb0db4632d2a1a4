#pragma once

#include "QuellarineKit/System/MainLoop.h"

#include <QObject>

#include <memory>
#include <unordered_map>

class QTimer;

namespace quellarine {

// The pipeline's main loop on Qt's event loop: precise timers, because the settle timer runs every 8 ms.
class QtMainLoop final : public QObject, public system::MainLoop {
    Q_OBJECT

public:
    explicit QtMainLoop(QObject* parent = nullptr);
    ~QtMainLoop() override;

    TimerID scheduleAfter(double delay, Work work) override;
    TimerID scheduleRepeating(double first, double interval, Work work) override;
    void cancel(TimerID timer) override;

    // How many timers are pending or repeating.
    std::size_t activeTimers() const { return timers_.size(); }

private:
    struct Entry {
        QTimer* timer = nullptr;
        // Shared so that a callback that cancels its own timer keeps running, without copying the work each time.
        std::shared_ptr<Work> work;
        int interval = 0; // milliseconds; 0 for a one-shot
    };

    TimerID add(double first, int interval, Work work);
    void fire(TimerID timer);

    TimerID nextID_ = 1;
    std::unordered_map<TimerID, Entry> timers_;
};

} // namespace quellarine
