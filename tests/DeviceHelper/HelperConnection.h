#pragma once

#include "DeviceHelper/HelperProtocol.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <vector>

namespace quellarine::devicehelper::testing {

// quellarine-device-helper started as the application starts it, one end of a socket pair as descriptor 3, and
// spoken to as the application does.
class HelperConnection {
public:
    // Every descriptor of the caller without close-on-exec is left open across the start, as a careless caller would.
    HelperConnection()
    {
        int ends[2];
        if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0) {
            return;
        }
        helper_ = fork();
        if (helper_ == 0) {
            dup2(ends[1], socketDescriptor);
            execl(QUELLARINE_DEVICE_HELPER, "quellarine-device-helper", nullptr);
            _exit(127);
        }
        close(ends[1]);
        socket_ = ends[0];
    }
    ~HelperConnection()
    {
        close(socket_);
        exitStatus();
    }
    HelperConnection(const HelperConnection&) = delete;
    HelperConnection& operator=(const HelperConnection&) = delete;

    // False when the helper no longer takes messages.
    bool send(const std::vector<Request>& requests, int descriptor = -1)
    {
        iovec part{const_cast<Request*>(requests.data()), requests.size() * sizeof(Request)};
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
        msghdr header{};
        header.msg_iov = &part;
        header.msg_iovlen = 1;
        if (descriptor >= 0) {
            header.msg_control = control;
            header.msg_controllen = sizeof(control);
            cmsghdr* item = CMSG_FIRSTHDR(&header);
            item->cmsg_level = SOL_SOCKET;
            item->cmsg_type = SCM_RIGHTS;
            item->cmsg_len = CMSG_LEN(sizeof(int));
            std::memcpy(CMSG_DATA(item), &descriptor, sizeof(int));
        }
        return sendmsg(socket_, &header, MSG_NOSIGNAL) == static_cast<ssize_t>(part.iov_len);
    }
    // The next reply; its kind is 0 when the helper ended the connection instead.
    Reply receive()
    {
        Reply reply;
        if (recv(socket_, &reply, sizeof(reply), 0) != sizeof(reply)) {
            return Reply{};
        }
        return reply;
    }
    // Makes a device and answers its number, 0 when it was refused.
    std::uint32_t create(RequestKind kind, int descriptor = -1)
    {
        if (!send({Request{static_cast<std::uint32_t>(kind), 0, 0, 0, 0}}, descriptor)) {
            return 0;
        }
        lastReply = receive();
        return lastReply.kind == static_cast<std::uint32_t>(ReplyKind::created) ? lastReply.value : 0;
    }
    bool endedTheConnection()
    {
        char byte = 0;
        return recv(socket_, &byte, 1, 0) == 0;
    }
    void closeOurEnd() { shutdown(socket_, SHUT_WR); }
    // Waits for the helper to end; its exit status, or -1.
    int exitStatus()
    {
        if (helper_ <= 0) {
            return -1;
        }
        int status = -1;
        waitpid(helper_, &status, 0);
        helper_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    Reply lastReply;

private:
    pid_t helper_ = -1;
    int socket_ = -1;
};

inline Request event(std::uint32_t device, std::uint16_t type, std::uint16_t code, std::int32_t value)
{
    return Request{static_cast<std::uint32_t>(RequestKind::event), device, type, code, value};
}

inline Request command(RequestKind kind, std::uint32_t device = 0)
{
    return Request{static_cast<std::uint32_t>(kind), device, 0, 0, 0};
}

} // namespace quellarine::devicehelper::testing
