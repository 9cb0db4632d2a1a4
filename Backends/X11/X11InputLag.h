#pragma once

#include <cstdint>
#include <optional>

namespace quellarine::x11 {

// How late this backend handles the hand's events, from the server's timestamps (milliseconds of its own clock).
// The server and this process may read different clocks, so the quickest event seen so far sets the zero.
class X11InputLag {
public:
    // Whether the event the server stamped `serverTime` is handled noticeably later than the quickest one was
    // (`now` in nanoseconds of this process's monotonic clock).
    bool isLate(unsigned long serverTime, std::uint64_t now);
    // When the hand made that event, on this process's clock: `now`, unless the event waited noticeably longer than
    // the quickest one did, when it is moved back to about when so quick a wait would have handled it. Never later
    // than `now`, and never earlier than the time given for the event before it.
    std::uint64_t madeAt(unsigned long serverTime, std::uint64_t now);
    // How many events were late so far.
    std::uint64_t lateEvents() const { return lateEvents_; }

private:
    std::uint64_t lateEvents_ = 0;
    std::optional<std::uint32_t> quickest_; // this process's milliseconds minus the server's, at the quickest
    std::uint64_t lastMade_ = 0;
};

} // namespace quellarine::x11
