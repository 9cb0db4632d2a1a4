#include "Quellarine/Desktop/SettingsPortal.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace quellarine {

namespace {

QString watchKey(const QString& settingNamespace, const QString& key)
{
    return settingNamespace + QLatin1Char('\n') + key;
}

} // namespace

SettingsPortal::SettingsPortal(const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , bus_(bus)
{
}

void SettingsPortal::watch(const QString& settingNamespace, const QString& key)
{
    if (!bus_.isConnected()) {
        return;
    }
    watched_.insert(watchKey(settingNamespace, key));
    if (!subscribed_) {
        // The slot's argument type must be known to the meta-type system before the bus can match it.
        qRegisterMetaType<QDBusVariant>();
        subscribed_ = bus_.connect(service, path, interface, QStringLiteral("SettingChanged"), this,
                                   SLOT(onSettingChanged(QString, QString, QDBusVariant)));
    }

    // "Read" is offered by every version of the portal (its successor "ReadOne" only by newer ones).
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Read"));
    call << settingNamespace << key;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, settingNamespace, key](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusMessage reply = finished->reply();
                if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
                    return;
                }
                emit valueChanged(settingNamespace, key, unwrap(reply.arguments().constFirst()));
            });
}

QVariant SettingsPortal::unwrap(const QVariant& value)
{
    QVariant current = value;
    // A bounded loop: a malformed answer cannot keep it going.
    for (int depth = 0; depth < 8; ++depth) {
        if (current.metaType() == QMetaType::fromType<QDBusVariant>()) {
            current = current.value<QDBusVariant>().variant();
        } else if (current.metaType() == QMetaType::fromType<QDBusArgument>()) {
            const auto argument = current.value<QDBusArgument>();
            if (argument.currentType() != QDBusArgument::VariantType) {
                return current;
            }
            current = qdbus_cast<QDBusVariant>(argument).variant();
        } else {
            return current;
        }
    }
    return current;
}

void SettingsPortal::onSettingChanged(const QString& settingNamespace, const QString& key, const QDBusVariant& value)
{
    if (watched_.contains(watchKey(settingNamespace, key))) {
        emit valueChanged(settingNamespace, key, unwrap(value.variant()));
    }
}

} // namespace quellarine
