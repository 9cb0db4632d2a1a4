#include "Backends/X11/X11InputLag.h"

namespace quellarine::x11 {

namespace {

constexpr std::uint64_t nanosecondsPerMillisecond = 1'000'000;
// Both clocks count whole milliseconds, and a busy machine delays every event a little: beyond this, the event
// waited for the loop.
constexpr std::int32_t lateMilliseconds = 5;
// An event handled this much later than the quickest keeps the time it is handled at: the clocks' own rounding.
// Beyond, events that waited together (for a stalled loop) would reach the filters as one instant, and the hand's
// movement in between would count as a jump.
constexpr std::int32_t waitedMilliseconds = 2;

// This process's milliseconds minus the server's. Server times wrap round after 2^32 milliseconds; the differences
// are taken in the same ring.
std::uint32_t difference(unsigned long serverTime, std::uint64_t now)
{
    return static_cast<std::uint32_t>(now / nanosecondsPerMillisecond) - static_cast<std::uint32_t>(serverTime);
}

} // namespace

bool X11InputLag::isLate(unsigned long serverTime, std::uint64_t now)
{
    const std::uint32_t current = difference(serverTime, now);
    if (!quickest_ || static_cast<std::int32_t>(current - *quickest_) < 0) {
        quickest_ = current;
        return false;
    }
    bool late = static_cast<std::int32_t>(current - *quickest_) > lateMilliseconds;
    lateEvents_ += late ? 1 : 0;
    return late;
}

std::uint64_t X11InputLag::madeAt(unsigned long serverTime, std::uint64_t now)
{
    const std::int32_t later = quickest_ ? static_cast<std::int32_t>(difference(serverTime, now) - *quickest_) : 0;
    std::uint64_t made = now;
    if (later > waitedMilliseconds) {
        // The last nanosecond of the millisecond that is `waitedMilliseconds` behind the quickest.
        const auto back = static_cast<std::uint64_t>(later - waitedMilliseconds) * nanosecondsPerMillisecond;
        made = back < now ? now - now % nanosecondsPerMillisecond - back + nanosecondsPerMillisecond - 1 : now;
    }
    // A quicker event moves the zero back; the filters read time that goes back as a new start.
    lastMade_ = made > lastMade_ ? made : lastMade_;
    return lastMade_;
}

} // namespace quellarine::x11
