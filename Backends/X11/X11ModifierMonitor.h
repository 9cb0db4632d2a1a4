#pragma once

#include "Backends/X11/X11Connection.h"
#include "QuellarineKit/System/Clock.h"
#include "QuellarineKit/System/HotKeys.h"

#include <X11/XKBlib.h>

namespace quellarine::x11 {

// Modifier keys in every application, from XKB's state notifications: Control, Shift, Alt and Super.
// Caps Lock and Num Lock are not modifiers here. The handler hears of each change of these four, with
// the time it arrived on the monotonic clock.
class X11ModifierMonitor final : public system::ModifierMonitor {
public:
    X11ModifierMonitor(X11Connection& connection, const system::Clock& clock);

    void setHandler(Handler handler) override { handler_ = std::move(handler); }

    void handleXkb(const XkbEvent& event);

private:
    void readMasks();
    system::ModifierState stateOf(unsigned mods) const;

    X11Connection& connection_;
    const system::Clock& clock_;
    Handler handler_;
    unsigned altMask_ = Mod1Mask;
    unsigned superMask_ = Mod4Mask;
    system::ModifierState last_;
};

} // namespace quellarine::x11
