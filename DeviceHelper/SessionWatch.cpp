#include "DeviceHelper/SessionWatch.h"

#include <systemd/sd-login.h>

#include <algorithm>
#include <cstdlib>

namespace quellarine::devicehelper {

bool isInFront(uid_t user, const std::vector<ActiveSession>& active)
{
    return std::any_of(active.begin(), active.end(),
                       [user](const ActiveSession& session) { return session.user == user && !session.remote; });
}

SessionWatch::SessionWatch()
{
    // Which session is in front is in the seats' records.
    if (sd_login_monitor_new("seat", &monitor_) < 0) {
        monitor_ = nullptr;
    }
}

SessionWatch::~SessionWatch()
{
    if (monitor_ != nullptr) {
        sd_login_monitor_unref(monitor_);
    }
}

std::vector<ActiveSession> SessionWatch::activeSessions()
{
    std::vector<ActiveSession> active;
    char** seats = nullptr;
    const int count = sd_get_seats(&seats);
    for (int index = 0; index < count; ++index) {
        char* session = nullptr;
        uid_t user = 0;
        if (sd_seat_get_active(seats[index], &session, &user) >= 0 && session != nullptr) {
            active.push_back({user, sd_session_is_remote(session) != 0});
        }
        std::free(session);
        std::free(seats[index]);
    }
    std::free(seats);
    return active;
}

int SessionWatch::descriptor() const
{
    return monitor_ != nullptr ? sd_login_monitor_get_fd(monitor_) : -1;
}

void SessionWatch::flush()
{
    if (monitor_ != nullptr) {
        sd_login_monitor_flush(monitor_);
    }
}

} // namespace quellarine::devicehelper
