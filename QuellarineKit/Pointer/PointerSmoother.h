#pragma once

#include "QuellarineKit/Support/Geometry.h"
#include "QuellarineKit/Pointer/PointerFilter.h"

#include <optional>
#include <vector>

namespace quellarine {

// Turns the hand's attributed deltas into the position the user sees: the raw position follows the hand
// exactly, the emitted one is the raw position after the pointer filter. Both are kept on the displays.
class PointerSmoother {
public:
    PointerSmoother(const PointerFilter::Parameters& parameters, std::vector<Rect> displays);

    PointerFilter filter;
    // Frames of the active displays in the system's order. Replacing them does not move the positions until
    // the next move or settle step.
    std::vector<Rect> displays;

    // The hand's position; none until the first move or resynchronisation.
    const std::optional<Point>& raw() const { return raw_; }
    // The last position handed out for display; none until the first move, resynchronisation or placement.
    const std::optional<Point>& emitted() const { return emitted_; }

    // Adds the hand's movement to the raw position and returns the steadied point to show. The very first
    // move starts at `location` and shows it unchanged. A movement that would leave the hand at a point that is
    // not finite leaves it where it was and shows it there.
    Point move(Vector delta, Point location, double time);

    // Starts over at `point` (not clamped) with a fresh filter; the parameters stay. A point that is not finite
    // changes nothing.
    void resync(Point point);

    // One step towards the resting hand; none before the first move.
    std::optional<Point> settle(double time);

    // The cursor really went to `point`: only the emitted position follows, when the point is finite.
    void cursorPlaced(Point point);

private:
    // The nearest point on a display, with the right and bottom edges minus 1 point.
    Point clamp(Point point) const;

    std::optional<Point> raw_;
    std::optional<Point> emitted_;
};

} // namespace quellarine
