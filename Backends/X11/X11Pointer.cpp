#include "Backends/X11/X11Pointer.h"

#include <X11/Xlib-xcb.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <cmath>
#include <cstdlib>

namespace quellarine::x11 {

namespace {

constexpr double askInterval = 0.02;
constexpr unsigned highestTrackedButton = 63;

long pixel(double coordinate)
{
    return std::lround(coordinate);
}

} // namespace

X11Pointer::X11Pointer(X11Connection& connection, const system::Clock& clock)
    : connection_(connection)
    , clock_(clock)
{
    takeServerLocation();
}

X11Pointer::~X11Pointer()
{
    forgetQuestion();
}

void X11Pointer::warp(Point location)
{
    cursor_ = location;
    base_ = location;
    if (!connection_.isOpen()) {
        return;
    }
    XWarpPointer(connection_.display(), None, connection_.root(), 0, 0, 0, 0, int(pixel(location.x)),
        int(pixel(location.y)));
    XFlush(connection_.display());
}

std::optional<Point> X11Pointer::currentLocation() const
{
    if (!connection_.isOpen()) {
        return std::nullopt;
    }
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int windowX = 0;
    int windowY = 0;
    unsigned mask = 0;
    bool onThisScreen = XQueryPointer(connection_.display(), connection_.root(), &root, &child, &rootX, &rootY,
                            &windowX, &windowY, &mask) != 0;
    connection_.wakeIfQueued();
    if (!onThisScreen) {
        return std::nullopt;
    }
    if (pixel(cursor_.x) != rootX || pixel(cursor_.y) != rootY) {
        cursor_ = {double(rootX), double(rootY)};
        base_ = cursor_;
    }
    return cursor_;
}

void X11Pointer::takeServerLocation()
{
    if (auto location = currentLocation()) {
        base_ = *location;
    }
}

void X11Pointer::moveTo(Point location)
{
    cursor_ = location;
    if (!connection_.isOpen()) {
        return;
    }
    XTestFakeMotionEvent(connection_.display(), -1, int(pixel(location.x)), int(pixel(location.y)), CurrentTime);
    XFlush(connection_.display());
}

void X11Pointer::button(unsigned xButton, bool down, Point location)
{
    if (!connection_.isOpen()) {
        return;
    }
    if (pixel(location.x) != pixel(cursor_.x) || pixel(location.y) != pixel(cursor_.y)) {
        XTestFakeMotionEvent(connection_.display(), -1, int(pixel(location.x)), int(pixel(location.y)), CurrentTime);
    }
    cursor_ = location;
    XTestFakeButtonEvent(connection_.display(), xButton, down ? True : False, CurrentTime);
    XFlush(connection_.display());
    if (xButton >= 1 && xButton <= highestTrackedButton) {
        std::uint64_t bit = std::uint64_t{1} << xButton;
        if (down) {
            heldButtons_.fetch_or(bit);
        } else {
            heldButtons_.fetch_and(~bit);
        }
    }
}

void X11Pointer::releaseHeldButtons()
{
    std::uint64_t held = heldButtons_.exchange(0);
    if (held == 0 || !connection_.isOpen()) {
        return;
    }
    for (unsigned xButton = 1; xButton <= highestTrackedButton; ++xButton) {
        if (held & (std::uint64_t{1} << xButton)) {
            XTestFakeButtonEvent(connection_.display(), xButton, False, CurrentTime);
        }
    }
    XFlush(connection_.display());
    connection_.wakeIfQueued();
}

void X11Pointer::releaseButtonsLeftDown()
{
    if (!connection_.offersPointerControl()) {
        return;
    }
    Display* display = connection_.display();
    int clientPointer = 0;
    XIGetClientPointer(display, None, &clientPointer);
    int count = 0;
    XIDeviceInfo* devices = XIQueryDevice(display, XIAllDevices, &count);
    for (int i = 0; i < count; ++i) {
        const XIDeviceInfo& device = devices[i];
        // The test extension presses with the test pointer of this client's master pointer.
        if (device.use != XISlavePointer || device.attachment != clientPointer
            || !connection_.isTestDevice(device.deviceid)) {
            continue;
        }
        for (int c = 0; c < device.num_classes; ++c) {
            if (device.classes[c]->type != XIButtonClass) {
                continue;
            }
            auto* buttons = reinterpret_cast<const XIButtonClassInfo*>(device.classes[c]);
            for (int xButton = 1; xButton <= buttons->num_buttons && xButton < buttons->state.mask_len * 8;
                 ++xButton) {
                if (XIMaskIsSet(buttons->state.mask, xButton)) {
                    XTestFakeButtonEvent(display, unsigned(xButton), False, CurrentTime);
                }
            }
        }
    }
    XIFreeDeviceInfo(devices);
    XFlush(display);
    connection_.wakeIfQueued();
}

void X11Pointer::followOutsideMoves()
{
    if (!connection_.isOpen()) {
        return;
    }
    xcb_connection_t* xcb = XGetXCBConnection(connection_.display());
    if (question_) {
        void* reply = nullptr;
        xcb_generic_error_t* error = nullptr;
        if (!xcb_poll_for_reply(xcb, *question_, &reply, &error)) {
            return; // not answered yet
        }
        question_.reset();
        auto* answer = static_cast<xcb_query_pointer_reply_t*>(reply);
        if (answer != nullptr && answer->same_screen && (answer->root_x != askedX_ || answer->root_y != askedY_)) {
            cursor_ = {double(answer->root_x), double(answer->root_y)};
            base_ = cursor_;
        }
        std::free(reply);
        std::free(error);
    }
    double now = clock_.uptime();
    if (now - lastAsked_ >= askInterval) {
        // Sent with the move that follows, or by the next look for events.
        question_ = xcb_query_pointer(xcb, connection_.root()).sequence;
        askedX_ = pixel(cursor_.x);
        askedY_ = pixel(cursor_.y);
        lastAsked_ = now;
    }
}

void X11Pointer::forgetQuestion()
{
    if (question_ && connection_.isOpen()) {
        xcb_discard_reply(XGetXCBConnection(connection_.display()), *question_);
    }
    question_.reset();
}

} // namespace quellarine::x11
