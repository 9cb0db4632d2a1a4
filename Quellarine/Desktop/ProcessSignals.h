#pragma once

#include <functional>
#include <thread>

namespace quellarine {

// The signals that stop, continue or end the process, handled on a thread of their own, so that they are handled
// even while the main loop is stuck. A stop from the terminal (Ctrl+Z: SIGTSTP; SIGTTIN, SIGTTOU) first runs
// `beforeStop`, then stops the process; SIGCONT runs `afterContinue`; SIGTERM, SIGINT and SIGHUP run `terminate`.
// The handlers run on that thread. SIGSTOP cannot be caught: it stops the process as it stands.
//
// One instance at a time; destroying it restores the default actions.
class ProcessSignals {
public:
    struct Handlers {
        std::function<void()> beforeStop;
        std::function<void()> afterContinue;
        std::function<void()> terminate;
    };

    explicit ProcessSignals(Handlers handlers);
    ~ProcessSignals();
    ProcessSignals(const ProcessSignals&) = delete;
    ProcessSignals& operator=(const ProcessSignals&) = delete;

private:
    void run();

    Handlers handlers_;
    int pipe_[2] = {-1, -1};
    std::thread thread_;
};

} // namespace quellarine
