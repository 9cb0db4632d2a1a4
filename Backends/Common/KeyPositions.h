#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quellarine::backends {

// Shortcuts store keys by position: the virtual key codes of the US layout (0 is the key left of S, whatever it
// prints). XKB names key positions the same way, independent of layout and keycode numbering ("AC01" is that same
// key), so positions map through these names.
class KeyPositions {
public:
    // The XKB name of the key at this position; none for a code without a key on PC keyboards.
    static std::optional<std::string_view> xkbName(std::uint32_t keyCode);
};

} // namespace quellarine::backends
