#pragma once

#include "Backends/Common/InputWatchdog.h"
#include "Backends/Common/MonotonicClock.h"
#include "Backends/Common/PointerBackend.h"
#include "Backends/Common/PollMainLoop.h"
#include "Backends/Devices/DeviceCursor.h"
#include "Backends/Devices/DeviceTapHost.h"
#include "Backends/Devices/PointingDevices.h"
#include "Backends/Devices/VirtualPointer.h"

#include <array>
#include <atomic>
#include <string>

namespace quellarine::devices {

// The pointer on the kernel's input devices, for Wayland and X11 sessions alike: the user's pointing devices are
// taken and read through libinput, and what the taps make of them leaves through devices made by
// quellarine-device-helper: each mouse's twin, or the steadied pointer for the rest, which the compositor or X server
// moves the pointer by, with the user's own settings for each device.
//
// The owner's loop services it: attach() has a PollMainLoop do so; an owner that watches one descriptor calls
// processPendingEvents() on its thread whenever fileDescriptor() is readable. Taps run inside that call. If the loop
// leaves the devices' input unserved for about half a second while they are taken, a watchdog thread gives them back,
// and the taps hear of it as of a stall once the loop runs again. The kernel gives them back by itself when the process
// ends, however it ends.
//
// Keyboards are not read here: DeviceKeyboard hears them where the user allows it.
class DevicesBackend final : public backends::PointerBackend {
public:
    struct Options {
        // The program that makes the virtual device (VirtualPointer).
        std::string helperPath = VirtualPointer::installedHelper();
        // Where the backend says what went wrong with a device; empty: standard error.
        PointingDevices::Log log;
    };

    DevicesBackend();
    explicit DevicesBackend(Options options);
    ~DevicesBackend() override;
    DevicesBackend(const DevicesBackend&) = delete;
    DevicesBackend& operator=(const DevicesBackend&) = delete;

    // The virtual device exists and a pointing device can be read (from any thread).
    bool maySteerPointer() const override;
    // Whether this backend can work here: a pointing device can be read and the helper can make the virtual device.
    static bool isUsable(const std::string& helperPath = VirtualPointer::installedHelper());

    // Has the loop serve it, and look once a second for the access it lacks.
    void attach(backends::PollMainLoop& loop) override;
    // Makes the virtual device and opens the pointing devices where that failed before: the access may have been
    // given since. Loop thread only.
    void seekAccess();

    // Readable while there is something to process; -1 once attached.
    int fileDescriptor() const { return epollFd_; }
    // Handles everything pending. Does nothing when called again from inside one of its callbacks.
    void processPendingEvents();

    // From any thread, also while the loop is stuck: gives the devices back (and lets go of every button of the
    // virtual device) and keeps them free until resume(), for a process about to stop or quit.
    void suspend() override;
    void resume() override;

    system::PointerSystem pointerSystem(system::MainLoop& mainLoop) override;

    system::Clock& clock() { return clock_; }
    system::EventTapHost& taps() { return taps_; }
    system::EventPoster& poster() { return taps_; }
    system::Cursor& cursor() { return cursor_; }
    // The steadied pointer's kernel name (for tests and diagnostics).
    const std::string& outputSysName() const { return output_.sysName(); }

private:
    // What the owner's loop watches once attached: the devices' input, their coming and going, the wake-up.
    std::array<int, 3> servedDescriptors() const;
    void giveDevicesBack();
    void wake();

    backends::MonotonicClock clock_;
    backends::PollMainLoop* loop_ = nullptr;
    system::MainLoop::TimerID accessTimer_ = 0;
    int epollFd_ = -1;
    int wakeFd_ = -1;
    VirtualPointer output_;
    DeviceCursor cursor_;
    PointingDevices devices_;
    backends::InputWatchdog watchdog_;
    // Gives the devices back when it goes: after them in this list.
    DeviceTapHost taps_;
    bool processing_ = false;
    // Set after each write to the wake-up descriptor, so that a round reads it only when there is something to
    // read: a moving hand costs no system call for it.
    std::atomic<bool> woken_{false};
};

} // namespace quellarine::devices
