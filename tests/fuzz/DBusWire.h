#pragma once

// What the D-Bus fuzz targets share: a fuzz input turned into a real message, as another process would send it. The
// input names the message's signature (up to its first zero byte) and draws the values from the bytes after it;
// libdbus builds the message, sends it over a connection of this process to a server of QtDBus, and QtDBus reads it
// off the socket as it reads every message from the bus. So a decoder sees exactly what QtDBus makes of a message
// that libdbus lets through, of any type at all, without a bus daemon.

#include "FuzzCheck.h"

#include <dbus/dbus.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServer>
#include <QDBusVirtualObject>
#include <QDeadlineTimer>
#include <QDir>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

namespace quellarine::fuzz {

class DBusWire {
public:
    static DBusWire& shared()
    {
        static DBusWire wire;
        return wire;
    }

    // The message the input describes, as QtDBus received it; none when the input names no signature libdbus
    // accepts (or one with file descriptors, which need a descriptor to send).
    std::optional<QDBusMessage> deliver(const std::uint8_t* data, std::size_t size)
    {
        const auto* end = static_cast<const std::uint8_t*>(std::memchr(data, 0, size));
        const std::string signature(reinterpret_cast<const char*>(data),
                                    end != nullptr ? static_cast<std::size_t>(end - data) : size);
        if (signature.size() > 64 || signature.find('h') != std::string::npos
            || !dbus_signature_validate(signature.c_str(), nullptr)) {
            return std::nullopt;
        }
        Values values{end != nullptr ? end + 1 : data + size, data + size};
        DBusMessage* message = dbus_message_new_method_call(nullptr, "/fuzz", "fuzz.Wire", "Deliver");
        dbus_message_set_no_reply(message, TRUE);
        DBusMessageIter arguments;
        dbus_message_iter_init_append(message, &arguments);
        DBusSignatureIter type;
        dbus_signature_iter_init(&type, signature.c_str());
        if (!signature.empty()) {
            do {
                append(&arguments, &type, values, 0);
            } while (dbus_signature_iter_next(&type));
        }
        if (!arrives(message)) {
            dbus_message_unref(message);
            return std::nullopt;
        }
        receiver_.received.reset();
        require(dbus_connection_send(client_, message, nullptr) != 0, "libdbus cannot send the message");
        dbus_message_unref(message);
        dbus_connection_flush(client_);
        const QDeadlineTimer deadline(10000);
        while (!receiver_.received) {
            require(!deadline.hasExpired() && dbus_connection_get_is_connected(client_) != 0,
                    "QtDBus did not receive the message of type \"" + signature + "\"");
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        }
        require(receiver_.received->signature() == QString::fromStdString(signature),
                "QtDBus read the message as another type");
        return receiver_.received;
    }

private:
    // The bytes the values are drawn from; zeros once they are used up.
    struct Values {
        const std::uint8_t* next;
        const std::uint8_t* end;

        std::uint8_t byte() { return next < end ? *next++ : 0; }

        template <typename T>
        T number()
        {
            std::array<std::uint8_t, sizeof(T)> raw{};
            for (auto& part : raw) {
                part = byte();
            }
            T value;
            std::memcpy(&value, raw.data(), sizeof value);
            return value;
        }
    };

    // Receives every message sent to /fuzz.
    class Receiver final : public QDBusVirtualObject {
    public:
        std::optional<QDBusMessage> received;

        QString introspect(const QString&) const override { return {}; }
        bool handleMessage(const QDBusMessage& message, const QDBusConnection&) override
        {
            received = message;
            return true;
        }
    };

