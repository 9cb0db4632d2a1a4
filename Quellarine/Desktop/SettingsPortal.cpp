#include "Quellarine/Desktop/SettingsPortal.h"

#include "Quellarine/Desktop/DBusValues.h"
#include "Quellarine/Desktop/SettingsPortalMessages.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>

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

void SettingsPortal::watch(const QString& settingNamespace, const QString& key, const QString& signature)
{
    if (!bus_.isConnected()) {
        return;
    }
    watched_.insert(watchKey(settingNamespace, key), signature);
    if (!subscribed_) {
        // The whole message, whatever its arguments: they are checked before they are read.
        subscribed_ = bus_.connect(service, path, interface, QStringLiteral("SettingChanged"), this,
                                   SLOT(onSettingChanged(QDBusMessage)));
    }

    // "Read" is offered by every version of the portal (its successor "ReadOne" only by newer ones).
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Read"));
    call << settingNamespace << key;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, settingNamespace, key](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusMessage reply = finished->reply();
                if (reply.type() != QDBusMessage::ReplyMessage) {
                    return;
                }
                if (const std::optional<QVariant> value = SettingsPortalMessages::readReply(reply)) {
                    report(settingNamespace, key, *value);
                } else {
                    log_.error(QStringLiteral("Desktop settings: the portal answered Read with arguments of type "
                                              "\"%1\"; ignored")
                                   .arg(reply.signature()));
                }
            });
}

void SettingsPortal::onSettingChanged(const QDBusMessage& message)
{
    if (const std::optional<SettingsPortalMessages::Change> change = SettingsPortalMessages::change(message)) {
        report(change->settingNamespace, change->key, change->value);
    } else {
        log_.error(QStringLiteral("Desktop settings: the portal sent SettingChanged of type \"%1\"; ignored")
                       .arg(message.signature()));
    }
}

void SettingsPortal::report(const QString& settingNamespace, const QString& key, const QVariant& value)
{
    const auto watched = watched_.constFind(watchKey(settingNamespace, key));
    if (watched == watched_.constEnd()) {
        return;
    }
    const QString type = DBusValues::signature(value);
    if (type != *watched) {
        log_.error(QStringLiteral("Desktop settings: %1 %2 is of type \"%3\", not \"%4\"; ignored")
                       .arg(settingNamespace, key, type, *watched));
        return;
    }
    emit valueChanged(settingNamespace, key, value);
}

} // namespace quellarine
