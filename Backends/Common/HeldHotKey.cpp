#include "Backends/Common/HeldHotKey.h"

namespace quellarine::backends {

void HeldHotKey::pressed(std::uint32_t identifier, std::uint32_t key)
{
    if (held_ && held_->identifier == identifier) {
        return;
    }
    held_ = Held{identifier, key};
    if (handler_) {
        system::HotKeyHost::Handler handler = handler_; // it may replace itself or unregister this hot key
        handler(identifier);
    }
}

void HeldHotKey::released(std::uint32_t key)
{
    if (held_ && held_->key == key) {
        held_.reset();
    }
}

void HeldHotKey::forget(std::uint32_t identifier)
{
    if (held_ && held_->identifier == identifier) {
        held_.reset();
    }
}

} // namespace quellarine::backends
