#pragma once

#include "QuellarineKit/System/HotKeys.h"

#include <memory>

namespace quellarine::x11 {

// The keyboard on X11, on a connection of its own: global hot keys, the keyboard layout and changes of the
// modifier keys. Nothing here touches the pointer, so it is serviced on the application's own thread, apart from
// the pointer path: whenever fileDescriptor() is readable, call processPendingEvents() there. Hot keys and the
// modifier handler run inside that call; the modifier changes carry the time they happened, so a busy window
// delays a gesture's detection but never changes its outcome.
//
// Without a display it registers no hot keys and hears no modifiers.
class X11Keyboard {
public:
    // nullptr opens $DISPLAY.
    explicit X11Keyboard(const char* displayName = nullptr);
    ~X11Keyboard();
    X11Keyboard(const X11Keyboard&) = delete;
    X11Keyboard& operator=(const X11Keyboard&) = delete;

    // Connected to the X server of an X11 session, which tells of every key: not that of a Wayland session, which
    // hears only the keys meant for its own windows.
    bool hearsSession() const;
    // Readable while there is something to process; -1 without a connection.
    int fileDescriptor() const;
    // Handles everything pending. Does nothing when called again from inside one of its callbacks.
    void processPendingEvents();
    // Waits until the server has handled every request so far, then handles the events it sent meanwhile.
    void sync();

    system::HotKeyHost& hotKeys();
    system::KeyboardLayout& keyboardLayout();
    system::ModifierMonitor& modifierMonitor();

private:
    // The connection and what stands on it, whose headers bring Xlib's macros: kept out of this one, which the
    // application includes.
    struct Parts;

    std::unique_ptr<Parts> parts_;
};

} // namespace quellarine::x11
