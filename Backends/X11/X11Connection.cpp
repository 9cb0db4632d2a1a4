#include "Backends/X11/X11Connection.h"

#include <X11/XKBlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xrandr.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace quellarine::x11 {

namespace {

// Xlib's error handlers are one per process: ours serve every open connection of the backend and hand errors of
// other connections to whoever was installed before.
struct ErrorHandlers {
    std::mutex mutex;
    std::vector<X11Connection*> connections;
    XErrorHandler previous = nullptr;
    XIOErrorHandler previousIO = nullptr;
};

ErrorHandlers& errorHandlers()
{
    static ErrorHandlers handlers;
    return handlers;
}

// The session the process was started in says what it is; the X server of such a session is Xwayland.
bool sessionIsWayland()
{
    const char* waylandDisplay = std::getenv("WAYLAND_DISPLAY");
    const char* sessionType = std::getenv("XDG_SESSION_TYPE");
    return (waylandDisplay != nullptr && *waylandDisplay != '\0')
        || (sessionType != nullptr && std::string_view(sessionType) == "wayland");
}

} // namespace

X11Connection::X11Connection(const char* displayName)
{
    // Must precede every other Xlib call of the process that may use the display from two threads.
    XInitThreads();
    display_ = XOpenDisplay(displayName);
    if (display_ == nullptr) {
        return;
    }
    root_ = DefaultRootWindow(display_);
    XSetIOErrorExitHandler(display_, &X11Connection::onConnectionLost, this);
    {
        ErrorHandlers& handlers = errorHandlers();
        std::lock_guard lock(handlers.mutex);
        if (handlers.connections.empty()) {
            handlers.previous = XSetErrorHandler(&X11Connection::onError);
            handlers.previousIO = XSetIOErrorHandler(&X11Connection::onIOError);
        }
        handlers.connections.push_back(this);
    }

    int opcode = 0;
    int eventBase = 0;
    int errorBase = 0;
    if (XQueryExtension(display_, "XInputExtension", &opcode, &eventBase, &errorBase)) {
        int major = 2;
        int minor = 2;
        if (XIQueryVersion(display_, &major, &minor) == Success && (major > 2 || (major == 2 && minor >= 2))) {
            inputOpcode_ = opcode;
            inputEventBase_ = eventBase;
        }
    }
    int major = 0;
    int minor = 0;
    hasTest_ = XTestQueryExtension(display_, &eventBase, &errorBase, &major, &minor) != 0;
    underWayland_ = XQueryExtension(display_, "XWAYLAND", &opcode, &eventBase, &errorBase) != 0
        || (displayName == nullptr && sessionIsWayland());
    major = XkbMajorVersion;
    minor = XkbMinorVersion;
    if (XkbQueryExtension(display_, &opcode, &eventBase, &errorBase, &major, &minor)) {
        xkbEventBase_ = eventBase;
    }
    if (XRRQueryExtension(display_, &eventBase, &errorBase) && XRRQueryVersion(display_, &major, &minor)
        && (major > 1 || (major == 1 && minor >= 5))) {
        randrEventBase_ = eventBase;
    }
    underWayland_ = underWayland_ || hasXwaylandDevices() || hasXwaylandOutputs();

    epollFd_ = epoll_create1(EPOLL_CLOEXEC);
    wakeFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    watch(ConnectionNumber(display_));
    socketWatched_ = true;
    watch(wakeFd_);
}

void X11Connection::watch(int fd)
{
    watched_.push_back(fd);
    if (loop_ != nullptr) {
        loop_->watch(fd, process_);
    } else if (epollFd_ >= 0) {
        epoll_event readable{};
        readable.events = EPOLLIN;
        readable.data.fd = fd;
        epoll_ctl(epollFd_, EPOLL_CTL_ADD, fd, &readable);
    }
}

