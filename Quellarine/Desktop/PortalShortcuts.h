#pragma once

#include "Quellarine/Desktop/SystemLog.h"

#include "QuellarineKit/System/HotKeys.h"

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>

class QDBusArgument;
class QDBusMessage;
class QDBusServiceWatcher;

namespace quellarine {

// Global hot keys through the desktop's own shortcuts (the desktop portal's GlobalShortcuts interface), for sessions
// where no program hears keys meant for other windows. The desktop decides: it may ask the user, assign other keys,
// refuse, or let the user change the keys later in its settings. So registerHotKey() only queues the combination;
// the desktop's answer comes through the assignment handler, with its own words for the keys it assigned.
//
// Every call to the bus is asynchronous, except isServed(), which is asked once at start.
class PortalShortcuts final : public QObject, public system::HotKeyHost {
    Q_OBJECT

public:
    // One shortcut as the portal passes it: its id and properties ("description", "preferred_trigger",
    // "trigger_description").
    struct Entry {
        QString id;
        QVariantMap properties;
    };
    using Entries = QList<Entry>;

    // How a combination is offered to the desktop: an id that stays the same from run to run (the desktop remembers
    // the user's keys by it) and the description its settings show, in the user's language.
    struct Offer {
        QString id;
        QString description;
    };
    // The offer for a combination; nothing: not one this application offers.
    using Catalogue = std::function<std::optional<Offer>(std::uint32_t keyCode, std::uint32_t modifiers)>;

    // What registerHotKey() answers when the bus is gone or the combination is not in the catalogue.
    static constexpr Status unavailable = -1;

    static constexpr const char* service = "org.freedesktop.portal.Desktop";
    static constexpr const char* path = "/org/freedesktop/portal/desktop";
    static constexpr const char* interface = "org.freedesktop.portal.GlobalShortcuts";

    // Whether a portal on this bus offers global shortcuts (it reports the interface's version). Waits for the
    // answer, up to `timeoutMilliseconds`.
    static bool isServed(const QDBusConnection& bus, int timeoutMilliseconds = 2000);
    // The keys asked for, in the shortcuts' own notation: "CTRL+ALT+s".
    static QString preferredTrigger(std::uint32_t keyCode, std::uint32_t modifiers);

    PortalShortcuts(const QDBusConnection& bus, Catalogue catalogue, QObject* parent = nullptr);
    ~PortalShortcuts() override; // closes the session: the desktop forgets nothing, but stops sending presses

    Status registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers, std::uint32_t identifier) override;
    void unregisterHotKey(std::uint32_t identifier) override;
    void setHandler(Handler handler) override { handler_ = std::move(handler); }
    bool answersLater() const override { return true; }
    void setAssignmentHandler(AssignmentHandler handler) override { assignmentHandler_ = std::move(handler); }

private slots:
    void requestAnswered(const QDBusMessage& message);
    void activated(const QDBusMessage& message);
    void shortcutsChanged(const QDBusMessage& message);

private:
    enum class Step { createSession, bindShortcuts };
    struct Registration {
        std::uint32_t keyCode;
        std::uint32_t modifiers;
        Offer offer;
        std::optional<Assignment> reported;
    };

    void scheduleBind();
    void bind();
    void createSession();
    void bindShortcuts();
    // Sends a call whose answer comes as a Request's Response signal, listening on the request's path first.
    void request(Step step, const QString& method, const QList<QVariant>& arguments, const QString& token);
    void listen(const QString& requestPath, Step step);
    void apply(const Entries& shortcuts, bool complete);
    void refuseAll();
    void report(Registration& registration, const Assignment& assignment);
    QString nextToken();
    void logMalformed(const QString& what, const QString& signature) const;

    QDBusConnection bus_;
    Catalogue catalogue_;
    Handler handler_;
    AssignmentHandler assignmentHandler_;
    QDBusServiceWatcher* watcher_;
    std::map<std::uint32_t, Registration> registrations_; // by identifier
    std::map<QString, Step> pending_;                     // requests by path
    QString session_;
    bool creatingSession_ = false;
    bool bindScheduled_ = false;
    unsigned tokens_ = 0;
    SystemLog log_;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcuts::Entry& entry);
const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcuts::Entry& entry);

} // namespace quellarine

Q_DECLARE_METATYPE(quellarine::PortalShortcuts::Entry)
