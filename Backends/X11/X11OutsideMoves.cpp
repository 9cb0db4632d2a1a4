#include "Backends/X11/X11OutsideMoves.h"

#include <X11/Xlib-xcb.h>
#include <X11/Xproto.h>
#include <X11/extensions/XI2proto.h>
#include <X11/extensions/XIproto.h>
#include <X11/extensions/randr.h>
#include <X11/extensions/record.h>
#include <X11/extensions/recordproto.h>
#include <X11/extensions/xtestproto.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/timerfd.h>
#include <sys/uio.h>
#include <unistd.h>
#include <xcb/xcbext.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace quellarine::x11 {

namespace {

using SteadyClock = std::chrono::steady_clock;

// The copy of an event leaves the server right after the event; a report this late has fallen out of step.
constexpr auto copyDeadline = std::chrono::milliseconds(100);
constexpr auto startDeadline = std::chrono::seconds(1);
constexpr auto restReadingPeriod = std::chrono::seconds(1);
constexpr std::size_t initialCopies = 64;

// Where the test extension's input request keeps the event type and the device (7 bits; the 8th flags more).
constexpr std::size_t fakeInputType = 4;
constexpr std::size_t fakeInputDevice = 35;
// A report: a reply header, then what was intercepted, all of one category and one client.
constexpr std::size_t reportHeader = 32;
constexpr std::size_t reportCategory = 1;
constexpr std::size_t reportSwapped = 9;
constexpr std::size_t reportClient = 12;
// Where a pointer grab request names the window it confines the pointer to (None: it does not).
constexpr std::size_t grabConfineTo = 12;
constexpr std::size_t eventSize = 32;

// A number of 2 or 4 bytes, in this process's byte order or swapped.
std::uint32_t numberAt(const unsigned char* bytes, std::size_t size, bool swapped)
{
    if (size == 2) {
        std::uint16_t value = 0;
        std::memcpy(&value, bytes, sizeof value);
        return swapped ? __builtin_bswap16(value) : value;
    }
    std::uint32_t value = 0;
    std::memcpy(&value, bytes, sizeof value);
    return swapped ? __builtin_bswap32(value) : value;
}

// Core requests first to last (minor < 0), or one request of an extension.
XRecordRange* requestRange(int first, int last, int minor)
{
    XRecordRange* range = XRecordAllocRange();
    if (range == nullptr) {
        return nullptr;
    }
    if (minor < 0) {
        range->core_requests.first = static_cast<unsigned char>(first);
        range->core_requests.last = static_cast<unsigned char>(last);
    } else {
        range->ext_requests.ext_major.first = range->ext_requests.ext_major.last = static_cast<unsigned char>(first);
        range->ext_requests.ext_minor.first = range->ext_requests.ext_minor.last = static_cast<unsigned short>(minor);
    }
    return range;
}

} // namespace

X11OutsideMoves::X11OutsideMoves(X11Connection& connection, const X11DeviceGrabs& grabs)
    : connection_(connection)
    , grabs_(grabs)
{
    if (!connection_.offersPointerControl()) {
        return;
    }
    readMouseKeys();
    if (connection_.xkbEventBase() >= 0) {
        // Switching a control on or off is told as a change of the enabled controls.
        XkbSelectEventDetails(connection_.display(), XkbUseCoreKbd, XkbControlsNotify, XkbControlsEnabledMask,
            XkbControlsEnabledMask);
    }
    if (!start()) {
        stop("the X server does not report other programs' requests");
    }
}

X11OutsideMoves::~X11OutsideMoves()
{
    stop(nullptr);
}

