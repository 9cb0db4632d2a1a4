#pragma once

#include "QuellarineKit/System/HotKeys.h"

#include <cstdint>
#include <map>

namespace quellarine::backends {

// The keyboard the application model holds on to for its whole life, passing everything on to the keyboard that
// serves now, which may change while it runs (the user allows reading the keyboards). Registrations are kept,
// refused ones too, and made again with each new keyboard, so the combinations work from the moment one can serve
// them; a registration answers with the status of the keyboard serving at the time.
class KeyboardRelay final : public system::HotKeyHost, public system::KeyboardLayout, public system::ModifierMonitor {
public:
    KeyboardRelay(system::HotKeyHost& hotKeys, system::KeyboardLayout& layout, system::ModifierMonitor& modifiers);
    ~KeyboardRelay() override;
    KeyboardRelay(const KeyboardRelay&) = delete;
    KeyboardRelay& operator=(const KeyboardRelay&) = delete;

    // Serves through these from now on: the old keyboard gives its combinations back and hears nothing more.
    void serveWith(system::HotKeyHost& hotKeys, system::KeyboardLayout& layout, system::ModifierMonitor& modifiers);

    Status registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers, std::uint32_t identifier) override;
    void unregisterHotKey(std::uint32_t identifier) override;
    void setHandler(HotKeyHost::Handler handler) override { hotKeyHandler_ = std::move(handler); }
    std::optional<std::string> characterForKeyCode(std::uint16_t keyCode) const override;
    void setHandler(ModifierMonitor::Handler handler) override { modifierHandler_ = std::move(handler); }

private:
    struct Registration {
        std::uint32_t keyCode = 0;
        std::uint32_t modifiers = 0;
        bool served = false; // the keyboard serving now accepted it
    };

    void attach();
    void detach();

    system::HotKeyHost* hotKeys_;
    system::KeyboardLayout* layout_;
    system::ModifierMonitor* modifiers_;
    HotKeyHost::Handler hotKeyHandler_;
    ModifierMonitor::Handler modifierHandler_;
    std::map<std::uint32_t, Registration> registrations_; // by identifier
};

} // namespace quellarine::backends
