#include "QuellarineKit/Pointer/HandAttribution.h"

#include "QuellarineKit/Pointer/HandMovement.h"

#include <algorithm>
#include <limits>

namespace quellarine {

void HandAttribution::EarlierPositions::push(Point point)
{
    const std::size_t kept = std::min(count_, capacity - 1);
    std::copy_backward(points_.begin(), points_.begin() + static_cast<std::ptrdiff_t>(kept),
                       points_.begin() + static_cast<std::ptrdiff_t>(kept) + 1);
    points_[0] = point;
    count_ = kept + 1;
}

bool HandAttribution::EarlierPositions::operator==(const EarlierPositions& other) const
{
    return std::ranges::equal(points(), other.points());
}

void HandAttribution::placed(Point location)
{
    if (lastPlaced_) {
        earlierPlaced_.push(*lastPlaced_);
    }
    lastPlaced_ = location;
    placedLast_ = true;
}

std::optional<Vector> HandAttribution::attribute(Point location, Vector delta, std::optional<Point> base)
{
    // The candidates as they stood before this event: the two latest positions in the learned order, then the
    // earlier ones, the preferred kind's first; or the one point the system says it started from.
    const StartOrder::Starts starts = startOrder_.ordered(lastHandLocation_, lastPlaced_, placedLast_);
    std::array<Point, maxCandidates> candidates;
    auto end = candidates.begin();
    if (base) {
        *end++ = *base;
    } else {
        for (const StartOrder::Start& start : starts) {
            *end++ = start.point;
        }
        const auto& first = startOrder_.chainFirst ? earlierHand_ : earlierPlaced_;
        const auto& second = startOrder_.chainFirst ? earlierPlaced_ : earlierHand_;
        end = std::ranges::copy(first.points(), end).out;
        end = std::ranges::copy(second.points(), end).out;
    }

    if (lastHandLocation_) {
        earlierHand_.push(*lastHandLocation_);
    }
    lastHandLocation_ = location;
    placedLast_ = false;

    const auto resolution = HandMovement::resolve(location, delta, std::span<const Point>(candidates.begin(), end),
                                                  base ? std::numeric_limits<double>::infinity() : tolerance);
    if (!resolution) {
        return std::nullopt;
    }
    // Only an unambiguous match on one of the two latest positions teaches which one the system uses; an
    // earlier position says nothing about the current preference. A start the system named teaches the kind of
    // latest position it is, when it is exactly one of them.
    if (resolution->sole && resolution->start) {
        if (base) {
            if (auto kind = soleKindAt(starts, *base)) {
                startOrder_.learned(*kind);
            }
        } else if (static_cast<std::size_t>(*resolution->start) < starts.size()) {
            startOrder_.learned(starts[static_cast<std::size_t>(*resolution->start)].kind);
        }
    }
    return resolution->movement;
}

std::optional<HandMovement::StartKind> HandAttribution::soleKindAt(const StartOrder::Starts& starts, Point point)
{
    std::optional<HandMovement::StartKind> found;
    for (const StartOrder::Start& start : starts) {
        if (start.point == point) {
            if (found) {
                return std::nullopt; // hand and placement coincide: it says nothing about which one
            }
            found = start.kind;
        }
    }
    return found;
}

void HandAttribution::resync(Point location)
{
    lastHandLocation_ = location;
    lastPlaced_ = location;
    placedLast_ = false;
    earlierHand_.clear();
    earlierPlaced_.clear();
}

} // namespace quellarine
