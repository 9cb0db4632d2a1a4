#include "Quellarine/Desktop/RealtimeKit.h"

#include "Quellarine/Desktop/DBusValues.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

#include <algorithm>

namespace quellarine {

namespace {

const QString interfaceName = QString::fromLatin1(RealtimeKit::service);

// Calls a method of the broker and hands its reply to `then`, on this thread, once.
void call(const QDBusConnection& bus, QObject* context, const QString& interface, const QString& method,
          const QVariantList& arguments, std::function<void(const QDBusMessage&)> then)
{
    QDBusMessage message
        = QDBusMessage::createMethodCall(interfaceName, QString::fromLatin1(RealtimeKit::path), interface, method);
    message.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, then = std::move(then)] {
        watcher->deleteLater();
        then(watcher->reply());
    });
}

} // namespace

std::optional<RealtimeKit::Limits> RealtimeKit::limitsFrom(const QDBusMessage& reply)
{
    if (!DBusValues::hasSignature(reply, "a{sv}")) {
        return std::nullopt;
    }
    const QVariantMap properties = DBusValues::map(reply.arguments().constFirst());
    const auto maxPriority = DBusValues::get<int>(properties.value(QStringLiteral("MaxRealtimePriority")));
    const auto minNice = DBusValues::get<int>(properties.value(QStringLiteral("MinNiceLevel")));
    const auto maxTime = DBusValues::get<qlonglong>(properties.value(QStringLiteral("RTTimeUSecMax")));
    if (!maxPriority || !minNice || !maxTime) {
        return std::nullopt;
    }
    // Out-of-range answers count as granting nothing of that kind.
    return Limits{std::clamp(*maxPriority, 0, 99), std::clamp(*minNice, -20, 0), std::max<qint64>(*maxTime, 0)};
}

RealtimeKit::RealtimeKit(QDBusConnection bus, QObject* parent)
    : QObject(parent)
    , bus_(std::move(bus))
{
}

void RealtimeKit::raise(Request request, Answer answer)
{
    if (!bus_.isConnected()) {
        answer(Granted::nothing, QStringLiteral("no system bus"));
        return;
    }
    call(bus_, this, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"), {interfaceName},
         [this, request = std::move(request), answer = std::move(answer)](const QDBusMessage& reply) {
             if (reply.type() != QDBusMessage::ReplyMessage) {
                 answer(Granted::nothing,
                        reply.errorName().isEmpty() ? QStringLiteral("no answer") : reply.errorName());
                 return;
             }
             const std::optional<Limits> limits = limitsFrom(reply);
             if (!limits) {
                 answer(Granted::nothing, QStringLiteral("its limits could not be read"));
                 return;
             }
             askRealtime(request, *limits, answer);
         });
}

void RealtimeKit::askRealtime(const Request& request, const Limits& limits, const Answer& answer)
{
    if (limits.maxRealtimePriority < 1 || !request.prepareRealtime || !request.prepareRealtime(limits)) {
        askHigh(request, limits, answer, QStringLiteral("real time not offered"));
        return;
    }
    const auto priority = static_cast<uint>(std::min(request.priority, limits.maxRealtimePriority));
    call(bus_, this, interfaceName, QStringLiteral("MakeThreadRealtime"),
         {QVariant::fromValue(request.thread), QVariant::fromValue(priority)},
         [this, request, limits, answer](const QDBusMessage& reply) {
             if (reply.type() == QDBusMessage::ReplyMessage) {
                 answer(Granted::realtime, {});
                 return;
             }
             askHigh(request, limits, answer, reply.errorName());
         });
}

void RealtimeKit::askHigh(const Request& request, const Limits& limits, const Answer& answer,
                          const QString& realtimeRefused)
{
    const int nice = std::max(request.nice, limits.minNiceLevel);
    if (nice >= 0) {
        answer(Granted::nothing, realtimeRefused);
        return;
    }
    call(bus_, this, interfaceName, QStringLiteral("MakeThreadHighPriority"),
         {QVariant::fromValue(request.thread), QVariant::fromValue(nice)},
         [answer, realtimeRefused](const QDBusMessage& reply) {
             if (reply.type() == QDBusMessage::ReplyMessage) {
                 answer(Granted::high, realtimeRefused);
             } else {
                 answer(Granted::nothing, realtimeRefused + QStringLiteral("; ") + reply.errorName());
             }
         });
}

} // namespace quellarine
