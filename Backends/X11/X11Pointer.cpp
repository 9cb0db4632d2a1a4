#include "Backends/X11/X11Pointer.h"

#include <X11/Xatom.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>

#include <cmath>

namespace quellarine::x11 {

namespace {

constexpr unsigned highestTrackedButton = 63;
// Two 32-bit halves of the mask of held buttons.
constexpr const char* heldRecordName = "_QUELLARINE_HELD_BUTTONS";

long pixel(double coordinate)
{
    return std::lround(coordinate);
}

} // namespace

X11Pointer::X11Pointer(X11Connection& connection)
    : connection_(connection)
{
    if (connection_.isOpen()) {
        heldRecord_ = XInternAtom(connection_.display(), heldRecordName, False);
    }
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
                                      &windowX, &windowY, &mask)
        != 0;
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
    const bool tracked = xButton >= 1 && xButton <= highestTrackedButton;
    const std::uint64_t bit = tracked ? std::uint64_t{1} << xButton : 0;
    // Recorded before the press and after the release, so that the record never misses a button held down.
    if (down && tracked) {
        recordHeld(heldButtons_.fetch_or(bit) | bit);
    }
    XTestFakeButtonEvent(connection_.display(), xButton, down ? True : False, CurrentTime);
    if (!down && tracked) {
        recordHeld(heldButtons_.fetch_and(~bit) & ~bit);
    }
    XFlush(connection_.display());
}

void X11Pointer::recordHeld(std::uint64_t held)
{
    if (heldRecord_ == 0) {
        return;
    }
    const long halves[2] = {long(held & 0xFFFF'FFFF), long(held >> 32)};
    XChangeProperty(connection_.display(), connection_.root(), heldRecord_, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(halves), 2);
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
    recordHeld(0);
    XFlush(connection_.display());
    connection_.wakeIfQueued();
}

void X11Pointer::releaseButtonsLeftDown()
{
    if (!connection_.offersPointerControl()) {
        return;
    }
    Display* display = connection_.display();
    // What a copy before this one recorded as held, and had not released when it ended.
    std::uint64_t recorded = 0;
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char* value = nullptr;
    if (heldRecord_ != 0
        && XGetWindowProperty(display, connection_.root(), heldRecord_, 0, 2, True, XA_CARDINAL, &type, &format, &items,
                              &remaining, &value)
            == Success
        && type == XA_CARDINAL && format == 32) {
        const auto* halves = reinterpret_cast<const long*>(value);
        for (unsigned long i = 0; i < items && i < 2; ++i) {
            recorded |= std::uint64_t(std::uint32_t(halves[i])) << (32 * i);
        }
    }
    if (value != nullptr) {
        XFree(value);
    }
    if (recorded == 0) {
        return;
    }
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
            for (int xButton = 1; xButton <= buttons->num_buttons && xButton < buttons->state.mask_len * 8; ++xButton) {
                if (XIMaskIsSet(buttons->state.mask, xButton) && unsigned(xButton) <= highestTrackedButton
                    && (recorded & (std::uint64_t{1} << xButton)) != 0) {
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
