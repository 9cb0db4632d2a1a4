#pragma once

#include "Backends/X11/X11Connection.h"

#include <map>
#include <mutex>

namespace quellarine::x11 {

// Active grabs of the user's physical pointing devices (every relative slave pointer but the test devices).
// A grabbed device no longer drives the cursor and its events reach only this connection; the server ends the
// grabs by itself when the connection closes, so a killed process gives the pointer back. It does not for a device
// that is disabled at that moment: such a grab outlives the client, and the server may crash when the device comes
// back. So every grab is ended explicitly whenever it is dropped, a disabled device's first of all. Devices are
// never floated through a hierarchy change: that would outlive the process.
//
// Main-thread operations and the watchdog's release exclude each other through one lock.
class X11DeviceGrabs {
public:
    explicit X11DeviceGrabs(X11Connection& connection);

    // Grabs every physical pointer that is not held yet (one already held is taken again, which is harmless).
    // True when at least one device is held afterwards.
    bool grabAll();
    void releaseAll();
    bool holdsAny() const;
    bool holds(int deviceId) const;
    // Whether the devices held are all the pointing devices there are (tablets and touch screens are left alone, and
    // one may be held by another client): only then is every move of the pointer by hand one this backend sees.
    bool holdsEveryPointer() const;
    // Whether an event of this device with this serial number came under one of the current grabs: the server
    // delivers events to a grab that outlived a disable and re-enable of the device, and those would leak.
    bool delivers(int deviceId, unsigned long serial) const;
    // The device went away or was disabled: its grab is ended; true when it was held.
    bool forget(int deviceId);

    // From the watchdog thread: releases every grab; true when there was one.
    bool releaseFromWatchdog();
    // From any thread: releases every grab and refuses new ones until resume() (the process is about to stop).
    void suspend();
    // Grabs may be taken again; true when they were suspended.
    bool resume();
    // Once after the grabs were released, or allowed again, from another thread: true (main thread). The taps are
    // then told, and take the devices again when they can.
    bool takeRelease();
    // Whether they were released from another thread and the main thread has not taken that in yet: the hand's
    // events go past this backend meanwhile.
    bool releasePending() const;

private:
    void ungrabLocked();

    X11Connection& connection_;
    mutable std::mutex mutex_;
    std::map<int, unsigned long> held_; // device → serial of the grab request
    bool everyPointerHeld_ = false;
    bool released_ = false;
    bool suspended_ = false;
};

} // namespace quellarine::x11
