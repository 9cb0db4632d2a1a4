#include "QuellarineKit/Pointer/PointerSmoother.h"

#include <algorithm>
#include <cmath>
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

bool isFinite(Point point)
{
    return std::isfinite(point.x) && std::isfinite(point.y);
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
        if (!isFinite(location)) {
            return location; // nowhere to start from
        }
        raw_ = location;
        emitted_ = location;
        filter.reset();
        return location;
    }
    const Point sum = *raw_ + delta;
    if (!isFinite(sum)) {
        // No movement a hand can make: the hand stays where it was, and the filter restarts there without
        // learning from it, as after a time that is not a number.
        filter.filter(sum, time);
        emitted_ = raw_;
        return *emitted_;
    }
    raw_ = clamp(sum);
    emitted_ = clamp(filter.filter(*raw_, time));
    return *emitted_;
}

void PointerSmoother::resync(Point point)
{
    if (!isFinite(point)) {
        return;
    }
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

void PointerSmoother::cursorPlaced(Point point)
{
    if (isFinite(point)) {
        emitted_ = point;
    }
}

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
