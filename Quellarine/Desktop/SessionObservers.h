#pragma once

#include "Quellarine/Desktop/SystemLog.h"

#include <QDBusConnection>
#include <QObject>
#include <QTimer>

#include <functional>

class QDBusMessage;
class QScreen;

namespace quellarine {

// Tells the pointer pipeline when the screens change, the computer wakes, or the user's session goes to the
// background (another user's session is in front) or comes to the front again. Wake and session come from the
// login manager over the system bus; without a bus they are skipped quietly, and a message of another shape than
// the login manager's is ignored with a line in the log.
class SessionObservers final : public QObject {
    Q_OBJECT

public:
    // Hears of wake and session changes from the login manager on the system bus.
    explicit SessionObservers(QObject* parent = nullptr);
    // The same, from the login manager on the given bus.
    explicit SessionObservers(const QDBusConnection& bus, QObject* parent = nullptr);

signals:
    // Emitted once for a burst of screen changes.
    void screensChanged();
    void woke();
    void sessionBecameActive();
    void sessionBecameInactive();

private slots:
    void prepareForSleep(const QDBusMessage& message);
    void sessionPropertiesChanged(const QDBusMessage& message);

private:
    void watchScreen(QScreen* screen);
    void watchLoginManager();
    void watchSession(const QString& path);
    // Calls without waiting; `answered` hears a reply that is no error, on the event loop.
    void ask(const QDBusMessage& call, std::function<void(const QDBusMessage& reply)> answered);

    QDBusConnection bus_;
    QTimer screenCoalescing_;
    SystemLog log_;
};

} // namespace quellarine