void X11Connection::stopWatching(int fd)
{
    std::erase(watched_, fd);
    if (loop_ != nullptr) {
        loop_->unwatch(fd);
    } else if (epollFd_ >= 0) {
        epoll_ctl(epollFd_, EPOLL_CTL_DEL, fd, nullptr);
    }
}

void X11Connection::serveOn(backends::PollMainLoop& loop, std::function<void()> process)
{
    if (display_ == nullptr || loop_ != nullptr) {
        return;
    }
    loop_ = &loop;
    process_ = std::move(process);
    for (int fd : watched_) {
        loop_->watch(fd, process_);
    }
    close(epollFd_);
    epollFd_ = -1;
}

std::vector<int> X11Connection::inputDescriptors() const
{
    if (display_ == nullptr) {
        return {};
    }
    return {ConnectionNumber(display_), wakeFd_};
}

X11Connection::~X11Connection()
{
    if (display_ == nullptr) {
        return;
    }
    if (loop_ != nullptr) {
        for (int fd : watched_) {
            loop_->unwatch(fd);
        }
    }
    XCloseDisplay(display_);
    {
        ErrorHandlers& handlers = errorHandlers();
        std::lock_guard lock(handlers.mutex);
        std::erase(handlers.connections, this);
        if (handlers.connections.empty()) {
            // Someone who installed a handler after ours keeps it.
            XErrorHandler current = XSetErrorHandler(handlers.previous);
            if (current != &X11Connection::onError) {
                XSetErrorHandler(current);
            }
            XIOErrorHandler currentIO = XSetIOErrorHandler(handlers.previousIO);
            if (currentIO != &X11Connection::onIOError) {
                XSetIOErrorHandler(currentIO);
            }
        }
    }
    close(wakeFd_);
    if (epollFd_ >= 0) {
        close(epollFd_);
    }
}

int X11Connection::onError(Display* display, XErrorEvent* event)
{
    ErrorHandlers& handlers = errorHandlers();
    XErrorHandler previous = nullptr;
    {
        std::lock_guard lock(handlers.mutex);
        auto ours
            = std::find_if(handlers.connections.begin(), handlers.connections.end(),
                           [display](const X11Connection* connection) { return connection->display_ == display; });
        if (ours != handlers.connections.end()) {
            // Expected failures (a device unplugged under a grab, a combination held by another client) are
            // collected by a trap when someone waits for them and otherwise ignored: never fatal.
            (*ours)->record(*event);
            return 0;
        }
        previous = handlers.previous;
    }
    return previous != nullptr ? previous(display, event) : 0;
}

int X11Connection::onIOError(Display* display)
{
    ErrorHandlers& handlers = errorHandlers();
    XIOErrorHandler previous = nullptr;
    {
        std::lock_guard lock(handlers.mutex);
        bool ours = std::any_of(handlers.connections.begin(), handlers.connections.end(),
                                [display](const X11Connection* connection) { return connection->display_ == display; });
        if (ours) {
            // Xlib's own handler would end the process; the exit handler below marks the connection lost.
            return 0;
        }
        previous = handlers.previousIO;
    }
    return previous != nullptr ? previous(display) : 0;
}

void X11Connection::onConnectionLost(Display* display, void* self)
{
    // Xlib locks the display for the thread that meets the loss, as XLockDisplay would, and never unlocks it: it
    // expects this handler to end the process. It returns instead, so it unlocks, or every other thread that uses
    // the connection (the pointer thread closing it at exit, the watchdog) would wait for that thread forever.
    XUnlockDisplay(display);
    auto* connection = static_cast<X11Connection*>(self);
    connection->lost_.store(true);
    connection->wake();
}

bool X11Connection::hasXwaylandDevices() const
{
    // Not every Xwayland announces itself by an extension, but each names its devices after itself.
    if (inputOpcode_ < 0) {
        return false;
    }
    int count = 0;
    XIDeviceInfo* devices = XIQueryDevice(display_, XIAllDevices, &count);
    bool found = false;
    for (int i = 0; i < count && !found; ++i) {
        found = std::string_view(devices[i].name).starts_with("xwayland-");
    }
    XIFreeDeviceInfo(devices);
    return found;
}

