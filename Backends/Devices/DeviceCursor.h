#pragma once

#include "Backends/Devices/VirtualPointer.h"
#include "QuellarineKit/System/Cursor.h"

#include <cstdint>

namespace quellarine::devices {

// The pointer as this backend knows it: no program may read or place the pointer of a Wayland session, so the
// backend keeps its own position, the sum of the motion it has sent, and the taps work in that space. Placing the
// pointer sends the motion that gets there. The space has no edges and no displays: the compositor keeps the
// pointer on its screens, and what the taps do is only ever a difference of two positions.
//
// One point is one step of the steadied pointer, which the compositor takes as a count of a 1000 dpi mouse.
// Positions are kept to fractions of a point; only whole steps are sent, the rest goes with the next motion, but to a
// touchpad's twin, whose finger is shown in the pad's own finer units. The motion goes to the device the hand last
// used (its twin, or the steadied pointer), so that the compositor moves the pointer by that device's own settings.
class DeviceCursor final : public system::Cursor, public system::Displays {
public:
    explicit DeviceCursor(VirtualPointer& output);

    Point location() const { return location_; }
    // Where motion goes from now on.
    void setOutput(VirtualPointer::Output output) { target_ = output; }
    VirtualPointer::Output output() const { return target_; }
    // Sends the motion from the current position to `point`; a point that is not finite changes nothing.
    void moveTo(Point point);

    void warp(Point location) override { moveTo(location); }
    void associateMouseAndCursor(bool /*associated*/) override {}
    std::optional<Point> currentLocation() const override { return location_; }
    std::vector<Rect> activeDisplayFrames() const override { return {}; }

private:
    VirtualPointer& output_;
    VirtualPointer::Output target_ = VirtualPointer::steadiedPointer;
    Point location_;
    std::int64_t sentX_ = 0; // whole steps sent so far
    std::int64_t sentY_ = 0;
};

} // namespace quellarine::devices
