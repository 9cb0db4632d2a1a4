#include "Quellarine/Shell/PointerPriority.h"

#include "Quellarine/Desktop/RealtimeKit.h"
#include "Quellarine/Desktop/SystemLog.h"

#include "Backends/Common/ThreadPriority.h"

#include <algorithm>

namespace quellarine {

using backends::ThreadPriority;

PointerPriority::PointerPriority(pid_t pointerThread, RealtimeKit& broker, const SystemLog& log, QObject* parent)
    : QObject(parent)
    , thread_(pointerThread)
    , log_(log)
{
    ThreadPriority::watch(thread_);
    if (ThreadPriority::limitRealtime() && ThreadPriority::makeRealtime(thread_, ThreadPriority::realtimePriority)) {
        report(QStringLiteral("from the kernel"));
        return;
    }
    RealtimeKit::Request request{
        .thread = static_cast<quint64>(thread_),
        .priority = ThreadPriority::realtimePriority,
        .nice = ThreadPriority::highPriorityNice,
        .prepareRealtime =
            [](const RealtimeKit::Limits& limits) {
                const std::chrono::microseconds brokersMost{limits.realtimeMicrosecondsMax};
                const auto hard = std::min(ThreadPriority::hardLimit, brokersMost);
                return hard.count() > 0
                    && ThreadPriority::limitRealtime(std::min(ThreadPriority::softLimit, hard / 2), hard);
            },
    };
    broker.raise(std::move(request), [this](RealtimeKit::Granted granted, const QString& why) {
        if (granted == RealtimeKit::Granted::nothing
            && ThreadPriority::makeHighPriority(thread_, ThreadPriority::highPriorityNice)) {
            report(QStringLiteral("from the kernel; RealtimeKit: %1").arg(why));
            return;
        }
        report(granted == RealtimeKit::Granted::nothing ? QStringLiteral("RealtimeKit: %1").arg(why)
                                                        : QStringLiteral("from RealtimeKit"));
    });
}

void PointerPriority::report(const QString& how) const
{
    log_.info(QStringLiteral("The pointer thread runs at %1 (%2)")
                  .arg(QString::fromStdString(ThreadPriority::describe(thread_).text()), how));
}

} // namespace quellarine
