#include "Backends/X11/X11Pointer.h"

#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>

#include <cmath>

namespace quellarine::x11 {

namespace {

constexpr unsigned highestTrackedButton = 63;

long pixel(double coordinate)
{
    return std::lround(coordinate);
}

} // namespace

X11Pointer::X11Pointer(X11Connection& connection)
    : connection_(connection)
{
    takeServerLocation();
}

X11Pointer::~X11Pointer() = default;

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
    std::optional<Point> location = askServer();
    connection_.wakeIfQueued();
    return location;
}

std::optional<Point> X11Pointer::askServer() const
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
    unsigned long question = NextRequest(connection_.display());
    bool onThisScreen = XQueryPointer(connection_.display(), connection_.root(), &root, &child, &rootX, &rootY,
                            &windowX, &windowY, &mask) != 0;
    answered_ = question;
    ++questions_;
    outsideMoveSuspected_ = false;
    if (!onThisScreen) {
        return std::nullopt;
    }
    // Our own placements reached the server before the question: any other place is someone else's doing.
    if (pixel(cursor_.x) != rootX || pixel(cursor_.y) != rootY) {
        cursor_ = {double(rootX), double(rootY)};
        base_ = cursor_;
        movedElsewhere_ = true;
    }
    return cursor_;
}

bool X11Pointer::wasMovedElsewhere()
{
    currentLocation();
    return movedElsewhere_;
}

void X11Pointer::takeServerLocation()
{
    if (auto location = currentLocation()) {
        base_ = *location;
    }
    // The devices drove it there: nobody else's doing.
    movedElsewhere_ = false;
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

bool X11Pointer::followOutsideMoves(unsigned long eventSerial)
{
    // The server made the event before it answered the last question: that answer is the newer word.
    bool answeredSince = answered_ != 0 && eventSerial < answered_;
    if (outsideMoveSuspected_ && !answeredSince) {
        askServer();
    }
    outsideMoveSuspected_ = false;
    bool moved = movedElsewhere_;
    movedElsewhere_ = false;
    return moved;
}

} // namespace quellarine::x11
