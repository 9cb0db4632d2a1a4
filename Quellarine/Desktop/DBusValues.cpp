#include "Quellarine/Desktop/DBusValues.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>

namespace quellarine {

bool DBusValues::hasSignature(const QDBusMessage& message, const char* signature)
{
    return message.signature() == QLatin1String(signature);
}

bool DBusValues::hasSignature(const QVariant& value, const char* signature)
{
    return DBusValues::signature(value) == QLatin1String(signature);
}

QString DBusValues::signature(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<QDBusArgument>()) {
        return value.value<QDBusArgument>().currentSignature();
    }
    if (value.metaType() == QMetaType::fromType<QDBusVariant>()) {
        return QStringLiteral("v");
    }
    if (!value.isValid()) {
        return {};
    }
    return QString::fromLatin1(QDBusMetaType::typeToSignature(value.metaType()));
}

QVariantMap DBusValues::map(const QVariant& value)
{
    if (!hasSignature(value, "a{sv}")) {
        return {};
    }
    return qdbus_cast<QVariantMap>(value);
}

} // namespace quellarine
