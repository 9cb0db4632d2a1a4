#include "Backends/Devices/HelperProcess.h"

#include "DeviceHelper/HelperProtocol.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace quellarine::devices {

bool HelperProcess::start(const std::string& path)
{
    end();
    if (path.empty()) {
        return false;
    }
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0) {
        return false;
    }
    // The helper finds its end as descriptor 3; spawning dup2s it there, which also clears its close-on-exec.
    int helperEnd = ends[1];
    if (helperEnd == devicehelper::socketDescriptor) {
        helperEnd = fcntl(ends[1], F_DUPFD_CLOEXEC, devicehelper::socketDescriptor + 1);
        close(ends[1]);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, helperEnd, devicehelper::socketDescriptor);
    char* const arguments[] = {const_cast<char*>("quellarine-device-helper"), nullptr};
    char* const environment[] = {nullptr};
    const int spawned = posix_spawn(&helper_, path.c_str(), &actions, nullptr, arguments, environment);
    posix_spawn_file_actions_destroy(&actions);
    close(helperEnd);
    if (spawned != 0) {
        close(ends[0]);
        helper_ = -1;
        return false;
    }
    socket_ = ends[0];
    return true;
}

void HelperProcess::end()
{
    if (socket_ >= 0) {
        close(socket_);
        socket_ = -1;
    }
    if (helper_ > 0) {
        while (waitpid(helper_, nullptr, 0) < 0 && errno == EINTR) {}
        helper_ = -1;
    }
}

} // namespace quellarine::devices
