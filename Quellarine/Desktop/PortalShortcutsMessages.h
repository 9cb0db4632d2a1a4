#pragma once

#include "Quellarine/Desktop/PortalShortcuts.h"

#include <QString>
#include <QVariantMap>

#include <optional>

class QDBusMessage;

namespace quellarine {

// What the desktop's global-shortcuts portal sends, read only once a message (and each value in it that is read)
// has the signature the interface gives it. Anything else comes from a broken or hostile program on the bus and
// decodes to nothing, which the caller treats as a refusal or ignores. Pure: no bus needed.
class PortalShortcutsMessages {
public:
    // A Request's Response signal: the answer code (0: granted) and its results.
    struct Response {
        uint code = 0;
        QVariantMap results;
    };
    // An Activated signal: the session and the shortcut's id.
    struct Activation {
        QString session;
        QString id;
    };
    // A ShortcutsChanged signal: the session and the shortcuts whose keys changed.
    struct Change {
        QString session;
        PortalShortcuts::Entries shortcuts;
    };

    // The reply to Properties.Get of the interface's "version".
    static std::optional<uint> version(const QDBusMessage& reply);
    // The reply to a method answered through a Request: the request's path.
    static std::optional<QString> requestPath(const QDBusMessage& reply);
    static std::optional<Response> response(const QDBusMessage& signal);
    static std::optional<Activation> activation(const QDBusMessage& signal);
    static std::optional<Change> change(const QDBusMessage& signal);

    // A granted CreateSession's session: an object path (a string from portals before that was fixed).
    static std::optional<QString> sessionHandle(const QVariantMap& results);
    // A granted BindShortcuts' shortcuts.
    static std::optional<PortalShortcuts::Entries> shortcuts(const QVariantMap& results);
    // The keys the desktop assigned to a shortcut, in its words; empty when it gives none.
    static QString triggerDescription(const PortalShortcuts::Entry& entry);
};

} // namespace quellarine
