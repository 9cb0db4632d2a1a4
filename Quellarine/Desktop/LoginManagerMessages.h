#pragma once

#include <QString>

#include <optional>

class QDBusMessage;

namespace quellarine {

// What the login manager sends, read only once a message has the signature its interfaces give it; anything else
// decodes to nothing. Pure: no bus needed.
class LoginManagerMessages {
public:
    // The reply to GetSession: the session's object path.
    static std::optional<QString> sessionPath(const QDBusMessage& reply);
    // PrepareForSleep: true before sleeping, false after waking.
    static std::optional<bool> preparingForSleep(const QDBusMessage& signal);
    // A session's PropertiesChanged, as far as it is read: its new Active value, when it holds one.
    struct SessionChange {
        std::optional<bool> active;
    };
    // Nothing also when Active is there but no Boolean.
    static std::optional<SessionChange> sessionChange(const QDBusMessage& signal);
    // The reply to a session's Get of its Active property: whether the session is in front.
    static std::optional<bool> active(const QDBusMessage& reply);
};

} // namespace quellarine
