#include "Eventually.h"
#include "HostileDBusValues.h"
#include "PrivateBus.h"

#include "Quellarine/Desktop/PortalShortcuts.h"

#include "QuellarineKit/Pointer/GlobalHotKey.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <vector>

namespace quellarine {
namespace {

using Assignment = system::HotKeyHost::Assignment;
using Entries = PortalShortcuts::Entries;
using Shortcut = GlobalHotKey::Shortcut;

using testing::eventually;

// A desktop's shortcuts portal as the front end presents it: a session per caller, answers through Request objects'
// Response signals after the method has replied, and the desktop's own choice of keys.
class FakeShortcutsPortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.GlobalShortcuts")
    Q_PROPERTY(uint version READ version)

public:
    explicit FakeShortcutsPortal(QDBusConnection bus)
        : bus_(std::move(bus))
    {
        qDBusRegisterMetaType<PortalShortcuts::Entry>();
        qDBusRegisterMetaType<PortalShortcuts::Entries>();
    }

    uint version() const { return 1; }

    // What the desktop does with a bind: its answer code, the keys it describes per id (default: the preferred
    // trigger as it was asked), and ids it leaves out.
    uint bindResponse = 0;
    uint sessionResponse = 0;
    // False: a session asked for is never answered (the desktop still asks the user, or is about to go).
    bool answersSessions = true;
    QMap<QString, QString> descriptions;
    QStringList leftOut;

    // Instead of what a portal answers, when set: the bind's "shortcuts", the session's "session_handle", or the
    // whole arguments of every Response.
    std::optional<QVariant> answeredShortcuts;
    std::optional<QVariant> answeredSession;
    std::optional<QList<QVariant>> responseArguments;

    // What it was asked.
    Entries bound;
    int binds = 0;
    QString session;
    std::atomic<int> sessionsAsked{0};

    // A press of the shortcut with this id, in our session or, when given, in another application's.
    void activate(const QString& id, const QString& inSession = {})
    {
        QDBusMessage signal
            = QDBusMessage::createSignal(QLatin1String(PortalShortcuts::path),
                                         QLatin1String(PortalShortcuts::interface), QStringLiteral("Activated"));
        signal << QVariant::fromValue(QDBusObjectPath(inSession.isEmpty() ? session : inSession)) << id
               << QVariant::fromValue(qulonglong(0)) << QVariantMap();
        bus_.send(signal);
    }

    // A signal of the interface with whatever arguments.
    void send(const QString& name, const QList<QVariant>& arguments)
    {
        QDBusMessage signal = QDBusMessage::createSignal(QLatin1String(PortalShortcuts::path),
                                                         QLatin1String(PortalShortcuts::interface), name);
        signal.setArguments(arguments);
        bus_.send(signal);
    }

    void change(const QString& id, const QString& description)
    {
        QDBusMessage signal
            = QDBusMessage::createSignal(QLatin1String(PortalShortcuts::path),
                                         QLatin1String(PortalShortcuts::interface), QStringLiteral("ShortcutsChanged"));
        const Entries changed{{id, {{QStringLiteral("trigger_description"), description}}}};
        signal << QVariant::fromValue(QDBusObjectPath(session)) << QVariant::fromValue(changed);
        bus_.send(signal);
    }

public slots:
    QDBusObjectPath CreateSession(const QVariantMap& options)
    {
        const QString sender = senderPath();
        session = QStringLiteral("/org/freedesktop/portal/desktop/session/%1/%2")
                      .arg(sender, options.value(QStringLiteral("session_handle_token")).toString());
        ++sessionsAsked;
        if (!answersSessions) {
            return QDBusObjectPath(requestPath(options));
        }
        return respond(options, sessionResponse,
                       {{QStringLiteral("session_handle"), answeredSession.value_or(QVariant(session))}});
    }

