#pragma once

#include "Quellarine/Desktop/SystemLog.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>

class QDBusMessage;

namespace quellarine {

// Reads desktop settings (colour scheme, animations) from the freedesktop settings portal on a session bus.
// Every answer arrives asynchronously through `valueChanged`, so nothing ever waits on the bus.
class SettingsPortal : public QObject {
    Q_OBJECT

public:
    static inline const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
    static inline const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
    static inline const QString interface = QStringLiteral("org.freedesktop.portal.Settings");

    explicit SettingsPortal(const QDBusConnection& bus, QObject* parent = nullptr);

    // Asks once for the current value and reports every later change of it, when the value has the D-Bus type
    // `signature` ("u", "b"); a value of another type is ignored, with a line in the log. Without a bus or a
    // portal, or when the portal does not know the key, nothing is reported.
    void watch(const QString& settingNamespace, const QString& key, const QString& signature);

signals:
    void valueChanged(const QString& settingNamespace, const QString& key, const QVariant& value);

private slots:
    void onSettingChanged(const QDBusMessage& message);

private:
    void report(const QString& settingNamespace, const QString& key, const QVariant& value);

    QDBusConnection bus_;
    QHash<QString, QString> watched_; // the signature of each watched setting
    SystemLog log_;
    bool subscribed_ = false;
};

} // namespace quellarine
