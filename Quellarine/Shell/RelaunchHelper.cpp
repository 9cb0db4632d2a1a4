// quellarine-relaunch PID SECONDS PROGRAM [ARGUMENT...]
//
// Waits until process PID has ended, for at most SECONDS, then becomes PROGRAM with its arguments. Quellarine starts
// it detached just before it quits to restart itself: two running copies would fight over the pointer, so when the
// old one is still there after the wait, nothing is started and the reason goes to the system log.

#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <syslog.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>

namespace {

void report(const std::string& message)
{
    openlog("com.temrid.Quellarine", LOG_PID, LOG_USER);
    syslog(LOG_ERR, "[tap] %s", message.c_str());
    std::fprintf(stderr, "quellarine-relaunch: %s\n", message.c_str());
}

std::optional<long> number(const char* text, long lowest, long highest)
{
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < lowest || value > highest) {
        return std::nullopt;
    }
    return value;
}

enum class Wait { ended, stillRunning, failed };

// Where process descriptors are not offered (older kernels, some sandboxes): asks by number every 50 ms. A process
// that has ended but not been collected by its parent still counts as running, which errs on the safe side.
Wait pollByNumber(pid_t pid, std::chrono::steady_clock::time_point deadline)
{
    while (std::chrono::steady_clock::now() < deadline) {
        if (kill(pid, 0) != 0 && errno == ESRCH) {
            return Wait::ended;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return Wait::stillRunning;
}

// A process descriptor becomes readable when the process ends, and unlike its number it can never come to name
// another process meanwhile.
Wait waitForEnd(pid_t pid, long seconds)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::seconds(seconds);
    const int descriptor = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (descriptor < 0) {
        return errno == ESRCH ? Wait::ended : pollByNumber(pid, deadline);
    }
    Wait outcome = Wait::stillRunning;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd watch{descriptor, POLLIN, 0};
        const int ready = poll(&watch, 1, static_cast<int>(std::max<long long>(left, 0)));
        if (ready > 0) {
            outcome = Wait::ended;
            break;
        }
        if (ready == 0) {
            break;
        }
        if (errno != EINTR) {
            outcome = Wait::failed;
            break;
        }
    }
    close(descriptor);
    return outcome;
}

} // namespace

int main(int argc, char* argv[])
{
    const auto pid = argc >= 4 ? number(argv[1], 1, 4'194'304) : std::nullopt;
    const auto seconds = argc >= 4 ? number(argv[2], 0, 3600) : std::nullopt;
    if (!pid || !seconds) {
        std::fprintf(stderr, "usage: quellarine-relaunch PID SECONDS PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    const std::string process = "process " + std::to_string(*pid);
    switch (waitForEnd(static_cast<pid_t>(*pid), *seconds)) {
    case Wait::ended:
        execv(argv[3], argv + 3);
        report(std::string("Could not start ") + argv[3] + " again: " + std::strerror(errno));
        return 1;
    case Wait::stillRunning:
        report("Not restarting: Quellarine (" + process + ") was still running after " + std::to_string(*seconds)
               + " s, and a second copy would fight it over the pointer");
        return 1;
    case Wait::failed:
        report("Not restarting: could not watch " + process + " end: " + std::strerror(errno));
        return 1;
    }
    return 1;
}
