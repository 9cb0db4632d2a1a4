#include "Backends/X11/Testing/ApplicationProcess.h"

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace quellarine::x11::testing {

ApplicationProcess::ApplicationProcess(const std::string& program, const std::string& displayName,
                                       const std::string& settings)
{
    char pattern[] = "/tmp/quellarine-home-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        throw std::runtime_error("application: no private home");
    }
    home_ = pattern;
    // Where the application keeps its settings: the organisation's folder in the configuration folder.
    std::filesystem::create_directories(home_ / "config" / "temrid");
    std::ofstream(home_ / "config" / "temrid" / "Quellarine.ini") << "[General]\n" << settings;
    std::filesystem::create_directories(home_ / "runtime");
    std::filesystem::permissions(home_ / "runtime", std::filesystem::perms::owner_all);

    pid_ = fork();
    if (pid_ < 0) {
        std::filesystem::remove_all(home_);
        throw std::runtime_error("application: cannot fork");
    }
    if (pid_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        setenv("DISPLAY", displayName.c_str(), 1);
        setenv("HOME", home_.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home_ / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (home_ / "data").c_str(), 1);
        setenv("XDG_CACHE_HOME", (home_ / "cache").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (home_ / "runtime").c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        unsetenv("DBUS_SESSION_BUS_ADDRESS");
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
}

ApplicationProcess::~ApplicationProcess()
{
    if (isRunning()) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    std::filesystem::remove_all(home_);
}

bool ApplicationProcess::isRunning()
{
    if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == pid_) {
        pid_ = -1;
    }
    return pid_ > 0;
}

} // namespace quellarine::x11::testing
