#include "Backends/X11/X11Backend.h"

#include "Backends/Common/ProcessingRound.h"

#include <X11/extensions/Xrandr.h>

namespace quellarine::x11 {

X11Backend::X11Backend(const char* displayName)
    : connection_(displayName)
    , displays_(connection_)
    , pointer_(connection_)
    , grabs_(connection_)
    , outsideMoves_(connection_, grabs_)
    , watchdog_(connection_.inputDescriptors(), [this] { giveDevicesBack(); })
    , taps_(connection_, grabs_, pointer_, displays_, watchdog_, clock_)
{
    pointer_.releaseButtonsLeftDown();
}

X11Backend::~X11Backend() = default;

void X11Backend::attach(backends::PollMainLoop& loop)
{
    connection_.serveOn(loop, [this] { processPendingEvents(); });
}

bool X11Backend::isTrusted() const
{
    return connection_.offersPointerControl();
}

system::PointerSystem X11Backend::pointerSystem(system::MainLoop& mainLoop)
{
    return {taps_, taps_, pointer_, displays_, clock_, mainLoop};
}

void X11Backend::giveDevicesBack()
{
    // On the watchdog's thread, while the main loop is stuck: Xlib serialises the calls.
    if (grabs_.releaseFromWatchdog()) {
        pointer_.releaseHeldButtons();
    }
    watchdog_.setArmed(false);
    connection_.wake();
}

void X11Backend::suspend()
{
    grabs_.suspend();
    pointer_.releaseHeldButtons();
    watchdog_.setArmed(false);
    connection_.wake();
}

void X11Backend::resume()
{
    if (grabs_.resume()) {
        connection_.wake();
    }
}

void X11Backend::processPendingEvents()
{
    if (processing_ || connection_.display() == nullptr) {
        return;
    }
    backends::ProcessingRound processing(processing_, taps_);
    connection_.clearWake();
    Display* display = connection_.display();
    while (true) {
        watchdog_.serviced();
        taps_.checkForLostInput();
        if (taps_.deliverPosted()) {
            continue;
        }
        if (!connection_.isOpen() || XPending(display) == 0) {
            break;
        }
        XEvent event;
        XNextEvent(display, &event);
        dispatch(event);
    }
    outsideMoves_.finishRound();
    // The server may have gone away inside the loop.
    taps_.checkForLostInput();
    connection_.forgetLostSocket();
}

void X11Backend::dispatch(XEvent& event)
{
    Display* display = connection_.display();
    if (event.type == GenericEvent && outsideMoves_.mayFollowMove(event.xcookie)) {
        pointer_.suspectOutsideMove();
    }
    if (event.type == GenericEvent && event.xcookie.extension == connection_.inputOpcode()) {
        if (XGetEventData(display, &event.xcookie)) {
            taps_.handleInput(event.xcookie);
            XFreeEventData(display, &event.xcookie);
        }
    } else if (connection_.xkbEventBase() >= 0 && event.type == connection_.xkbEventBase()) {
        outsideMoves_.handleXkb(reinterpret_cast<const XkbEvent&>(event));
    } else if (connection_.randrEventBase() >= 0
               && (event.type == connection_.randrEventBase() + RRScreenChangeNotify
                   || event.type == connection_.randrEventBase() + RRNotify)) {
        displays_.refresh(event);
    }
}

} // namespace quellarine::x11
