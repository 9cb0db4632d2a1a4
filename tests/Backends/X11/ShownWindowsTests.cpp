// Test framework first: X's macros (None, Bool) would clash with names in its headers.
#include <gtest/gtest.h>

#include "Backends/X11/Testing/ShownWindows.h"
#include "Backends/X11/Testing/WindowManager.h"
#include "Backends/X11/Testing/XvfbServer.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <string>

using namespace quellarine::x11::testing;

namespace {

// An application's top-level window as a toolkit makes one: a UTF-8 title and the close protocol.
class TitledWindow {
public:
    explicit TitledWindow(const std::string& displayName)
        : display_(XOpenDisplay(displayName.c_str()))
    {
        window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 100, 100, 400, 300, 0, 0, 0);
        Atom close = XInternAtom(display_, "WM_DELETE_WINDOW", False);
        XSetWMProtocols(display_, window_, &close, 1);
        XSelectInput(display_, window_, StructureNotifyMask);
    }
    ~TitledWindow() { XCloseDisplay(display_); }
    TitledWindow(const TitledWindow&) = delete;
    TitledWindow& operator=(const TitledWindow&) = delete;

    void setTitle(const std::string& title)
    {
        XChangeProperty(display_, window_, XInternAtom(display_, "_NET_WM_NAME", False),
                        XInternAtom(display_, "UTF8_STRING", False), 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(title.data()), int(title.size()));
        XFlush(display_);
    }

    // Shows the window and asks to bring it forward, as an application opening its window does.
    void show()
    {
        XMapWindow(display_, window_);
        XEvent request{};
        request.xclient.type = ClientMessage;
        request.xclient.window = window_;
        request.xclient.message_type = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
        request.xclient.format = 32;
        request.xclient.data.l[0] = 1; // from an application
        request.xclient.data.l[1] = CurrentTime;
        XSendEvent(display_, DefaultRootWindow(display_), False, SubstructureRedirectMask | SubstructureNotifyMask,
                   &request);
        XFlush(display_);
    }

    // Whether the desktop asked the window to close; a window that was asked hides, as an application's does.
    bool closeRequested()
    {
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == ClientMessage
                && Atom(event.xclient.data.l[0]) == XInternAtom(display_, "WM_DELETE_WINDOW", False)) {
                asked_ = true;
                XUnmapWindow(display_, window_);
                XFlush(display_);
            }
        }
        return asked_;
    }

    void destroy()
    {
        XDestroyWindow(display_, window_);
        XSync(display_, False);
    }

    Window id() const { return window_; }
    Window parent()
    {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        XQueryTree(display_, window_, &root, &parent, &children, &count);
        if (children != nullptr) {
            XFree(children);
        }
        return parent;
    }
    Window root() const { return DefaultRootWindow(display_); }

private:
    Display* display_;
    Window window_ = 0;
    bool asked_ = false;
};

} // namespace

// A desktop with a window manager: a window is found by its title inside the manager's frame, followed as its title
// changes, has the keyboard once the manager gives it, closes on request, and is looked at safely once gone.
TEST(ShownWindowsTest, FindFollowAndCloseAFramedWindowByItsTitle)
{
    XvfbServer server;
    WindowManager manager(server.displayName());
    // Windows of other clients vanish while looked at; errors about them must not end the program.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    ShownWindows windows(server.displayName());
    TitledWindow application(server.displayName());
    application.setTitle("Overview \u2014 Test");
    EXPECT_EQ(windows.titled("Overview \u2014 Test"), 0u) << "found before it was shown";

    application.show();
    Window found = 0;
    ASSERT_TRUE(windows.waitFor([&] { return (found = windows.titled("Overview \u2014 Test")) != 0; }, 10));
    EXPECT_EQ(found, application.id());
    EXPECT_NE(application.parent(), application.root()) << "the manager did not frame the window";
    EXPECT_TRUE(windows.waitFor([&] { return windows.hasFocus(found); }, 10));

    windows.watch(found);
    application.setTitle("Help \u2014 Test");
    ASSERT_TRUE(windows.waitFor([&] { return windows.title(found) == "Help \u2014 Test"; }, 10));
    EXPECT_EQ(windows.titled("Overview \u2014 Test"), 0u);
    EXPECT_EQ(windows.titled("Help \u2014 Test"), found);

    windows.close(found);
    ASSERT_TRUE(windows.waitFor([&] { return application.closeRequested(); }, 10));
    ASSERT_TRUE(windows.waitFor([&] { return !windows.isShown(found); }, 10));
    EXPECT_EQ(windows.titled("Help \u2014 Test"), 0u);

    application.destroy();
    EXPECT_FALSE(windows.isShown(found));
    EXPECT_FALSE(windows.hasFocus(found));
    EXPECT_EQ(windows.title(found), "");
}
