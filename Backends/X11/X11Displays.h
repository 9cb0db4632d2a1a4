#pragma once

#include "Backends/X11/X11Connection.h"
#include "QuellarineKit/System/Cursor.h"

#include <vector>

namespace quellarine::x11 {

// The monitors of the X screen (RandR), in root-window coordinates: the global display coordinates of this
// backend. The primary monitor comes first, as the system's main display does.
class X11Displays final : public system::Displays {
public:
    explicit X11Displays(X11Connection& connection);

    // Asks the server afresh; empty when not connected.
    std::vector<Rect> activeDisplayFrames() const override;

    // A screen, CRTC or output change was notified: the monitors are asked again.
    void refresh(XEvent& event);
    // The nearest point that the cursor can reach: within a monitor, at most its right and bottom edges minus 1.
    Point keepOnScreens(Point point) const;

private:
    std::vector<Rect> query() const;

    X11Connection& connection_;
    mutable std::vector<Rect> known_;
};

} // namespace quellarine::x11
