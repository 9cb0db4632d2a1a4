// What the login manager sends, as any program on the bus could send it: GetSession's answer, PrepareForSleep, a
// session's Active as Get answers it and its PropertiesChanged decode exactly when the message has the login manager's
// type (and Active, when there, is a Boolean), and nothing crashes on any message libdbus lets through.

#include "DBusWire.h"

#include "Quellarine/Desktop/DBusValues.h"
#include "Quellarine/Desktop/LoginManagerMessages.h"

using namespace quellarine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::optional<QDBusMessage> message = fuzz::receivedMessage(data, size);
    if (!message) {
        return 0;
    }
    const QString signature = message->signature();

    fuzz::require(LoginManagerMessages::sessionPath(*message).has_value() == (signature == QLatin1String("o")),
                  "a session read from a message of another type");
    fuzz::require(LoginManagerMessages::preparingForSleep(*message).has_value() == (signature == QLatin1String("b")),
                  "sleep read from a message of another type");
    fuzz::require(!LoginManagerMessages::active(*message).has_value() || signature == QLatin1String("v"),
                  "a session's Active read from a message of another type");

    const std::optional<LoginManagerMessages::SessionChange> change = LoginManagerMessages::sessionChange(*message);
    if (signature != QLatin1String("sa{sv}as")) {
        fuzz::require(!change, "a session's change read from a message of another type");
        return 0;
    }
    const QList<QVariant> arguments = message->arguments();
    const bool session = arguments.at(0).toString() == QLatin1String("org.freedesktop.login1.Session");
    const QVariantMap changed = DBusValues::map(arguments.at(1));
    const bool hasActive = session && changed.contains(QStringLiteral("Active"));
    const bool activeIsBoolean
        = hasActive && changed.value(QStringLiteral("Active")).metaType() == QMetaType::fromType<bool>();
    fuzz::require(change.has_value() == (!hasActive || activeIsBoolean), "an Active of another type taken");
    if (change) {
        fuzz::require(change->active.has_value() == activeIsBoolean, "an Active made up or lost");
    }
    return 0;
}