bool X11OutsideMoves::start()
{
    Display* display = connection_.display();
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    int recordOpcode = 0;
    int randrOpcode = -1;
    if (!XQueryExtension(display, "RECORD", &recordOpcode, &event, &error)
        || !XRecordQueryVersion(display, &major, &minor)
        || !XQueryExtension(display, "XTEST", &testOpcode_, &event, &error)) {
        return false;
    }
    deviceMotionType_ = connection_.inputEventBase() + XI_DeviceMotionNotify;
    if (!XQueryExtension(display, "RANDR", &randrOpcode, &event, &error)) {
        randrOpcode = -1;
    }
    data_ = std::make_unique<X11Connection>(DisplayString(display));
    if (!data_->isOpen()) {
        return false;
    }
    Display* report = data_->display();

    // Every other program's requests that move the pointer: warps, test input, pointer grabs that confine it (and
    // their end), screen changes; this connection's own are left out by naming it below.
    std::vector<XRecordRange*> requests = {requestRange(X_WarpPointer, X_WarpPointer, -1),
        requestRange(X_GrabPointer, X_UngrabPointer, -1), requestRange(testOpcode_, testOpcode_, X_XTestFakeInput),
        requestRange(connection_.inputOpcode(), connection_.inputOpcode(), X_XIWarpPointer)};
    if (randrOpcode >= 0) {
        for (int change : {X_RRSetScreenConfig, X_RRSetScreenSize, X_RRSetCrtcConfig}) {
            requests.push_back(requestRange(randrOpcode, randrOpcode, change));
        }
    }
    randrOpcode_ = randrOpcode;
    XRecordRange* events = XRecordAllocRange();
    bool made = events != nullptr;
    for (XRecordRange* range : requests) {
        made = made && range != nullptr;
    }
    if (made) {
        // A confining grab ends with its client too.
        requests.front()->client_died = True;
        events->delivered_events.first = events->delivered_events.last = GenericEvent;
        X11Connection::ErrorTrap trap(*data_);
        XRecordClientSpec everyone = XRecordAllClients;
        context_ = XRecordCreateContext(report, 0, &everyone, 1, requests.data(), int(requests.size()));
        // Naming this connection again moves it out of the first set: of it, only the events it receives.
        XRecordClientSpec ourselves = xcb_get_setup(XGetXCBConnection(display))->resource_id_base;
        made = context_ != 0 && XRecordRegisterClients(report, context_, 0, &ourselves, 1, &events, 1) != 0
               && trap.sync().empty();
    }
    for (XRecordRange* range : requests) {
        XFree(range);
    }
    XFree(events);
    copies_.resize(initialCopies);
    if (!made) {
        return false;
    }
    // The report is read straight from the connection's replies: Xlib's reader would look for more at every call.
    XFlush(report);
    struct {
        std::uint8_t major = 0;
        std::uint8_t minor = X_RecordEnableContext;
        std::uint16_t length = 0;
        std::uint32_t context = 0;
    } enable;
    enable.context = static_cast<std::uint32_t>(context_);
    iovec parts[3] = {};
    parts[2] = {&enable, sizeof enable};
    xcb_protocol_request_t request{1, nullptr, static_cast<std::uint8_t>(recordOpcode), 0};
    xcb_ = XGetXCBConnection(report);
    enabled_ = xcb_send_request(xcb_, 0, parts + 2, &request);
    if (enabled_ == 0 || xcb_flush(xcb_) <= 0) {
        return false;
    }
    // Events this connection receives are counted from here on: nothing has asked for any yet.
    auto deadline = SteadyClock::now() + startDeadline;
    while (!started_ && !ended_) {
        if (!waitForReport(deadline) || !readReport(false)) {
            return false;
        }
    }
    // Read also while the hand rests, now and then: what other programs do would otherwise pile up in the server.
    // Not as it comes: a wake-up for each copy would delay the hand's events, with which the copies are read anyway.
    restTimer_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (restTimer_ < 0) {
        return false;
    }
    itimerspec period{};
    period.it_interval.tv_sec = period.it_value.tv_sec = restReadingPeriod.count();
    timerfd_settime(restTimer_, 0, &period, nullptr);
    connection_.watchAlso(restTimer_);
    return started_;
}

