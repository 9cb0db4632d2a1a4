#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>

namespace quellarine::x11::testing {

// The application started as a user starts it, on a private X server, in a home of its own: a fresh folder for
// its settings (the settings file written before it starts), data, cache and runtime files, and no session bus.
// Stopped by its process id (SIGTERM, as a logout does) when destroyed; the folder goes with it.
class ApplicationProcess {
public:
    // `settings`: the lines of the settings file's [General] group, as the application reads them at start.
    ApplicationProcess(const std::string& program, const std::string& displayName, const std::string& settings);
    ~ApplicationProcess();
    ApplicationProcess(const ApplicationProcess&) = delete;
    ApplicationProcess& operator=(const ApplicationProcess&) = delete;

    pid_t pid() const { return pid_; }
    // False once it has ended, whoever ended it.
    bool isRunning();

private:
    std::filesystem::path home_;
    pid_t pid_ = -1;
};

} // namespace quellarine::x11::testing
