#pragma once

#include <QString>

#include <functional>

namespace quellarine {

// Diagnostics for the system log (journald or syslog), under subsystem "com.temrid.Quellarine", category "tap".
class SystemLog {
public:
    enum class Level { info, error };
    using Sink = std::function<void(Level level, const QString& message)>;

    static constexpr const char* subsystem = "com.temrid.Quellarine";
    static constexpr const char* category = "tap";

    // Writes to the system log.
    SystemLog();
    // Writes to the given sink instead (tests).
    explicit SystemLog(Sink sink);

    void info(const QString& message) const;
    void error(const QString& message) const;

    // The log's spelling of a Boolean argument.
    static QString boolText(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }

private:
    Sink sink_;
};

} // namespace quellarine
