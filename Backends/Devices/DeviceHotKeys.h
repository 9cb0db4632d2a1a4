#pragma once

#include "Backends/Common/HeldHotKey.h"
#include "Backends/Devices/DeviceKeyboardLayout.h"
#include "QuellarineKit/System/HotKeys.h"

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace quellarine::devices {

// Global hot keys heard on the keyboards' own input: a combination fires when its key goes down while exactly its
// modifiers are held (over all keyboards), once however long it is held. Nobody is asked for the combination, so
// another program's claim on it cannot be known; this host refuses only what it cannot serve: a key position
// without a key, an identifier in use, or a combination it already serves.
class DeviceHotKeys final : public system::HotKeyHost {
public:
    static constexpr Status taken = -9878;
    static constexpr Status invalid = -9879;

    explicit DeviceHotKeys(const DeviceKeyboardLayout& layout);

    Status registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers, std::uint32_t identifier) override;
    void unregisterHotKey(std::uint32_t identifier) override;
    void setHandler(Handler handler) override { held_.setHandler(std::move(handler)); }

    struct Chord {
        std::uint16_t code = 0;      // the key's kernel code
        std::uint32_t modifiers = 0; // the shortcut's modifier mask
    };
    // The registered combinations: the only keys besides the modifiers that the keyboards' reader passes on.
    std::vector<Chord> chords() const;
    // Told when the registered combinations changed.
    void setChordsChanged(std::function<void()> changed) { chordsChanged_ = std::move(changed); }

    // A combination's key went down (value 1), repeats (2) or came up (0), with these modifiers held.
    void key(std::uint16_t code, int value, const system::ModifierState& modifiers);

    // A shortcut's modifier mask for a state of the modifier keys.
    static std::uint32_t maskOf(const system::ModifierState& modifiers);

private:
    const DeviceKeyboardLayout& layout_;
    std::function<void()> chordsChanged_;
    std::map<std::uint32_t, Chord> combinations_; // by identifier
    backends::HeldHotKey held_;
};

} // namespace quellarine::devices
