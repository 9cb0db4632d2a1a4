#include "Quellarine/Desktop/PortalShortcuts.h"

#include "Quellarine/Desktop/DBusValues.h"
#include "Quellarine/Desktop/PortalShortcutsMessages.h"

#include "QuellarineKit/Pointer/GlobalHotKey.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QTimer>

namespace quellarine {

namespace {

const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString sessionInterface = QStringLiteral("org.freedesktop.portal.Session");

void registerTypes()
{
    static const bool registered = [] {
        // Sent to the portal, and read back from its answers once their signature is checked.
        qDBusRegisterMetaType<PortalShortcuts::Entry>();
        qDBusRegisterMetaType<PortalShortcuts::Entries>();
        return true;
    }();
    (void)registered;
}

// A request's path is known before the call: the caller's unique name without the colon, dots as underscores.
QString requestPath(const QDBusConnection& bus, const QString& token)
{
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

} // namespace

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcuts::Entry& entry)
{
    argument.beginStructure();
    argument << entry.id << entry.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcuts::Entry& entry)
{
    argument.beginStructure();
    argument >> entry.id >> entry.properties;
    argument.endStructure();
    return argument;
}

bool PortalShortcuts::isServed(const QDBusConnection& bus, int timeoutMilliseconds)
{
    if (!bus.isConnected()) {
        return false;
    }
    QDBusMessage get
        = QDBusMessage::createMethodCall(QLatin1String(service), QLatin1String(path),
                                         QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QLatin1String(interface) << QStringLiteral("version");
    const QDBusMessage reply = bus.call(get, QDBus::Block, timeoutMilliseconds);
    return reply.type() == QDBusMessage::ReplyMessage && PortalShortcutsMessages::version(reply).value_or(0) >= 1;
}

QString PortalShortcuts::preferredTrigger(std::uint32_t keyCode, std::uint32_t modifiers)
{
    using Shortcut = GlobalHotKey::Shortcut;
    const Shortcut shortcut{keyCode, modifiers};
    QStringList parts;
    for (Shortcut::Modifier modifier : shortcut.modifierKeys()) {
        switch (modifier) {
        case Shortcut::Modifier::control:
            parts << QStringLiteral("CTRL");
            break;
        case Shortcut::Modifier::alt:
            parts << QStringLiteral("ALT");
            break;
        case Shortcut::Modifier::shift:
            parts << QStringLiteral("SHIFT");
            break;
        case Shortcut::Modifier::super:
            parts << QStringLiteral("LOGO");
            break;
        }
    }
    // Letter keys by the US positions' letters, which are also their key symbols' names.
    parts << QString::fromStdString(shortcut.keyLabel(Shortcut::Naming())).toLower();
    return parts.join(QLatin1Char('+'));
}

PortalShortcuts::PortalShortcuts(const QDBusConnection& bus, Catalogue catalogue, QObject* parent)
    : QObject(parent)
    , bus_(bus)
    , catalogue_(std::move(catalogue))
{
    registerTypes();
    // Presses count only for our session. The slots take the whole message, so that QtDBus hands over whatever
    // came and its signature is checked before anything in it is read.
    bus_.connect(QLatin1String(service), QLatin1String(path), QLatin1String(interface), QStringLiteral("Activated"),
                 this, SLOT(activated(QDBusMessage)));
    bus_.connect(QLatin1String(service), QLatin1String(path), QLatin1String(interface),
                 QStringLiteral("ShortcutsChanged"), this, SLOT(shortcutsChanged(QDBusMessage)));
    watcher_ = new QDBusServiceWatcher(
        QLatin1String(service), bus_,
        QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration, this);
    // The portal going away ends the session with it: no key reaches this application any more.
    connect(watcher_, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        session_.clear();
        creatingSession_ = false;
        pending_.clear();
        refuseAll();
    });
    // A portal that starts again (after a crash, or an update) is asked afresh.
    connect(watcher_, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        if (session_.isEmpty()) {
            scheduleBind();
        }
    });
}

