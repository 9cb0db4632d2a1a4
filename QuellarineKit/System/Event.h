#pragma once

#include "QuellarineKit/Support/Geometry.h"

#include <cstdint>
#include <optional>

namespace quellarine::system {

// Pointer event types, numbered as the window system numbers them.
enum class EventType : std::uint32_t {
    null = 0,
    leftMouseDown = 1,
    leftMouseUp = 2,
    rightMouseDown = 3,
    rightMouseUp = 4,
    mouseMoved = 5,
    leftMouseDragged = 6,
    rightMouseDragged = 7,
    otherMouseDown = 25,
    otherMouseUp = 26,
    otherMouseDragged = 27,
    tapDisabledByTimeout = 0xFFFFFFFE,
    tapDisabledByUserInput = 0xFFFFFFFF,
};

// A bit per event type, for choosing what a tap sees.
using EventMask = std::uint64_t;

// The tap-disabled notices (and any type numbered past the mask) have no bit: no mask selects them.
constexpr EventMask maskBit(EventType type)
{
    const auto number = static_cast<std::uint32_t>(type);
    return number < 64 ? EventMask{1} << number : EventMask{0};
}

// One pointer event as it passes through the taps. A plain value: copying it cannot fail.
struct Event {
    EventType type = EventType::null;
    Point location;    // where the system put (or will put) the cursor, global display points
    double deltaX = 0; // what the device moved, after the user's pointer acceleration
    double deltaY = 0;
    std::int64_t clickState = 0;   // click count of a press or release
    std::int64_t userData = 0;     // free for the poster: marks our own synthetic events
    std::uint64_t timestamp = 0;   // nanoseconds of the monotonic clock; 0 when unknown
    std::uint64_t flags = 0;       // modifier flags at the time of the event
    std::int64_t buttonNumber = 0; // the device's button number (0 left, 1 right, 2 and up other buttons)
    // Something other than the device and the taps' own events put the cursor elsewhere just before this event
    // (another program's warp): its location starts from there. Only systems that can tell set it.
    bool cursorPlacedElsewhere = false;
    // The point a move starts from: the system added the delta to it (keeping the result on the displays), or left
    // the cursor there while it is detached from the mouse. Only systems that compute the location themselves
    // know it; the others leave it empty.
    std::optional<Point> deltaBase;

    bool operator==(const Event&) const = default;

    // The delta fields read as integers, as the device reports whole steps.
    std::int64_t integerDeltaX() const;
    std::int64_t integerDeltaY() const;
};

} // namespace quellarine::system
