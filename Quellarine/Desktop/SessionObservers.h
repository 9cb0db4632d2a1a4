#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QTimer>

class QScreen;

namespace quellarine {

// Tells the pointer pipeline when the screens change, the computer wakes or the user's session becomes active
// again. Wake and session come from the login manager over the system bus; without a bus they are skipped quietly.
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

private slots:
    void prepareForSleep(bool sleeping);
    void sessionPropertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList& invalidated);

private:
    void watchScreen(QScreen* screen);
    void watchLoginManager();
    void watchSession(const QString& path);

    QDBusConnection bus_;
    QTimer screenCoalescing_;
};

} // namespace quellarine
