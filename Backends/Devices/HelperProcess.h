#pragma once

#include <sys/types.h>

#include <string>

namespace quellarine::devices {

// A quellarine-device-helper started with one end of a socket pair (SOCK_SEQPACKET) as its descriptor 3, with
// nothing of this process's environment. Ending it closes the socket, at which the helper lets go of everything it
// holds and exits, and waits for it.
class HelperProcess {
public:
    HelperProcess() = default;
    ~HelperProcess() { end(); }
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;

    bool start(const std::string& path);
    void end();
    // -1 while none runs.
    int socket() const { return socket_; }

private:
    pid_t helper_ = -1;
    int socket_ = -1;
};

} // namespace quellarine::devices
