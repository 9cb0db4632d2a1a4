// What the settings portal sends, as any program on the bus could send it: Read's answer and SettingChanged decode
// exactly when the message has the portal's type, the value comes out of its variants (unless wrapped deeper than
// any setting), and nothing crashes on any message libdbus lets through.

#include "DBusWire.h"

#include "Quellarine/Desktop/DBusValues.h"
#include "Quellarine/Desktop/SettingsPortalMessages.h"

using namespace quellarine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::optional<QDBusMessage> message = fuzz::receivedMessage(data, size);
    if (!message) {
        return 0;
    }
    const QString signature = message->signature();

    const std::optional<QVariant> read = SettingsPortalMessages::readReply(*message);
    fuzz::require(read.has_value() == (signature == QLatin1String("v")), "Read's answer of another type taken");
    const std::optional<SettingsPortalMessages::Change> change = SettingsPortalMessages::change(*message);
    fuzz::require(change.has_value() == (signature == QLatin1String("ssv")), "a change of another type taken");

    for (const QVariant& value : {read.value_or(QVariant()), change ? change->value : QVariant()}) {
        // What a watcher compares with the type it expects; a value is never left half unwrapped.
        const QString type = DBusValues::signature(value);
        fuzz::require(!value.isValid() || !type.isEmpty(), "a value without a D-Bus type");
        (void)DBusValues::get<uint>(value);
        (void)DBusValues::get<bool>(value);
    }
    return 0;
}
