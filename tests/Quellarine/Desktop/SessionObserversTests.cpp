#include "Quellarine/Desktop/SessionObservers.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include "PrivateBus.h"

#include <gtest/gtest.h>

#include <optional>

namespace quellarine {
namespace {

const QString loginService = QStringLiteral("org.freedesktop.login1");
const QString loginPath = QStringLiteral("/org/freedesktop/login1");
const QString sessionPath = QStringLiteral("/org/freedesktop/login1/session/_32");

// The login manager as it answers an application that the desktop started in a unit of its own, outside the
// login session: asked by process it knows no session; asked for "auto" it gives the user's graphical session.
class FakeLoginManager : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public:
    void prepareForSleep(QDBusConnection& bus, bool sleeping)
    {
        QDBusMessage signal = QDBusMessage::createSignal(loginPath, QStringLiteral("org.freedesktop.login1.Manager"),
                                                         QStringLiteral("PrepareForSleep"));
        signal << sleeping;
        bus.send(signal);
    }

    void sessionActive(QDBusConnection& bus, bool active)
    {
        QDBusMessage signal = QDBusMessage::createSignal(sessionPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                         QStringLiteral("PropertiesChanged"));
        signal << QStringLiteral("org.freedesktop.login1.Session") << QVariantMap{{QStringLiteral("Active"), active}}
               << QStringList{};
        bus.send(signal);
    }

public slots:
    QDBusObjectPath GetSession(const QString& name)
    {
        if (name != QLatin1String("auto")) {
            sendErrorReply(QStringLiteral("org.freedesktop.login1.NoSuchSession"), QStringLiteral("No such session"));
            return {};
        }
        return QDBusObjectPath(sessionPath);
    }

    QDBusObjectPath GetSessionByPID(uint /*pid*/)
    {
        sendErrorReply(QStringLiteral("org.freedesktop.login1.NoSessionForPID"),
                       QStringLiteral("PID does not belong to any known session"));
        return {};
    }
};

// A bus of the test's own with the fake login manager on it, stopped by its process id at the end.
class SessionObserversTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(bus.start());
        managerBus.emplace(bus.connect(QStringLiteral("login")));
        applicationBus.emplace(bus.connect(QStringLiteral("application")));
        ASSERT_TRUE(managerBus->isConnected() && applicationBus->isConnected());
        ASSERT_TRUE(managerBus->registerService(loginService));
        ASSERT_TRUE(managerBus->registerObject(loginPath, &manager, QDBusConnection::ExportAllSlots));
    }

    void TearDown() override
    {
        managerBus.reset();
        applicationBus.reset();
        bus.stop();
    }

    // Sends until the observers hear it: they subscribe while the event loop runs.
    bool heard(QSignalSpy& spy, const std::function<void()>& send)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            send();
            if (spy.wait(50)) {
                return true;
            }
        }
        return false;
    }

    // Every signal the manager sent so far has been handled: it sent them before this call's answer.
    // The manager answers on this thread, so the answer is awaited on the event loop.
    void flush()
    {
        QDBusPendingCallWatcher answer(applicationBus->asyncCall(
            QDBusMessage::createMethodCall(loginService, loginPath, QStringLiteral("org.freedesktop.login1.Manager"),
                                           QStringLiteral("GetSession"))
            << QStringLiteral("auto")));
        ASSERT_TRUE(QTest::qWaitFor([&] { return answer.isFinished(); }, 5000));
        QCoreApplication::processEvents();
    }

    testing::PrivateBus bus;
    FakeLoginManager manager;
    std::optional<QDBusConnection> managerBus;
    std::optional<QDBusConnection> applicationBus;
};

TEST_F(SessionObserversTest, WakeAndTheSessionBecomingActiveAreHeardOutsideTheLoginSession)
{
    SessionObservers observers(*applicationBus);
    QSignalSpy woke(&observers, &SessionObservers::woke);
    QSignalSpy active(&observers, &SessionObservers::sessionBecameActive);
    ASSERT_TRUE(heard(woke, [&] { manager.prepareForSleep(*managerBus, false); }));
    ASSERT_TRUE(heard(active, [&] { manager.sessionActive(*managerBus, true); }));

    // Going to sleep and the session going to the background tell nothing; the signals arrive in order, so once
    // the last two are heard the first two have been handled.
    flush();
    woke.clear();
    active.clear();
    manager.prepareForSleep(*managerBus, true);
    manager.sessionActive(*managerBus, false);
    manager.prepareForSleep(*managerBus, false);
    manager.sessionActive(*managerBus, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return woke.count() >= 1 && active.count() >= 1; }, 5000));
    flush();
    EXPECT_EQ(woke.count(), 1);
    EXPECT_EQ(active.count(), 1);
}

TEST_F(SessionObserversTest, ABurstOfScreenChangesIsReportedOnce)
{
    SessionObservers observers(*applicationBus);
    QSignalSpy changes(&observers, &SessionObservers::screensChanged);
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    emit screen->geometryChanged(QRect(0, 0, 1280, 800));
    emit screen->geometryChanged(QRect(0, 0, 1920, 1080));
    emit qGuiApp->primaryScreenChanged(screen);
    ASSERT_TRUE(changes.wait(2000));
    QTest::qWait(150);
    EXPECT_EQ(changes.count(), 1);
}

} // namespace
} // namespace quellarine

#include "SessionObserversTests.moc"
