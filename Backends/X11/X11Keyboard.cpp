#include "Backends/X11/X11Keyboard.h"

#include "Backends/Common/MonotonicClock.h"
#include "Backends/Common/ReentryGuard.h"
#include "Backends/X11/X11Connection.h"
#include "Backends/X11/X11HotKeys.h"
#include "Backends/X11/X11KeyboardLayout.h"
#include "Backends/X11/X11ModifierMonitor.h"

namespace quellarine::x11 {

struct X11Keyboard::Parts {
    explicit Parts(const char* displayName)
        : connection(displayName)
        , hotKeys(connection)
        , keyboardLayout(connection)
        , modifierMonitor(connection, clock)
    {
    }

    backends::MonotonicClock clock;
    X11Connection connection;
    X11HotKeys hotKeys;
    X11KeyboardLayout keyboardLayout;
    X11ModifierMonitor modifierMonitor;
    bool processing = false;
};

X11Keyboard::X11Keyboard(const char* displayName)
    : parts_(std::make_unique<Parts>(displayName))
{
}

X11Keyboard::~X11Keyboard() = default;

bool X11Keyboard::hearsSession() const
{
    return parts_->connection.isOpen() && !parts_->connection.isWaylandSession();
}

int X11Keyboard::fileDescriptor() const
{
    return parts_->connection.fileDescriptor();
}

system::HotKeyHost& X11Keyboard::hotKeys()
{
    return parts_->hotKeys;
}

system::KeyboardLayout& X11Keyboard::keyboardLayout()
{
    return parts_->keyboardLayout;
}

system::ModifierMonitor& X11Keyboard::modifierMonitor()
{
    return parts_->modifierMonitor;
}

void X11Keyboard::processPendingEvents()
{
    if (parts_->connection.fileDescriptor() < 0) {
        return;
    }
    const backends::ReentryGuard round(parts_->processing);
    if (!round.entered()) {
        return;
    }
    parts_->connection.clearWake();
    Display* display = parts_->connection.display();
    while (parts_->connection.isOpen() && XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == KeyPress || event.type == KeyRelease) {
            parts_->hotKeys.handleKey(event.xkey);
        } else if (parts_->connection.xkbEventBase() >= 0 && event.type == parts_->connection.xkbEventBase()) {
            parts_->modifierMonitor.handleXkb(reinterpret_cast<const XkbEvent&>(event));
        }
    }
    parts_->connection.forgetLostSocket();
}

void X11Keyboard::sync()
{
    if (parts_->connection.isOpen()) {
        XSync(parts_->connection.display(), False);
    }
    processPendingEvents();
}

} // namespace quellarine::x11
