#pragma once

#include "Backends/Common/HeldHotKey.h"
#include "Backends/Devices/DeviceKeyboardLayout.h"
#include "QuellarineKit/System/HotKeys.h"

#include <cstdint>
#include <map>
#include <utility>

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

    // Whether the key with this kernel code is part of a registered combination: the only keys besides the
    // modifiers that are looked at. Asked for each key as it comes, so a change of combinations needs no notice.
    bool watches(std::uint16_t code) const;

    // A watched key went down (value 1), repeats (2) or came up (0), with these modifiers held.
    void key(std::uint16_t code, int value, const system::ModifierState& modifiers);

    // A shortcut's modifier mask for a state of the modifier keys.
    static std::uint32_t maskOf(const system::ModifierState& modifiers);

private:
    struct Combination {
        std::uint16_t code = 0;
        std::uint32_t modifiers = 0;
    };

    const DeviceKeyboardLayout& layout_;
    std::map<std::uint32_t, Combination> combinations_; // by identifier
    backends::HeldHotKey held_;
};

} // namespace quellarine::devices
