#include "Quellarine/Desktop/SessionObservers.h"

#include "Quellarine/Desktop/LoginManagerMessages.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QGuiApplication>
#include <QScreen>

namespace quellarine {

namespace {

const QString loginService = QStringLiteral("org.freedesktop.login1");
const QString loginPath = QStringLiteral("/org/freedesktop/login1");
const QString managerInterface = QStringLiteral("org.freedesktop.login1.Manager");

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
    // The slots take the whole message: its signature is checked before anything in it is read.
    bus_.connect(loginService, loginPath, managerInterface, QStringLiteral("PrepareForSleep"), this,
                 SLOT(prepareForSleep(QDBusMessage)));

    // Which session is ours is asked without waiting: the answer arrives on the event loop. Desktops start
    // applications in units of their own outside the login session, so the session is asked by the name
    // "auto": the caller's session when it has one, else the user's graphical session.
    QDBusMessage call
        = QDBusMessage::createMethodCall(loginService, loginPath, managerInterface, QStringLiteral("GetSession"));
    call << QStringLiteral("auto");
    ask(call, [this](const QDBusMessage& reply) {
        if (const std::optional<QString> path = LoginManagerMessages::sessionPath(reply)) {
            watchSession(*path);
        } else {
            log_.error(QStringLiteral("Login manager: GetSession answered with arguments of type \"%1\"; ignored")
                           .arg(reply.signature()));
        }
    });
}

void SessionObservers::ask(const QDBusMessage& call, std::function<void(const QDBusMessage& reply)> answered)
{
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [answered = std::move(answered)](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusMessage reply = finished->reply();
                if (reply.type() == QDBusMessage::ReplyMessage) {
                    answered(reply);
                }
            });
}

void SessionObservers::watchSession(const QString& path)
{
    const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");
    bus_.connect(loginService, path, properties, QStringLiteral("PropertiesChanged"), this,
                 SLOT(sessionPropertiesChanged(QDBusMessage)));
    // A session already in the background when we start (the user switched away meanwhile) sends no change until
    // it comes to the front: asked once, after the subscription, so that no change falls between the two.
    QDBusMessage call = QDBusMessage::createMethodCall(loginService, path, properties, QStringLiteral("Get"));
    call << QStringLiteral("org.freedesktop.login1.Session") << QStringLiteral("Active");
    ask(call, [this](const QDBusMessage& reply) {
        const std::optional<bool> active = LoginManagerMessages::active(reply);
        if (!active) {
            log_.error(QStringLiteral("Login manager: the session's Active read as type \"%1\"; ignored")
                           .arg(reply.signature()));
        } else if (!*active) {
            emit sessionBecameInactive();
        }
    });
}

void SessionObservers::prepareForSleep(const QDBusMessage& message)
{
    const std::optional<bool> sleeping = LoginManagerMessages::preparingForSleep(message);
    if (!sleeping) {
        log_.error(QStringLiteral("Login manager: PrepareForSleep of type \"%1\"; ignored").arg(message.signature()));
    } else if (!*sleeping) {
        emit woke();
    }
}

void SessionObservers::sessionPropertiesChanged(const QDBusMessage& message)
{
    const std::optional<LoginManagerMessages::SessionChange> change = LoginManagerMessages::sessionChange(message);
    if (!change) {
        log_.error(QStringLiteral("Login manager: a session's PropertiesChanged of type \"%1\", or with an Active "
                                  "that is no Boolean; ignored")
                       .arg(message.signature()));
        return;
    }
    if (change->active == true) {
        emit sessionBecameActive();
    } else if (change->active == false) {
        emit sessionBecameInactive();
    }
}

} // namespace quellarine
