#pragma once

#include "Backends/X11/X11Connection.h"
#include "QuellarineKit/Geometry.h"
#include "QuellarineKit/System/Clock.h"
#include "QuellarineKit/System/Cursor.h"

#include <atomic>
#include <cstdint>
#include <optional>

namespace quellarine::x11 {

// The cursor as this backend drives it. While the user's devices are grabbed nothing moves the cursor but this
// backend (and other clients' warps or test input), so it keeps the cursor's location itself, with the fraction of
// a pixel the server would keep too, and reaches the server through the test extension: what it puts there looks
// like ordinary input to applications. Positions sent to X are rounded to whole pixels there and only there.
class X11Pointer final : public system::Cursor {
public:
    X11Pointer(X11Connection& connection, const system::Clock& clock);
    ~X11Pointer() override;
    X11Pointer(const X11Pointer&) = delete;
    X11Pointer& operator=(const X11Pointer&) = delete;

    void warp(Point location) override;
    void associateMouseAndCursor(bool associated) override { associated_ = associated; }
    // Asks the server, and believes it: keeps the known fraction only when the server agrees with it.
    std::optional<Point> currentLocation() const override;

    // Where the cursor is as far as this backend knows.
    Point location() const { return location_; }
    bool isAssociated() const { return associated_; }

    // Applications see the pointer move there.
    void moveTo(Point location);
    // Applications see the X button pressed or released there.
    void button(unsigned xButton, bool down, Point location);
    // Releases every button this backend holds down, so that no button stays stuck when the user's own devices
    // drive the cursor again. Safe from any thread.
    void releaseHeldButtons();

    // Something other than this backend may have moved the cursor (another client's warp, test input). Called
    // before the location is used for a device event, so before this backend moves the cursor for it: takes in the
    // server's answer to an earlier question, and asks again, without waiting, at most every 20 ms. A move from
    // outside is thus followed one device event after the question that saw it.
    void followOutsideMoves();
    // Takes the server's word for the location now (waits for it).
    void syncWithServer();

private:
    void forgetQuestion();

    X11Connection& connection_;
    const system::Clock& clock_;
    mutable Point location_;
    bool associated_ = true;
    std::atomic<std::uint64_t> heldButtons_{0}; // a bit per X button this backend pressed

    std::optional<unsigned> question_; // the sequence number of the unanswered location request
    long askedX_ = 0;                  // the pixel this backend had put the cursor on when it asked
    long askedY_ = 0;
    double lastAsked_ = -1e9;
};

} // namespace quellarine::x11
