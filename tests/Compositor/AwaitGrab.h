#pragma once

#include <linux/input.h>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <thread>

namespace quellarine::testing {

// Waits until another program holds the test device on `node` exclusively (EVIOCGRAB): until our own attempt to
// take it is refused as busy.
inline void awaitGrabElsewhere(const std::string& node)
{
    while (true) {
        const int fd = open(node.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            const bool busy = ioctl(fd, EVIOCGRAB, 1) < 0 && errno == EBUSY;
            if (!busy) {
                ioctl(fd, EVIOCGRAB, 0);
            }
            close(fd);
            if (busy) {
                return;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

} // namespace quellarine::testing
