#include "Backends/Devices/DeviceHotKeys.h"

#include "QuellarineKit/Pointer/GlobalHotKey.h"

#include <algorithm>

namespace quellarine::devices {

namespace {

using Shortcut = GlobalHotKey::Shortcut;
constexpr std::uint32_t named = Shortcut::superMask | Shortcut::shiftMask | Shortcut::altMask | Shortcut::controlMask;

} // namespace

DeviceHotKeys::DeviceHotKeys(const DeviceKeyboardLayout& layout)
    : layout_(layout)
{
}

std::uint32_t DeviceHotKeys::maskOf(const system::ModifierState& modifiers)
{
    return (modifiers.control ? Shortcut::controlMask : 0) | (modifiers.alt ? Shortcut::altMask : 0)
        | (modifiers.shift ? Shortcut::shiftMask : 0) | (modifiers.super ? Shortcut::superMask : 0);
}

system::HotKeyHost::Status DeviceHotKeys::registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers,
                                                         std::uint32_t identifier)
{
    const auto code = layout_.kernelCode(keyCode);
    if (!code || combinations_.contains(identifier)) {
        return invalid;
    }
    // Bits that name no modifier key cannot be told apart on the keyboards.
    const Chord wanted{*code, modifiers & named};
    const bool served = std::any_of(combinations_.begin(), combinations_.end(), [&](const auto& entry) {
        return entry.second.code == wanted.code && entry.second.modifiers == wanted.modifiers;
    });
    if (served) {
        return taken;
    }
    combinations_[identifier] = wanted;
    if (chordsChanged_) {
        chordsChanged_();
    }
    return noError;
}

void DeviceHotKeys::unregisterHotKey(std::uint32_t identifier)
{
    if (combinations_.erase(identifier) == 0) {
        return;
    }
    held_.forget(identifier);
    if (chordsChanged_) {
        chordsChanged_();
    }
}

std::vector<DeviceHotKeys::Chord> DeviceHotKeys::chords() const
{
    std::vector<Chord> chords;
    for (const auto& [identifier, chord] : combinations_) {
        chords.push_back(chord);
    }
    return chords;
}

void DeviceHotKeys::key(std::uint16_t code, int value, const system::ModifierState& modifiers)
{
    if (value == 0) {
        held_.released(code);
        return;
    }
    if (value != 1) {
        return; // the key repeats
    }
    const std::uint32_t mask = maskOf(modifiers);
    const auto pressed = std::find_if(combinations_.begin(), combinations_.end(), [&](const auto& entry) {
        return entry.second.code == code && entry.second.modifiers == mask;
    });
    if (pressed != combinations_.end()) {
        held_.pressed(pressed->first, code);
    }
}

} // namespace quellarine::devices
