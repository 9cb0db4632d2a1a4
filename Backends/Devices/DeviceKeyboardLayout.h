#pragma once

#include "QuellarineKit/System/HotKeys.h"

#include <cstdint>
#include <optional>
#include <string>

struct xkb_context;
struct xkb_keymap;

namespace quellarine::devices {

// The keyboard layout the system is configured with, for a session whose own layout no program may ask:
// XKBLAYOUT and XKBVARIANT of the system's keyboard configuration (/etc/default/keyboard), else xkbcommon's own
// defaults. A key's text is that of the first layout, without modifiers. It also tells the kernel's code of a key
// position, which does not depend on the layout.
class DeviceKeyboardLayout final : public system::KeyboardLayout {
public:
    explicit DeviceKeyboardLayout(const std::string& configuration = "/etc/default/keyboard");
    ~DeviceKeyboardLayout() override;
    DeviceKeyboardLayout(const DeviceKeyboardLayout&) = delete;
    DeviceKeyboardLayout& operator=(const DeviceKeyboardLayout&) = delete;

    std::optional<std::string> characterForKeyCode(std::uint16_t keyCode) const override;
    // The kernel's code (evdev) of the key at this position; none when the position names no key.
    std::optional<std::uint16_t> kernelCode(std::uint32_t keyCode) const;

private:
    xkb_context* context_ = nullptr;
    xkb_keymap* keymap_ = nullptr;
};

} // namespace quellarine::devices
