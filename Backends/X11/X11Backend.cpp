#include "Backends/X11/X11Backend.h"

#include "Backends/Common/InputWatchdog.h"
#include "Backends/Common/MonotonicClock.h"
#include "Backends/Common/ProcessingRound.h"
#include "Backends/X11/X11Connection.h"
#include "Backends/X11/X11DeviceGrabs.h"
#include "Backends/X11/X11Displays.h"
#include "Backends/X11/X11EventTapHost.h"
#include "Backends/X11/X11OutsideMoves.h"
#include "Backends/X11/X11Pointer.h"

#include <X11/extensions/Xrandr.h>

#include <functional>
#include <utility>

namespace quellarine::x11 {

struct X11Backend::Parts {
    Parts(const char* displayName, std::function<void()> stalled)
        : connection(displayName)
        , displays(connection)
        , pointer(connection)
        , grabs(connection)
        , outsideMoves(connection, grabs)
        , watchdog(connection.inputDescriptors(), std::move(stalled))
        , taps(connection, grabs, pointer, displays, watchdog, clock)
    {
    }

    void dispatch(XEvent& event);

    backends::MonotonicClock clock;
    X11Connection connection;
    X11Displays displays;
    X11Pointer pointer;
    X11DeviceGrabs grabs;
    // Before anything asks for events: it counts them all.
    X11OutsideMoves outsideMoves;
    backends::InputWatchdog watchdog;
    X11EventTapHost taps;
    bool processing = false;
};

X11Backend::X11Backend(const char* displayName)
    : parts_(std::make_unique<Parts>(displayName, [this] { giveDevicesBack(); }))
{
    parts_->pointer.releaseButtonsLeftDown();
}

X11Backend::~X11Backend() = default;

bool X11Backend::isConnected() const
{
    return parts_->connection.isOpen();
}

bool X11Backend::isWaylandSession() const
{
    return parts_->connection.isWaylandSession();
}

bool X11Backend::hearsOfOutsideMoves() const
{
    return parts_->outsideMoves.isRecording();
}

unsigned long X11Backend::recordContext() const
{
    return parts_->outsideMoves.context();
}

std::uint64_t X11Backend::pointerQuestions() const
{
    return parts_->pointer.questions();
}

std::uint64_t X11Backend::lateEvents() const
{
    return parts_->taps.lateEvents();
}

int X11Backend::fileDescriptor() const
{
    return parts_->connection.fileDescriptor();
}

system::Clock& X11Backend::clock()
{
    return parts_->clock;
}

system::EventTapHost& X11Backend::taps()
{
    return parts_->taps;
}

system::EventPoster& X11Backend::poster()
{
    return parts_->taps;
}

system::Cursor& X11Backend::cursor()
{
    return parts_->pointer;
}

system::Displays& X11Backend::displays()
{
    return parts_->displays;
}

void X11Backend::attach(backends::PollMainLoop& loop)
{
    parts_->connection.serveOn(loop, [this] { processPendingEvents(); });
}

bool X11Backend::maySteerPointer() const
{
    return parts_->connection.offersPointerControl();
}

system::PointerSystem X11Backend::pointerSystem(system::MainLoop& mainLoop)
{
    return {parts_->taps, parts_->taps, parts_->pointer, parts_->displays, parts_->clock, mainLoop};
}

void X11Backend::giveDevicesBack()
{
    // On the watchdog's thread, while the main loop is stuck: Xlib serialises the calls.
    if (parts_->grabs.releaseFromWatchdog()) {
        parts_->pointer.releaseHeldButtons();
    }
    parts_->watchdog.setArmed(false);
    parts_->connection.wake();
}

void X11Backend::suspend()
{
    parts_->grabs.suspend();
    parts_->pointer.releaseHeldButtons();
    parts_->watchdog.setArmed(false);
    parts_->connection.wake();
}

void X11Backend::resume()
{
    if (parts_->grabs.resume()) {
        parts_->connection.wake();
    }
}

void X11Backend::processPendingEvents()
{
    if (parts_->processing || parts_->connection.display() == nullptr) {
        return;
    }
    backends::ProcessingRound processing(parts_->processing, parts_->taps);
    parts_->connection.clearWake();
    Display* display = parts_->connection.display();
    while (true) {
        parts_->watchdog.serviced();
        parts_->taps.checkForLostInput();
        if (parts_->taps.deliverPosted()) {
            continue;
        }
        if (!parts_->connection.isOpen() || XPending(display) == 0) {
            break;
        }
        XEvent event;
        XNextEvent(display, &event);
        parts_->dispatch(event);
    }
    parts_->outsideMoves.finishRound();
    // The server may have gone away inside the loop.
    parts_->taps.checkForLostInput();
    parts_->connection.forgetLostSocket();
}

void X11Backend::Parts::dispatch(XEvent& event)
{
    Display* display = connection.display();
    if (event.type == GenericEvent && outsideMoves.mayFollowMove(event.xcookie)) {
        pointer.suspectOutsideMove();
    }
    if (event.type == GenericEvent && event.xcookie.extension == connection.inputOpcode()) {
        if (XGetEventData(display, &event.xcookie)) {
            taps.handleInput(event.xcookie);
            XFreeEventData(display, &event.xcookie);
        }
    } else if (connection.xkbEventBase() >= 0 && event.type == connection.xkbEventBase()) {
        outsideMoves.handleXkb(reinterpret_cast<const XkbEvent&>(event));
    } else if (connection.randrEventBase() >= 0
               && (event.type == connection.randrEventBase() + RRScreenChangeNotify
                   || event.type == connection.randrEventBase() + RRNotify)) {
        displays.refresh(event);
    }
}

} // namespace quellarine::x11
