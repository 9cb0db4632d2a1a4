#pragma once

#include <sys/types.h>

#include <string>

namespace quellarine::x11::testing {

// A private X server (Xvfb) for one test program or benchmark: started on a display it picks itself, without
// resets between clients, and stopped by its process id. Throws std::runtime_error when it cannot be started.
class XvfbServer {
public:
    XvfbServer(int width = 1280, int height = 800);
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // ":N", for XOpenDisplay and the DISPLAY of child processes.
    const std::string& displayName() const { return displayName_; }
    // Ends the server at once (as a crash would); the destructor then has nothing left to do.
    void kill();
    // False once the server has ended, whoever ended it (a crash included).
    bool isRunning();

private:
    pid_t pid_ = -1;
    std::string displayName_;
};

} // namespace quellarine::x11::testing
