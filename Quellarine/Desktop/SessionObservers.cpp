#include "Quellarine/Desktop/SessionObservers.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QScreen>

namespace quellarine {

namespace {

const QString loginService = QStringLiteral("org.freedesktop.login1");
const QString loginPath = QStringLiteral("/org/freedesktop/login1");
const QString managerInterface = QStringLiteral("org.freedesktop.login1.Manager");
const QString sessionInterface = QStringLiteral("org.freedesktop.login1.Session");

} // namespace

SessionObservers::SessionObservers(QObject* parent)
    : SessionObservers(QDBusConnection::systemBus(), parent)
{
}

SessionObservers::SessionObservers(const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , bus_(bus)
{
    // A monitor being plugged in reports several changes in a row; the pipeline needs to hear of it once.
    screenCoalescing_.setSingleShot(true);
    screenCoalescing_.setInterval(50);
    connect(&screenCoalescing_, &QTimer::timeout, this, &SessionObservers::screensChanged);

    for (QScreen* screen : QGuiApplication::screens()) {
        watchScreen(screen);
    }
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        watchScreen(screen);
        screenCoalescing_.start();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, [this] { screenCoalescing_.start(); });
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, [this] { screenCoalescing_.start(); });

    watchLoginManager();
}

void SessionObservers::watchScreen(QScreen* screen)
{
    connect(screen, &QScreen::geometryChanged, this, [this] { screenCoalescing_.start(); });
}

void SessionObservers::watchLoginManager()
{
    if (!bus_.isConnected()) {
        return;
    }
    bus_.connect(loginService, loginPath, managerInterface, QStringLiteral("PrepareForSleep"), this,
                 SLOT(prepareForSleep(bool)));

    // Which session is ours is asked without waiting: the answer arrives on the event loop. Desktops start
    // applications in units of their own outside the login session, so the session is asked by the name
    // "auto": the caller's session when it has one, else the user's graphical session.
    QDBusMessage call
        = QDBusMessage::createMethodCall(loginService, loginPath, managerInterface, QStringLiteral("GetSession"));
    call << QStringLiteral("auto");
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        QDBusPendingReply<QDBusObjectPath> reply = *finished;
        if (reply.isValid()) {
            watchSession(reply.value().path());
        }
        finished->deleteLater();
    });
}

void SessionObservers::watchSession(const QString& path)
{
    bus_.connect(loginService, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                 QStringLiteral("PropertiesChanged"), this,
                 SLOT(sessionPropertiesChanged(QString, QVariantMap, QStringList)));
}

void SessionObservers::prepareForSleep(bool sleeping)
{
    if (!sleeping) {
        emit woke();
    }
}

void SessionObservers::sessionPropertiesChanged(const QString& interface, const QVariantMap& changed,
                                                const QStringList& /*invalidated*/)
{
    if (interface != sessionInterface) {
        return;
    }
    auto active = changed.find(QStringLiteral("Active"));
    if (active != changed.end() && active->toBool()) {
        emit sessionBecameActive();
    }
}

} // namespace quellarine
