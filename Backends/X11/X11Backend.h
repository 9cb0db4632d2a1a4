#pragma once

#include "Backends/Common/PointerBackend.h"
#include "QuellarineKit/System/PointerSystem.h"

#include <cstdint>
#include <memory>

namespace quellarine::x11 {

// The pointer on X11, for one process: event taps over the user's pointing devices, posting, the cursor and the
// monitors, on one connection of its own (the keyboard is X11Keyboard's).
//
// The owner's loop services it, on the thread it was made on: attach() has a PollMainLoop do so (the application's
// pointer thread); an owner that watches one descriptor calls processPendingEvents() whenever fileDescriptor() is
// readable. Taps run inside
// that call. If the loop leaves the descriptor unserviced for about half a second while the devices are grabbed,
// a watchdog thread gives the devices back and the taps receive the disabled-by-timeout notice once the loop runs
// again.
//
// A backend whose display cannot be opened still works as an untrusted one: it creates no taps and reports no
// cursor or displays.
class X11Backend final : public backends::PointerBackend {
public:
    // nullptr opens $DISPLAY.
    explicit X11Backend(const char* displayName = nullptr);
    ~X11Backend() override;
    X11Backend(const X11Backend&) = delete;
    X11Backend& operator=(const X11Backend&) = delete;

    // Connected to an X server of an X11 session that offers what watching and moving the pointer needs
    // (XInput 2.2, XTest).
    bool maySteerPointer() const override;
    bool isConnected() const;
    // The X server of a Wayland session, where the devices belong to the compositor: never trusted.
    bool isWaylandSession() const;
    // Whether the server reports other programs' pointer moves as they happen; otherwise the backend asks where the
    // pointer is at each batch of hand events, a round trip that adds to the pointer's latency.
    bool hearsOfOutsideMoves() const;
    // The record context of that report (0: none), for tests that end it as a failing server would.
    unsigned long recordContext() const;
    // How many of those round trips it has made so far.
    std::uint64_t pointerQuestions() const;
    // How many hand events this backend handled noticeably late (each also asks where the pointer is).
    std::uint64_t lateEvents() const;

    // The socket, the wake-up and the report's descriptors each watched by the loop itself.
    void attach(backends::PollMainLoop& loop) override;
    // Readable while there is something to process; -1 without a connection, or once attached.
    int fileDescriptor() const;
    // Handles everything pending, including events posted meanwhile coming back through the taps. Does nothing
    // when called again from inside one of its callbacks.
    void processPendingEvents();

    // The buttons this backend pressed are released; the taps hear of it as of a stall once the loop runs, and take
    // the devices again after resume().
    void suspend() override;
    void resume() override;

    system::PointerSystem pointerSystem(system::MainLoop& mainLoop) override;

    system::Clock& clock();
    system::EventTapHost& taps();
    system::EventPoster& poster();
    system::Cursor& cursor();
    system::Displays& displays();

private:
    // The connection and what stands on it, whose headers bring Xlib's macros: kept out of this one, which the
    // application includes.
    struct Parts;

    void giveDevicesBack();

    std::unique_ptr<Parts> parts_;
};

} // namespace quellarine::x11
