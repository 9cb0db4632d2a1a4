#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace quellarine::testing {

// A session bus of the test's own: a dbus-daemon it starts, and named connections to it. stop() closes them and
// ends the daemon it started, by its process.
class PrivateBus {
public:
    PrivateBus() = default;
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;
    ~PrivateBus() { stop(); }

    // Starts the daemon; a fatal failure when it cannot (use ASSERT_NO_FATAL_FAILURE).
    void start()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        ASSERT_FALSE(daemon.isEmpty()) << "dbus-daemon is missing: run scripts/setup.sh";
        process_.start(daemon,
                       {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        ASSERT_TRUE(process_.waitForStarted(5000));
        while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {}
        address_ = QString::fromUtf8(process_.readLine()).trimmed();
        ASSERT_FALSE(address_.isEmpty());
    }

    // A connection of its own to the bus under `name`, closed by stop().
    QDBusConnection connect(const QString& name)
    {
        names_.append(name);
        return QDBusConnection::connectToBus(address_, name);
    }

    // Closes the connections (drop every copy of them first) and ends the daemon.
    void stop()
    {
        for (const QString& name : names_) {
            QDBusConnection::disconnectFromBus(name);
        }
        names_.clear();
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }

private:
    QProcess process_;
    QString address_;
    QStringList names_;
};

} // namespace quellarine::testing
