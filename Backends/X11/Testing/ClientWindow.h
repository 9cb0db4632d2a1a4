#pragma once

#include "QuellarineKit/Support/Geometry.h"

#include "Backends/X11/XlibPrelude.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quellarine::x11::testing {

// An application as the user's pointer reaches it: a window over the whole screen, on a connection of its own,
// that records the core pointer events it receives.
class ClientWindow {
public:
    struct Received {
        int type = 0; // MotionNotify, ButtonPress or ButtonRelease
        Point location;
        unsigned button = 0;
        std::uint64_t nanoseconds = 0; // when it was read, on the monotonic clock
    };

    explicit ClientWindow(const std::string& displayName);
    ~ClientWindow();
    ClientWindow(const ClientWindow&) = delete;
    ClientWindow& operator=(const ClientWindow&) = delete;

    int fileDescriptor() const { return ConnectionNumber(display_); }
    // Reads whatever has arrived; returns how many pointer events that was.
    std::size_t collect();
    const std::vector<Received>& received() const { return received_; }
    void clear() { received_.clear(); }
    // Waits until the server has sent everything that happened so far, then collects it.
    void sync();
    // Waits up to `timeout` seconds for a pointer event; returns when the first new one was read.
    std::optional<std::uint64_t> waitForEvent(double timeout);

    // When a window of another client is shown over this one (the application under test opens its own), raises
    // this one above it again and answers true; false while nothing covers it.
    bool raiseIfCovered();

    std::vector<Received> motions() const;
    std::vector<Received> buttons() const;

private:
    Display* display_ = nullptr;
    Window window_ = 0;
    std::vector<Received> received_;
};

} // namespace quellarine::x11::testing
