#include "Backends/X11/X11InputLag.h"

namespace quellarine::x11 {

namespace {

// Both clocks count whole milliseconds, and a busy machine delays every event a little: beyond this, the event
// waited for the loop.
constexpr std::int32_t lateMilliseconds = 5;

} // namespace

bool X11InputLag::isLate(unsigned long serverTime, std::uint64_t now)
{
    // Server times wrap round after 2^32 milliseconds; the differences are taken in the same ring.
    const auto difference = static_cast<std::uint32_t>(now / 1'000'000) - static_cast<std::uint32_t>(serverTime);
    if (!quickest_ || static_cast<std::int32_t>(difference - *quickest_) < 0) {
        quickest_ = difference;
        return false;
    }
    bool late = static_cast<std::int32_t>(difference - *quickest_) > lateMilliseconds;
    lateEvents_ += late ? 1 : 0;
    return late;
}

} // namespace quellarine::x11
