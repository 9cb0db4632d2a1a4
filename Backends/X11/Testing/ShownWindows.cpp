#include "Backends/X11/Testing/ShownWindows.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>

namespace quellarine::x11::testing {

namespace {

// Root, a manager's frame and the parents inside it, the application's window.
constexpr int deepestFraming = 4;
constexpr int lookAgainMs = 50;

} // namespace

ShownWindows::ShownWindows(const std::string& displayName)
{
    display_ = XOpenDisplay(displayName.c_str());
    if (display_ == nullptr) {
        throw std::runtime_error("windows: no display " + displayName);
    }
    utf8_ = XInternAtom(display_, "UTF8_STRING", False);
    name_ = XInternAtom(display_, "_NET_WM_NAME", False);
}

ShownWindows::~ShownWindows()
{
    XCloseDisplay(display_);
}

Window ShownWindows::titled(const std::string& title)
{
    return search(DefaultRootWindow(display_), title, deepestFraming);
}

Window ShownWindows::search(Window parent, const std::string& title, int depth)
{
    Window root = 0;
    Window above = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (depth == 0 || XQueryTree(display_, parent, &root, &above, &children, &count) == 0) {
        return 0;
    }
    Window found = 0;
    for (unsigned i = 0; i < count && found == 0; ++i) {
        if (!isShown(children[i])) {
            continue;
        }
        found = this->title(children[i]) == title ? children[i] : search(children[i], title, depth - 1);
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

std::string ShownWindows::title(Window window)
{
    Atom type = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(display_, window, name_, 0, 1024, False, utf8_, &type, &format, &items, &remaining, &data)
            == Success
        && data != nullptr) {
        text.assign(reinterpret_cast<char*>(data), items);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return text;
}

bool ShownWindows::isShown(Window window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display_, window, &attributes) != 0 && attributes.map_state == IsViewable;
}

bool ShownWindows::hasFocus(Window window)
{
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    while (focus != 0 && focus != PointerRoot && focus != window) {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        if (XQueryTree(display_, focus, &root, &parent, &children, &count) == 0) {
            return false;
        }
        if (children != nullptr) {
            XFree(children);
        }
        focus = parent == root ? 0 : parent;
    }
    return focus == window && window != 0;
}

void ShownWindows::close(Window window)
{
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = long(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &message);
    XFlush(display_);
}

void ShownWindows::watch(Window window)
{
    XSelectInput(display_, window, PropertyChangeMask | StructureNotifyMask);
    XSync(display_, False);
}

bool ShownWindows::waitFor(const std::function<bool()>& condition, double timeout)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline
        = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(timeout));
    while (!condition()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            return false;
        }
        if (XPending(display_) == 0) {
            pollfd entry{ConnectionNumber(display_), POLLIN, 0};
            poll(&entry, 1, int(std::min<long>(left, lookAgainMs)));
        }
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
        }
    }
    return true;
}

} // namespace quellarine::x11::testing
