#pragma once

#include <QString>
#include <QVariant>

#include <optional>

class QDBusMessage;

namespace quellarine {

// What the desktop's settings portal sends, read only once a message has the signature the interface gives it;
// anything else decodes to nothing. A setting's value comes back with the variants around it taken off, as QtDBus
// made it: a caller checks its type (DBusValues) before reading it. Pure: no bus needed.
class SettingsPortalMessages {
public:
    // A SettingChanged signal.
    struct Change {
        QString settingNamespace;
        QString key;
        QVariant value;
    };

    // The reply to Read: the setting's value.
    static std::optional<QVariant> readReply(const QDBusMessage& reply);
    static std::optional<Change> change(const QDBusMessage& signal);

    // Takes off the variants around a value (the portal wraps Read's answer in two), up to a few of them: a value
    // still wrapped after that stays a variant, which no setting is.
    static QVariant unwrap(const QVariant& value);
};

} // namespace quellarine
