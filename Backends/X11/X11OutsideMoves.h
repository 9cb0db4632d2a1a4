#pragma once

#include "Backends/X11/X11Connection.h"
#include "Backends/X11/X11DeviceGrabs.h"
#include "Backends/X11/X11RecordStream.h"

#include <X11/XKBlib.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace quellarine::x11 {

// Tells, for each input event this backend's connection receives, whether something other than this backend may
// have moved the pointer before the server made that event: another program's warp (core or XInput), its
// test-extension input, a pointer grab that confines the pointer, a change of the screens, the keyboard's mouse
// keys, a pointing device this backend does not hold.
//
// X sends no event when another program warps the pointer, and asking where it is costs a round trip to the server
// for every batch of hand events. The server's record extension instead reports those programs' requests, and a
// copy of each event it sends this backend, on a second connection, in the very order it handled them: so each
// hand event is known to come before or after any such request, and the backend asks only when one came first.
// Without the record extension, and from a report falling out of step until it is started again (at the first
// round of events a second later), every event counts as possibly preceded by a move; so does every event while
// the mouse keys are on, a confining grab lasts, or a pointing device is not held. Of the requests it reports only the
// kind is looked at (a warp, test input that moves the pointer, a grab); keys typed through the test extension reach
// this process with them and are dropped unread.
class X11OutsideMoves {
public:
    X11OutsideMoves(X11Connection& connection, const X11DeviceGrabs& grabs);
    ~X11OutsideMoves();
    X11OutsideMoves(const X11OutsideMoves&) = delete;
    X11OutsideMoves& operator=(const X11OutsideMoves&) = delete;

    // Whether the record extension reports to this backend (else every event counts as possibly preceded).
    bool isRecording() const { return data_ != nullptr; }
    // The record context of the report; 0 when none runs.
    unsigned long context() const { return context_; }

    // Called for every generic event of the connection, in the order the connection delivers them, before it is
    // handled: true when something else may have moved the pointer since the event before it. Waits for the
    // event's copy when it is not in yet (it leaves the server right after the event).
    bool mayFollowMove(const XGenericEventCookie& cookie);
    // Called after each round of processing the connection's events: reads what the report has sent while the hand
    // rests, and starts a report that fell out of step again when it is time.
    void finishRound();
    // XKB events: the mouse keys move the pointer without a request.
    void handleXkb(const XkbEvent& event);

private:
    // What the report says of one event sent to this backend's connection.
    struct Copy {
        std::uint16_t sequence = 0;
        std::uint8_t extension = 0;
        std::uint16_t eventType = 0;
        bool movedBefore = false;
    };

    bool start(bool restarting);
    void stop(const char* why);
    void fallOutOfStep(const char* why);
    // Reads what the report has sent so far; false once the connection is lost.
    bool readReport();
    bool waitForReport(std::chrono::steady_clock::time_point deadline);
    void take(const unsigned char* report, std::size_t size);
    void push(const Copy& copy);
    void pop();
    // Whether another program's request (of `client`, in its byte order) moves the pointer; notes the pointer
    // grabs that confine it.
    bool movesPointer(const unsigned char* request, std::size_t length, std::uint32_t client, bool swapped);
    void readMouseKeys();
    // Whether the loop wakes for the report as it comes (while the hand rests), and whether it looks now and then
    // whether the hand has come to rest (while it moves, and the report is read only with its events).
    void watchReport(bool watched, bool checkForRest);
    // Whether a check is due and found no hand event since the one before.
    bool cameToRest();

    X11Connection& connection_;
    const X11DeviceGrabs& grabs_;
    std::unique_ptr<X11Connection> data_; // the record extension's report
    X11RecordStream stream_;              // the same connection, of which the report is read
    unsigned long context_ = 0;
    int testOpcode_ = -1;
    int randrOpcode_ = -1;
    int deviceMotionType_ = -1; // the input extension's DeviceMotionNotify, as test input names it
    bool started_ = false;
    bool ended_ = false;
    bool movedSinceCopy_ = false;
    bool sawEvent_ = false; // since the last round
    // After a restart: events before this request may have no copy; a move may have gone unreported before the
    // next copy.
    std::optional<unsigned long> countFrom_;
    bool carry_ = false;
    std::optional<std::chrono::steady_clock::time_point> restartAt_;
    bool reportWatched_ = false;
    int restCheck_ = -1; // a timer that runs while the hand moves
    bool checkingForRest_ = false;
    bool movedSinceCheck_ = false;
    bool mouseKeys_ = false;
    std::uint32_t confiningClient_ = 0; // a program whose pointer grab confines the pointer
    std::vector<Copy> copies_;          // a ring
    std::size_t copiesHead_ = 0;
    std::size_t copiesCount_ = 0;
};

} // namespace quellarine::x11
