#include "Quellarine/Desktop/SessionObservers.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVirtualObject>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include "HostileDBusValues.h"
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

    void sessionActive(QDBusConnection& bus, const QVariant& active)
    {
        sessionChanged(bus,
                       {QStringLiteral("org.freedesktop.login1.Session"),
                        QVariantMap{{QStringLiteral("Active"), active}}, QStringList{}});
    }

    void sessionChanged(QDBusConnection& bus, const QList<QVariant>& arguments)
    {
        QDBusMessage signal = QDBusMessage::createSignal(sessionPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                         QStringLiteral("PropertiesChanged"));
        signal.setArguments(arguments);
        bus.send(signal);
    }

    void send(QDBusConnection& bus, const QString& name, const QList<QVariant>& arguments)
    {
        QDBusMessage signal
            = QDBusMessage::createSignal(loginPath, QStringLiteral("org.freedesktop.login1.Manager"), name);
        signal.setArguments(arguments);
        bus.send(signal);
    }

    // Instead of the session's path, when set: what GetSession answers.
    std::optional<QList<QVariant>> sessionReply;

public slots:
    QDBusObjectPath GetSession(const QString& name)
    {
        if (sessionReply) {
            setDelayedReply(true);
            connection().send(message().createReply(*sessionReply));
            return {};
        }
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

// The session's properties, as the login manager answers Get for them. Virtual: QtDBus answers the properties of
// an object it exports itself, each of one fixed type.
class FakeSession : public QDBusVirtualObject {
public:
    QVariant active = true;

    QString introspect(const QString& /*path*/) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        if (message.member() != QLatin1String("Get")) {
            return false;
        }
        connection.send(message.createReply(QVariant::fromValue(QDBusVariant(active))));
        return true;
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

TEST_F(SessionObserversTest, WakeAndTheSessionComingAndGoingAreHeardOutsideTheLoginSession)
{
    SessionObservers observers(*applicationBus);
    QSignalSpy woke(&observers, &SessionObservers::woke);
    QSignalSpy active(&observers, &SessionObservers::sessionBecameActive);
    QSignalSpy inactive(&observers, &SessionObservers::sessionBecameInactive);
    ASSERT_TRUE(heard(woke, [&] { manager.prepareForSleep(*managerBus, false); }));
    ASSERT_TRUE(heard(active, [&] { manager.sessionActive(*managerBus, true); }));

    // Going to sleep tells nothing; the signals arrive in order, so once the last is heard all have been handled.
    flush();
    woke.clear();
    active.clear();
    QList<QString> order;
    QObject::connect(&observers, &SessionObservers::sessionBecameActive,
                     [&] { order.append(QStringLiteral("front")); });
    QObject::connect(&observers, &SessionObservers::sessionBecameInactive,
                     [&] { order.append(QStringLiteral("back")); });
    manager.prepareForSleep(*managerBus, true);
    manager.sessionActive(*managerBus, false);
    manager.prepareForSleep(*managerBus, false);
    manager.sessionActive(*managerBus, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return order.size() == 2; }, 5000));
    flush();
    EXPECT_EQ(woke.count(), 1);
    EXPECT_EQ(order, (QList<QString>{QStringLiteral("back"), QStringLiteral("front")}));
}

TEST_F(SessionObserversTest, MessagesOfAnyOtherTypeAreIgnored)
{
    testing::HostileDBusValues hostile(4812);
    SessionObservers observers(*applicationBus);
    QSignalSpy woke(&observers, &SessionObservers::woke);
    QSignalSpy active(&observers, &SessionObservers::sessionBecameActive);
    QSignalSpy inactive(&observers, &SessionObservers::sessionBecameInactive);
    ASSERT_TRUE(heard(active, [&] { manager.sessionActive(*managerBus, true); }));
    flush();
    active.clear();

    for (int round = 0; round < 150; ++round) {
        QList<QVariant> arguments = hostile.arguments();
        if (round % 3 == 0) {
            if (arguments.size() == 1 && arguments.first().metaType() == QMetaType::fromType<bool>()) {
                continue; // a real PrepareForSleep
            }
            manager.send(*managerBus, QStringLiteral("PrepareForSleep"), arguments);
        } else if (round % 3 == 1) {
            manager.sessionChanged(*managerBus, arguments);
        } else {
            const QVariant value = hostile.next();
            if (value.metaType() != QMetaType::fromType<bool>()) {
                manager.sessionActive(*managerBus, value);
            }
        }
    }
    flush();
    EXPECT_EQ(woke.count() + active.count() + inactive.count(), 0);
    // Still listening.
    manager.sessionActive(*managerBus, false);
    ASSERT_TRUE(inactive.wait(5000));

    // Which session is ours, answered with anything but a session's path: no session is followed.
    for (int round = 0; round < 20; ++round) {
        manager.sessionReply = hostile.arguments();
        SessionObservers other(*applicationBus);
        QSignalSpy otherActive(&other, &SessionObservers::sessionBecameActive);
        flush();
        manager.sessionActive(*managerBus, true);
        flush();
        EXPECT_EQ(otherActive.count(), 0);
    }
}

// Started while another user's session is in front, the application hears so at once, not at the next change; an
// Active of another type, or a session in front, tells nothing.
TEST_F(SessionObserversTest, ASessionAlreadyInTheBackgroundAtTheStartIsHeardAtOnce)
{
    FakeSession session;
    ASSERT_TRUE(managerBus->registerVirtualObject(sessionPath, &session));
    for (const QVariant& active : {QVariant(false), QVariant(true), QVariant(QStringLiteral("false")), QVariant(0)}) {
        session.active = active;
        SessionObservers observers(*applicationBus);
        QSignalSpy activeSpy(&observers, &SessionObservers::sessionBecameActive);
        QSignalSpy inactive(&observers, &SessionObservers::sessionBecameInactive);
        const bool background = active.metaType() == QMetaType::fromType<bool>() && !active.toBool();
        if (background) {
            ASSERT_TRUE(inactive.wait(5000));
        } else {
            // Its subscription is made once the answer to GetSession is in: a change heard after it came after the Get.
            ASSERT_TRUE(heard(activeSpy, [&] { manager.sessionActive(*managerBus, true); }));
        }
        flush();
        EXPECT_EQ(inactive.count(), background ? 1 : 0) << active.toString().toStdString();
    }
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
