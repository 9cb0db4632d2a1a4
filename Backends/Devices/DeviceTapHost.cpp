#include "Backends/Devices/DeviceTapHost.h"

#include <linux/input-event-codes.h>

#include <algorithm>
#include <bit>

namespace quellarine::devices {

using system::Event;
using system::EventType;

class DeviceTapHost::Tap final : public system::EventTap {
public:
    Tap(DeviceTapHost& host, Entry& entry)
        : host_(host)
        , entry_(entry)
    {
    }
    ~Tap() override { host_.tapDestroyed(entry_); }
    Tap(const Tap&) = delete;
    Tap& operator=(const Tap&) = delete;

    void setEnabled(bool enabled) override { host_.setEnabled(entry_, enabled); }
    bool isEnabled() const override { return entry_.enabled; }

private:
    DeviceTapHost& host_;
    Entry& entry_;
};

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
{
    // Room for the few taps there are: running them, or telling them they are off, allocates nothing.
    running_.reserve(8);
    told_.reserve(8);
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
    auto entry = std::make_unique<Entry>();
    entry->mask = mask;
    entry->callback = std::move(callback);
    Entry& created = *entry;
    taps_.insert(taps_.begin(), std::move(entry));
    updateGrabs();
    return std::make_unique<Tap>(*this, created);
}

void DeviceTapHost::setEnabled(Entry& entry, bool enabled)
{
    entry.enabled = enabled;
    updateGrabs();
}

void DeviceTapHost::tapDestroyed(Entry& entry)
{
    entry.enabled = false;
    entry.removed = true;
    updateGrabs();
    purgeRemoved();
}

void DeviceTapHost::purgeRemoved()
{
    if (dispatching_ == 0) {
        std::erase_if(taps_, [](const std::unique_ptr<Entry>& entry) { return entry->removed; });
    }
}

bool DeviceTapHost::anyEnabled() const
{
    return std::any_of(taps_.begin(), taps_.end(), [](const auto& entry) { return entry->enabled; });
}

void DeviceTapHost::updateGrabs()
{
    if (!anyEnabled()) {
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
    std::vector<Entry*>& told = told_;
    told.clear();
    for (const auto& entry : taps_) {
        if (entry->enabled) {
            entry->enabled = false;
            told.push_back(entry.get());
        }
    }
    releaseDevices();
    ++dispatching_;
    for (Entry* entry : told) {
        if (!entry->removed) {
            Event notice;
            notice.type = reason;
            notice.timestamp = clock_.nanoseconds();
            entry->callback(notice);
        }
    }
    --dispatching_;
    purgeRemoved();
}

void DeviceTapHost::checkForLostInput()
{
    if (devices_.takeRelease()) {
        disableTaps(EventType::tapDisabledByTimeout);
    }
}

bool DeviceTapHost::runTaps(Event& event)
{
    const system::EventMask bit = system::maskBit(event.type);
    running_.clear();
    for (const auto& entry : taps_) {
        if (entry->enabled && (entry->mask & bit) != 0) {
            running_.push_back(entry.get());
        }
    }
    bool passes = true;
    ++dispatching_;
    for (std::size_t i = 0; i < running_.size() && passes; ++i) {
        Entry* entry = running_[i];
        // A tap switched off or destroyed by an earlier callback no longer sees the event.
        if (entry->enabled && !entry->removed) {
            passes = entry->callback(event) == system::TapVerdict::pass;
        }
    }
    --dispatching_;
    purgeRemoved();
    return passes;
}

void DeviceTapHost::post(const Event& event, system::PostLevel /*level*/)
{
    // Both levels leave through the virtual device.
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
        output_.button(codeForEvent(event), isPress(event.type));
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
    runTaps(event);
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

void DeviceTapHost::motion(std::uint64_t time, std::int32_t dx, std::int32_t dy)
{
    Event event;
    event.type = moveType();
    event.deltaX = dx;
    event.deltaY = dy;
    event.deltaBase = cursor_.location();
    event.location = cursor_.location() + Vector{static_cast<double>(dx), static_cast<double>(dy)};
    event.timestamp = time;
    event.buttonNumber = dragButtonNumber();
    if (runTaps(event)) {
        cursor_.moveTo(event.location);
    }
}

void DeviceTapHost::button(std::uint64_t time, std::uint16_t code, bool down)
{
    if (code < BTN_LEFT || code > BTN_TASK) {
        return;
    }
    const int number = code - BTN_LEFT;
    const std::uint32_t bit = std::uint32_t{1} << number;
    handButtons_ = down ? (handButtons_ | bit) : (handButtons_ & ~bit);
    Event event;
    event.type = typeForButton(code, down);
    event.location = cursor_.location();
    event.clickState = 1;
    event.timestamp = time;
    event.buttonNumber = number;
    if (runTaps(event)) {
        cursor_.moveTo(event.location);
        output_.button(code, down);
    }
}

void DeviceTapHost::scroll(std::int32_t vertical120, std::int32_t horizontal120)
{
    output_.scroll(vertical120, horizontal120);
}

void DeviceTapHost::deviceRemoved()
{
    // Its buttons came up through the taps before; whatever the virtual device still holds has no hand behind it.
    if (handButtons_ == 0) {
        output_.releaseHeldButtons();
    }
}

} // namespace quellarine::devices
