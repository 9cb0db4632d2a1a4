#pragma once

#include "QuellarineKit/Support/Geometry.h"

#include "Backends/X11/XlibPrelude.h"

#include <X11/extensions/XInput.h>

#include <string>

namespace quellarine::x11::testing {

// The user's hand on Xvfb's own mouse ("Xvfb mouse"), driven through the old input extension from a connection of
// its own: its events carry that device as their source exactly as hardware would, so a grab of the device takes
// them (input from the test device, as other tools make it, would not stand in for the hand).
class VirtualHand {
public:
    explicit VirtualHand(const std::string& displayName);
    ~VirtualHand();
    VirtualHand(const VirtualHand&) = delete;
    VirtualHand& operator=(const VirtualHand&) = delete;

    void move(int dx, int dy);
    void press(unsigned button);
    void release(unsigned button);
    // Switches the device off and on as a user or a hot-plug would ("Device Enabled").
    void setEnabled(bool enabled);

    int deviceId() const { return deviceId_; }
    // Whether some client holds a grab on the device (a grabbed device shows as floating).
    bool isGrabbed() const;
    // The cursor as the server has it.
    Point cursor() const;
    // Puts the cursor somewhere, as another client's warp would.
    void warpCursor(int x, int y);
    Display* display() const { return display_; }

private:
    Display* display_ = nullptr;
    int deviceId_ = -1;
    XDevice* device_ = nullptr;
};

} // namespace quellarine::x11::testing
