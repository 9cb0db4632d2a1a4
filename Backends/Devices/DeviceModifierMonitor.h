#pragma once

#include "QuellarineKit/System/HotKeys.h"

namespace quellarine::devices {

// Changes of the modifier keys as the keyboards report them, with the time each happened.
class DeviceModifierMonitor final : public system::ModifierMonitor {
public:
    void setHandler(Handler handler) override { handler_ = std::move(handler); }

    // The modifiers are now these, since this time (seconds of the monotonic clock).
    void report(const system::ModifierState& state, double time)
    {
        if (handler_) {
            Handler handler = handler_; // it may replace itself
            handler(state, time);
        }
    }

private:
    Handler handler_;
};

} // namespace quellarine::devices
