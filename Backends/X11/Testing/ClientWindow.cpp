#include "Backends/X11/Testing/ClientWindow.h"

#include <X11/Xutil.h>
#include <poll.h>

#include <ctime>
#include <stdexcept>

namespace quellarine::x11::testing {

namespace {

std::uint64_t monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::uint64_t(now.tv_sec) * 1'000'000'000u + std::uint64_t(now.tv_nsec);
}

} // namespace

ClientWindow::ClientWindow(const std::string& displayName)
{
    display_ = XOpenDisplay(displayName.c_str());
    if (display_ == nullptr) {
        throw std::runtime_error("client: no display " + displayName);
    }
    int screen = DefaultScreen(display_);
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.event_mask = PointerMotionMask | ButtonPressMask | ButtonReleaseMask | StructureNotifyMask;
    window_ = XCreateWindow(display_, DefaultRootWindow(display_), 0, 0, unsigned(DisplayWidth(display_, screen)),
                            unsigned(DisplayHeight(display_, screen)), 0, CopyFromParent, InputOutput, CopyFromParent,
                            CWOverrideRedirect | CWEventMask, &attributes);
    XMapRaised(display_, window_);
    // Wait until it is on screen: only then does it receive pointer events.
    XEvent event;
    do {
        XWindowEvent(display_, window_, StructureNotifyMask, &event);
    } while (event.type != MapNotify);
    XSync(display_, False);
}

ClientWindow::~ClientWindow()
{
    XDestroyWindow(display_, window_);
    XCloseDisplay(display_);
}

bool ClientWindow::raiseIfCovered()
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count) == 0) {
        return false;
    }
    // The children come bottom to top: anything viewable after this window lies over it.
    bool covered = false;
    bool above = false;
    for (unsigned index = 0; index < count; ++index) {
        if (children[index] == window_) {
            above = true;
            continue;
        }
        XWindowAttributes attributes;
        if (above && XGetWindowAttributes(display_, children[index], &attributes) != 0
            && attributes.map_state == IsViewable) {
            covered = true;
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    if (covered) {
        XRaiseWindow(display_, window_);
        XSync(display_, False);
    }
    return covered;
}

std::size_t ClientWindow::collect()
{
    std::size_t count = 0;
    while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        Received received;
        received.nanoseconds = monotonicNanoseconds();
        received.type = event.type;
        if (event.type == MotionNotify) {
            received.location = {double(event.xmotion.x_root), double(event.xmotion.y_root)};
        } else if (event.type == ButtonPress || event.type == ButtonRelease) {
            received.location = {double(event.xbutton.x_root), double(event.xbutton.y_root)};
            received.button = event.xbutton.button;
        } else {
            continue;
        }
        received_.push_back(received);
        ++count;
    }
    return count;
}

void ClientWindow::sync()
{
    XSync(display_, False);
    collect();
}

std::optional<std::uint64_t> ClientWindow::waitForEvent(double timeout)
{
    std::size_t before = received_.size();
    std::uint64_t deadline = monotonicNanoseconds() + std::uint64_t(timeout * 1e9);
    while (received_.size() == before) {
        collect();
        if (received_.size() > before) {
            break;
        }
        std::uint64_t now = monotonicNanoseconds();
        if (now >= deadline) {
            return std::nullopt;
        }
        pollfd entry{ConnectionNumber(display_), POLLIN, 0};
        poll(&entry, 1, int((deadline - now) / 1'000'000 + 1));
    }
    return received_[before].nanoseconds;
}

std::vector<ClientWindow::Received> ClientWindow::motions() const
{
    std::vector<Received> found;
    for (const Received& received : received_) {
        if (received.type == MotionNotify) {
            found.push_back(received);
        }
    }
    return found;
}

std::vector<ClientWindow::Received> ClientWindow::buttons() const
{
    std::vector<Received> found;
    for (const Received& received : received_) {
        if (received.type == ButtonPress || received.type == ButtonRelease) {
            found.push_back(received);
        }
    }
    return found;
}

} // namespace quellarine::x11::testing
