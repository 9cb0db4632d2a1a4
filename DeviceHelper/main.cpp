// quellarine-device-helper: the one program that makes Quellarine's input devices. Installed set-group-ID to a
// group that alone may open /dev/uinput, it serves the application that started it over the socket it was given
// as descriptor 3, and nothing else: see DeviceHelperService for what it accepts. Given the keyboard grant (an
// access-list entry of the same group on the keyboards), it reads them when asked and tells the application only
// of its modifiers and chords (KeyboardFilter).

#include "DeviceHelper/DeviceHelperService.h"
#include "DeviceHelper/KeyboardDevices.h"
#include "DeviceHelper/SessionWatch.h"
#include "DeviceHelper/UinputDeviceMaker.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

using namespace quellarine::devicehelper;

namespace {

// Closes every descriptor but the socket, and puts /dev/null where the standard ones were, so that nothing
// inherited from the caller stays open and nothing opened later is taken for them.
bool keepOnlyTheSocket()
{
    struct stat status {};
    if (fstat(socketDescriptor, &status) != 0 || !S_ISSOCK(status.st_mode)) {
        return false;
    }
    close_range(socketDescriptor + 1, ~0U, 0);
    const int null = open("/dev/null", O_RDWR);
    if (null < 0) {
        return false;
    }
    for (int standard = 0; standard < 3; ++standard) {
        if (standard != null) {
            dup2(null, standard);
        }
    }
    if (null > 2) {
        close(null);
    }
    return true;
}

// One message and the descriptor it carries (-1 without one); nothing at the application's end; a message that
// does not fit, or carries anything but one descriptor, is a malformed one (size 0 with an error).
struct Message {
    std::array<unsigned char, maxRequestsPerMessage * sizeof(Request) + 1> bytes{};
    ssize_t size = 0;
    int descriptor = -1;
    bool malformed = false;
};

Message receive()
{
    Message message;
    iovec part{message.bytes.data(), message.bytes.size()};
    alignas(cmsghdr) std::array<char, CMSG_SPACE(sizeof(int) * 4)> control{};
    msghdr header{};
    header.msg_iov = &part;
    header.msg_iovlen = 1;
    header.msg_control = control.data();
    header.msg_controllen = control.size();
    do {
        message.size = recvmsg(socketDescriptor, &header, MSG_CMSG_CLOEXEC);
    } while (message.size < 0 && errno == EINTR);
    int descriptors = 0;
    for (cmsghdr* item = CMSG_FIRSTHDR(&header); item != nullptr; item = CMSG_NXTHDR(&header, item)) {
        if (item->cmsg_level == SOL_SOCKET && item->cmsg_type == SCM_RIGHTS) {
            const std::size_t count = (item->cmsg_len - CMSG_LEN(0)) / sizeof(int);
            for (std::size_t index = 0; index < count; ++index) {
                int received = -1;
                std::memcpy(&received, CMSG_DATA(item) + index * sizeof(int), sizeof(int));
                if (descriptors++ == 0) {
                    message.descriptor = received;
                } else {
                    close(received);
                }
            }
        }
    }
    message.malformed = descriptors > 1 || (header.msg_flags & (MSG_TRUNC | MSG_CTRUNC)) != 0;
    return message;
}

template <typename Record>
void send(const std::vector<Record>& records)
{
    for (const Record& record : records) {
        [[maybe_unused]] ssize_t sent = ::send(socketDescriptor, &record, sizeof(record), MSG_NOSIGNAL);
    }
}

} // namespace

int main()
{
    clearenv();
    if (!keepOnlyTheSocket()) {
        return 2;
    }
    UinputDeviceMaker maker;
    DeviceHelperService service(maker);
    KeyboardDevices keyboards(service.keyboardFilter());
    service.setKeyboards(&keyboards);
    // Given a group's rights, it serves only the person at the computer. Without them it can do nothing its
    // caller could not do alone (a build run from its folder, the tests), and serves whoever started it.
    const bool privileged = getegid() != getgid();
    std::optional<SessionWatch> watch;
    if (privileged) {
        watch.emplace();
        service.setServed(isInFront(getuid(), SessionWatch::activeSessions()));
    }
    std::array<pollfd, 3> watched{pollfd{socketDescriptor, POLLIN, 0},
                                  pollfd{watch ? watch->descriptor() : -1, POLLIN, 0},
                                  pollfd{keyboards.fileDescriptor(), POLLIN, 0}};
    std::vector<Reply> replies;
    for (;;) {
        if (poll(watched.data(), watched.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        if (watched[1].revents != 0) {
            watch->flush();
            service.setServed(isInFront(getuid(), SessionWatch::activeSessions()));
        }
        if (watched[2].revents != 0) {
            keyboards.processPending();
        }
        send(service.takeKeyboardRecords());
        if (watched[0].revents == 0) {
            continue;
        }
        Message message = receive();
        replies.clear();
        const bool kept = message.size > 0 && !message.malformed
            && service.handle(message.bytes.data(), static_cast<std::size_t>(message.size), message.descriptor,
                              replies);
        if (message.descriptor >= 0) {
            close(message.descriptor);
        }
        if (!kept) {
            break;
        }
        send(replies);
        send(service.takeKeyboardRecords());
    }
    // The application went away or said what it must not: every button is let go of and every device removed.
    service.endAll();
    return 0;
}
