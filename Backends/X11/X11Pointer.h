#pragma once

#include "Backends/X11/X11Connection.h"
#include "QuellarineKit/Support/Geometry.h"
#include "QuellarineKit/System/Cursor.h"

#include <atomic>
#include <cstdint>
#include <optional>

namespace quellarine::x11 {

// The cursor as this backend drives it. While the user's devices are grabbed nothing moves the cursor but this
// backend (and other clients' warps or test input), so it keeps two points itself, with the fraction of a pixel
// the server would keep too:
// - the cursor: where applications last saw the pointer, wherever that came from;
// - the base: where the system has the pointer, to which the next device delta applies. Each device move puts it
//   at that move's location, each placement (a posted event, a warp) at the placed point; an event a tap passes
//   with a rewritten location moves the cursor but leaves the base where the device put it.
// It reaches the server through the test extension, so that what it does looks like ordinary input to
// applications. Positions sent to X are rounded to whole pixels there and only there.
class X11Pointer final : public system::Cursor {
public:
    explicit X11Pointer(X11Connection& connection);
    ~X11Pointer() override;
    X11Pointer(const X11Pointer&) = delete;
    X11Pointer& operator=(const X11Pointer&) = delete;

    // Moves the cursor and the base.
    void warp(Point location) override;
    void associateMouseAndCursor(bool associated) override { associated_ = associated; }
    // Asks the server. When it has the cursor elsewhere, something else moved it: cursor and base follow.
    std::optional<Point> currentLocation() const override;

    Point location() const { return cursor_; }
    Point base() const { return base_; }
    void setBase(Point base) { base_ = base; }
    bool isAssociated() const { return associated_; }

    // Applications see the pointer move there.
    void moveTo(Point location);
    // Applications see the X button pressed or released there.
    void button(unsigned xButton, bool down, Point location);
    // Releases every button this backend holds down, so that no button stays stuck when the user's own devices
    // drive the cursor again. Safe from any thread.
    void releaseHeldButtons();
    // Releases the buttons a copy of this backend that died left down on the test extension's pointer, which would
    // turn every move into a drag. Each copy records the buttons it holds on the root window, where the record
    // outlives it; a button another program holds down through the test extension on purpose is left down.
    void releaseButtonsLeftDown();

    // Something other than this backend may have moved the cursor before the next device event was made (another
    // client's warp, test input): the next followOutsideMoves asks the server.
    void suspectOutsideMove() { outsideMoveSuspected_ = true; }
    // Called before the base is used for the device event with this serial number: when a move by something else
    // is suspected, asks the server, unless its answer to an earlier question already came after that event
    // (events handled in one batch share a question). True when the cursor was elsewhere, also when an earlier look
    // (currentLocation) found it so since the last call; cursor and base have then followed it.
    bool followOutsideMoves(unsigned long eventSerial);
    // Asks the server now whether something else put the cursor elsewhere since this backend placed it; cursor and
    // base then follow it, and the next device event still reports it.
    bool wasMovedElsewhere();
    // Takes the server's word for cursor and base (waits for it): the devices drove the cursor until now.
    void takeServerLocation();
    // How many times it has asked the server where the cursor is (each a round trip).
    std::uint64_t questions() const { return questions_; }

private:
    // Asks the server where the cursor is; when not where this backend put it, cursor and base follow.
    std::optional<Point> askServer() const;
    // Records on the root window the buttons this backend holds (no round trip).
    void recordHeld(std::uint64_t held);

    X11Connection& connection_;
    mutable Point cursor_;
    mutable Point base_;
    mutable bool movedElsewhere_ = false;      // found elsewhere, not yet reported with an event
    mutable unsigned long answered_ = 0;       // sequence number of the last question the server answered
    mutable bool outsideMoveSuspected_ = true; // since the last answer
    mutable std::uint64_t questions_ = 0;
    bool associated_ = true;
    std::atomic<std::uint64_t> heldButtons_{0}; // a bit per X button this backend pressed
    unsigned long heldRecord_ = 0;              // the root window property that records them
};

} // namespace quellarine::x11
