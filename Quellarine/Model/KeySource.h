#pragma once

namespace quellarine {

// Where the keyboard's hot keys and the emergency gesture come from in this session, so that every view can say
// plainly what works and what does not.
struct KeySource {
    enum class HotKeys {
        x11,              // the X server of a real X11 session hears them
        desktopShortcuts, // the desktop's own shortcuts: it assigns the keys and may let the user change them
        keyboardGrant,    // the keyboards read through the grant the user installed
        none,             // nothing in this session hears them
    };

    HotKeys hotKeys = HotKeys::x11;
    // Whether the modifier keys, and so the five presses of Ctrl, are heard.
    bool emergencyHeard = true;

    bool operator==(const KeySource&) const = default;

    // The one rule: a real X11 session hears everything through its server; otherwise the desktop's shortcuts give
    // the hot keys where its portal serves them, and the keyboard grant gives the modifiers (and the hot keys where
    // no portal serves); otherwise nothing is heard.
    static KeySource choose(bool x11Session, bool portalServes, bool keyboardGranted);
};

} // namespace quellarine
