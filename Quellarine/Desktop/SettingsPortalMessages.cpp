#include "Quellarine/Desktop/SettingsPortalMessages.h"

#include "Quellarine/Desktop/DBusValues.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>

namespace quellarine {

std::optional<QVariant> SettingsPortalMessages::readReply(const QDBusMessage& reply)
{
    if (!DBusValues::hasSignature(reply, "v")) {
        return std::nullopt;
    }
    return unwrap(reply.arguments().constFirst());
}

std::optional<SettingsPortalMessages::Change> SettingsPortalMessages::change(const QDBusMessage& signal)
{
    if (!DBusValues::hasSignature(signal, "ssv")) {
        return std::nullopt;
    }
    const QList<QVariant> arguments = signal.arguments();
    return Change{arguments.at(0).toString(), arguments.at(1).toString(), unwrap(arguments.at(2))};
}

QVariant SettingsPortalMessages::unwrap(const QVariant& value)
{
    QVariant current = value;
    for (int depth = 0; depth < 8; ++depth) {
        if (current.metaType() == QMetaType::fromType<QDBusVariant>()) {
            current = current.value<QDBusVariant>().variant();
        } else if (DBusValues::hasSignature(current, "v")) {
            current = qdbus_cast<QDBusVariant>(current.value<QDBusArgument>()).variant();
        } else {
            return current;
        }
    }
    return current;
}

} // namespace quellarine
