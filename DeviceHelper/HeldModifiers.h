#pragma once

#include <cstdint>
#include <map>

namespace quellarine::devicehelper {

// Which modifier keys are down, over every keyboard at once: Ctrl held on one keyboard and released on another
// is released only when neither holds it, and a keyboard that goes away takes its held keys with it. Keys are the
// kernel's codes; only the eight modifier keys are kept, nothing else is ever looked at.
//
// A mask has a bit per modifier key, left and right of each: Ctrl 0x03, Shift 0x0c, Alt 0x30, Super 0xc0.
class HeldModifiers {
public:
    static constexpr std::uint8_t control = 0x03;
    static constexpr std::uint8_t shift = 0x0c;
    static constexpr std::uint8_t alt = 0x30;
    static constexpr std::uint8_t super = 0xc0;

    // The bit of a modifier key in a mask; 0 for other keys.
    static std::uint8_t modifierBit(std::uint16_t code);
    static bool isModifier(std::uint16_t code) { return modifierBit(code) != 0; }

    // A modifier key of this keyboard went down or up; true when the combined mask changed.
    bool set(int keyboard, std::uint16_t code, bool down);
    // The keyboard's modifiers are exactly these (after the kernel dropped events, or when it comes). True when
    // the combined mask changed.
    bool reset(int keyboard, std::uint8_t held);
    // The keyboard went away; true when the combined mask changed.
    bool forget(int keyboard) { return reset(keyboard, 0); }

    // The modifier keys down on any keyboard.
    std::uint8_t combined() const;

private:
    std::map<int, std::uint8_t> held_; // by keyboard: its modifier keys down
};

} // namespace quellarine::devicehelper
