#include "QuellarineKit/System/Event.h"

#include <cmath>
#include <limits>

namespace quellarine::system {

namespace {

// Rounds to the nearest whole step; values no integer holds read as 0 rather than overflowing.
std::int64_t wholeSteps(double value)
{
    double rounded = std::round(value);
    if (!(rounded > -9.0e18 && rounded < 9.0e18)) {
        return 0;
    }
    return static_cast<std::int64_t>(rounded);
}

} // namespace

std::int64_t Event::integerDeltaX() const
{
    return wholeSteps(deltaX);
}

std::int64_t Event::integerDeltaY() const
{
    return wholeSteps(deltaY);
}

} // namespace quellarine::system
