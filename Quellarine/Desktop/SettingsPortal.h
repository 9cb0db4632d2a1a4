#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QSet>
#include <QString>
#include <QVariant>

class QDBusVariant;

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

    // Asks once for the current value and reports every later change of it. Without a bus or a portal, or
    // when the portal does not know the key, nothing is reported.
    void watch(const QString& settingNamespace, const QString& key);

    // The portal's answers come wrapped in one or more variants; this takes them off.
    static QVariant unwrap(const QVariant& value);

signals:
    void valueChanged(const QString& settingNamespace, const QString& key, const QVariant& value);

private slots:
    void onSettingChanged(const QString& settingNamespace, const QString& key, const QDBusVariant& value);

private:
    QDBusConnection bus_;
    QSet<QString> watched_;
    bool subscribed_ = false;
};

} // namespace quellarine