PortalShortcuts::~PortalShortcuts()
{
    if (!session_.isEmpty() && bus_.isConnected()) {
        bus_.send(QDBusMessage::createMethodCall(QLatin1String(service), session_, sessionInterface,
                                                 QStringLiteral("Close")));
    }
}

system::HotKeyHost::Status PortalShortcuts::registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers,
                                                           std::uint32_t identifier)
{
    if (!bus_.isConnected() || registrations_.contains(identifier)) {
        return unavailable;
    }
    std::optional<Offer> offer = catalogue_ ? catalogue_(keyCode, modifiers) : std::nullopt;
    if (!offer) {
        return unavailable;
    }
    registrations_.emplace(identifier, Registration{keyCode, modifiers, *offer, std::nullopt});
    scheduleBind();
    return noError;
}

void PortalShortcuts::unregisterHotKey(std::uint32_t identifier)
{
    // The desktop keeps the binding for the session; presses of an id no longer registered are ignored.
    registrations_.erase(identifier);
}

void PortalShortcuts::scheduleBind()
{
    // Registrations made in one go are bound in one request, so the desktop asks the user once.
    if (bindScheduled_) {
        return;
    }
    bindScheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        bindScheduled_ = false;
        bind();
    });
}

void PortalShortcuts::bind()
{
    if (registrations_.empty()) {
        return;
    }
    if (session_.isEmpty()) {
        createSession();
    } else {
        bindShortcuts();
    }
}

QString PortalShortcuts::nextToken()
{
    return QStringLiteral("quellarine%1").arg(++tokens_);
}

void PortalShortcuts::createSession()
{
    if (creatingSession_) {
        return;
    }
    creatingSession_ = true;
    const QString token = nextToken();
    const QVariantMap options{{QStringLiteral("handle_token"), token},
                              {QStringLiteral("session_handle_token"), nextToken()}};
    request(Step::createSession, QStringLiteral("CreateSession"), {options}, token);
}

void PortalShortcuts::bindShortcuts()
{
    Entries shortcuts;
    for (const auto& [identifier, registration] : registrations_) {
        shortcuts.append(Entry{
            registration.offer.id,
            {{QStringLiteral("description"), registration.offer.description},
             {QStringLiteral("preferred_trigger"), preferredTrigger(registration.keyCode, registration.modifiers)}}});
    }
    const QString token = nextToken();
    const QVariantMap options{{QStringLiteral("handle_token"), token}};
    request(Step::bindShortcuts, QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(session_)), QVariant::fromValue(shortcuts), QString(), options},
            token);
}

void PortalShortcuts::request(Step step, const QString& method, const QList<QVariant>& arguments, const QString& token)
{
    const QString expected = requestPath(bus_, token);
    listen(expected, step);
    QDBusMessage call
        = QDBusMessage::createMethodCall(QLatin1String(service), QLatin1String(path), QLatin1String(interface), method);
    call.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, expected, step, method] {
        watcher->deleteLater();
        const QDBusMessage reply = watcher->reply();
        const std::optional<QString> actual
            = reply.type() == QDBusMessage::ReplyMessage ? PortalShortcutsMessages::requestPath(reply) : std::nullopt;
        if (!actual) {
            if (reply.type() == QDBusMessage::ReplyMessage) {
                log_.error(QStringLiteral("Global shortcuts: the portal answered %1 with arguments of type \"%2\"; "
                                          "taken as a refusal")
                               .arg(method, reply.signature()));
            }
            pending_.erase(expected);
            if (step == Step::createSession) {
                creatingSession_ = false;
            }
            refuseAll();
            return;
        }
        // A portal older than the handle token answers with a path of its own choosing.
        if (*actual != expected && pending_.contains(expected)) {
            pending_.erase(expected);
            listen(*actual, step);
        }
    });
}

