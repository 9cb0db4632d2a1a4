#include "Backends/X11/X11ModifierMonitor.h"

#include "Backends/X11/X11Keymap.h"

#include <X11/keysym.h>

namespace quellarine::x11 {

X11ModifierMonitor::X11ModifierMonitor(X11Connection& connection, const system::Clock& clock)
    : connection_(connection)
    , clock_(clock)
{
    if (!connection_.isOpen() || connection_.xkbEventBase() < 0) {
        return;
    }
    Display* display = connection_.display();
    XkbSelectEventDetails(display, XkbUseCoreKbd, XkbStateNotify, XkbModifierStateMask, XkbModifierStateMask);
    // A new keymap may put Alt or Super on other modifiers.
    XkbSelectEventDetails(display, XkbUseCoreKbd, XkbMapNotify, XkbModifierMapMask, XkbModifierMapMask);
    XkbSelectEventDetails(display, XkbUseCoreKbd, XkbNewKeyboardNotify, XkbNKN_KeycodesMask, XkbNKN_KeycodesMask);
    readMasks();
    XkbStateRec state{};
    if (XkbGetState(display, XkbUseCoreKbd, &state) == Success) {
        last_ = stateOf(state.mods);
    }
    connection_.wakeIfQueued();
}

void X11ModifierMonitor::readMasks()
{
    X11Keymap keymap(connection_.display());
    unsigned alt = keymap.modifiersOf(XK_Alt_L) | keymap.modifiersOf(XK_Alt_R);
    unsigned super = keymap.modifiersOf(XK_Super_L) | keymap.modifiersOf(XK_Super_R);
    altMask_ = alt != 0 ? alt : Mod1Mask;
    superMask_ = super != 0 ? super : Mod4Mask;
}

system::ModifierState X11ModifierMonitor::stateOf(unsigned mods) const
{
    system::ModifierState state;
    state.control = (mods & ControlMask) != 0;
    state.shift = (mods & ShiftMask) != 0;
    state.alt = (mods & altMask_) != 0;
    state.super = (mods & superMask_) != 0;
    return state;
}

void X11ModifierMonitor::handleXkb(const XkbEvent& event)
{
    switch (event.any.xkb_type) {
    case XkbStateNotify: {
        system::ModifierState state = stateOf(event.state.mods);
        if (state == last_) {
            return;
        }
        last_ = state;
        if (handler_) {
            Handler handler = handler_; // it may replace itself
            handler(state, clock_.uptime());
        }
        break;
    }
    case XkbMapNotify:
    case XkbNewKeyboardNotify:
        readMasks();
        connection_.wakeIfQueued();
        break;
    default:
        break;
    }
}

} // namespace quellarine::x11