    QDBusObjectPath BindShortcuts(const QDBusObjectPath& sessionHandle,
                                  const QList<quellarine::PortalShortcuts::Entry>& shortcuts,
                                  const QString& /*parentWindow*/, const QVariantMap& options)
    {
        ++binds;
        bound = shortcuts;
        Entries answered;
        if (sessionHandle.path() == session) {
            for (const auto& entry : shortcuts) {
                if (leftOut.contains(entry.id)) {
                    continue;
                }
                const QString keys = descriptions.value(
                    entry.id, entry.properties.value(QStringLiteral("preferred_trigger")).toString());
                answered.append(
                    {entry.id,
                     {{QStringLiteral("description"), entry.properties.value(QStringLiteral("description"))},
                      {QStringLiteral("trigger_description"), keys}}});
            }
        }
        return respond(options, bindResponse,
                       {{QStringLiteral("shortcuts"), answeredShortcuts.value_or(QVariant::fromValue(answered))}});
    }

private:
    QString senderPath() const
    {
        QString sender = message().service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        return sender;
    }

    QString requestPath(const QVariantMap& options) const
    {
        return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
            .arg(senderPath(), options.value(QStringLiteral("handle_token")).toString());
    }

    QDBusObjectPath respond(const QVariantMap& options, uint response, const QVariantMap& results)
    {
        const QString request = requestPath(options);
        // The answer comes after the method's reply, as a signal of the request object.
        QTimer::singleShot(0, this, [this, request, response, results] {
            QDBusMessage signal = QDBusMessage::createSignal(request, QStringLiteral("org.freedesktop.portal.Request"),
                                                             QStringLiteral("Response"));
            signal.setArguments(responseArguments.value_or(QList<QVariant>{response, results}));
            bus_.send(signal);
        });
        return QDBusObjectPath(request);
    }

    QDBusConnection bus_;
};

// An object at the portal's path that serves some other interface only.
class OtherPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
};

std::optional<PortalShortcuts::Offer> offer(std::uint32_t keyCode, std::uint32_t modifiers)
{
    const Shortcut shortcut{keyCode, modifiers};
    if (shortcut == Shortcut::defaultToggle()) {
        return PortalShortcuts::Offer{QStringLiteral("toggle"), QStringLiteral("On or off")};
    }
    if (shortcut == Shortcut::nextMode()) {
        return PortalShortcuts::Offer{QStringLiteral("next-mode"), QStringLiteral("Next mode")};
    }
    return std::nullopt;
}

// A session bus of the test's own (stopped by its process id), the portal on one connection and the application
// on another.
class PortalShortcutsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(bus.start());
        portalBus.emplace(bus.connect(QStringLiteral("shortcuts-portal")));
        clientBus.emplace(bus.connect(QStringLiteral("shortcuts-client")));
        ASSERT_TRUE(portalBus->isConnected() && clientBus->isConnected());
        fake.emplace(*portalBus);
        // The portal answers from a thread of its own, as another process would, also while the application waits.
        portalThread.start();
        fake->moveToThread(&portalThread);
    }

    void servePortal()
    {
        ASSERT_TRUE(portalBus->registerObject(QLatin1String(PortalShortcuts::path), &*fake,
                                              QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties));
        ASSERT_TRUE(portalBus->registerService(QLatin1String(PortalShortcuts::service)));
    }

    void TearDown() override
    {
        host.reset();
        portalThread.quit();
        portalThread.wait();
        fake.reset();
        portalBus.reset();
        clientBus.reset();
        bus.stop();
    }

    // The application's side, registering the on/off and next-mode keys as the model does.
    PortalShortcuts& registerBoth()
    {
        host.emplace(*clientBus, offer);
        host->setHandler([this](std::uint32_t identifier) { pressed.push_back(identifier); });
        host->setAssignmentHandler([this](const Assignment& assignment) { answers.push_back(assignment); });
        EXPECT_EQ(host->registerHotKey(Shortcut::defaultToggle().keyCode, Shortcut::defaultToggle().modifiers, 1),
                  system::HotKeyHost::noError);
        EXPECT_EQ(host->registerHotKey(Shortcut::nextMode().keyCode, Shortcut::nextMode().modifiers, 2),
                  system::HotKeyHost::noError);
        return *host;
    }

    std::optional<Assignment> last(const Shortcut& shortcut) const
    {
        for (auto answer = answers.rbegin(); answer != answers.rend(); ++answer) {
            if (answer->keyCode == shortcut.keyCode && answer->modifiers == shortcut.modifiers) {
                return *answer;
            }
        }
        return std::nullopt;
    }

    // The portal's process ends: its connection leaves the bus.
    void endPortal()
    {
        portalThread.quit();
        portalThread.wait();
        fake.reset();
        portalBus.reset();
        bus.disconnect(QStringLiteral("shortcuts-portal"));
    }

    // The portal starts again, answering as a fresh process does.
    void restartPortal()
    {
        portalBus.emplace(bus.connect(QStringLiteral("shortcuts-portal")));
        ASSERT_TRUE(portalBus->isConnected());
        fake.emplace(*portalBus);
        portalThread.start();
        fake->moveToThread(&portalThread);
        servePortal();
    }

    testing::PrivateBus bus;
    QThread portalThread;
    std::optional<QDBusConnection> portalBus;
    std::optional<QDBusConnection> clientBus;
    std::optional<FakeShortcutsPortal> fake;
    std::optional<PortalShortcuts> host;
    std::vector<std::uint32_t> pressed;
    std::vector<Assignment> answers;
};

} // namespace

