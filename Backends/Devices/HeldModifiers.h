#pragma once

#include "QuellarineKit/System/HotKeys.h"

#include <cstdint>
#include <map>

namespace quellarine::devices {

// Which modifier keys are down, over every keyboard at once: Ctrl held on one keyboard and released on another
// is released only when neither holds it, and a keyboard that goes away takes its held keys with it. Keys are the
// kernel's codes; only the eight modifier keys are kept, nothing else is ever looked at.
class HeldModifiers {
public:
    static bool isModifier(std::uint16_t code);

    // A modifier key of this keyboard went down or up; true when the combined state changed.
    bool set(int keyboard, std::uint16_t code, bool down);
    // The keyboard's modifiers are exactly these (after the kernel dropped events, or when it comes); a mask of
    // bits by modifierBit(). True when the combined state changed.
    bool reset(int keyboard, std::uint8_t held);
    // The keyboard went away; true when the combined state changed.
    bool forget(int keyboard);

    system::ModifierState state() const;
    // The bit of a modifier key in reset()'s mask; 0 for other keys.
    static std::uint8_t modifierBit(std::uint16_t code);

private:
    std::uint8_t combined() const;

    std::map<int, std::uint8_t> held_; // by keyboard: its modifier keys down
};

} // namespace quellarine::devices
