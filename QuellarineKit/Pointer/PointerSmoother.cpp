#include "QuellarineKit/Pointer/PointerSmoother.h"

#include <algorithm>
#include <utility>

namespace quellarine {

namespace {

// A frame less than 1 point wide or high would put the upper bound below the lower one; its usable area is
// then its origin line, so the result stays on the frame and the bounds are never inverted.
double clampToUsable(double value, double lower, double upperEdge)
{
    const double upper = std::max(lower, upperEdge - 1);
    if (value < lower) {
        return lower;
    }
    if (value > upper) {
        return upper;
    }
    return value;
}

} // namespace

PointerSmoother::PointerSmoother(const PointerFilter::Parameters& parameters, std::vector<Rect> displays)
    : filter(parameters)
    , displays(std::move(displays))
{
}

Point PointerSmoother::move(Vector delta, Point location, double time)
{
    if (!raw_) {
        raw_ = location;
        emitted_ = location;
        filter.reset();
        return location;
    }
    raw_ = clamp(*raw_ + delta);
    emitted_ = clamp(filter.filter(*raw_, time));
    return *emitted_;
}

void PointerSmoother::resync(Point point)
{
    raw_ = point;
    emitted_ = point;
    filter.reset();
}

std::optional<Point> PointerSmoother::settle(double time)
{
    if (!raw_) {
        return std::nullopt;
    }
    emitted_ = clamp(filter.settle(*raw_, time));
    return emitted_;
}

void PointerSmoother::cursorPlaced(Point point) { emitted_ = point; }

Point PointerSmoother::clamp(Point point) const
{
    std::optional<Point> best;
    double bestDistance = 0;
    for (const Rect& frame : displays) {
        if (frame.isEmpty()) {
            continue;
        }
        const Point candidate{clampToUsable(point.x, frame.minX(), frame.maxX()),
            clampToUsable(point.y, frame.minY(), frame.maxY())};
        const double distance = candidate.distance(point);
        if (distance == 0) {
            return point;
        }
        // Only a strictly nearer frame replaces: on a tie the display listed first keeps the point.
        if (!best || distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best.value_or(point);
}

} // namespace quellarine