TEST_F(PortalShortcutsTest, OnlyAPortalThatReportsTheShortcutsInterfaceServes)
{
    EXPECT_FALSE(PortalShortcuts::isServed(*clientBus));
    OtherPortal other;
    ASSERT_TRUE(
        portalBus->registerObject(QLatin1String(PortalShortcuts::path), &other, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(portalBus->registerService(QLatin1String(PortalShortcuts::service)));
    EXPECT_FALSE(PortalShortcuts::isServed(*clientBus));
    portalBus->unregisterObject(QLatin1String(PortalShortcuts::path));
    ASSERT_TRUE(portalBus->registerObject(QLatin1String(PortalShortcuts::path), &*fake,
                                          QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties));
    EXPECT_TRUE(PortalShortcuts::isServed(*clientBus));
}

TEST_F(PortalShortcutsTest, BindsOnceWithOurKeysThenFollowsTheDesktopsKeysAndPresses)
{
    servePortal();
    fake->descriptions.insert(QStringLiteral("next-mode"), QStringLiteral("Super+F9"));
    registerBoth();
    ASSERT_TRUE(eventually([&] { return answers.size() == 2; }));
    // Both registrations went in one request, with the descriptions and the keys asked for.
    EXPECT_EQ(fake->binds, 1);
    ASSERT_EQ(fake->bound.size(), 2);
    for (const auto& entry : fake->bound) {
        const bool toggle = entry.id == QStringLiteral("toggle");
        EXPECT_EQ(entry.properties.value(QStringLiteral("description")).toString(),
                  toggle ? QStringLiteral("On or off") : QStringLiteral("Next mode"));
        EXPECT_EQ(entry.properties.value(QStringLiteral("preferred_trigger")).toString(),
                  toggle ? QStringLiteral("CTRL+ALT+s") : QStringLiteral("CTRL+ALT+m"));
    }
    // The desktop kept one and assigned other keys to the other: each is reported in its own words.
    EXPECT_EQ(last(Shortcut::defaultToggle()),
              (Assignment{1, Shortcut::defaultToggle().modifiers, false, "CTRL+ALT+s"}));
    EXPECT_EQ(last(Shortcut::nextMode())->description, "Super+F9");
    EXPECT_FALSE(last(Shortcut::nextMode())->refused);

    fake->activate(QStringLiteral("next-mode"));
    fake->activate(QStringLiteral("unknown"));
    fake->activate(QStringLiteral("toggle"));
    ASSERT_TRUE(eventually([&] { return pressed.size() == 2; }));
    EXPECT_EQ(pressed, (std::vector<std::uint32_t>{2, 1}));

    // The user changes the keys in the desktop's settings.
    fake->change(QStringLiteral("toggle"), QStringLiteral("Ctrl+F12"));
    ASSERT_TRUE(eventually([&] { return last(Shortcut::defaultToggle())->description == "Ctrl+F12"; }));
    EXPECT_EQ(last(Shortcut::nextMode())->description, "Super+F9");

    // A combination the application does not offer is refused at once.
    EXPECT_NE(host->registerHotKey(Shortcut::previousMode().keyCode, Shortcut::previousMode().modifiers, 3),
              system::HotKeyHost::noError);
}

TEST_F(PortalShortcutsTest, TheDesktopRefusingOrLeavingOneOutIsReportedAsRefused)
{
    servePortal();
    fake->leftOut = {QStringLiteral("toggle")};
    registerBoth();
    ASSERT_TRUE(eventually([&] { return answers.size() == 2; }));
    EXPECT_TRUE(last(Shortcut::defaultToggle())->refused);
    EXPECT_FALSE(last(Shortcut::nextMode())->refused);
    host.reset();
    answers.clear();

    // The user declines the desktop's question: nothing is bound, and a press of a stale id does nothing.
    fake->bindResponse = 1;
    registerBoth();
    ASSERT_TRUE(eventually([&] { return answers.size() == 2; }));
    EXPECT_TRUE(last(Shortcut::defaultToggle())->refused);
    EXPECT_TRUE(last(Shortcut::nextMode())->refused);
    host.reset();
    answers.clear();

    fake->bindResponse = 0;
    fake->sessionResponse = 2;
    registerBoth();
    ASSERT_TRUE(eventually([&] { return answers.size() == 2; }));
    EXPECT_TRUE(last(Shortcut::nextMode())->refused);
    EXPECT_TRUE(pressed.empty());
}

TEST_F(PortalShortcutsTest, APortalThatIsMissingOrGoesAwayLeavesEveryKeyRefused)
{
    // No portal on the bus: the calls fail and every key is refused, none claimed to work.
    registerBoth();
    ASSERT_TRUE(eventually([&] { return answers.size() == 2; }));
    EXPECT_TRUE(last(Shortcut::defaultToggle())->refused);
    EXPECT_TRUE(last(Shortcut::nextMode())->refused);
    host.reset();
    answers.clear();

    servePortal();
    registerBoth();
    ASSERT_TRUE(eventually([&] { return answers.size() == 2; }));
    ASSERT_FALSE(last(Shortcut::nextMode())->refused);
    // The portal's process ends: its connection leaves the bus.
    portalThread.quit();
    portalThread.wait();
    fake.reset();
    portalBus.reset();
    bus.disconnect(QStringLiteral("shortcuts-portal"));
    ASSERT_TRUE(eventually([&] { return last(Shortcut::nextMode())->refused; }));
    EXPECT_TRUE(last(Shortcut::defaultToggle())->refused);

    // The portal starts again: the keys are asked for afresh and work again.
    portalBus.emplace(bus.connect(QStringLiteral("shortcuts-portal")));
    ASSERT_TRUE(portalBus->isConnected());
    fake.emplace(*portalBus);
    portalThread.start();
    fake->moveToThread(&portalThread);
    servePortal();
    ASSERT_TRUE(eventually([&] { return !last(Shortcut::nextMode())->refused; }));
    fake->activate(QStringLiteral("toggle"));
    ASSERT_TRUE(eventually([&] { return !pressed.empty(); }));
    EXPECT_EQ(pressed.back(), 1u);
}

TEST_F(PortalShortcutsTest, APortalThatGoesAwayWhileMakingTheSessionIsAskedAfreshAndOnlyOurSessionsPressesCount)
{
    servePortal();
    fake->answersSessions = false;
    registerBoth();
    ASSERT_TRUE(eventually([&] { return fake->sessionsAsked.load() == 1; }));
    endPortal();
    ASSERT_TRUE(eventually([&] { return last(Shortcut::nextMode()) && last(Shortcut::nextMode())->refused; }));

    // The portal that comes back is asked for a session of its own, which it makes.
    ASSERT_NO_FATAL_FAILURE(restartPortal());
    ASSERT_TRUE(eventually([&] { return !last(Shortcut::nextMode())->refused; }));
    EXPECT_FALSE(last(Shortcut::defaultToggle())->refused);

    // Presses signalled for another application's session are not ours; ours, after them, are.
    fake->activate(QStringLiteral("toggle"), QStringLiteral("/org/freedesktop/portal/desktop/session/other/s1"));
    fake->activate(QStringLiteral("next-mode"));
    ASSERT_TRUE(eventually([&] { return !pressed.empty(); }));
    EXPECT_EQ(pressed, (std::vector<std::uint32_t>{2}));
}

TEST_F(PortalShortcutsTest, TheBusGoingAwayEndsRegistrationWithoutACrash)
{
    servePortal();
    registerBoth();
    ASSERT_TRUE(eventually([&] { return answers.size() == 2; }));
    bus.endDaemon();
    ASSERT_TRUE(eventually([&] { return !clientBus->isConnected(); }));
    // Later registrations are refused at once; the host is destroyed without the bus.
    EXPECT_EQ(host->registerHotKey(Shortcut::defaultToggle().keyCode, Shortcut::defaultToggle().modifiers, 7),
              PortalShortcuts::unavailable);
    host.reset();
}

TEST_F(PortalShortcutsTest, AnswersOfAnyOtherTypeAreRefusalsAndSignalsOfAnyOtherTypeAreIgnored)
{
    servePortal();
    testing::HostileDBusValues hostile(20261208);
    const auto bothRefused = [&] {
        return eventually([&] { return answers.size() == 2; }) && last(Shortcut::defaultToggle())->refused
            && last(Shortcut::nextMode())->refused;
    };
    // The shortcuts the desktop bound, its session, or its whole answer, as anything but what the portal sends.
    for (int round = 0; round < 150; ++round) {
        const QVariant value = hostile.next();
        const int part = round / 50;
        SCOPED_TRACE(std::to_string(round) + " " + value.metaType().name());
        fake->answeredShortcuts.reset();
        fake->answeredSession.reset();
        fake->responseArguments.reset();
        if (part == 0) {
            if (value.metaType() == QMetaType::fromType<Entries>()) {
                continue; // the right type, with whatever inside: bound or not, by its contents
            }
            fake->answeredShortcuts = value;
        } else if (part == 1) {
            if (value.metaType() == QMetaType::fromType<QDBusObjectPath>()
                || value.metaType() == QMetaType::fromType<QString>()) {
                continue; // a session, well or badly named
            }
            fake->answeredSession = value;
        } else {
            fake->responseArguments = hostile.arguments();
        }
        host.reset();
        answers.clear();
        registerBoth();
        ASSERT_TRUE(bothRefused());
    }

    // Bound as the desktop means it: presses and changes of any other type are ignored, a real one still counts.
    fake->answeredShortcuts.reset();
    fake->answeredSession.reset();
    fake->responseArguments.reset();
    host.reset();
    answers.clear();
    registerBoth();
    ASSERT_TRUE(eventually([&] { return answers.size() == 2; }));
    ASSERT_FALSE(last(Shortcut::defaultToggle())->refused);
    const std::vector<Assignment> bound = answers;
    for (int round = 0; round < 150; ++round) {
        QList<QVariant> arguments = hostile.arguments();
        if (round % 2 == 0 && !arguments.isEmpty()) {
            arguments[0] = QVariant::fromValue(QDBusObjectPath(fake->session));
        }
        fake->send(round % 4 < 2 ? QStringLiteral("Activated") : QStringLiteral("ShortcutsChanged"), arguments);
    }
    fake->activate(QStringLiteral("toggle"));
    ASSERT_TRUE(eventually([&] { return !pressed.empty(); }));
    EXPECT_EQ(pressed, std::vector<std::uint32_t>{1});
    EXPECT_EQ(answers, bound);
}

} // namespace quellarine

#include "PortalShortcutsTests.moc"
