#include "Backends/X11/X11OutsideMoves.h"

#include <X11/Xlib-xcb.h>
#include <X11/Xproto.h>
#include <X11/extensions/XI2proto.h>
#include <X11/extensions/XIproto.h>
#include <X11/extensions/randr.h>
#include <X11/extensions/record.h>
#include <X11/extensions/recordproto.h>
#include <X11/extensions/xtestproto.h>
#include <sys/socket.h>
#include <sys/timerfd.h>
#include <sys/uio.h>
#include <unistd.h>
#include <xcb/record.h>
#include <xcb/xcbext.h>
#include <xcb/xproto.h>
#include <xcb/xtest.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <utility>

namespace quellarine::x11 {

namespace {

using SteadyClock = std::chrono::steady_clock;

// The copy of an event leaves the server right after the event; a report this late has fallen out of step.
constexpr auto copyDeadline = std::chrono::milliseconds(100);
constexpr auto startDeadline = std::chrono::seconds(1);
// A report that fell out of step is started again at the first round of events this long after.
constexpr auto restartDelay = std::chrono::seconds(1);
constexpr std::size_t initialCopies = 64;
// While the hand moves, the report is read with its events, and this often the backend looks whether it has come to
// rest, so that what other programs do is read as it comes again.
constexpr long restCheckMilliseconds = 200;
// The wire size of an event: xcb's generic event structure has a field of its own after it.
constexpr std::size_t eventSize = 32;

// A field of a structure received as bytes, in this process's byte order or swapped.
template <typename Field>
Field fieldAt(const unsigned char* bytes, std::size_t offset, bool swapped = false)
{
    Field value{};
    std::memcpy(&value, bytes + offset, sizeof value);
    if (swapped) {
        if constexpr (sizeof value == 2) {
            value = __builtin_bswap16(value);
        } else if constexpr (sizeof value == 4) {
            value = __builtin_bswap32(value);
        }
    }
    return value;
}

// Whether a 16-bit sequence number comes before another, across their wrapping.
bool sequenceBefore(std::uint16_t a, std::uint16_t b)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(a - b)) < 0;
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
    restCheck_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (restCheck_ >= 0) {
        connection_.watchAlso(restCheck_);
    }
    readMouseKeys();
    if (connection_.xkbEventBase() >= 0) {
        // Switching a control on or off is told as a change of the enabled controls.
        XkbSelectEventDetails(connection_.display(), XkbUseCoreKbd, XkbControlsNotify, XkbControlsEnabledMask,
                              XkbControlsEnabledMask);
    }
    if (!start(false)) {
        stop("the X server does not report other programs' requests");
    }
}

X11OutsideMoves::~X11OutsideMoves()
{
    stop(nullptr);
    if (restCheck_ >= 0) {
        connection_.unwatch(restCheck_);
        close(restCheck_);
    }
}

bool X11OutsideMoves::start(bool restarting)
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
    std::vector<XRecordRange*> requests
        = {requestRange(X_WarpPointer, X_WarpPointer, -1), requestRange(X_GrabPointer, X_UngrabPointer, -1),
           requestRange(testOpcode_, testOpcode_, X_XTestFakeInput),
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
    // The report is read straight from the connection's socket: Xlib's reader would look for more at every call,
    // and xcb's would allocate every reply.
    XFlush(report);
    struct {
        std::uint8_t major = 0;
        std::uint8_t minor = XCB_RECORD_ENABLE_CONTEXT;
        std::uint16_t length = 0;
        std::uint32_t context = 0;
    } enable;
    enable.context = static_cast<std::uint32_t>(context_);
    iovec parts[3] = {};
    parts[2] = {&enable, sizeof enable};
    xcb_protocol_request_t request{1, nullptr, static_cast<std::uint8_t>(recordOpcode), 0};
    xcb_connection_t* xcb = XGetXCBConnection(report);
    if (xcb_send_request(xcb, 0, parts + 2, &request) == 0 || xcb_flush(xcb) <= 0) {
        return false;
    }
    stream_.open(ConnectionNumber(report));
    auto deadline = SteadyClock::now() + startDeadline;
    while (!started_ && !ended_) {
        if (!waitForReport(deadline) || !readReport()) {
            return false;
        }
    }
    if (!started_) {
        return false;
    }
    if (restarting) {
        // Events already on their way may have no copy, or one with a request lost in between: those up to this
        // request count as possibly preceded by a move, and so does the first event after it.
        countFrom_ = NextRequest(display);
        XNoOp(display);
        XFlush(display);
        carry_ = true;
    }
    watchReport(true, false);
    return true;
}