    DBusWire()
        : server_(QStringLiteral("unix:tmpdir=") + QDir::tempPath())
    {
        require(server_.isConnected(), "no D-Bus server: " + server_.lastError().message().toStdString());
        QObject::connect(&server_, &QDBusServer::newConnection, [this](const QDBusConnection& connection) {
            peer_.emplace(connection);
            peer_->registerVirtualObject(QStringLiteral("/fuzz"), &receiver_);
        });
        DBusError error;
        dbus_error_init(&error);
        client_ = dbus_connection_open_private(server_.address().toUtf8().constData(), &error);
        require(client_ != nullptr, std::string("libdbus cannot connect: ") + (error.message ? error.message : ""));
        // The handshake runs as the client reads and writes; the server hears of the connection on this loop.
        const QDeadlineTimer deadline(10000);
        while (!peer_) {
            require(!deadline.hasExpired(), "the D-Bus server did not accept the connection");
            dbus_connection_read_write(client_, 10);
            QCoreApplication::processEvents();
        }
    }

    // Whether a receiver takes the message: too deep a nesting of containers and variants is refused off the
    // socket (and costs the connection), as libdbus refuses it here.
    static bool arrives(DBusMessage* message)
    {
        DBusMessage* copy = dbus_message_copy(message);
        dbus_message_set_serial(copy, 1);
        char* wire = nullptr;
        int length = 0;
        const bool marshalled = dbus_message_marshal(copy, &wire, &length) != 0;
        dbus_message_unref(copy);
        if (!marshalled) {
            return false;
        }
        DBusError error;
        dbus_error_init(&error);
        DBusMessage* received = dbus_message_demarshal(wire, length, &error);
        dbus_free(wire);
        dbus_error_free(&error);
        if (received == nullptr) {
            return false;
        }
        dbus_message_unref(received);
        return true;
    }

    static std::string text(Values& values)
    {
        static const std::array<const char*, 16> words{"",
                                                       "shortcuts",
                                                       "session_handle",
                                                       "trigger_description",
                                                       "description",
                                                       "toggle",
                                                       "next-mode",
                                                       "Active",
                                                       "org.freedesktop.login1.Session",
                                                       "org.freedesktop.appearance",
                                                       "color-scheme",
                                                       "CTRL+ALT+s",
                                                       "auto",
                                                       "MaxRealtimePriority",
                                                       "MinNiceLevel",
                                                       "RTTimeUSecMax"};
        const std::uint8_t choice = values.byte();
        if (choice < words.size()) {
            return words[choice];
        }
        std::string made;
        for (int length = choice % 16; length > 0; --length) {
            made += static_cast<char>(' ' + values.byte() % 95); // printable: valid UTF-8 without a zero
        }
        return made;
    }

    static std::string path(Values& values)
    {
        static const std::array<const char*, 4> paths{"/", "/org/freedesktop/portal/desktop",
                                                      "/org/freedesktop/portal/desktop/session/1_2/quellarine2",
                                                      "/org/freedesktop/login1/session/_32"};
        const std::uint8_t choice = values.byte();
        return choice < paths.size() ? paths[choice] : "/p" + std::to_string(choice);
    }

    // One complete type, for a variant's content or a signature value.
    static std::string completeType(Values& values, int depth)
    {
        static const std::array<const char*, 20> types{"s",     "u", "b", "o",    "v",  "a{sv}", "a(sa{sv})",
                                                       "as",    "i", "d", "(ss)", "ay", "t",     "x",
                                                       "a(sv)", "g", "y", "n",    "q",  "a{ss}"};
        const std::uint8_t choice = values.byte();
        if (depth > 16) {
            return "u";
        }
        if (choice < types.size()) {
            return types[choice];
        }
        // A type of the input's own, up to a zero byte.
        std::string made;
        for (std::uint8_t next = values.byte(); next != 0 && made.size() < 16; next = values.byte()) {
            made += static_cast<char>(next);
        }
        if (made.find('h') != std::string::npos || !dbus_signature_validate_single(made.c_str(), nullptr)) {
            return "s";
        }
        return made;
    }

