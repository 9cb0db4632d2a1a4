#include "Quellarine/Desktop/LoginManagerMessages.h"

#include "Quellarine/Desktop/DBusValues.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace quellarine {

std::optional<QString> LoginManagerMessages::sessionPath(const QDBusMessage& reply)
{
    if (!DBusValues::hasSignature(reply, "o")) {
        return std::nullopt;
    }
    return reply.arguments().constFirst().value<QDBusObjectPath>().path();
}

std::optional<bool> LoginManagerMessages::preparingForSleep(const QDBusMessage& signal)
{
    if (!DBusValues::hasSignature(signal, "b")) {
        return std::nullopt;
    }
    return signal.arguments().constFirst().toBool();
}

std::optional<LoginManagerMessages::SessionChange> LoginManagerMessages::sessionChange(const QDBusMessage& signal)
{
    if (!DBusValues::hasSignature(signal, "sa{sv}as")) {
        return std::nullopt;
    }
    const QList<QVariant> arguments = signal.arguments();
    if (arguments.at(0).toString() != QLatin1String("org.freedesktop.login1.Session")) {
        return SessionChange{};
    }
    const QVariantMap changed = DBusValues::map(arguments.at(1));
    const auto active = changed.constFind(QStringLiteral("Active"));
    if (active == changed.constEnd()) {
        return SessionChange{};
    }
    if (const std::optional<bool> value = DBusValues::get<bool>(*active)) {
        return SessionChange{value};
    }
    return std::nullopt;
}

std::optional<bool> LoginManagerMessages::active(const QDBusMessage& reply)
{
    if (!DBusValues::hasSignature(reply, "v")) {
        return std::nullopt;
    }
    return DBusValues::get<bool>(reply.arguments().constFirst().value<QDBusVariant>().variant());
}

} // namespace quellarine