void X11OutsideMoves::stop(const char* why)
{
    if (why != nullptr) {
        std::fprintf(stderr, "quellarine: asking the X server where the pointer is at every hand move: %s\n", why);
    }
    if (data_ == nullptr) {
        return;
    }
    watchReport(false, false);
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
    stream_.close();
    data_.reset();
    copiesHead_ = 0;
    copiesCount_ = 0;
    started_ = false;
    ended_ = false;
    movedSinceCopy_ = false;
    countFrom_.reset();
    carry_ = false;
}

void X11OutsideMoves::fallOutOfStep(const char* why)
{
    stop(why);
    restartAt_ = SteadyClock::now() + restartDelay;
}

bool X11OutsideMoves::mayFollowMove(const XGenericEventCookie& cookie)
{
    if (data_ == nullptr) {
        return true;
    }
    sawEvent_ = true;
    if (countFrom_ && cookie.serial < *countFrom_) {
        return true; // on its way while the report started: it may have no copy
    }
    auto deadline = SteadyClock::now() + copyDeadline;
    while (true) {
        // Copies of events on their way while the report started, which this connection has handled already.
        while (countFrom_ && copiesCount_ > 0
               && sequenceBefore(copies_[copiesHead_].sequence, static_cast<std::uint16_t>(*countFrom_))) {
            carry_ = carry_ || copies_[copiesHead_].movedBefore;
            pop();
        }
        if (copiesCount_ > 0) {
            break;
        }
        if (ended_ || !readReport() || (copiesCount_ == 0 && !waitForReport(deadline))) {
            fallOutOfStep("the X server's report of other programs' requests stopped");
            return true;
        }
    }
    Copy copy = copies_[copiesHead_];
    pop();
    if (copy.sequence != static_cast<std::uint16_t>(cookie.serial) || copy.extension != cookie.extension
        || copy.eventType != cookie.evtype) {
        fallOutOfStep("the X server's report of other programs' requests fell out of step");
        return true;
    }
    countFrom_.reset(); // in step again: sequence numbers wrap, and no older copy can come now
    bool carried = std::exchange(carry_, false);
    // What the report cannot show: moves made without a request, and placements a confining grab holds back.
    return copy.movedBefore || carried || mouseKeys_ || confiningClient_ != 0 || !grabs_.holdsEveryPointer();
}

void X11OutsideMoves::finishRound()
{
    bool sawEvent = std::exchange(sawEvent_, false);
    if (data_ == nullptr) {
        if (restartAt_ && SteadyClock::now() >= *restartAt_ && connection_.isOpen()) {
            restartAt_.reset();
            std::fprintf(stderr, "quellarine: starting the X server's report of other programs' requests again\n");
            if (!start(true)) {
                stop("the X server's report of other programs' requests could not be started again");
            }
        }
        return;
    }
    if (sawEvent) {
        if (reportWatched_ && restCheck_ >= 0) {
            watchReport(false, true);
        }
        movedSinceCheck_ = true;
        return;
    }
    if (checkingForRest_ && cameToRest()) {
        watchReport(true, false);
    }
    // A round with hand events read the report with them; one without reads what other programs did.
    if (!readReport() || ended_) {
        fallOutOfStep("the X server's report of other programs' requests stopped");
    }
}

void X11OutsideMoves::watchReport(bool watched, bool checkForRest)
{
    // The report is read also while the hand rests, as it comes: what other programs do would otherwise pile up in
    // the server. While the hand moves, each copy leaves the server just before its event and would wake the loop
    // once more for every event, while the server is still to send the event itself: then only the events wake
    // it, each reading the report, and a check now and then finds the hand at rest again.
    if (watched != reportWatched_) {
        reportWatched_ = watched;
        if (watched) {
            connection_.watchAlso(stream_.socket());
        } else {
            connection_.unwatch(stream_.socket());
        }
    }
    if (checkForRest != checkingForRest_ && restCheck_ >= 0) {
        checkingForRest_ = checkForRest;
        const timespec every{0, checkForRest ? restCheckMilliseconds * 1'000'000 : 0};
        const itimerspec check{every, every};
        timerfd_settime(restCheck_, 0, &check, nullptr);
    }
    movedSinceCheck_ = false;
}

