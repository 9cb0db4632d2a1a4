#pragma once

#include "QuellarineKit/System/HotKeys.h"

namespace quellarine::devices {

// No keyboard at all: where no X server tells of keys and the user has not allowed reading the keyboards. Hot
// keys are refused, no layout is known and no modifier change is ever reported.
class UnavailableKeyboard final : public system::HotKeyHost,
                                  public system::KeyboardLayout,
                                  public system::ModifierMonitor {
public:
    // What a refused registration answers.
    static constexpr Status unavailable = -1;

    Status registerHotKey(std::uint32_t /*keyCode*/, std::uint32_t /*modifiers*/, std::uint32_t /*identifier*/) override
    {
        return unavailable;
    }
    void unregisterHotKey(std::uint32_t /*identifier*/) override {}
    void setHandler(HotKeyHost::Handler /*handler*/) override {}
    std::optional<std::string> characterForKeyCode(std::uint16_t /*keyCode*/) const override { return std::nullopt; }
    void setHandler(ModifierMonitor::Handler /*handler*/) override {}
};

} // namespace quellarine::devices
