#include "QuellarineKit/Pointer/StartOrder.h"

#include <algorithm>

namespace quellarine {

bool StartOrder::Starts::operator==(const Starts& other) const
{
    return std::equal(begin(), end(), other.begin(), other.end());
}

void StartOrder::learned(HandMovement::StartKind kind)
{
    score = kind == HandMovement::StartKind::hand ? std::min(score + 1, cap) : std::max(score - 1, -cap);
    if (!chainFirst && score > margin) {
        chainFirst = true;
    } else if (chainFirst && score < -margin) {
        chainFirst = false;
    }
}

StartOrder::Starts StartOrder::ordered(std::optional<Point> hand, std::optional<Point> placement, bool placedLast) const
{
    const bool handFirst = chainFirst || !placedLast;
    Starts starts;
    const auto append = [&](std::optional<Point> point, HandMovement::StartKind kind) {
        if (point) {
            starts.items[starts.count++] = Start{*point, kind};
        }
    };
    if (handFirst) {
        append(hand, HandMovement::StartKind::hand);
        append(placement, HandMovement::StartKind::placement);
    } else {
        append(placement, HandMovement::StartKind::placement);
        append(hand, HandMovement::StartKind::hand);
    }
    return starts;
}

} // namespace quellarine
