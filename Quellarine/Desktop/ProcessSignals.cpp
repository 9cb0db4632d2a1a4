#include "Quellarine/Desktop/ProcessSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace quellarine {

namespace {

constexpr int handled[] = {SIGTSTP, SIGTTIN, SIGTTOU, SIGCONT, SIGTERM, SIGINT, SIGHUP};
constexpr unsigned char stopThread = 0;

// Where the handler passes each signal to the thread: writing to a pipe is all a handler may safely do.
std::atomic<int> signalPipe{-1};

void onSignal(int number)
{
    int savedErrno = errno;
    auto byte = static_cast<unsigned char>(number);
    int fd = signalPipe.load();
    if (fd >= 0) {
        [[maybe_unused]] ssize_t written = write(fd, &byte, 1);
    }
    errno = savedErrno;
}

} // namespace

ProcessSignals::ProcessSignals(Handlers handlers)
    : handlers_(std::move(handlers))
{
    if (pipe2(pipe_, O_CLOEXEC) != 0) {
        return;
    }
    fcntl(pipe_[1], F_SETFL, O_NONBLOCK);
    signalPipe.store(pipe_[1]);
    thread_ = std::thread([this] { run(); });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // Other threads' system calls carry on rather than fail with EINTR.
    action.sa_flags = SA_RESTART;
    for (int number : handled) {
        sigaction(number, &action, nullptr);
    }
}

ProcessSignals::~ProcessSignals()
{
    if (!thread_.joinable()) {
        return;
    }
    for (int number : handled) {
        signal(number, SIG_DFL);
    }
    signalPipe.store(-1);
    [[maybe_unused]] ssize_t written = write(pipe_[1], &stopThread, 1);
    thread_.join();
    close(pipe_[0]);
    close(pipe_[1]);
}

void ProcessSignals::run()
{
    while (true) {
        unsigned char number = 0;
        ssize_t got = read(pipe_[0], &number, 1);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got != 1 || number == stopThread) {
            return;
        }
        switch (number) {
        case SIGTSTP:
        case SIGTTIN:
        case SIGTTOU:
            if (handlers_.beforeStop) {
                handlers_.beforeStop();
            }
            // Stopped as the terminal asked; the SIGCONT that ends the stop comes through here too.
            kill(getpid(), SIGSTOP);
            break;
        case SIGCONT:
            if (handlers_.afterContinue) {
                handlers_.afterContinue();
            }
            break;
        default:
            if (handlers_.terminate) {
                handlers_.terminate();
            }
            break;
        }
    }
}

} // namespace quellarine