void X11OutsideMoves::stop(const char* why)
{
    if (why != nullptr) {
        std::fprintf(stderr, "quellarine: asking the X server where the pointer is at every hand move: %s\n", why);
    }
    if (data_ == nullptr) {
        return;
    }
    if (context_ != 0 && connection_.isOpen()) {
        // Ends the report (asked of another connection than the one it is sent on), so that closing that one does
        // not wait for it; the context goes with the connection that made it.
        XRecordDisableContext(connection_.display(), context_);
        XSync(connection_.display(), False);
        connection_.wakeIfQueued();
    } else if (!connection_.isOpen()) {
        // The server answers nothing on the report's connection while the report runs: closing it would wait for
        // ever for an answer to its last question.
        shutdown(ConnectionNumber(data_->display()), SHUT_RDWR);
    }
    context_ = 0;
    if (restTimer_ >= 0) {
        connection_.unwatch(restTimer_);
        close(restTimer_);
        restTimer_ = -1;
    }
    data_.reset();
    copiesCount_ = 0;
}

bool X11OutsideMoves::mayFollowMove(const XGenericEventCookie& cookie)
{
    if (data_ == nullptr) {
        return true;
    }
    sawEvent_ = true;
    if (copiesCount_ == 0) {
        readReport(true);
    }
    auto deadline = SteadyClock::now() + copyDeadline;
    while (copiesCount_ == 0 && data_ != nullptr) {
        if (ended_ || !waitForReport(deadline) || !readReport(true)) {
            stop("the X server's report of other programs' requests stopped");
        }
    }
    if (data_ == nullptr) {
        return true;
    }
    Copy copy = copies_[copiesHead_];
    copiesHead_ = (copiesHead_ + 1) % copies_.size();
    --copiesCount_;
    if (copy.sequence != static_cast<std::uint16_t>(cookie.serial) || copy.extension != cookie.extension
        || copy.eventType != cookie.evtype) {
        stop("the X server's report of other programs' requests fell out of step");
        return true;
    }
    // What the report cannot show: moves made without a request, and placements a confining grab holds back.
    return copy.movedBefore || mouseKeys_ || confiningClient_ != 0 || !grabs_.holdsEveryPointer();
}

void X11OutsideMoves::readWhileResting()
{
    // A round with hand events read the report with them; one without costs a read of the timer.
    if (data_ == nullptr || std::exchange(sawEvent_, false)) {
        return;
    }
    std::uint64_t expirations = 0;
    if (read(restTimer_, &expirations, sizeof expirations) == sizeof expirations && (!readReport(false) || ended_)) {
        stop("the X server's report of other programs' requests stopped");
    }
}

bool X11OutsideMoves::readReport(bool untilCopy)
{
    if (data_ == nullptr) {
        return false;
    }
    // Each call takes a report already read, or reads what has come (once, without waiting).
    while (!(untilCopy && copiesCount_ > 0)) {
        void* reply = nullptr;
        xcb_generic_error_t* error = nullptr;
        if (xcb_poll_for_reply(xcb_, enabled_, &reply, &error) == 0) {
            break;
        }
        if (reply == nullptr) {
            // Refused, or over: no more reports will come.
            std::free(error);
            ended_ = true;
            break;
        }
        take(static_cast<const unsigned char*>(reply));
        std::free(reply);
    }
    return xcb_connection_has_error(xcb_) == 0;
}

bool X11OutsideMoves::waitForReport(SteadyClock::time_point deadline)
{
    pollfd watched{ConnectionNumber(data_->display()), POLLIN, 0};
    while (true) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now()).count();
        if (left < 0) {
            return false;
        }
        int ready = poll(&watched, 1, int(left) + 1);
        if (ready >= 0 || errno != EINTR) {
            return ready == 1;
        }
    }
}

