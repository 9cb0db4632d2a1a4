#include "Backends/X11/X11Displays.h"

#include <X11/extensions/Xrandr.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quellarine::x11 {

X11Displays::X11Displays(X11Connection& connection)
    : connection_(connection)
{
    if (connection_.isOpen() && connection_.randrEventBase() >= 0) {
        XRRSelectInput(connection_.display(), connection_.root(),
                       RRScreenChangeNotifyMask | RRCrtcChangeNotifyMask | RROutputChangeNotifyMask);
    }
    known_ = query();
}

std::vector<Rect> X11Displays::query() const
{
    if (!connection_.isOpen()) {
        return {};
    }
    Display* display = connection_.display();
    std::vector<Rect> frames;
    if (connection_.randrEventBase() >= 0) {
        int count = 0;
        XRRMonitorInfo* monitors = XRRGetMonitors(display, connection_.root(), True, &count);
        for (int i = 0; i < count; ++i) {
            Rect frame{{double(monitors[i].x), double(monitors[i].y)},
                       {double(monitors[i].width), double(monitors[i].height)}};
            if (monitors[i].primary) {
                frames.insert(frames.begin(), frame);
            } else {
                frames.push_back(frame);
            }
        }
        if (monitors != nullptr) {
            XRRFreeMonitors(monitors);
        }
    }
    if (frames.empty()) {
        // Without RandR monitors the whole screen is one display.
        int screen = DefaultScreen(display);
        frames.push_back({{0, 0}, {double(DisplayWidth(display, screen)), double(DisplayHeight(display, screen))}});
    }
    connection_.wakeIfQueued();
    return frames;
}

std::vector<Rect> X11Displays::activeDisplayFrames() const
{
    known_ = query();
    return known_;
}

void X11Displays::refresh(XEvent& event)
{
    XRRUpdateConfiguration(&event);
    known_ = query();
}

Point X11Displays::keepOnScreens(Point point) const
{
    Point best = point;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (const Rect& frame : known_) {
        Point inside{std::clamp(point.x, frame.origin.x, frame.origin.x + std::max(frame.size.width - 1, 0.0)),
                     std::clamp(point.y, frame.origin.y, frame.origin.y + std::max(frame.size.height - 1, 0.0))};
        double distance = std::hypot(inside.x - point.x, inside.y - point.y);
        if (distance < bestDistance) {
            best = inside;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace quellarine::x11
