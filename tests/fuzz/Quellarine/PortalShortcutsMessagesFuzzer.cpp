// What the global-shortcuts portal sends, as any program on the bus could send it: every decoder gives a value
// exactly when the message (and the value it reads within) has the portal's type, and nothing else, without
// crashing on any message libdbus lets through.

#include "DBusWire.h"

#include "Quellarine/Desktop/DBusValues.h"
#include "Quellarine/Desktop/PortalShortcutsMessages.h"

#include <QDBusVariant>

using namespace quellarine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::optional<QDBusMessage> message = fuzz::receivedMessage(data, size);
    if (!message) {
        return 0;
    }
    const QString signature = message->signature();

    const std::optional<uint> version = PortalShortcutsMessages::version(*message);
    fuzz::require(version.has_value()
                      == (signature == QLatin1String("v")
                          && message->arguments().constFirst().value<QDBusVariant>().variant().metaType()
                              == QMetaType::fromType<uint>()),
                  "a version read from a message of another type");
    fuzz::require(PortalShortcutsMessages::requestPath(*message).has_value() == (signature == QLatin1String("o")),
                  "a request read from a message of another type");
    fuzz::require(PortalShortcutsMessages::activation(*message).has_value() == (signature == QLatin1String("osta{sv}")),
                  "a press read from a message of another type");

    const std::optional<PortalShortcutsMessages::Change> change = PortalShortcutsMessages::change(*message);
    fuzz::require(change.has_value() == (signature == QLatin1String("oa(sa{sv})")),
                  "changed shortcuts read from a message of another type");
    if (change) {
        for (const PortalShortcuts::Entry& entry : change->shortcuts) {
            (void)PortalShortcutsMessages::triggerDescription(entry);
        }
    }

    const std::optional<PortalShortcutsMessages::Response> response = PortalShortcutsMessages::response(*message);
    fuzz::require(response.has_value() == (signature == QLatin1String("ua{sv}")),
                  "an answer read from a message of another type");
    if (response) {
        const QVariant handle = response->results.value(QStringLiteral("session_handle"));
        const QString handleType = DBusValues::signature(handle);
        fuzz::require(PortalShortcutsMessages::sessionHandle(response->results).has_value()
                          == (handleType == QLatin1String("o") || handleType == QLatin1String("s")),
                      "a session read from a value of type " + handleType.toStdString());
        const QVariant shortcuts = response->results.value(QStringLiteral("shortcuts"));
        const std::optional<PortalShortcuts::Entries> entries = PortalShortcutsMessages::shortcuts(response->results);
        fuzz::require(entries.has_value() == (DBusValues::signature(shortcuts) == QLatin1String("a(sa{sv})")),
                      "shortcuts read from a value of another type");
        if (entries) {
            for (const PortalShortcuts::Entry& entry : *entries) {
                (void)PortalShortcutsMessages::triggerDescription(entry);
            }
        }
    }
    return 0;
}
