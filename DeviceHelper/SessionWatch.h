#pragma once

#include <sys/types.h>

#include <vector>

typedef struct sd_login_monitor sd_login_monitor;

namespace quellarine::devicehelper {

// The session in front on one seat, as logind tells it.
struct ActiveSession {
    uid_t user = 0;
    bool remote = true;
};

// Whether the user owns the active, local session of a seat: the person at the computer, not another user logged
// in behind a switched-away session or over the network.
bool isInFront(uid_t user, const std::vector<ActiveSession>& active);

// logind's view of the seats (sd-login reads its state under /run/systemd), and a descriptor that becomes readable
// when that state changes.
class SessionWatch {
public:
    SessionWatch();
    ~SessionWatch();
    SessionWatch(const SessionWatch&) = delete;
    SessionWatch& operator=(const SessionWatch&) = delete;

    // The session in front on each seat; a session whose owner or place cannot be told counts as remote.
    static std::vector<ActiveSession> activeSessions();
    // -1 when logind cannot be watched.
    int descriptor() const;
    // After the descriptor was readable, before asking again.
    void flush();

private:
    sd_login_monitor* monitor_ = nullptr;
};

} // namespace quellarine::devicehelper
