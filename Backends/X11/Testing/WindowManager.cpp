#include "Backends/X11/Testing/WindowManager.h"

#include "Backends/X11/XlibPrelude.h"

#include <X11/Xatom.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace quellarine::x11::testing {

namespace {

constexpr auto startTimeout = std::chrono::seconds(20);

// A manager announces itself on the root window with the window it checks in with (the desktop's convention).
bool isManaged(Display* display, Atom check)
{
    Atom type = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const bool managed = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type,
                                            &format, &items, &remaining, &data)
            == Success
        && items == 1;
    if (data != nullptr) {
        XFree(data);
    }
    return managed;
}

} // namespace

WindowManager::WindowManager(const std::string& displayName)
{
    Display* display = XOpenDisplay(displayName.c_str());
    if (display == nullptr) {
        throw std::runtime_error("window manager: no display " + displayName);
    }
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    XSelectInput(display, DefaultRootWindow(display), PropertyChangeMask);
    XSync(display, False);

    pid_ = fork();
    if (pid_ < 0) {
        XCloseDisplay(display);
        throw std::runtime_error("window manager: cannot fork");
    }
    if (pid_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        setenv("DISPLAY", displayName.c_str(), 1);
        execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
        _exit(127);
    }

    // The property is set once the manager has taken the screen.
    const auto deadline = std::chrono::steady_clock::now() + startTimeout;
    bool managed = isManaged(display, check);
    while (!managed && waitpid(pid_, nullptr, WNOHANG) == 0) {
        const auto left
            = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            break;
        }
        if (XPending(display) == 0) {
            pollfd entry{ConnectionNumber(display), POLLIN, 0};
            poll(&entry, 1, int(left.count()));
        }
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
        }
        managed = isManaged(display, check);
    }
    // The property comes before the manager handles new windows; a window it has framed shows that it does (a map
    // made while it starts up may go unanswered: the probe asks again).
    bool framing = false;
    if (managed) {
        const Window probe = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
        XSelectInput(display, probe, StructureNotifyMask);
        while (!framing && std::chrono::steady_clock::now() < deadline) {
            XMapWindow(display, probe);
            XFlush(display);
            pollfd entry{ConnectionNumber(display), POLLIN, 0};
            poll(&entry, 1, 100);
            while (XPending(display) > 0) {
                XEvent event;
                XNextEvent(display, &event);
                framing = framing || event.type == ReparentNotify;
            }
        }
        XDestroyWindow(display, probe);
        XSync(display, False);
    }
    managed = managed && framing;
    XCloseDisplay(display);
    if (!managed) {
        if (waitpid(pid_, nullptr, WNOHANG) == 0) {
            ::kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        pid_ = -1;
        throw std::runtime_error("window manager: openbox did not take the screen");
    }
}

WindowManager::~WindowManager()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

} // namespace quellarine::x11::testing
