#include "Backends/X11/X11Keyboard.h"

#include "Backends/Common/ReentryGuard.h"

namespace quellarine::x11 {

X11Keyboard::X11Keyboard(const char* displayName)
    : connection_(displayName)
    , hotKeys_(connection_)
    , keyboardLayout_(connection_)
    , modifierMonitor_(connection_, clock_)
{
}

void X11Keyboard::processPendingEvents()
{
    if (connection_.fileDescriptor() < 0) {
        return;
    }
    const backends::ReentryGuard round(processing_);
    if (!round.entered()) {
        return;
    }
    connection_.clearWake();
    Display* display = connection_.display();
    while (connection_.isOpen() && XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == KeyPress || event.type == KeyRelease) {
            hotKeys_.handleKey(event.xkey);
        } else if (connection_.xkbEventBase() >= 0 && event.type == connection_.xkbEventBase()) {
            modifierMonitor_.handleXkb(reinterpret_cast<const XkbEvent&>(event));
        }
    }
    connection_.forgetLostSocket();
}

void X11Keyboard::sync()
{
    if (connection_.isOpen()) {
        XSync(connection_.display(), False);
    }
    processPendingEvents();
}

} // namespace quellarine::x11
