#include "Backends/X11/X11HotKeys.h"

#include "Backends/X11/X11Keymap.h"
#include "QuellarineKit/Pointer/GlobalHotKey.h"

#include <X11/XKBlib.h>
#include <X11/keysym.h>

#include <algorithm>

namespace quellarine::x11 {

namespace {

using Shortcut = GlobalHotKey::Shortcut;

unsigned orDefault(unsigned mask, unsigned fallback)
{
    return mask != 0 ? mask : fallback;
}

} // namespace

X11HotKeys::X11HotKeys(X11Connection& connection)
    : connection_(connection)
{
    if (connection_.isOpen()) {
        // Held keys then repeat as presses without releases in between, so a held combination fires once.
        XkbSetDetectableAutoRepeat(connection_.display(), True, nullptr);
    }
}

X11HotKeys::~X11HotKeys()
{
    for (const auto& [identifier, grab] : grabs_) {
        ungrab(grab);
    }
    if (connection_.isOpen()) {
        XFlush(connection_.display());
    }
}

unsigned X11HotKeys::xModifiers(std::uint32_t modifiers, unsigned altMask, unsigned superMask)
{
    unsigned mask = 0;
    if (modifiers & Shortcut::controlMask) {
        mask |= ControlMask;
    }
    if (modifiers & Shortcut::altMask) {
        mask |= altMask;
    }
    if (modifiers & Shortcut::shiftMask) {
        mask |= ShiftMask;
    }
    if (modifiers & Shortcut::superMask) {
        mask |= superMask;
    }
    return mask;
}

system::HotKeyHost::Status X11HotKeys::registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers,
                                                      std::uint32_t identifier)
{
    if (!connection_.isOpen() || grabs_.contains(identifier)) {
        return invalid;
    }
    Display* display = connection_.display();
    X11Keymap keymap(display);
    auto keycode = keymap.keycodeForPosition(keyCode);
    if (!keycode) {
        return invalid;
    }
    unsigned alt = orDefault(keymap.modifiersOf(XK_Alt_L) | keymap.modifiersOf(XK_Alt_R), Mod1Mask);
    unsigned super = orDefault(keymap.modifiersOf(XK_Super_L) | keymap.modifiersOf(XK_Super_R), Mod4Mask);
    unsigned numLock = keymap.modifiersOf(XK_Num_Lock);
    relevantModifiers_ = ControlMask | ShiftMask | alt | super;

    Grab grab;
    grab.keycode = *keycode;
    grab.modifiers = xModifiers(modifiers, alt, super);
    for (const auto& [other, held] : grabs_) {
        if (held.keycode == grab.keycode && held.modifiers == grab.modifiers) {
            return taken;
        }
    }
    for (unsigned lock : {0u, unsigned(LockMask), numLock, LockMask | numLock}) {
        bool known = std::find(grab.lockVariants, grab.lockVariants + grab.variantCount, lock)
            != grab.lockVariants + grab.variantCount;
        if (!known) {
            grab.lockVariants[grab.variantCount++] = lock;
        }
    }

    X11Connection::ErrorTrap trap(connection_);
    unsigned long serials[4] = {};
    for (int i = 0; i < grab.variantCount; ++i) {
        serials[i] = NextRequest(display);
        XGrabKey(display, grab.keycode, grab.modifiers | grab.lockVariants[i], connection_.root(), False, GrabModeAsync,
                 GrabModeAsync);
    }
    auto errors = trap.sync();
    connection_.wakeIfQueued();
    if (errors.empty()) {
        grabs_[identifier] = grab;
        return noError;
    }
    // Some variants may have been granted: give those back, so that a refused combination holds nothing.
    for (int i = 0; i < grab.variantCount; ++i) {
        bool failed = std::any_of(errors.begin(), errors.end(),
                                  [&](const X11Connection::Error& error) { return error.serial == serials[i]; });
        if (!failed) {
            XUngrabKey(display, grab.keycode, grab.modifiers | grab.lockVariants[i], connection_.root());
        }
    }
    bool heldElsewhere = std::any_of(errors.begin(), errors.end(),
                                     [](const X11Connection::Error& error) { return error.errorCode == BadAccess; });
    XFlush(display);
    return heldElsewhere ? taken : invalid;
}

void X11HotKeys::ungrab(const Grab& grab)
{
    if (!connection_.isOpen()) {
        return;
    }
    for (int i = 0; i < grab.variantCount; ++i) {
        XUngrabKey(connection_.display(), grab.keycode, grab.modifiers | grab.lockVariants[i], connection_.root());
    }
}

void X11HotKeys::unregisterHotKey(std::uint32_t identifier)
{
    auto grab = grabs_.find(identifier);
    if (grab == grabs_.end()) {
        return;
    }
    ungrab(grab->second);
    grabs_.erase(grab);
    held_.forget(identifier);
    if (connection_.isOpen()) {
        XFlush(connection_.display());
    }
}

void X11HotKeys::handleKey(const XKeyEvent& event)
{
    if (event.type == KeyRelease) {
        held_.released(event.keycode);
        return;
    }
    const unsigned modifiers = event.state & relevantModifiers_;
    const auto pressed = std::find_if(grabs_.begin(), grabs_.end(), [&](const auto& entry) {
        return entry.second.keycode == event.keycode && entry.second.modifiers == modifiers;
    });
    if (pressed != grabs_.end()) {
        held_.pressed(pressed->first, event.keycode); // a held key's repeats fire nothing
    }
}

} // namespace quellarine::x11
