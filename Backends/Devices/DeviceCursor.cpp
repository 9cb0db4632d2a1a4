#include "Backends/Devices/DeviceCursor.h"

#include <cmath>
#include <cstdlib>

namespace quellarine::devices {

namespace {

// Farther than any screen reaches: a jump this long is no way for the pointer to go, and is not sent.
constexpr std::int64_t longestJump = 1 << 20;
// Far beyond that, and still exact in a double.
constexpr double limit = 1e15;

} // namespace

DeviceCursor::DeviceCursor(VirtualPointer& output)
    : output_(output)
{
}

void DeviceCursor::moveTo(Point point)
{
    if (!std::isfinite(point.x) || !std::isfinite(point.y) || std::abs(point.x) > limit || std::abs(point.y) > limit) {
        return;
    }
    const Vector exact = point - location_;
    location_ = point;
    const std::int64_t targetX = std::llround(point.x);
    const std::int64_t targetY = std::llround(point.y);
    const std::int64_t dx = targetX - sentX_;
    const std::int64_t dy = targetY - sentY_;
    sentX_ = targetX;
    sentY_ = targetY;
    if (std::llabs(dx) > longestJump || std::llabs(dy) > longestJump) {
        return;
    }
    if (output_.steers(target_)) {
        // A touchpad's finger is shown in the pad's own units, finer than a point.
        output_.steer(target_, exact.dx, exact.dy);
        return;
    }
    output_.move(target_, static_cast<std::int32_t>(dx), static_cast<std::int32_t>(dy));
}

} // namespace quellarine::devices
