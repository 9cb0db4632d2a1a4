#include "Quellarine/Desktop/SystemLog.h"

#include <syslog.h>

namespace quellarine {

namespace {

void writeToSyslog(SystemLog::Level level, const QString& message)
{
    static const bool opened = [] {
        openlog(SystemLog::subsystem, LOG_PID, LOG_USER);
        return true;
    }();
    (void)opened;
    QByteArray text = message.toUtf8();
    syslog(level == SystemLog::Level::error ? LOG_ERR : LOG_INFO, "[%s] %s", SystemLog::category, text.constData());
}

} // namespace

SystemLog::SystemLog()
    : sink_(writeToSyslog)
{
}

SystemLog::SystemLog(Sink sink)
    : sink_(std::move(sink))
{
}

void SystemLog::info(const QString& message) const
{
    sink_(Level::info, message);
}

void SystemLog::error(const QString& message) const
{
    sink_(Level::error, message);
}

} // namespace quellarine
