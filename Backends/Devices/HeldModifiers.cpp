#include "Backends/Devices/HeldModifiers.h"

#include <linux/input-event-codes.h>

namespace quellarine::devices {

namespace {

// Left and right of each, in this order: Ctrl, Shift, Alt, Super.
constexpr std::uint16_t keys[] = {KEY_LEFTCTRL, KEY_RIGHTCTRL, KEY_LEFTSHIFT, KEY_RIGHTSHIFT,
                                  KEY_LEFTALT,  KEY_RIGHTALT,  KEY_LEFTMETA,  KEY_RIGHTMETA};
constexpr std::uint8_t control = 0x03;
constexpr std::uint8_t shift = 0x0c;
constexpr std::uint8_t alt = 0x30;
constexpr std::uint8_t super = 0xc0;

} // namespace

std::uint8_t HeldModifiers::modifierBit(std::uint16_t code)
{
    for (unsigned i = 0; i < std::size(keys); ++i) {
        if (keys[i] == code) {
            return static_cast<std::uint8_t>(1u << i);
        }
    }
    return 0;
}

bool HeldModifiers::isModifier(std::uint16_t code)
{
    return modifierBit(code) != 0;
}

std::uint8_t HeldModifiers::combined() const
{
    std::uint8_t all = 0;
    for (const auto& [keyboard, held] : held_) {
        all |= held;
    }
    return all;
}

system::ModifierState HeldModifiers::state() const
{
    const std::uint8_t all = combined();
    system::ModifierState state;
    state.control = (all & control) != 0;
    state.shift = (all & shift) != 0;
    state.alt = (all & alt) != 0;
    state.super = (all & super) != 0;
    return state;
}

bool HeldModifiers::set(int keyboard, std::uint16_t code, bool down)
{
    const std::uint8_t bit = modifierBit(code);
    if (bit == 0) {
        return false;
    }
    const std::uint8_t held = held_.contains(keyboard) ? held_[keyboard] : 0;
    return reset(keyboard, down ? held | bit : held & ~bit);
}

bool HeldModifiers::reset(int keyboard, std::uint8_t held)
{
    const system::ModifierState before = state();
    if (held == 0) {
        held_.erase(keyboard);
    } else {
        held_[keyboard] = held;
    }
    return state() != before;
}

bool HeldModifiers::forget(int keyboard)
{
    return reset(keyboard, 0);
}

} // namespace quellarine::devices
