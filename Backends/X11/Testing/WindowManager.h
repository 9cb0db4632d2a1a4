#pragma once

#include <sys/types.h>

#include <string>

namespace quellarine::x11::testing {

// A window manager on a private X server, as a desktop runs one: it frames, stacks and focuses the applications'
// windows. Started on the display and ready once it frames a new window; stopped by its process id. Throws
// std::runtime_error when it does not start.
class WindowManager {
public:
    explicit WindowManager(const std::string& displayName);
    ~WindowManager();
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
};

} // namespace quellarine::x11::testing
