#include "Backends/X11/X11DeviceGrabs.h"

#include <X11/extensions/XInput2.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace quellarine::x11 {

namespace {

// What a grab delivers: presses and releases, and the raw motion that carries the deltas.
void grabMask(unsigned char (&bits)[XIMaskLen(XI_LASTEVENT)])
{
    std::memset(bits, 0, sizeof bits);
    XISetMask(bits, XI_ButtonPress);
    XISetMask(bits, XI_ButtonRelease);
    XISetMask(bits, XI_RawMotion);
}

// Deltas only make sense for devices that report them: tablets and touch screens (absolute axes) are left alone.
bool movesRelatively(const XIDeviceInfo& device)
{
    for (int i = 0; i < device.num_classes; ++i) {
        if (device.classes[i]->type == XIValuatorClass) {
            auto* valuator = reinterpret_cast<const XIValuatorClassInfo*>(device.classes[i]);
            if ((valuator->number == 0 || valuator->number == 1) && valuator->mode != XIModeRelative) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

X11DeviceGrabs::X11DeviceGrabs(X11Connection& connection)
    : connection_(connection)
{
}

bool X11DeviceGrabs::grabAll()
{
    if (!connection_.isOpen() || !connection_.hasInput2()) {
        return false;
    }
    Display* display = connection_.display();
    std::lock_guard lock(mutex_);
    if (suspended_) {
        return false;
    }
    int count = 0;
    XIDeviceInfo* devices = XIQueryDevice(display, XIAllDevices, &count);
    std::vector<int> wanted;
    std::vector<int> stillHeld; // floating under our grab
    bool everyPointerHeld = true;
    for (int i = 0; i < count; ++i) {
        const XIDeviceInfo& device = devices[i];
        // A grabbed device shows as floating while the grab lasts; other floating devices drive no cursor.
        bool attached = device.use == XISlavePointer;
        bool ours = device.use == XIFloatingSlave && held_.contains(device.deviceid);
        if (!(attached || ours) || !device.enabled || connection_.isTestDevice(device.deviceid)) {
            continue;
        }
        if (movesRelatively(device)) {
            (ours ? stillHeld : wanted).push_back(device.deviceid);
        } else {
            everyPointerHeld = false;
        }
    }
    XIFreeDeviceInfo(devices);

    std::map<int, unsigned long> held;
    for (int deviceId : stillHeld) {
        held[deviceId] = held_[deviceId];
    }
    for (const auto& [deviceId, serial] : held_) {
        bool kept = held.contains(deviceId) || std::find(wanted.begin(), wanted.end(), deviceId) != wanted.end();
        if (!kept) {
            XIUngrabDevice(display, deviceId, CurrentTime);
        }
    }
    // A device shown attached is not under a grab of ours, whatever we held before: re-enabling a device
    // re-attaches it while the old grab still looks active.
    unsigned char bits[XIMaskLen(XI_LASTEVENT)];
    grabMask(bits);
    for (int deviceId : wanted) {
        XIEventMask mask{deviceId, sizeof bits, bits};
        unsigned long serial = NextRequest(display);
        if (XIGrabDevice(display, deviceId, connection_.root(), CurrentTime, None, XIGrabModeAsync, XIGrabModeAsync,
                         False, &mask)
            == Success) {
            held[deviceId] = serial;
        } else {
            everyPointerHeld = false;
        }
    }
    held_ = std::move(held);
    everyPointerHeld_ = everyPointerHeld;
    XFlush(display);
    connection_.wakeIfQueued();
    return !held_.empty();
}

void X11DeviceGrabs::ungrabLocked()
{
    if (connection_.isOpen()) {
        for (const auto& [deviceId, serial] : held_) {
            XIUngrabDevice(connection_.display(), deviceId, CurrentTime);
        }
        XFlush(connection_.display());
    }
    held_.clear();
}

void X11DeviceGrabs::releaseAll()
{
    std::lock_guard lock(mutex_);
    ungrabLocked();
}

bool X11DeviceGrabs::holdsAny() const
{
    std::lock_guard lock(mutex_);
    return !held_.empty();
}

bool X11DeviceGrabs::holds(int deviceId) const
{
    std::lock_guard lock(mutex_);
    return held_.contains(deviceId);
}

bool X11DeviceGrabs::holdsEveryPointer() const
{
    std::lock_guard lock(mutex_);
    return !held_.empty() && everyPointerHeld_;
}

bool X11DeviceGrabs::delivers(int deviceId, unsigned long serial) const
{
    std::lock_guard lock(mutex_);
    auto held = held_.find(deviceId);
    return held != held_.end() && serial >= held->second;
}

bool X11DeviceGrabs::forget(int deviceId)
{
    std::lock_guard lock(mutex_);
    if (held_.erase(deviceId) == 0) {
        return false;
    }
    // Refused harmlessly when the device is gone altogether.
    if (connection_.isOpen()) {
        XIUngrabDevice(connection_.display(), deviceId, CurrentTime);
        XFlush(connection_.display());
    }
    return true;
}

bool X11DeviceGrabs::releaseFromWatchdog()
{
    std::lock_guard lock(mutex_);
    if (held_.empty()) {
        return false;
    }
    ungrabLocked();
    released_ = true;
    return true;
}

void X11DeviceGrabs::suspend()
{
    std::lock_guard lock(mutex_);
    ungrabLocked();
    suspended_ = true;
    released_ = true;
}

bool X11DeviceGrabs::resume()
{
    std::lock_guard lock(mutex_);
    if (!suspended_) {
        return false;
    }
    suspended_ = false;
    released_ = true;
    return true;
}

bool X11DeviceGrabs::releasePending() const
{
    std::lock_guard lock(mutex_);
    return released_;
}

bool X11DeviceGrabs::takeRelease()
{
    std::lock_guard lock(mutex_);
    bool released = released_;
    released_ = false;
    return released;
}

} // namespace quellarine::x11
