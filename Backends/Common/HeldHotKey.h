#pragma once

#include "QuellarineKit/System/HotKeys.h"

#include <cstdint>
#include <optional>

namespace quellarine::backends {

// Which hot key's keys are down, so that a combination fires once per press however long it is held: the key's
// repeats fire nothing until the key comes up.
class HeldHotKey {
public:
    void setHandler(system::HotKeyHost::Handler handler) { handler_ = std::move(handler); }

    // The combination `identifier` went down (or repeats) on `key`: runs the handler unless it is already held.
    void pressed(std::uint32_t identifier, std::uint32_t key);
    // `key` came up: the combination held on it can fire again.
    void released(std::uint32_t key);
    // The combination is no longer registered.
    void forget(std::uint32_t identifier);

private:
    struct Held {
        std::uint32_t identifier = 0;
        std::uint32_t key = 0;
    };

    system::HotKeyHost::Handler handler_;
    std::optional<Held> held_;
};

} // namespace quellarine::backends
