#include "Backends/X11/Testing/VirtualHand.h"

#include <X11/Xatom.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>

#include <cstring>
#include <stdexcept>

namespace quellarine::x11::testing {

VirtualHand::VirtualHand(const std::string& displayName)
{
    display_ = XOpenDisplay(displayName.c_str());
    if (display_ == nullptr) {
        throw std::runtime_error("hand: no display " + displayName);
    }
    int major = 2;
    int minor = 2;
    XIQueryVersion(display_, &major, &minor);
    int count = 0;
    XIDeviceInfo* devices = XIQueryDevice(display_, XIAllDevices, &count);
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(devices[i].name, "Xvfb mouse") == 0) {
            deviceId_ = devices[i].deviceid;
        }
    }
    XIFreeDeviceInfo(devices);
    if (deviceId_ < 0) {
        throw std::runtime_error("hand: no Xvfb mouse");
    }
    // Input made through the test extension is not accelerated: moves arrive as made.
    device_ = XOpenDevice(display_, XID(deviceId_));
}

VirtualHand::~VirtualHand()
{
    if (device_ != nullptr) {
        XCloseDevice(display_, device_);
    }
    XCloseDisplay(display_);
}

void VirtualHand::move(int dx, int dy)
{
    int axes[2] = {dx, dy};
    XTestFakeDeviceMotionEvent(display_, device_, True, 0, axes, 2, CurrentTime);
    XFlush(display_);
}

void VirtualHand::press(unsigned button)
{
    XTestFakeDeviceButtonEvent(display_, device_, button, True, nullptr, 0, CurrentTime);
    XFlush(display_);
}

void VirtualHand::release(unsigned button)
{
    XTestFakeDeviceButtonEvent(display_, device_, button, False, nullptr, 0, CurrentTime);
    XFlush(display_);
}

void VirtualHand::setEnabled(bool enabled)
{
    Atom property = XInternAtom(display_, "Device Enabled", False);
    unsigned char value = enabled ? 1 : 0;
    XIChangeProperty(display_, deviceId_, property, XA_INTEGER, 8, PropModeReplace, &value, 1);
    XSync(display_, False);
    if (enabled) {
        // The old handle does not survive the device going away.
        XCloseDevice(display_, device_);
        device_ = XOpenDevice(display_, XID(deviceId_));
    }
}

bool VirtualHand::isGrabbed() const
{
    int count = 0;
    XIDeviceInfo* devices = XIQueryDevice(display_, deviceId_, &count);
    bool floating = count == 1 && devices[0].use == XIFloatingSlave;
    XIFreeDeviceInfo(devices);
    return floating;
}

Point VirtualHand::cursor() const
{
    Window root = 0;
    Window child = 0;
    int x = 0;
    int y = 0;
    int windowX = 0;
    int windowY = 0;
    unsigned mask = 0;
    XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &x, &y, &windowX, &windowY, &mask);
    return {double(x), double(y)};
}

void VirtualHand::warpCursor(int x, int y)
{
    XWarpPointer(display_, None, DefaultRootWindow(display_), 0, 0, 0, 0, x, y);
    XSync(display_, False);
}

} // namespace quellarine::x11::testing