bool X11Connection::hasXwaylandOutputs() const
{
    // Without seats (a headless compositor) it has no devices, but its outputs still carry its name.
    if (randrEventBase_ < 0) {
        return false;
    }
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display_, root_);
    if (resources == nullptr) {
        return false;
    }
    bool found = false;
    for (int i = 0; i < resources->noutput && !found; ++i) {
        if (XRROutputInfo* output = XRRGetOutputInfo(display_, resources, resources->outputs[i])) {
            found = std::string_view(output->name, static_cast<std::size_t>(output->nameLen)).starts_with("XWAYLAND");
            XRRFreeOutputInfo(output);
        }
    }
    XRRFreeScreenResources(resources);
    return found;
}

bool X11Connection::isTestDevice(int deviceId) const
{
    if (!isOpen() || !hasInput2()) {
        return false;
    }
    Atom testProperty = XInternAtom(display_, "XTEST Device", True);
    if (testProperty == None) {
        return false;
    }
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    bool found = XIGetProperty(display_, deviceId, testProperty, 0, 1, False, AnyPropertyType, &type, &format, &items,
                               &after, &data)
            == Success
        && type != None;
    if (data != nullptr) {
        XFree(data);
    }
    return found;
}

void X11Connection::record(const XErrorEvent& event)
{
    std::lock_guard lock(errorsMutex_);
    if (traps_ > 0) {
        errors_.push_back({event.serial, event.error_code, event.request_code, event.minor_code});
    }
}

void X11Connection::wake()
{
    if (wakeFd_ >= 0) {
        std::uint64_t one = 1;
        [[maybe_unused]] ssize_t written = write(wakeFd_, &one, sizeof one);
        // Only after the signal: a signal not yet marked is read by the processing it causes.
        woken_.store(true);
    }
}

void X11Connection::clearWake()
{
    // Most processing is for input on the socket alone: no system call on that path.
    if (wakeFd_ >= 0 && woken_.exchange(false)) {
        std::uint64_t count = 0;
        [[maybe_unused]] ssize_t got = read(wakeFd_, &count, sizeof count);
    }
}

void X11Connection::wakeIfQueued()
{
    if (isOpen() && XEventsQueued(display_, QueuedAlready) > 0) {
        wake();
    }
}

void X11Connection::forgetLostSocket()
{
    if (socketWatched_ && lost_.load()) {
        stopWatching(ConnectionNumber(display_));
        socketWatched_ = false;
    }
}

void X11Connection::watchAlso(int fd)
{
    if (display_ != nullptr) {
        watch(fd);
    }
}

void X11Connection::unwatch(int fd)
{
    if (display_ != nullptr) {
        stopWatching(fd);
    }
}

X11Connection::ErrorTrap::ErrorTrap(X11Connection& connection)
    : connection_(connection)
    , firstSerial_(connection.display_ != nullptr ? NextRequest(connection.display_) : 0)
{
    std::lock_guard lock(connection_.errorsMutex_);
    ++connection_.traps_;
}

X11Connection::ErrorTrap::~ErrorTrap()
{
    std::lock_guard lock(connection_.errorsMutex_);
    if (--connection_.traps_ == 0) {
        connection_.errors_.clear();
    }
}

std::vector<X11Connection::Error> X11Connection::ErrorTrap::sync()
{
    if (!connection_.isOpen()) {
        return {};
    }
    XSync(connection_.display_, False);
    std::lock_guard lock(connection_.errorsMutex_);
    std::vector<Error> mine;
    for (const Error& error : connection_.errors_) {
        if (error.serial >= firstSerial_) {
            mine.push_back(error);
        }
    }
    return mine;
}

} // namespace quellarine::x11
