#pragma once

#include "QuellarineKit/Support/Geometry.h"

#include <optional>
#include <vector>

namespace quellarine::system {

class Cursor {
public:
    virtual ~Cursor() = default;
    // Moves the cursor without producing a pointer event.
    virtual void warp(Point location) = 0;
    // Lets the pointing devices drive the cursor again after a warp.
    virtual void associateMouseAndCursor(bool associated) = 0;
    // Where the cursor is now; none when the system cannot tell.
    virtual std::optional<Point> currentLocation() const = 0;
};

class Displays {
public:
    virtual ~Displays() = default;
    // The frames of the active displays in global display points, in the system's order; empty without displays.
    virtual std::vector<Rect> activeDisplayFrames() const = 0;
};

} // namespace quellarine::system
