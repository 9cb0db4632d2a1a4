#include "Backends/X11/X11EventTapHost.h"

#include <algorithm>

namespace quellarine::x11 {

using system::Event;
using system::EventType;

namespace {

bool isPress(EventType type)
{
    return type == EventType::leftMouseDown || type == EventType::rightMouseDown || type == EventType::otherMouseDown;
}

bool isWheel(unsigned xButton)
{
    return xButton >= 4 && xButton <= 7;
}

// The device's movement along the first two axes, from the accelerated values; false when it reports neither.
bool readDelta(const XIRawEvent& raw, double& dx, double& dy)
{
    const double* value = raw.valuators.values;
    bool moved = false;
    for (int axis = 0; axis < raw.valuators.mask_len * 8 && axis <= 1; ++axis) {
        if (!XIMaskIsSet(raw.valuators.mask, axis)) {
            continue;
        }
        (axis == 0 ? dx : dy) = *value++;
        moved = true;
    }
    return moved;
}

} // namespace

X11EventTapHost::X11EventTapHost(X11Connection& connection, X11DeviceGrabs& grabs, X11Pointer& pointer,
                                 const X11Displays& displays, backends::InputWatchdog& watchdog,
                                 const system::Clock& clock)
    : connection_(connection)
    , grabs_(grabs)
    , pointer_(pointer)
    , displays_(displays)
    , watchdog_(watchdog)
    , clock_(clock)
    , chain_({
          .mayEnable = [this] { return connection_.isOpen(); },
          // Off as soon as the watchdog gave the devices back, before the loop hears of it.
          .stillOn = [this] { return !grabs_.releasePending(); },
          .changed = [this] { updateGrabs(); },
      })
{
    if (connection_.isOpen() && connection_.hasInput2()) {
        // Devices come and go; each new or re-enabled one is grabbed while a tap is on.
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(bits, XI_HierarchyChanged);
        XIEventMask mask{XIAllDevices, sizeof bits, bits};
        XISelectEvents(connection_.display(), connection_.root(), &mask, 1);
        XFlush(connection_.display());
    }
}

X11EventTapHost::~X11EventTapHost()
{
    releaseDevices();
    // Also after the devices were given back from another thread: no button of ours stays down.
    pointer_.releaseHeldButtons();
}

std::unique_ptr<system::EventTap> X11EventTapHost::createTap(system::EventMask mask, Callback callback)
{
    if (!connection_.offersPointerControl()) {
        return nullptr;
    }
    return chain_.create(mask, std::move(callback));
}

void X11EventTapHost::updateGrabs()
{
    if (!chain_.anyEnabled()) {
        releaseDevices();
        return;
    }
    bool wasHolding = grabs_.holdsAny();
    grabs_.grabAll();
    if (!wasHolding) {
        // While the devices were free they drove the cursor themselves.
        pointer_.takeServerLocation();
        handButtons_ = 0;
    }
    watchdog_.setArmed(grabs_.holdsAny());
}

void X11EventTapHost::releaseDevices()
{
    watchdog_.setArmed(false);
    if (grabs_.holdsAny()) {
        grabs_.releaseAll();
        // A press this backend made would otherwise stay down after the user's own release.
        pointer_.releaseHeldButtons();
    }
}

void X11EventTapHost::disableTaps(EventType reason)
{
    chain_.disableAll(reason, clock_.nanoseconds());
}

void X11EventTapHost::checkForLostInput()
{
    if (grabs_.takeRelease()) {
        disableTaps(EventType::tapDisabledByTimeout);
    }
    if (connection_.isLost() && !reportedLoss_) {
        reportedLoss_ = true;
        postedCount_ = 0;
        disableTaps(EventType::tapDisabledByUserInput);
    }
}

void X11EventTapHost::post(const Event& posted, system::PostLevel /*level*/)
{
    Event event = posted;
    // Posted from a timer (a settling move, a click let through late), not in answer to a device event that just
    // looked: the cursor may have been put elsewhere since this backend placed it. A move would undo that, so it is
    // dropped (the next device event reports the new place); a click belongs where the cursor now is.
    bool elsewhere = !handlingDeviceEvent_ && pointer_.wasMovedElsewhere();
    // Both levels enter the server the same way: as input of the test device. Either way it is a placement.
    switch (event.type) {
    case EventType::mouseMoved:
    case EventType::leftMouseDragged:
    case EventType::rightMouseDragged:
    case EventType::otherMouseDragged:
        if (elsewhere) {
            return;
        }
        pointer_.moveTo(event.location);
        break;
    case EventType::leftMouseDown:
    case EventType::rightMouseDown:
    case EventType::otherMouseDown:
        if (grabs_.releasePending()) {
            // The devices went back while the loop stalled: the hand's release of this button may have gone by
            // already, and would never come here to end the press.
            return;
        }
        [[fallthrough]];
    case EventType::leftMouseUp:
    case EventType::rightMouseUp:
    case EventType::otherMouseUp:
        if (elsewhere) {
            event.location = pointer_.location();
        }
        pointer_.button(buttonForEvent(event), isPress(event.type), event.location);
        break;
    default:
        return;
    }
    pointer_.setBase(event.location);
    if (!connection_.isOpen()) {
        return;
    }
    if (postedCount_ == postedCapacity) {
        postedHead_ = (postedHead_ + 1) % postedCapacity;
        --postedCount_;
    }
    posted_[(postedHead_ + postedCount_) % postedCapacity] = event;
    ++postedCount_;
    if (!processing_) {
        connection_.wake();
    }
}

bool X11EventTapHost::deliverPosted()
{
    if (postedCount_ == 0) {
        return false;
    }
    Event event = posted_[postedHead_];
    postedHead_ = (postedHead_ + 1) % postedCapacity;
    --postedCount_;
    // Already with the applications: what the taps decide changes nothing.
    chain_.run(event);
    return true;
}

void X11EventTapHost::handleInput(XGenericEventCookie& cookie)
{
    switch (cookie.evtype) {
    case XI_RawMotion:
        handleRawMotion(*static_cast<const XIRawEvent*>(cookie.data));
        break;
    case XI_ButtonPress:
        handleButton(*static_cast<const XIDeviceEvent*>(cookie.data), true);
        break;
    case XI_ButtonRelease:
        handleButton(*static_cast<const XIDeviceEvent*>(cookie.data), false);
        break;
    case XI_HierarchyChanged:
        handleHierarchy(*static_cast<const XIHierarchyEvent*>(cookie.data));
        break;
    default:
        break;
    }
}

EventType X11EventTapHost::typeForButton(unsigned xButton, bool down)
{
    switch (xButton) {
    case 1:
        return down ? EventType::leftMouseDown : EventType::leftMouseUp;
    case 3:
        return down ? EventType::rightMouseDown : EventType::rightMouseUp;
    default:
        return down ? EventType::otherMouseDown : EventType::otherMouseUp;
    }
}

std::int64_t X11EventTapHost::buttonNumberForButton(unsigned xButton)
{
    switch (xButton) {
    case 1:
        return 0;
    case 3:
        return 1;
    case 2:
        return 2;
    default:
        return std::int64_t{xButton} - 5; // 8 → 3, 9 → 4, ...
    }
}

unsigned X11EventTapHost::buttonForEvent(const Event& event)
{
    switch (event.type) {
    case EventType::leftMouseDown:
    case EventType::leftMouseUp:
    case EventType::leftMouseDragged:
        return 1;
    case EventType::rightMouseDown:
    case EventType::rightMouseUp:
    case EventType::rightMouseDragged:
        return 3;
    case EventType::otherMouseDown:
    case EventType::otherMouseUp:
    case EventType::otherMouseDragged:
        if (event.buttonNumber == 2) {
            return 2;
        }
        return event.buttonNumber >= 3 && event.buttonNumber <= 250 ? unsigned(event.buttonNumber + 5) : 0;
    default:
        return 0;
    }
}

EventType X11EventTapHost::moveType() const
{
    if (handButtons_ & (1u << 1)) {
        return EventType::leftMouseDragged;
    }
    if (handButtons_ & (1u << 3)) {
        return EventType::rightMouseDragged;
    }
    if (handButtons_ != 0) {
        return EventType::otherMouseDragged;
    }
    return EventType::mouseMoved;
}

std::int64_t X11EventTapHost::dragButtonNumber() const
{
    for (unsigned xButton : {1u, 3u}) {
        if (handButtons_ & (std::uint64_t{1} << xButton)) {
            return buttonNumberForButton(xButton);
        }
    }
    for (unsigned xButton = 2; xButton < 64; ++xButton) {
        if (handButtons_ & (std::uint64_t{1} << xButton)) {
            return buttonNumberForButton(xButton);
        }
    }
    return 0;
}

void X11EventTapHost::handleRawMotion(const XIRawEvent& raw)
{
    double dx = 0;
    double dy = 0;
    if (!grabs_.delivers(raw.deviceid, raw.serial) || !readDelta(raw, dx, dy)) {
        return;
    }
    const std::uint64_t now = clock_.nanoseconds();
    if (lag_.isLate(raw.time, now)) {
        // Another program may have moved the pointer since the server made this event; placing the event would
        // undo that.
        pointer_.suspectOutsideMove();
    }
    bool elsewhere = pointer_.followOutsideMoves(raw.serial);
    Event event;
    event.type = moveType();
    event.cursorPlacedElsewhere = elsewhere;
    event.deltaX = dx;
    event.deltaY = dy;
    event.deltaBase = pointer_.base();
    event.location
        = pointer_.isAssociated() ? displays_.keepOnScreens(pointer_.base() + Vector{dx, dy}) : pointer_.base();
    event.timestamp = lag_.madeAt(raw.time, now);
    event.buttonNumber = dragButtonNumber();
    // The system has the pointer there now, whatever the taps make of the event (they may place it elsewhere).
    pointer_.setBase(event.location);
    HandlingDeviceEvent handling(*this);
    if (chain_.run(event)) {
        pointer_.moveTo(event.location);
    }
}

void X11EventTapHost::handleButton(const XIDeviceEvent& device, bool down)
{
    if (!grabs_.delivers(device.deviceid, device.serial) || device.detail <= 0) {
        return;
    }
    auto xButton = static_cast<unsigned>(device.detail);
    if (isWheel(xButton)) {
        pointer_.button(xButton, down, pointer_.location());
        return;
    }
    if (xButton < 64) {
        std::uint64_t bit = std::uint64_t{1} << xButton;
        handButtons_ = down ? (handButtons_ | bit) : (handButtons_ & ~bit);
    }
    // A cursor placed by someone else must get the click.
    const std::uint64_t now = clock_.nanoseconds();
    if (lag_.isLate(device.time, now)) {
        pointer_.suspectOutsideMove();
    }
    bool elsewhere = pointer_.followOutsideMoves(device.serial);
    Event event;
    event.type = typeForButton(xButton, down);
    event.cursorPlacedElsewhere = elsewhere;
    event.location = pointer_.base();
    event.clickState = 1;
    event.timestamp = lag_.madeAt(device.time, now);
    event.buttonNumber = buttonNumberForButton(xButton);
    HandlingDeviceEvent handling(*this);
    if (chain_.run(event)) {
        pointer_.button(xButton, down, event.location);
    }
}

void X11EventTapHost::handleHierarchy(const XIHierarchyEvent& hierarchy)
{
    bool lost = false;
    bool arrived = false;
    for (int i = 0; i < hierarchy.num_info; ++i) {
        const XIHierarchyInfo& info = hierarchy.info[i];
        if (info.flags & (XISlaveRemoved | XIDeviceDisabled)) {
            lost = grabs_.forget(info.deviceid) || lost;
        }
        if (info.flags & (XISlaveAdded | XIDeviceEnabled | XISlaveAttached)) {
            arrived = true;
        }
    }
    if (!chain_.anyEnabled()) {
        return;
    }
    if (lost) {
        // The taps are told and take the devices again when they turn back on.
        disableTaps(EventType::tapDisabledByUserInput);
    } else if (arrived) {
        updateGrabs();
    }
}

} // namespace quellarine::x11
