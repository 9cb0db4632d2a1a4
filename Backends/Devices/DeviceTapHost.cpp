#include "Backends/Devices/DeviceTapHost.h"

#include <linux/input-event-codes.h>

#include <algorithm>
#include <bit>

namespace quellarine::devices {

using system::Event;
using system::EventType;

namespace {

constexpr int buttonCount = BTN_TASK - BTN_LEFT + 1;

bool isPress(EventType type)
{
    return type == EventType::leftMouseDown || type == EventType::rightMouseDown || type == EventType::otherMouseDown;
}

} // namespace

DeviceTapHost::DeviceTapHost(PointingDevices& devices, DeviceCursor& cursor, VirtualPointer& output,
                             backends::InputWatchdog& watchdog, const system::Clock& clock, std::function<void()> wake)
    : devices_(devices)
    , cursor_(cursor)
    , output_(output)
    , watchdog_(watchdog)
    , clock_(clock)
    , wake_(std::move(wake))
    , chain_({.mayEnable = {}, .stillOn = {}, .changed = [this] { updateGrabs(); }})
{
}

DeviceTapHost::~DeviceTapHost()
{
    releaseDevices();
    output_.releaseHeldButtons();
}

std::unique_ptr<system::EventTap> DeviceTapHost::createTap(system::EventMask mask, Callback callback)
{
    if (!output_.isOpen()) {
        return nullptr;
    }
    return chain_.create(mask, std::move(callback));
}

void DeviceTapHost::updateGrabs()
{
    if (!chain_.anyEnabled()) {
        releaseDevices();
        return;
    }
    if (!devices_.holdsAny()) {
        // Whatever the hand held went to the compositor.
        handButtons_ = 0;
    }
    devices_.grabAll();
    watchdog_.setArmed(true);
}

void DeviceTapHost::releaseDevices()
{
    watchdog_.setArmed(false);
    devices_.releaseAll();
    // The hand's buttons reach the compositor directly again: none of ours may stay down.
    output_.releaseHeldButtons();
}

void DeviceTapHost::disableTaps(EventType reason)
{
    chain_.disableAll(reason, clock_.nanoseconds());
}

void DeviceTapHost::checkForLostInput()
{
    if (devices_.takeRelease()) {
        disableTaps(EventType::tapDisabledByTimeout);
    }
}

void DeviceTapHost::post(const Event& event, system::PostLevel /*level*/)
{
    // Both levels leave through the output of the hand's device.
    switch (event.type) {
    case EventType::mouseMoved:
    case EventType::leftMouseDragged:
    case EventType::rightMouseDragged:
    case EventType::otherMouseDragged:
        cursor_.moveTo(event.location);
        break;
    case EventType::leftMouseDown:
    case EventType::rightMouseDown:
    case EventType::otherMouseDown:
    case EventType::leftMouseUp:
    case EventType::rightMouseUp:
    case EventType::otherMouseUp:
        cursor_.moveTo(event.location);
        output_.button(cursor_.output(), codeForEvent(event), isPress(event.type));
        break;
    default:
        return;
    }
    if (postedCount_ == postedCapacity) {
        postedHead_ = (postedHead_ + 1) % postedCapacity;
        --postedCount_;
    }
    posted_[(postedHead_ + postedCount_) % postedCapacity] = event;
    ++postedCount_;
    if (!processing_ && wake_) {
        wake_();
    }
}

bool DeviceTapHost::deliverPosted()
{
    if (postedCount_ == 0) {
        return false;
    }
    Event event = posted_[postedHead_];
    postedHead_ = (postedHead_ + 1) % postedCapacity;
    --postedCount_;
    // Already sent: what the taps decide changes nothing.
    chain_.run(event);
    return true;
}

EventType DeviceTapHost::typeForButton(std::uint16_t code, bool down)
{
    switch (code) {
    case BTN_LEFT:
        return down ? EventType::leftMouseDown : EventType::leftMouseUp;
    case BTN_RIGHT:
        return down ? EventType::rightMouseDown : EventType::rightMouseUp;
    default:
        return down ? EventType::otherMouseDown : EventType::otherMouseUp;
    }
}

std::uint16_t DeviceTapHost::codeForEvent(const Event& event)
{
    switch (event.type) {
    case EventType::leftMouseDown:
    case EventType::leftMouseUp:
        return BTN_LEFT;
    case EventType::rightMouseDown:
    case EventType::rightMouseUp:
        return BTN_RIGHT;
    case EventType::otherMouseDown:
    case EventType::otherMouseUp:
        return event.buttonNumber >= 2 && event.buttonNumber < buttonCount
            ? static_cast<std::uint16_t>(BTN_LEFT + event.buttonNumber)
            : 0;
    default:
        return 0;
    }
}

EventType DeviceTapHost::moveType() const
{
    if (handButtons_ & 1u) {
        return EventType::leftMouseDragged;
    }
    if (handButtons_ & 2u) {
        return EventType::rightMouseDragged;
    }
    return handButtons_ != 0 ? EventType::otherMouseDragged : EventType::mouseMoved;
}

std::int64_t DeviceTapHost::dragButtonNumber() const
{
    if (handButtons_ & 1u) {
        return 0;
    }
    if (handButtons_ & 2u) {
        return 1;
    }
    return handButtons_ != 0 ? std::countr_zero(handButtons_) : 0;
}

void DeviceTapHost::motion(VirtualPointer::Output from, std::uint64_t time, std::int32_t dx, std::int32_t dy)
{
    cursor_.setOutput(from);
    Event event;
    event.type = moveType();
    event.deltaX = dx;
    event.deltaY = dy;
    event.deltaBase = cursor_.location();
    event.location = cursor_.location() + Vector{static_cast<double>(dx), static_cast<double>(dy)};
    event.timestamp = time;
    event.buttonNumber = dragButtonNumber();
    if (chain_.run(event)) {
        cursor_.moveTo(event.location);
    }
}

void DeviceTapHost::button(VirtualPointer::Output from, std::uint64_t time, std::uint16_t code, bool down)
{
    if (code < BTN_LEFT || code > BTN_TASK) {
        return;
    }
    cursor_.setOutput(from);
    const int number = code - BTN_LEFT;
    const std::uint32_t bit = std::uint32_t{1} << number;
    handButtons_ = down ? (handButtons_ | bit) : (handButtons_ & ~bit);
    Event event;
    event.type = typeForButton(code, down);
    event.location = cursor_.location();
    event.clickState = 1;
    event.timestamp = time;
    event.buttonNumber = number;
    if (chain_.run(event)) {
        cursor_.moveTo(event.location);
        // The physical code: the compositor swaps a left-handed mouse's buttons on its twin.
        output_.button(from, code, down);
    }
}

void DeviceTapHost::scroll(VirtualPointer::Output from, std::int32_t vertical120, std::int32_t horizontal120)
{
    output_.scroll(from, vertical120, horizontal120);
}

void DeviceTapHost::deviceRemoved()
{
    // Its buttons came up through the taps before, and its twin went with it; whatever our devices still hold has
    // no hand behind it.
    if (handButtons_ == 0) {
        output_.releaseHeldButtons();
    }
}

} // namespace quellarine::devices