void X11OutsideMoves::take(const unsigned char* report)
{
    // The length counts what follows the header, in fours, in this process's byte order (the reply is to it).
    std::size_t length = std::size_t(numberAt(report + 4, 4, false)) * 4;
    const unsigned char* data = report + reportHeader;
    bool swapped = report[reportSwapped] != 0;
    std::uint32_t client = numberAt(report + reportClient, 4, false);
    switch (report[reportCategory]) {
    case XRecordStartOfData:
        started_ = true;
        break;
    case XRecordEndOfData:
        ended_ = true;
        break;
    case XRecordClientDied:
        if (client == confiningClient_) {
            // Our placements may have been held inside until now.
            confiningClient_ = 0;
            movedSinceCopy_ = true;
        }
        break;
    case XRecordFromClient:
        // Whole requests, each saying its own length (in the sender's byte order; 0 for a big one, which then
        // gives it in the next four bytes).
        for (std::size_t at = 0; at + 4 <= length;) {
            std::size_t size = numberAt(data + at + 2, 2, swapped) * std::size_t(4);
            if (size == 0 && at + 8 <= length) {
                size = numberAt(data + at + 4, 4, swapped) * std::size_t(4);
            }
            if (size < 4 || size > length - at) {
                break;
            }
            movedSinceCopy_ = movesPointer(data + at, size, client, swapped) || movedSinceCopy_;
            at += size;
        }
        break;
    case XRecordFromServer:
        // Events sent to this connection, 32 bytes each, in this process's byte order.
        for (std::size_t at = 0; at + eventSize <= length; at += eventSize) {
            const unsigned char* event = data + at;
            if ((event[0] & 0x7f) != GenericEvent) {
                continue;
            }
            Copy copy;
            copy.sequence = static_cast<std::uint16_t>(numberAt(event + 2, 2, false));
            copy.extension = event[1];
            copy.eventType = static_cast<std::uint16_t>(numberAt(event + 8, 2, false));
            copy.movedBefore = movedSinceCopy_;
            movedSinceCopy_ = false;
            push(copy);
        }
        break;
    default:
        break;
    }
}

void X11OutsideMoves::push(const Copy& copy)
{
    if (copies_.empty()) {
        return; // still starting: nothing asked for events yet
    }
    if (copiesCount_ == copies_.size()) {
        std::vector<Copy> larger(copies_.size() * 2);
        for (std::size_t i = 0; i < copiesCount_; ++i) {
            larger[i] = copies_[(copiesHead_ + i) % copies_.size()];
        }
        copies_ = std::move(larger);
        copiesHead_ = 0;
    }
    copies_[(copiesHead_ + copiesCount_) % copies_.size()] = copy;
    ++copiesCount_;
}

bool X11OutsideMoves::movesPointer(
    const unsigned char* request, std::size_t length, std::uint32_t client, bool swapped)
{
    if (length < 4) {
        return false;
    }
    int major = request[0];
    int minor = request[1];
    if (major == X_WarpPointer || (major == connection_.inputOpcode() && minor == X_XIWarpPointer)) {
        return true;
    }
    if (major == X_GrabPointer && length >= grabConfineTo + 4) {
        // A grab that confines the pointer puts it inside, and holds our placements there until it ends.
        if (numberAt(request + grabConfineTo, 4, swapped) != None) {
            confiningClient_ = client;
            return true;
        }
        if (client == confiningClient_) {
            confiningClient_ = 0;
            return true;
        }
        return false;
    }
    if (major == X_UngrabPointer && client == confiningClient_) {
        // Our placements may have been held inside until now.
        confiningClient_ = 0;
        return true;
    }
    if (major == randrOpcode_) {
        return true; // the screens changed: the pointer may have been moved onto them
    }
    if (major != testOpcode_ || minor != X_XTestFakeInput || length <= fakeInputDevice) {
        return false;
    }
    int type = request[fakeInputType] & 0x7f;
    if (type == MotionNotify) {
        return true;
    }
    // A device this backend holds moves no pointer: its input comes here, as the hand's own.
    return type == deviceMotionType_ && !grabs_.holds(request[fakeInputDevice] & 0x7f);
}

void X11OutsideMoves::handleXkb(const XkbEvent& event)
{
    if (event.any.xkb_type == XkbControlsNotify) {
        mouseKeys_ = (event.ctrls.enabled_ctrls & XkbMouseKeysMask) != 0;
    }
}

void X11OutsideMoves::readMouseKeys()
{
    if (connection_.xkbEventBase() < 0) {
        return;
    }
    XkbDescPtr keyboard = XkbAllocKeyboard();
    if (keyboard == nullptr) {
        return;
    }
    if (XkbGetControls(connection_.display(), XkbControlsEnabledMask, keyboard) == Success
        && keyboard->ctrls != nullptr) {
        mouseKeys_ = (keyboard->ctrls->enabled_ctrls & XkbMouseKeysMask) != 0;
    }
    XkbFreeKeyboard(keyboard, 0, True);
}

} // namespace quellarine::x11
