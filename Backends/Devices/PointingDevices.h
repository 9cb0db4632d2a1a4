#pragma once

#include "Backends/Devices/TouchpadTwin.h"
#include "Backends/Devices/VirtualPointer.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

struct libinput;
struct libinput_device;
struct libinput_event;
struct libinput_interface;
struct udev;
struct udev_device;
struct udev_monitor;

namespace quellarine::devices {

// The user's pointing devices (mice, trackballs, pointing sticks, touchpads), found and followed through udev, and
// taken for this process alone while it steadies them (EVIOCGRAB): a taken device's events reach only us. Touch
// screens, tablets, joysticks and keyboards are never opened, nor are our own devices, known by their kernel names. A
// device another program already holds is left alone, and said so once. The kernel ends every grab with the process,
// a killed one included.
//
// Each device is given a twin when it is first taken (VirtualPointer::makeTwin), which stays until the device goes
// away, so that a stall given back and taken again leaves the compositor's devices as they were; its events name
// that twin as their output.
// - A mouse (any relative pointing device: trackballs and pointing sticks too) is read through libinput. Motion comes
//   in points: libinput's unaccelerated deltas (the device's own counts, before anyone's pointer speed) brought to
//   those of a 1000 dpi mouse, in whole steps with the rest carried to the next event. A mouse whose twin the helper
//   refused goes to the steadied pointer.
// - A touchpad is read frame by frame (TouchpadTwin): its twin is told the pad's own touches, so that the
//   compositor's libinput taps, scrolls and guards against typing by the person's settings, and only the motion of
//   a single finger is steadied. A touchpad without a twin is left to the compositor.
//
// Events of a device that is not taken reach the compositor as well, and are dropped here. A device is taken again
// only while none of its buttons is down and no finger is on it, so that no press taken from the compositor stays
// down there.
//
// Main thread only, but for releaseFromWatchdog(), suspend(), resume() and isReadable().
class PointingDevices {
public:
    class Listener {
    public:
        virtual ~Listener() = default;
        // Each event names the output of its device: its twin, or the steadied pointer.
        // Whole steps in points; time in nanoseconds of the monotonic clock.
        virtual void motion(VirtualPointer::Output from, std::uint64_t time, std::int32_t dx, std::int32_t dy) = 0;
        // A button by its evdev code, once for the whole seat: the first press and the last release among the
        // devices.
        virtual void button(VirtualPointer::Output from, std::uint64_t time, std::uint16_t code, bool down) = 0;
        // In 120ths of a notch; positive: away from the user, and to the right.
        virtual void scroll(VirtualPointer::Output from, std::int32_t vertical120, std::int32_t horizontal120) = 0;
        // A device went away; its buttons were released first.
        virtual void deviceRemoved() = 0;
    };
    using Log = std::function<void(std::string_view message)>;

    // Finds the devices there are; `output` makes the twins, and its steadied pointer is never taken.
    PointingDevices(VirtualPointer& output, Log log);
    ~PointingDevices();
    PointingDevices(const PointingDevices&) = delete;
    PointingDevices& operator=(const PointingDevices&) = delete;

    // The kernel name ("input12") of a device of ours made after this: never to be taken.
    void addOwnDevice(std::string ownDevice) { ownDevices_.insert(std::move(ownDevice)); }
    // Opens the pointing devices that could not be read before (the user may have been given the access meanwhile).
    void rescan() { enumerate(); }

    // Who hears the events; it must be set before the first is processed.
    void setListener(Listener& listener) { listener_ = &listener; }

    // Readable while device input waits (what a stalled loop leaves unserved): libinput's and the touchpads'; -1
    // without libinput.
    int inputDescriptor() const;
    // Readable when a device comes or goes; -1 without udev.
    int hotplugDescriptor() const;

    // Hands the next event to the listener; false when none waits. Reads the devices at most once per round.
    bool processOne();
    void beginRound();
    // An event was handed over since beginRound().
    bool foundInputThisRound() const { return foundThisRound_; }
    // Follows one device that came or went; false when no news waits.
    bool processHotplugOne();

    // Takes every device that can be taken, now and as they come; true when one is held.
    bool grabAll();
    void releaseAll();
    bool holdsAny() const;
    // At least one pointing device is open for reading (from any thread).
    bool isReadable() const { return readable_.load(); }

    // From the watchdog's thread: gives every device back; true when one was held.
    bool releaseFromWatchdog();
    // From any thread: gives every device back and takes none until resume().
    void suspend();
    // True when they were suspended.
    bool resume();
    // Once after the devices were given back, or allowed again, from another thread.
    bool takeRelease() { return released_.load(std::memory_order_relaxed) && released_.exchange(false); }

    // Says something in the backend's log.
    void log(std::string_view message) const;

    // Whether this user may read a pointing device of this computer (udev's view).
    static bool anyReadable();

private:
    struct Device;

    static int openRestricted(const char* path, int flags, void* self);
    static void closeRestricted(int fd, void* self);
    static const libinput_interface interface;

    void enumerate();
    void add(udev_device* device);
    // A touchpad, read by its own frames; nothing when it cannot be read or twinned.
    void addTouchpad(const std::string& node);
    void watchInput(int fd, bool watched);
    void forget(Device& device);
    bool grab(Device& device);
    void makeTwin(Device& device);
    void endTwin(Device& device);
    void ungrabLocked();
    void retryGrabs();
    void handle(libinput_event* event);
    void handleMotion(libinput_event* event, Device& device);
    // Reads the touchpads' next frame and hands it over; false when none waits this round.
    bool processTouchpadFrame();
    void handleTouchFrame(Device& device, const TouchpadTwin::Frame& frame);
    void touchpadGone(Device& device);
    // Counts a device's button over the seat: true for its first press and its last release among the devices.
    bool countSeatButton(std::uint16_t code, bool down);
    void updateReadable();

    VirtualPointer& output_;
    std::set<std::string> ownDevices_; // the kernel names of our devices; loop thread only
    Listener* listener_ = nullptr;
    Log log_;
    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    libinput* libinput_ = nullptr;
    bool readThisRound_ = false;
    bool foundThisRound_ = false;

    // The watchdog and the stop signal give devices back from their threads: the list and the grabs are locked.
    mutable std::mutex mutex_;
    std::vector<std::unique_ptr<Device>> devices_;
    bool wanted_ = false; // the taps want the devices
    bool retry_ = false;  // a device waits for its buttons to come up before it is taken
    bool suspended_ = false;
    std::atomic<bool> released_{false};
    std::atomic<bool> readable_{false};
    int inputSet_ = -1;            // libinput's descriptor and the touchpads'
    std::size_t nextTouchpad_ = 0; // where the next round of touchpad reading begins, so that none goes first always
    // BTN_LEFT ... BTN_TASK: how many devices hold each down.
    std::array<std::uint8_t, TouchpadTwin::maxClicks> seatButtons_{};
    double continuous120_ = 0; // scrolling by a held button not yet sent, in 120ths of a notch
    double continuousSide120_ = 0;
};

} // namespace quellarine::devices
