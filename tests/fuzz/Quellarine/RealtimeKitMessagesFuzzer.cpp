// What the scheduling broker answers to GetAll, as any program owning its name could answer: the limits decode
// exactly when the answer is a dictionary of variants holding the three numbers with their types, stay within what
// can be asked for, and nothing crashes on any message libdbus lets through.

#include "DBusWire.h"

#include "Quellarine/Desktop/DBusValues.h"
#include "Quellarine/Desktop/RealtimeKit.h"

using namespace quellarine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::optional<QDBusMessage> message = fuzz::receivedMessage(data, size);
    if (!message) {
        return 0;
    }
    const std::optional<RealtimeKit::Limits> limits = RealtimeKit::limitsFrom(*message);
    if (message->signature() != QLatin1String("a{sv}")) {
        fuzz::require(!limits, "limits read from an answer of another type");
        return 0;
    }
    const QVariantMap properties = DBusValues::map(message->arguments().constFirst());
    const bool typed = DBusValues::get<int>(properties.value(QStringLiteral("MaxRealtimePriority")))
        && DBusValues::get<int>(properties.value(QStringLiteral("MinNiceLevel")))
        && DBusValues::get<qlonglong>(properties.value(QStringLiteral("RTTimeUSecMax")));
    fuzz::require(limits.has_value() == typed, "limits made up, or lost");
    if (limits) {
        fuzz::require(limits->maxRealtimePriority >= 0 && limits->maxRealtimePriority <= 99, "a priority out of range");
        fuzz::require(limits->minNiceLevel >= -20 && limits->minNiceLevel <= 0, "a nice level out of range");
        fuzz::require(limits->realtimeMicrosecondsMax >= 0, "a negative time limit");
    }
    return 0;
}
