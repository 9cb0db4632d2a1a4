#pragma once

#include "Backends/X11/XlibPrelude.h"

#include <X11/XKBlib.h>

#include <cstdint>
#include <optional>

namespace quellarine::x11 {

// A snapshot of the keyboard's XKB description: key names, symbols and which modifier each key sets. Taken fresh
// where it is needed, so that layout changes (setxkbmap, a layout switcher) are always seen.
class X11Keymap {
public:
    explicit X11Keymap(Display* display);
    ~X11Keymap();
    X11Keymap(const X11Keymap&) = delete;
    X11Keymap& operator=(const X11Keymap&) = delete;

    // The keycode of the key at a shortcut's key position; none when this keyboard has no such key.
    std::optional<KeyCode> keycodeForPosition(std::uint32_t keyCode) const;
    // The symbol of a key in a group at a shift level (groups wrap as the server wraps them); NoSymbol when none.
    KeySym symbol(KeyCode keycode, int group, int level) const;
    // The real modifiers that a key with this symbol sets (its first group, any level); 0 when none does.
    unsigned modifiersOf(KeySym symbol) const;

private:
    XkbDescPtr description_ = nullptr;
};

} // namespace quellarine::x11
