#include "Backends/Devices/DeviceHotKeys.h"

#include <algorithm>

namespace quellarine::devices {

namespace {

constexpr std::uint32_t commandBit = 0x100;
constexpr std::uint32_t shiftBit = 0x200;
constexpr std::uint32_t optionBit = 0x800;
constexpr std::uint32_t controlBit = 0x1000;
constexpr std::uint32_t named = commandBit | shiftBit | optionBit | controlBit;

} // namespace

DeviceHotKeys::DeviceHotKeys(const DeviceKeyboardLayout& layout)
    : layout_(layout)
{
}

std::uint32_t DeviceHotKeys::maskOf(const system::ModifierState& modifiers)
{
    return (modifiers.control ? controlBit : 0) | (modifiers.option ? optionBit : 0) | (modifiers.shift ? shiftBit : 0)
        | (modifiers.command ? commandBit : 0);
}

system::HotKeyHost::Status DeviceHotKeys::registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers,
                                                         std::uint32_t identifier)
{
    const auto code = layout_.kernelCode(keyCode);
    if (!code || combinations_.contains(identifier)) {
        return invalid;
    }
    // Bits that name no modifier key cannot be told apart on the keyboards.
    const Combination wanted{*code, modifiers & named};
    const bool served = std::any_of(combinations_.begin(), combinations_.end(), [&](const auto& entry) {
        return entry.second.code == wanted.code && entry.second.modifiers == wanted.modifiers;
    });
    if (served) {
        return taken;
    }
    combinations_[identifier] = wanted;
    if (watchChanged_) {
        watchChanged_();
    }
    return noError;
}

void DeviceHotKeys::unregisterHotKey(std::uint32_t identifier)
{
    if (combinations_.erase(identifier) == 0) {
        return;
    }
    if (held_ == identifier) {
        held_.reset();
    }
    if (watchChanged_) {
        watchChanged_();
    }
}

bool DeviceHotKeys::watches(std::uint16_t code) const
{
    return std::any_of(combinations_.begin(), combinations_.end(),
                       [code](const auto& entry) { return entry.second.code == code; });
}

void DeviceHotKeys::key(std::uint16_t code, int value, const system::ModifierState& modifiers)
{
    if (value == 0) {
        if (held_ && combinations_.contains(*held_) && combinations_[*held_].code == code) {
            held_.reset();
        }
        return;
    }
    if (value != 1) {
        return; // the key repeats
    }
    const std::uint32_t mask = maskOf(modifiers);
    for (const auto& [identifier, combination] : combinations_) {
        if (combination.code != code || combination.modifiers != mask) {
            continue;
        }
        if (held_ == identifier) {
            return;
        }
        held_ = identifier;
        if (handler_) {
            Handler handler = handler_; // it may replace itself or unregister this hot key
            handler(identifier);
        }
        return;
    }
}

} // namespace quellarine::devices
