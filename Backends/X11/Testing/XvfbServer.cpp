#include "Backends/X11/Testing/XvfbServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace quellarine::x11::testing {

namespace {

constexpr int startTimeoutMs = 20000;

} // namespace

XvfbServer::XvfbServer(int width, int height)
{
    int ready[2];
    if (pipe(ready) != 0) {
        throw std::runtime_error("Xvfb: no pipe");
    }
    std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    std::string readyFd = std::to_string(ready[1]);
    pid_ = fork();
    if (pid_ < 0) {
        throw std::runtime_error("Xvfb: cannot fork");
    }
    if (pid_ == 0) {
        // The server must not outlive a test that crashes.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(ready[0]);
        int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        execlp("Xvfb", "Xvfb", "-displayfd", readyFd.c_str(), "-noreset", "-nolisten", "tcp", "-screen", "0",
               screen.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    // Xvfb writes the display number once it accepts connections.
    std::string number;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(startTimeoutMs);
    while (number.empty() || number.back() != '\n') {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd entry{ready[0], POLLIN, 0};
        if (left.count() <= 0 || poll(&entry, 1, int(left.count())) <= 0) {
            break;
        }
        char c = 0;
        if (read(ready[0], &c, 1) != 1) {
            break;
        }
        number += c;
    }
    close(ready[0]);
    if (number.empty() || number.back() != '\n') {
        kill();
        throw std::runtime_error("Xvfb did not start");
    }
    number.pop_back();
    displayName_ = ":" + number;
}

XvfbServer::~XvfbServer()
{
    if (pid_ <= 0) {
        return;
    }
    ::kill(pid_, SIGTERM);
    for (int i = 0; i < 500; ++i) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill();
}

bool XvfbServer::isRunning()
{
    if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == pid_) {
        pid_ = -1;
    }
    return pid_ > 0;
}

void XvfbServer::kill()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}

} // namespace quellarine::x11::testing