void PortalShortcuts::listen(const QString& requestPath, Step step)
{
    pending_[requestPath] = step;
    bus_.connect(QLatin1String(service), requestPath, requestInterface, QStringLiteral("Response"), this,
                 SLOT(requestAnswered(QDBusMessage)));
}

void PortalShortcuts::requestAnswered(const QDBusMessage& message)
{
    const auto found = pending_.find(message.path());
    if (found == pending_.end()) {
        return;
    }
    const Step step = found->second;
    pending_.erase(found);
    bus_.disconnect(QLatin1String(service), message.path(), requestInterface, QStringLiteral("Response"), this,
                    SLOT(requestAnswered(QDBusMessage)));
    const std::optional<PortalShortcutsMessages::Response> response = PortalShortcutsMessages::response(message);
    if (!response) {
        logMalformed(QStringLiteral("Response"), message.signature());
    }
    if (step == Step::createSession) {
        creatingSession_ = false;
        const std::optional<QString> handle
            = response ? PortalShortcutsMessages::sessionHandle(response->results) : std::nullopt;
        if (!response || response->code != 0 || !handle || handle->isEmpty()) {
            session_.clear();
            refuseAll();
            return;
        }
        session_ = *handle;
        bindShortcuts();
        return;
    }
    if (!response || response->code != 0) {
        refuseAll();
        return;
    }
    const std::optional<Entries> shortcuts = PortalShortcutsMessages::shortcuts(response->results);
    if (!shortcuts) {
        logMalformed(QStringLiteral("shortcuts"),
                     DBusValues::signature(response->results.value(QStringLiteral("shortcuts"))));
        refuseAll();
        return;
    }
    apply(*shortcuts, true);
}

void PortalShortcuts::activated(const QDBusMessage& message)
{
    const std::optional<PortalShortcutsMessages::Activation> activation = PortalShortcutsMessages::activation(message);
    if (!activation) {
        logMalformed(QStringLiteral("Activated"), message.signature());
        return;
    }
    if (activation->session != session_ || !handler_) {
        return;
    }
    for (const auto& [identifier, registration] : registrations_) {
        if (registration.offer.id == activation->id) {
            handler_(identifier);
            return;
        }
    }
}

void PortalShortcuts::shortcutsChanged(const QDBusMessage& message)
{
    const std::optional<PortalShortcutsMessages::Change> change = PortalShortcutsMessages::change(message);
    if (!change) {
        logMalformed(QStringLiteral("ShortcutsChanged"), message.signature());
        return;
    }
    if (change->session == session_) {
        // Only the shortcuts named changed; the others keep their keys.
        apply(change->shortcuts, false);
    }
}

void PortalShortcuts::logMalformed(const QString& what, const QString& signature) const
{
    log_.error(QStringLiteral("Global shortcuts: the portal sent %1 of type \"%2\"; ignored").arg(what, signature));
}

void PortalShortcuts::apply(const Entries& shortcuts, bool complete)
{
    for (auto& [identifier, registration] : registrations_) {
        const QString& id = registration.offer.id;
        const auto entry = std::find_if(shortcuts.begin(), shortcuts.end(),
                                        [&id](const Entry& candidate) { return candidate.id == id; });
        Assignment assignment{registration.keyCode, registration.modifiers, false, {}};
        if (entry == shortcuts.end()) {
            if (!complete) {
                continue;
            }
            // Left out of the desktop's answer: not bound.
            assignment.refused = true;
        } else {
            assignment.description = PortalShortcutsMessages::triggerDescription(*entry).toStdString();
        }
        report(registration, assignment);
    }
}

void PortalShortcuts::refuseAll()
{
    for (auto& [identifier, registration] : registrations_) {
        report(registration, Assignment{registration.keyCode, registration.modifiers, true, {}});
    }
}

void PortalShortcuts::report(Registration& registration, const Assignment& assignment)
{
    if (registration.reported == assignment) {
        return;
    }
    registration.reported = assignment;
    if (assignmentHandler_) {
        assignmentHandler_(assignment);
    }
}

} // namespace quellarine