bool X11OutsideMoves::cameToRest()
{
    std::uint64_t expired = 0;
    if (read(restCheck_, &expired, sizeof expired) != ssize_t(sizeof expired)) {
        return false;
    }
    return !std::exchange(movedSinceCheck_, false);
}

bool X11OutsideMoves::readReport()
{
    return stream_.read([this](const unsigned char* reply, std::size_t size) { take(reply, size); });
}

bool X11OutsideMoves::waitForReport(SteadyClock::time_point deadline)
{
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now()).count();
    return left >= 0 && stream_.waitReadable(int(left) + 1);
}

void X11OutsideMoves::pop()
{
    copiesHead_ = (copiesHead_ + 1) % copies_.size();
    --copiesCount_;
}

void X11OutsideMoves::take(const unsigned char* report, std::size_t size)
{
    using Reply = xcb_record_enable_context_reply_t;
    constexpr std::size_t header = sizeof(Reply);
    static_assert(header == 32);
    const unsigned char* data = report + header;
    std::size_t length = size - header;
    bool swapped = report[offsetof(Reply, client_swapped)] != 0;
    auto client = fieldAt<std::uint32_t>(report, offsetof(Reply, xid_base));
    switch (report[offsetof(Reply, category)]) {
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
        // Whole requests, each saying its own length in fours (in the sender's byte order; 0 for a big one, which
        // then gives it in the next four bytes).
        for (std::size_t at = 0; at + 4 <= length;) {
            const unsigned char* request = data + at;
            std::size_t requestSize = fieldAt<std::uint16_t>(request, 2, swapped) * std::size_t(4);
            if (requestSize == 0 && at + 8 <= length) {
                requestSize = fieldAt<std::uint32_t>(request, 4, swapped) * std::size_t(4);
            }
            if (requestSize < 4 || requestSize > length - at) {
                break;
            }
            movedSinceCopy_ = movesPointer(request, requestSize, client, swapped) || movedSinceCopy_;
            at += requestSize;
        }
        break;
    case XRecordFromServer:
        // Events sent to this connection, in this process's byte order.
        for (std::size_t at = 0; at + eventSize <= length; at += eventSize) {
            const unsigned char* event = data + at;
            if ((event[offsetof(xcb_ge_generic_event_t, response_type)] & 0x7f) != XCB_GE_GENERIC) {
                continue;
            }
            Copy copy;
            copy.sequence = fieldAt<std::uint16_t>(event, offsetof(xcb_ge_generic_event_t, sequence));
            copy.extension = event[offsetof(xcb_ge_generic_event_t, extension)];
            copy.eventType = fieldAt<std::uint16_t>(event, offsetof(xcb_ge_generic_event_t, event_type));
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

bool X11OutsideMoves::movesPointer(const unsigned char* request, std::size_t length, std::uint32_t client, bool swapped)
{
    int major = request[offsetof(xcb_grab_pointer_request_t, major_opcode)];
    int minor = request[1];
    if (major == X_WarpPointer || (major == connection_.inputOpcode() && minor == X_XIWarpPointer)) {
        return true;
    }
    if (major == X_GrabPointer && length >= sizeof(xcb_grab_pointer_request_t)) {
        // A grab that confines the pointer puts it inside, and holds our placements there until it ends.
        if (fieldAt<xcb_window_t>(request, offsetof(xcb_grab_pointer_request_t, confine_to), swapped) != XCB_NONE) {
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
    using FakeInput = xcb_test_fake_input_request_t;
    if (major != testOpcode_ || minor != XCB_TEST_FAKE_INPUT || length < sizeof(FakeInput)) {
        return false;
    }
    // The event type and the device take 7 bits; the 8th flags more to come.
    int type = request[offsetof(FakeInput, type)] & 0x7f;
    if (type == XCB_MOTION_NOTIFY) {
        return true;
    }
    // A device this backend holds moves no pointer: its input comes here, as the hand's own.
    return type == deviceMotionType_ && !grabs_.holds(request[offsetof(FakeInput, deviceid)] & 0x7f);
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
