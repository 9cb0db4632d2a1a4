#include "Backends/X11/X11KeyboardLayout.h"

#include "Backends/X11/X11Keymap.h"

#include <xkbcommon/xkbcommon.h>

namespace quellarine::x11 {

X11KeyboardLayout::X11KeyboardLayout(X11Connection& connection)
    : connection_(connection)
{
}

std::optional<std::string> X11KeyboardLayout::characterForKeyCode(std::uint16_t keyCode) const
{
    if (!connection_.isOpen()) {
        return std::nullopt;
    }
    Display* display = connection_.display();
    X11Keymap keymap(display);
    XkbStateRec state{};
    bool known = XkbGetState(display, XkbUseCoreKbd, &state) == Success;
    connection_.wakeIfQueued();
    auto keycode = keymap.keycodeForPosition(keyCode);
    if (!known || !keycode) {
        return std::nullopt;
    }
    KeySym symbol = keymap.symbol(*keycode, state.group, 0);
    char text[16] = {};
    // The length counts the terminating zero; symbols without a character give 0.
    if (symbol == NoSymbol || xkb_keysym_to_utf8(static_cast<xkb_keysym_t>(symbol), text, sizeof text) <= 1) {
        return std::nullopt;
    }
    return std::string(text);
}

} // namespace quellarine::x11
