#pragma once

#include "Backends/X11/X11Connection.h"
#include "QuellarineKit/System/HotKeys.h"

namespace quellarine::x11 {

// The active layout's text for a key position: the symbol of the key in the current XKB group at the base level.
class X11KeyboardLayout final : public system::KeyboardLayout {
public:
    explicit X11KeyboardLayout(X11Connection& connection);

    std::optional<std::string> characterForKeyCode(std::uint16_t keyCode) const override;

private:
    X11Connection& connection_;
};

} // namespace quellarine::x11
