#pragma once

#include "Backends/Common/PollMainLoop.h"
#include "Backends/X11/XlibPrelude.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

namespace quellarine::x11 {

// One connection to the X server, shared by the backend's parts, and what its owner's loop waits on.
//
// Xlib reads events into its own queue during any call that waits for a reply, so the socket alone does not show
// whether events are pending: the backend signals a wake-up eventfd after its own calls whenever events were left in
// Xlib's queue. The owner waits on the socket, that wake-up and whatever else the backend watches (its timers): each
// itself on a PollMainLoop (serveOn()), so that a wake-up of the pointer passes through nothing but the wait itself;
// or, for an owner that watches one descriptor, on an epoll set of them all (fileDescriptor()). Xlib runs in
// thread-safe mode because the watchdog releases the grabs from its own thread.
class X11Connection {
public:
    // An X error reported for one of this connection's requests.
    struct Error {
        unsigned long serial = 0;
        unsigned char errorCode = 0;
        unsigned char requestCode = 0;
        unsigned char minorCode = 0;
    };

    // Collects the errors of the requests made while it lives. Main thread only.
    class ErrorTrap {
    public:
        explicit ErrorTrap(X11Connection& connection);
        ~ErrorTrap();
        ErrorTrap(const ErrorTrap&) = delete;
        ErrorTrap& operator=(const ErrorTrap&) = delete;
        // Waits until the server has handled every request so far and returns the errors among them.
        std::vector<Error> sync();

    private:
        X11Connection& connection_;
        unsigned long firstSerial_;
    };

    // Opens the display (nullptr: $DISPLAY); isOpen() tells whether that worked.
    explicit X11Connection(const char* displayName);
    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    // Open and not lost.
    bool isOpen() const { return display_ != nullptr && !lost_.load(); }
    // True once the server went away (reset, crash); every part then does nothing.
    bool isLost() const { return lost_.load(); }
    Display* display() const { return display_; }
    Window root() const { return root_; }

    // Extensions: the input extension's opcode, the event bases of XKB and RandR; -1 when the server lacks one.
    int inputOpcode() const { return inputOpcode_; }
    // Where the input extension's own (version 1) event types begin, as test input names them.
    int inputEventBase() const { return inputEventBase_; }
    int xkbEventBase() const { return xkbEventBase_; }
    int randrEventBase() const { return randrEventBase_; }
    bool hasInput2() const { return inputOpcode_ >= 0; }
    bool hasTest() const { return hasTest_; }
    // Whether this backend can watch and move the user's pointer here: open, with XInput 2.2 and XTest, and not
    // the X server of a Wayland session, where the devices belong to the compositor and only X applications would
    // see what this backend does.
    bool offersPointerControl() const { return isOpen() && hasInput2() && hasTest() && !underWayland_; }
    // The X server of a Wayland session (Xwayland): known by its extension, its devices or its outputs, or, for the
    // session's own display ($DISPLAY), by the session's environment.
    bool isWaylandSession() const { return underWayland_; }
    // Whether the input device is one of the test extension's (made by programs, not held by a hand).
    bool isTestDevice(int deviceId) const;

    // Readable while events, or work the backend queued for itself, wait; -1 when not open or once served by a loop.
    int fileDescriptor() const { return epollFd_; }
    // From now on the loop watches each descriptor of the connection and calls `process` on its thread when one is
    // readable; fileDescriptor() is then -1. Once, on the loop's thread, which from then on is the only one that
    // calls watchAlso(), unwatch() and forgetLostSocket(). The loop must outlive the connection.
    void serveOn(backends::PollMainLoop& loop, std::function<void()> process);
    // Readable while input waits (events, or what Xlib queued): what a stalled loop leaves unserved. The socket and
    // the wake-up, without what else the backend watches (its timers).
    std::vector<int> inputDescriptors() const;
    // Makes the owner's wait end (from any thread).
    void wake();
    // Called when processing starts.
    void clearWake();
    // Wakes when Xlib holds queued events that the socket no longer shows (from any thread).
    void wakeIfQueued();
    // Stops watching the socket once the server is gone, so that the owner's loop does not spin on it.
    void forgetLostSocket();
    // The owner's wait also ends while this descriptor is readable (not one of inputDescriptors()).
    void watchAlso(int fd);
    void unwatch(int fd);

private:
    friend class ErrorTrap;
    static int onError(Display* display, XErrorEvent* event);
    static int onIOError(Display* display);
    static void onConnectionLost(Display* display, void* self);
    void record(const XErrorEvent& event);

    Display* display_ = nullptr;
    Window root_ = 0;
    int inputOpcode_ = -1;
    int inputEventBase_ = -1;
    int xkbEventBase_ = -1;
    int randrEventBase_ = -1;
    bool hasTest_ = false;
    bool underWayland_ = false;
    bool hasXwaylandDevices() const;
    bool hasXwaylandOutputs() const;
    // Where the owner waits: the loop once served by one, the epoll set before.
    void watch(int fd);
    void stopWatching(int fd);

    int epollFd_ = -1; // every watched descriptor, until served by a loop
    backends::PollMainLoop* loop_ = nullptr;
    std::function<void()> process_;
    std::vector<int> watched_; // the socket (until lost), the wake-up, and what the backend added
    int wakeFd_ = -1;
    bool socketWatched_ = false;
    std::atomic<bool> woken_{false}; // set after each signal, so that processing reads the eventfd only then
    std::atomic<bool> lost_{false};

    std::mutex errorsMutex_;
    int traps_ = 0;
    std::vector<Error> errors_;
};

} // namespace quellarine::x11