    static void append(DBusMessageIter* out, DBusSignatureIter* type, Values& values, int depth)
    {
        const int code = dbus_signature_iter_get_current_type(type);
        switch (code) {
        case DBUS_TYPE_BYTE:
            appendNumber<std::uint8_t>(out, code, values);
            return;
        case DBUS_TYPE_BOOLEAN: {
            const dbus_bool_t value = values.byte() & 1;
            dbus_message_iter_append_basic(out, code, &value);
            return;
        }
        case DBUS_TYPE_INT16:
            appendNumber<std::int16_t>(out, code, values);
            return;
        case DBUS_TYPE_UINT16:
            appendNumber<std::uint16_t>(out, code, values);
            return;
        case DBUS_TYPE_INT32:
            appendNumber<std::int32_t>(out, code, values);
            return;
        case DBUS_TYPE_UINT32:
            appendNumber<std::uint32_t>(out, code, values);
            return;
        case DBUS_TYPE_INT64:
            appendNumber<std::int64_t>(out, code, values);
            return;
        case DBUS_TYPE_UINT64:
            appendNumber<std::uint64_t>(out, code, values);
            return;
        case DBUS_TYPE_DOUBLE:
            appendNumber<double>(out, code, values);
            return;
        case DBUS_TYPE_STRING:
        case DBUS_TYPE_OBJECT_PATH:
        case DBUS_TYPE_SIGNATURE: {
            const std::string value = code == DBUS_TYPE_STRING ? text(values)
                : code == DBUS_TYPE_OBJECT_PATH                ? path(values)
                                                               : completeType(values, depth);
            const char* pointer = value.c_str();
            dbus_message_iter_append_basic(out, code, &pointer);
            return;
        }
        case DBUS_TYPE_ARRAY: {
            DBusSignatureIter element;
            dbus_signature_iter_recurse(type, &element);
            char* elementType = dbus_signature_iter_get_signature(&element);
            DBusMessageIter array;
            dbus_message_iter_open_container(out, code, elementType, &array);
            dbus_free(elementType);
            for (int count = depth > 16 ? 0 : values.byte() % 4; count > 0; --count) {
                DBusSignatureIter each = element;
                append(&array, &each, values, depth + 1);
            }
            dbus_message_iter_close_container(out, &array);
            return;
        }
        case DBUS_TYPE_STRUCT:
        case DBUS_TYPE_DICT_ENTRY: {
            DBusSignatureIter member;
            dbus_signature_iter_recurse(type, &member);
            DBusMessageIter structure;
            dbus_message_iter_open_container(out, code, nullptr, &structure);
            do {
                append(&structure, &member, values, depth + 1);
            } while (dbus_signature_iter_next(&member));
            dbus_message_iter_close_container(out, &structure);
            return;
        }
        case DBUS_TYPE_VARIANT: {
            const std::string content = completeType(values, depth);
            DBusSignatureIter inner;
            dbus_signature_iter_init(&inner, content.c_str());
            DBusMessageIter variant;
            dbus_message_iter_open_container(out, code, content.c_str(), &variant);
            append(&variant, &inner, values, depth + 1);
            dbus_message_iter_close_container(out, &variant);
            return;
        }
        default:
            fail("a signature libdbus accepted holds the type " + std::to_string(code));
        }
    }

    template <typename T>
    static void appendNumber(DBusMessageIter* out, int code, Values& values)
    {
        const T value = values.number<T>();
        dbus_message_iter_append_basic(out, code, &value);
    }

    QDBusServer server_;
    std::optional<QDBusConnection> peer_;
    Receiver receiver_;
    DBusConnection* client_ = nullptr;
};

// The application object QtDBus needs; made once, before the first input.
inline QCoreApplication& dbusApplication()
{
    static int argc = 1;
    static char name[] = "DBusFuzzer";
    static char* argv[] = {name, nullptr};
    static QCoreApplication instance(argc, argv);
    return instance;
}

// One input as the message QtDBus received; none when libdbus would not build it.
inline std::optional<QDBusMessage> receivedMessage(const std::uint8_t* data, std::size_t size)
{
    dbusApplication();
    return DBusWire::shared().deliver(data, size);
}

} // namespace quellarine::fuzz

// Every D-Bus target makes the application object and the wire before its first input. Defined here, in the
// header each target's one source includes, so that no target can forget it.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    quellarine::fuzz::dbusApplication();
    quellarine::fuzz::DBusWire::shared();
    return 0;
}
