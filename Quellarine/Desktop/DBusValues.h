#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <optional>

class QDBusMessage;

namespace quellarine {

// Checks on what QtDBus made of a message from another process, before anything in it is read: reading a value
// as a type it does not have makes libdbus abort the process.
class DBusValues {
public:
    // Whether the message's arguments are exactly these types.
    static bool hasSignature(const QDBusMessage& message, const char* signature);
    // Whether a value taken from a message (an argument, a variant's content, a dictionary's value) has exactly
    // this D-Bus type.
    static bool hasSignature(const QVariant& value, const char* signature);
    // The D-Bus type of such a value; empty when it has none.
    static QString signature(const QVariant& value);

    // The value when it is of exactly this type (no conversion: a string is no number).
    template <typename T>
    static std::optional<T> get(const QVariant& value)
    {
        if (value.metaType() != QMetaType::fromType<T>()) {
            return std::nullopt;
        }
        return value.value<T>();
    }

    // A dictionary of variants (a{sv}) checked to be one.
    static QVariantMap map(const QVariant& value);
};

} // namespace quellarine
