#include "Backends/Common/KeyboardRelay.h"

namespace quellarine::backends {

KeyboardRelay::KeyboardRelay(system::HotKeyHost& hotKeys, system::KeyboardLayout& layout,
                             system::ModifierMonitor& modifiers)
    : hotKeys_(&hotKeys)
    , layout_(&layout)
    , modifiers_(&modifiers)
{
    attach();
}

KeyboardRelay::~KeyboardRelay()
{
    detach();
}

void KeyboardRelay::attach()
{
    // The handlers are looked up at each call, so that one replaced meanwhile is the one that runs.
    hotKeys_->setHandler([this](std::uint32_t identifier) {
        if (hotKeyHandler_) {
            HotKeyHost::Handler handler = hotKeyHandler_;
            handler(identifier);
        }
    });
    modifiers_->setHandler([this](const system::ModifierState& state, double time) {
        if (modifierHandler_) {
            ModifierMonitor::Handler handler = modifierHandler_;
            handler(state, time);
        }
    });
}

void KeyboardRelay::detach()
{
    for (auto& [identifier, registration] : registrations_) {
        if (registration.served) {
            hotKeys_->unregisterHotKey(identifier);
            registration.served = false;
        }
    }
    hotKeys_->setHandler({});
    modifiers_->setHandler({});
}

void KeyboardRelay::serveWith(system::HotKeyHost& hotKeys, system::KeyboardLayout& layout,
                              system::ModifierMonitor& modifiers)
{
    detach();
    hotKeys_ = &hotKeys;
    layout_ = &layout;
    modifiers_ = &modifiers;
    attach();
    for (auto& [identifier, registration] : registrations_) {
        registration.served
            = hotKeys_->registerHotKey(registration.keyCode, registration.modifiers, identifier) == noError;
    }
}

system::HotKeyHost::Status KeyboardRelay::registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers,
                                                         std::uint32_t identifier)
{
    const Status status = hotKeys_->registerHotKey(keyCode, modifiers, identifier);
    if (!registrations_.contains(identifier) || status == noError) {
        registrations_[identifier] = Registration{keyCode, modifiers, status == noError};
    }
    return status;
}

void KeyboardRelay::unregisterHotKey(std::uint32_t identifier)
{
    auto found = registrations_.find(identifier);
    if (found == registrations_.end()) {
        return;
    }
    if (found->second.served) {
        hotKeys_->unregisterHotKey(identifier);
    }
    registrations_.erase(found);
}

std::optional<std::string> KeyboardRelay::characterForKeyCode(std::uint16_t keyCode) const
{
    return layout_->characterForKeyCode(keyCode);
}

} // namespace quellarine::backends
