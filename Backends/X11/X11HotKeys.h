#pragma once

#include "Backends/Common/HeldHotKey.h"
#include "Backends/X11/X11Connection.h"
#include "QuellarineKit/System/HotKeys.h"

#include <cstdint>
#include <map>

namespace quellarine::x11 {

// Global hot keys as passive key grabs on the root window. X matches a grab's modifiers exactly, so each
// combination is grabbed four times: as it is, and with Caps Lock, Num Lock or both on. A combination that
// another client holds in any of these forms is refused whole; X does not refuse a client's own second grab of
// a combination, so this host refuses a combination it already holds itself. Holding the keys fires once.
class X11HotKeys final : public system::HotKeyHost {
public:
    // Refusals: the combination is held by another client or by this process.
    static constexpr Status taken = -9878;
    // The key is not on this keyboard, the identifier is in use, or there is no server.
    static constexpr Status invalid = -9879;

    explicit X11HotKeys(X11Connection& connection);
    ~X11HotKeys() override;
    X11HotKeys(const X11HotKeys&) = delete;
    X11HotKeys& operator=(const X11HotKeys&) = delete;

    Status registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers, std::uint32_t identifier) override;
    void unregisterHotKey(std::uint32_t identifier) override;
    void setHandler(Handler handler) override { held_.setHandler(std::move(handler)); }

    // Key presses and releases on the root window.
    void handleKey(const XKeyEvent& event);

    // The X modifiers of a shortcut's modifier mask (control, alt, shift, super).
    static unsigned xModifiers(std::uint32_t modifiers, unsigned altMask, unsigned superMask);

private:
    struct Grab {
        KeyCode keycode = 0;
        unsigned modifiers = 0;
        unsigned lockVariants[4] = {};
        int variantCount = 0;
    };

    void ungrab(const Grab& grab);

    X11Connection& connection_;
    std::map<std::uint32_t, Grab> grabs_; // by identifier
    unsigned relevantModifiers_ = 0;      // the modifiers that tell combinations apart
    backends::HeldHotKey held_;
};

} // namespace quellarine::x11
