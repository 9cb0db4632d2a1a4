#pragma once

#include "Backends/X11/XlibPrelude.h"

#include <functional>
#include <string>

namespace quellarine::x11::testing {

// The applications' windows on a desktop, found as a person finds them: by the title the window manager shows,
// whether a manager frames them or not. A connection of its own, for one thread. Other clients' windows can vanish
// while they are looked at: the program needs an X error handler that lets such errors pass.
class ShownWindows {
public:
    explicit ShownWindows(const std::string& displayName);
    ~ShownWindows();
    ShownWindows(const ShownWindows&) = delete;
    ShownWindows& operator=(const ShownWindows&) = delete;

    // The shown window with exactly this title, 0 when there is none.
    Window titled(const std::string& title);
    std::string title(Window window);
    bool isShown(Window window);
    // Whether the keyboard's input goes to this window (or one inside it).
    bool hasFocus(Window window);
    // Asks the window to close as its title bar's close button does (the window-manager protocol's delete).
    void close(Window window);
    // Watches the window: its title and its showing or hiding wake waitFor() as they change.
    void watch(Window window);
    // Waits until the condition holds, looking again whenever a watched window changes (and at least every
    // 50 ms, for windows not yet watched); false when `timeout` seconds pass first.
    bool waitFor(const std::function<bool()>& condition, double timeout);

private:
    Window search(Window parent, const std::string& title, int depth);

    Display* display_ = nullptr;
    Atom utf8_ = 0;
    Atom name_ = 0;
};

} // namespace quellarine::x11::testing
