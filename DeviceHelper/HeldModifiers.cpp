#include "DeviceHelper/HeldModifiers.h"

#include <linux/input-event-codes.h>

#include <iterator>

namespace quellarine::devicehelper {

namespace {

// Left and right of each, in this order: Ctrl, Shift, Alt, Super.
constexpr std::uint16_t keys[] = {KEY_LEFTCTRL, KEY_RIGHTCTRL, KEY_LEFTSHIFT, KEY_RIGHTSHIFT,
                                  KEY_LEFTALT,  KEY_RIGHTALT,  KEY_LEFTMETA,  KEY_RIGHTMETA};

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

std::uint8_t HeldModifiers::combined() const
{
    std::uint8_t all = 0;
    for (const auto& [keyboard, held] : held_) {
        all |= held;
    }
    return all;
}

bool HeldModifiers::set(int keyboard, std::uint16_t code, bool down)
{
    const std::uint8_t bit = modifierBit(code);
    if (bit == 0) {
        return false;
    }
    const auto found = held_.find(keyboard);
    const std::uint8_t held = found != held_.end() ? found->second : 0;
    return reset(keyboard, static_cast<std::uint8_t>(down ? held | bit : held & ~bit));
}

bool HeldModifiers::reset(int keyboard, std::uint8_t held)
{
    const std::uint8_t before = combined();
    if (held == 0) {
        held_.erase(keyboard);
    } else {
        held_[keyboard] = held;
    }
    return combined() != before;
}

} // namespace quellarine::devicehelper
