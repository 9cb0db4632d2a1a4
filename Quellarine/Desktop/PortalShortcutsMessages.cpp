#include "Quellarine/Desktop/PortalShortcutsMessages.h"

#include "Quellarine/Desktop/DBusValues.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace quellarine {

std::optional<uint> PortalShortcutsMessages::version(const QDBusMessage& reply)
{
    if (!DBusValues::hasSignature(reply, "v")) {
        return std::nullopt;
    }
    return DBusValues::get<uint>(reply.arguments().constFirst().value<QDBusVariant>().variant());
}

std::optional<QString> PortalShortcutsMessages::requestPath(const QDBusMessage& reply)
{
    if (!DBusValues::hasSignature(reply, "o")) {
        return std::nullopt;
    }
    return reply.arguments().constFirst().value<QDBusObjectPath>().path();
}

std::optional<PortalShortcutsMessages::Response> PortalShortcutsMessages::response(const QDBusMessage& signal)
{
    if (!DBusValues::hasSignature(signal, "ua{sv}")) {
        return std::nullopt;
    }
    const QList<QVariant> arguments = signal.arguments();
    return Response{arguments.at(0).toUInt(), DBusValues::map(arguments.at(1))};
}

std::optional<PortalShortcutsMessages::Activation> PortalShortcutsMessages::activation(const QDBusMessage& signal)
{
    if (!DBusValues::hasSignature(signal, "osta{sv}")) {
        return std::nullopt;
    }
    const QList<QVariant> arguments = signal.arguments();
    return Activation{arguments.at(0).value<QDBusObjectPath>().path(), arguments.at(1).toString()};
}

std::optional<PortalShortcutsMessages::Change> PortalShortcutsMessages::change(const QDBusMessage& signal)
{
    if (!DBusValues::hasSignature(signal, "oa(sa{sv})")) {
        return std::nullopt;
    }
    const QList<QVariant> arguments = signal.arguments();
    PortalShortcuts::Entries shortcuts;
    arguments.at(1).value<QDBusArgument>() >> shortcuts;
    return Change{arguments.at(0).value<QDBusObjectPath>().path(), shortcuts};
}

std::optional<QString> PortalShortcutsMessages::sessionHandle(const QVariantMap& results)
{
    const QVariant handle = results.value(QStringLiteral("session_handle"));
    if (auto path = DBusValues::get<QDBusObjectPath>(handle)) {
        return path->path();
    }
    return DBusValues::get<QString>(handle);
}

std::optional<PortalShortcuts::Entries> PortalShortcutsMessages::shortcuts(const QVariantMap& results)
{
    const QVariant value = results.value(QStringLiteral("shortcuts"));
    if (!DBusValues::hasSignature(value, "a(sa{sv})")) {
        return std::nullopt;
    }
    PortalShortcuts::Entries entries;
    value.value<QDBusArgument>() >> entries;
    return entries;
}

QString PortalShortcutsMessages::triggerDescription(const PortalShortcuts::Entry& entry)
{
    return DBusValues::get<QString>(entry.properties.value(QStringLiteral("trigger_description"))).value_or(QString());
}

} // namespace quellarine
