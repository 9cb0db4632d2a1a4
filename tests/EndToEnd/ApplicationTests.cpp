// Test framework first: X's macros (None, Bool) would clash with names in its headers.
#include <gtest/gtest.h>

#include "Backends/X11/Testing/ClientWindow.h"
#include "Backends/X11/Testing/VirtualHand.h"
#include "Backends/X11/Testing/XvfbServer.h"
#include "QuellarineKit/Calibration/CalibrationProtocol.h"
#include "tests/QuellarineKit/Support/HandPath.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <signal.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <optional>
#include <regex>
#include <map>
#include <set>
#include <string>
#include <thread>

using namespace quellarine;
using namespace quellarine::x11::testing;
using Clock = std::chrono::steady_clock;

namespace {

constexpr double sampleInterval = 0.008;

// How far a path travels up and down: the tremor's share of it.
double verticalTravel(const std::vector<Point>& points)
{
    double travel = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        travel += std::abs(points[i].y - points[i - 1].y);
    }
    return travel;
}

bool waitFor(const std::function<bool()>& condition, double seconds)
{
    auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
    while (!condition()) {
        if (Clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

class RunningApplicationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/quellarine-e2e-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        home = pattern;
        server = std::make_unique<XvfbServer>();
        hand = std::make_unique<VirtualHand>(server->displayName());
        client = std::make_unique<ClientWindow>(server->displayName());
    }

    void TearDown() override
    {
        stopApplication();
        // Copies this test did not start itself (a relaunched one): ended before their X server, and for certain,
        // so that none outlives the test with its output.
        for (pid_t other : othersToStop) {
            kill(other, SIGTERM);
            if (!waitFor([&] { return kill(other, 0) != 0; }, 20)) {
                ADD_FAILURE() << "a copy of the application did not end when asked to";
                kill(other, SIGKILL);
            }
        }
        client.reset();
        hand.reset();
        server.reset();
        std::filesystem::remove_all(home);
    }

    // The user's settings file, as the application keeps it under the configuration folder.
    void writeSettings(const std::string& lines)
    {
        std::filesystem::create_directories(home / "config" / "temrid");
        std::ofstream(home / "config" / "temrid" / "Quellarine.ini") << "[General]\n" << lines;
    }

    void startApplication()
    {
        application = fork();
        ASSERT_GE(application, 0);
        if (application == 0) {
            setenv("DISPLAY", server->displayName().c_str(), 1);
            setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
            setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            unsetenv("DBUS_SESSION_BUS_ADDRESS");
            execl(QUELLARINE_APP, QUELLARINE_APP, static_cast<char*>(nullptr));
            _exit(127);
        }
    }

    // Waits until the application took the pointer; when it then shows a window of its own (the main window opens
    // where the desktop has no tray), the test's application is raised over it again, as the user would bring
    // the window they work in to the front (and again while the hand plays, should another one appear).
    bool waitUntilTheApplicationRuns()
    {
        if (!waitFor([&] { return hand->isGrabbed(); }, 20)) {
            return false;
        }
        waitFor([&] { return client->raiseIfCovered(); }, 2);
        return true;
    }

    void stopApplication()
    {
        if (application > 0) {
            kill(application, SIGTERM);
            if (!waitFor([&] { return waitpid(application, nullptr, WNOHANG) == application; }, 20)) {
                ADD_FAILURE() << "the application did not end when asked to";
                kill(application, SIGKILL);
                waitpid(application, nullptr, 0);
            }
            application = -1;
        }
    }

    // Plays a hand drifting right with a 5.3 Hz tremor of 3 points, in real time at 125 Hz; returns where the hand
    // went (whole pixels, as a device reports whole steps).
    std::vector<Point> playTremor(double duration)
    {
        Point start = hand->cursor();
        std::vector<Point> positions{start};
        Point sent = start;
        auto begin = Clock::now();
        for (int step = 1; step * sampleInterval <= duration; ++step) {
            std::this_thread::sleep_until(begin + std::chrono::duration<double>(step * sampleInterval));
            client->raiseIfCovered();
            double t = step * sampleInterval;
            Point wanted = start + quellarine::testing::driftPath(t);
            int dx = int(std::lround(wanted.x - sent.x));
            int dy = int(std::lround(wanted.y - sent.y));
            if (dx != 0 || dy != 0) {
                hand->move(dx, dy);
                sent = sent + Vector{double(dx), double(dy)};
                positions.push_back(sent);
            }
            client->collect();
        }
        return positions;
    }

    // What the application last wrote for a setting, read from its file as the next launch would.
    std::string setting(const std::string& key) const
    {
        std::ifstream file(home / "config" / "temrid" / "Quellarine.ini");
        std::string line;
        std::string value;
        while (std::getline(file, line)) {
            if (line.rfind(key + "=", 0) == 0) {
                value = line.substr(key.size() + 1);
            }
        }
        return value;
    }

    // Whether a button is down on the device through which programs press buttons (the test extension's).
    bool testPointerHoldsAButton() const
    {
        int count = 0;
        XIDeviceInfo* devices = XIQueryDevice(hand->display(), XIAllDevices, &count);
        bool down = false;
        for (int i = 0; i < count; ++i) {
            if (std::string(devices[i].name) != "Virtual core XTEST pointer") {
                continue;
            }
            for (int c = 0; c < devices[i].num_classes; ++c) {
                if (devices[i].classes[c]->type == XIButtonClass) {
                    auto* buttons = reinterpret_cast<XIButtonClassInfo*>(devices[i].classes[c]);
                    for (int b = 1; b <= buttons->num_buttons && b < buttons->state.mask_len * 8; ++b) {
                        down = down || XIMaskIsSet(buttons->state.mask, b);
                    }
                }
            }
        }
        XIFreeDeviceInfo(devices);
        return down;
    }

    // Presses the keys together, as a person holding modifiers and tapping a key would.
    void chord(std::initializer_list<KeySym> symbols)
    {
        Display* display = hand->display();
        for (KeySym symbol : symbols) {
            XTestFakeKeyEvent(display, XKeysymToKeycode(display, symbol), True, CurrentTime);
        }
        for (auto symbol = std::rbegin(symbols); symbol != std::rend(symbols); ++symbol) {
            XTestFakeKeyEvent(display, XKeysymToKeycode(display, *symbol), False, CurrentTime);
        }
        XSync(display, False);
    }

    // The top-level windows on screen, each by its title as a window manager would show it, with where it is.
    std::map<std::string, Rect> shownWindows()
    {
        Display* display = hand->display();
        XSync(display, False);
        const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
        const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        std::map<std::string, Rect> shown;
        if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) {
            return shown;
        }
        for (unsigned i = 0; i < count; ++i) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, children[i], &attributes) == 0 || attributes.map_state != IsViewable) {
                continue;
            }
            Atom type = 0;
            int format = 0;
            unsigned long items = 0;
            unsigned long remaining = 0;
            unsigned char* data = nullptr;
            if (XGetWindowProperty(display, children[i], netName, 0, 1024, False, utf8, &type, &format, &items,
                                   &remaining, &data)
                    == Success
                && data != nullptr) {
                shown.emplace(std::string(reinterpret_cast<char*>(data), items),
                              Rect{{double(attributes.x), double(attributes.y)},
                                   {double(attributes.width), double(attributes.height)}});
            }
            if (data != nullptr) {
                XFree(data);
            }
        }
        if (children != nullptr) {
            XFree(children);
        }
        return shown;
    }

    std::set<std::string> shownWindowTitles()
    {
        std::set<std::string> titles;
        for (const auto& [title, frame] : shownWindows()) {
            titles.insert(title);
        }
        return titles;
    }

    // Where a top-level window with this title is on the screen.
    std::optional<Rect> windowFrame(const std::string& title)
    {
        auto shown = shownWindows();
        auto window = shown.find(title);
        return window != shown.end() ? std::optional<Rect>(window->second) : std::nullopt;
    }

    // The bounds of the pixels on screen of exactly this colour, as a person would find a shape by its colour.
    std::optional<Rect> areaOfColour(unsigned long rgb)
    {
        Display* display = hand->display();
        const Window root = DefaultRootWindow(display);
        XWindowAttributes attributes;
        XGetWindowAttributes(display, root, &attributes);
        XImage* image = XGetImage(display, root, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
        if (image == nullptr) {
            return std::nullopt;
        }
        int left = attributes.width;
        int top = attributes.height;
        int right = -1;
        int bottom = -1;
        for (int y = 0; y < attributes.height; ++y) {
            for (int x = 0; x < attributes.width; ++x) {
                if ((XGetPixel(image, x, y) & 0xFFFFFF) == rgb) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        XDestroyImage(image);
        if (right < 0) {
            return std::nullopt;
        }
        return Rect{{double(left), double(top)}, {double(right - left + 1), double(bottom - top + 1)}};
    }

    // A flat button of this colour on screen: the bounds of the long runs of exactly that colour (its edges above
    // and below the title), as a person finds a coloured button.
    std::optional<Rect> buttonOfColour(unsigned long rgb, int shortestRun)
    {
        Display* display = hand->display();
        const Window root = DefaultRootWindow(display);
        XWindowAttributes attributes;
        XGetWindowAttributes(display, root, &attributes);
        XImage* image = XGetImage(display, root, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
        if (image == nullptr) {
            return std::nullopt;
        }
        std::optional<Rect> found;
        for (int y = 0; y < attributes.height; ++y) {
            int run = 0;
            for (int x = 0; x <= attributes.width; ++x) {
                if (x < attributes.width && (XGetPixel(image, x, y) & 0xFFFFFF) == rgb) {
                    ++run;
                    continue;
                }
                if (run >= shortestRun) {
                    const Rect line{{double(x - run), double(y)}, {double(run), 1}};
                    if (!found) {
                        found = line;
                    } else {
                        const double left = std::min(found->minX(), line.minX());
                        const double right = std::max(found->maxX(), line.maxX());
                        found = Rect{{left, found->minY()}, {right - left, line.maxY() - found->minY()}};
                    }
                }
                run = 0;
            }
        }
        XDestroyImage(image);
        return found;
    }

    // Moves the hand by whole steps towards a point of the screen; returns where it was sent.
    Point moveHandTo(Point wanted, Point from)
    {
        const int dx = int(std::lround(wanted.x - from.x));
        const int dy = int(std::lround(wanted.y - from.y));
        if (dx != 0 || dy != 0) {
            hand->move(dx, dy);
        }
        return from + Vector{double(dx), double(dy)};
    }

    std::vector<Point> clientPositions()
    {
        client->sync();
        client->collect();
        std::vector<Point> points;
        for (const auto& received : client->motions()) {
            points.push_back(received.location);
        }
        return points;
    }

    // The top-level window with this title (0 when none is shown).
    Window windowTitled(const std::string& title)
    {
        Display* display = hand->display();
        XSync(display, False);
        const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
        const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        Window found = 0;
        if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) {
            return 0;
        }
        for (unsigned i = 0; i < count && found == 0; ++i) {
            Atom type = 0;
            int format = 0;
            unsigned long items = 0;
            unsigned long remaining = 0;
            unsigned char* data = nullptr;
            if (XGetWindowProperty(display, children[i], netName, 0, 1024, False, utf8, &type, &format, &items,
                                   &remaining, &data)
                    == Success
                && data != nullptr && std::string(reinterpret_cast<char*>(data), items) == title) {
                found = children[i];
            }
            if (data != nullptr) {
                XFree(data);
            }
        }
        if (children != nullptr) {
            XFree(children);
        }
        return found;
    }

    // The process that shows the window, as the window says (0 when it does not say).
    pid_t windowOwner(Window window)
    {
        Display* display = hand->display();
        const Atom netPid = XInternAtom(display, "_NET_WM_PID", False);
        Atom type = 0;
        int format = 0;
        unsigned long items = 0;
        unsigned long remaining = 0;
        unsigned char* data = nullptr;
        pid_t owner = 0;
        if (window != 0
            && XGetWindowProperty(display, window, netPid, 0, 1, False, XA_CARDINAL, &type, &format, &items, &remaining,
                                  &data)
                == Success
            && data != nullptr && items == 1) {
            owner = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
        }
        if (data != nullptr) {
            XFree(data);
        }
        return owner;
    }

    // A click of the hand's left button at a point of the screen.
    void clickAt(int x, int y)
    {
        hand->warpCursor(x, y);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        hand->press(1);
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        hand->release(1);
    }

    // Presses one key after another, as a person at the keyboard would, the same key `times` times.
    void press(KeySym symbol, int times = 1)
    {
        for (int time = 0; time < times; ++time) {
            chord({symbol});
            std::this_thread::sleep_for(std::chrono::milliseconds(60));
        }
    }

    std::filesystem::path home;
    std::unique_ptr<XvfbServer> server;
    std::unique_ptr<VirtualHand> hand;
    std::unique_ptr<ClientWindow> client;
    pid_t application = -1;
    // Copies of the application that it started itself.
    std::vector<pid_t> othersToStop;
};

} // namespace

TEST_F(RunningApplicationTest, SteadiesTheRealPointerWithTheSavedPreset)
{
    writeSettings("welcomed=true\npreset=balanced\n");
    hand->warpCursor(300, 400);
    startApplication();
    ASSERT_TRUE(waitUntilTheApplicationRuns()) << "the application never took the pointer";

    auto path = playTremor(quellarine::testing::driftPathDuration);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    auto seen = clientPositions();
    ASSERT_GT(seen.size(), 20u);
    EXPECT_LT(verticalTravel(seen), 0.6 * verticalTravel(path));
    // At rest the pointer comes onto the hand.
    ASSERT_TRUE(waitFor([&] { return hand->cursor().distance(path.back()) <= 1.0; }, 5))
        << hand->cursor().x << "," << hand->cursor().y << " for " << path.back().x << "," << path.back().y;
}

TEST_F(RunningApplicationTest, WithSmoothingSwitchedOffTheHandArrivesUnchanged)
{
    writeSettings("welcomed=true\nfilterOn=false\n");
    hand->warpCursor(300, 400);
    startApplication();
    ASSERT_TRUE(waitUntilTheApplicationRuns()) << "the application never took the pointer";

    auto path = playTremor(0.5);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    auto seen = clientPositions();
    ASSERT_FALSE(seen.empty());
    for (const auto& point : seen) {
        EXPECT_NE(std::find(path.begin(), path.end(), point), path.end()) << point.x << "," << point.y;
    }
    EXPECT_EQ(seen.back(), path.back());
}

TEST_F(RunningApplicationTest, QuittingGivesThePointerBack)
{
    writeSettings("welcomed=true\n");
    startApplication();
    ASSERT_TRUE(waitFor([&] { return hand->isGrabbed(); }, 20));
    stopApplication();
    ASSERT_TRUE(waitFor([&] { return !hand->isGrabbed(); }, 5));
    Point before = hand->cursor();
    hand->move(10, 0);
    EXPECT_TRUE(waitFor([&] { return hand->cursor() == before + Vector{10, 0}; }, 2));
}

// The X server going away ends the application from inside its toolkit, without returning from main, while its
// pointer thread runs: it must end cleanly, not crash on what the exit already destroyed.
TEST_F(RunningApplicationTest, TheXServerGoingAwayEndsItWithoutACrash)
{
    writeSettings("welcomed=true\n");
    // What an exit leaves allocated on the stack is no leak; under the sanitizers, a use after free still aborts.
    const char* sanitizerOptions = std::getenv("ASAN_OPTIONS");
    const std::string keptOptions = sanitizerOptions != nullptr ? sanitizerOptions : "";
    setenv("ASAN_OPTIONS", (keptOptions + ":detect_leaks=0").c_str(), 1);
    startApplication();
    setenv("ASAN_OPTIONS", keptOptions.c_str(), 1);
    ASSERT_TRUE(waitFor([&] { return hand->isGrabbed(); }, 20));
    client.reset();
    hand.reset();
    server.reset();
    int status = 0;
    ASSERT_TRUE(waitFor([&] { return waitpid(application, &status, WNOHANG) == application; }, 20))
        << "the application kept running without its X server";
    application = -1;
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}

TEST_F(RunningApplicationTest, StoppedFromTheTerminalItGivesThePointerBackUntilContinued)
{
    writeSettings("welcomed=true\n");
    startApplication();
    ASSERT_TRUE(waitFor([&] { return hand->isGrabbed(); }, 20));

    kill(application, SIGTSTP); // Ctrl+Z
    int status = 0;
    ASSERT_TRUE(waitFor([&] { return waitpid(application, &status, WUNTRACED | WNOHANG) == application; }, 20))
        << "the application did not stop";
    ASSERT_TRUE(WIFSTOPPED(status));
    EXPECT_FALSE(hand->isGrabbed());
    Point before = hand->cursor();
    hand->move(10, 0);
    EXPECT_TRUE(waitFor([&] { return hand->cursor() == before + Vector{10, 0}; }, 2));

    kill(application, SIGCONT);
    EXPECT_TRUE(waitFor([&] { return hand->isGrabbed(); }, 5));
}

TEST_F(RunningApplicationTest, EndingSignalsQuitCleanlyWithNoButtonLeftDown)
{
    writeSettings("welcomed=true\n");
    for (int ending : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(strsignal(ending));
        startApplication();
        ASSERT_TRUE(waitFor([&] { return hand->isGrabbed(); }, 20));
        // Its main window opens (this desktop has no tray) and comes forward: the click is for the window the user
        // works in, once that stays in front.
        ASSERT_TRUE(waitFor([&] { return client->raiseIfCovered(); }, 20));
        auto inFront = Clock::now();
        ASSERT_TRUE(waitFor(
            [&] {
                if (client->raiseIfCovered()) {
                    inFront = Clock::now();
                }
                return Clock::now() - inFront > std::chrono::milliseconds(500);
            },
            20));
        client->sync();
        client->clear();
        // The hand holds the button: the application has pressed it in its place.
        hand->press(1);
        ASSERT_TRUE(waitFor([&] { return client->collect(), !client->buttons().empty(); }, 5));

        kill(application, ending);
        int status = 0;
        ASSERT_TRUE(waitFor([&] { return waitpid(application, &status, WNOHANG) == application; }, 20))
            << "the application did not end on the signal";
        application = -1;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        EXPECT_TRUE(waitFor([&] { return !hand->isGrabbed(); }, 5));

        // What it pressed in the hand's place is released: the test pointer holds no button.
        EXPECT_FALSE(testPointerHoldsAButton());
        hand->release(1);
        XSync(hand->display(), False);
        client->sync();
        auto buttons = client->buttons();
        ASSERT_EQ(buttons.size(), 2u);
        EXPECT_EQ(buttons[1].type, ButtonRelease);
    }
}

TEST_F(RunningApplicationTest, HotKeysSwitchModesAndFiveControlPressesTurnSmoothingOff)
{
    writeSettings("welcomed=true\npreset=balanced\n");
    startApplication();
    ASSERT_TRUE(waitFor([&] { return hand->isGrabbed(); }, 20));

    chord({XK_Control_L, XK_Alt_L, XK_m}); // next mode
    ASSERT_TRUE(waitFor([&] { return setting("preset") == "strong"; }, 5)) << setting("preset");
    chord({XK_Control_L, XK_Alt_L, XK_Shift_L, XK_m}); // previous mode
    ASSERT_TRUE(waitFor([&] { return setting("preset") == "balanced"; }, 5)) << setting("preset");
    chord({XK_Control_L, XK_Alt_L, XK_s}); // off
    ASSERT_TRUE(waitFor([&] { return setting("filterOn") == "false"; }, 5));
    chord({XK_Control_L, XK_Alt_L, XK_s}); // on again
    ASSERT_TRUE(waitFor([&] { return setting("filterOn") == "true"; }, 5));

    for (int press = 0; press < 5; ++press) {
        chord({XK_Control_L});
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
    }
    EXPECT_TRUE(waitFor([&] { return setting("filterOn") == "false"; }, 5));
}

TEST_F(RunningApplicationTest, ANewUserIsWelcomedAndAWelcomedUserGetsTheMainWindow)
{
    const std::string welcome = "Welcome to Quellarine";
    // The window names its page; the desktop adds the application's name.
    const std::string main = "Overview \u2014 Quellarine";

    startApplication();
    ASSERT_TRUE(waitFor([&] { return shownWindowTitles().count(welcome) == 1; }, 20));
    stopApplication();
    ASSERT_TRUE(waitFor([&] { return shownWindowTitles().empty(); }, 5));

    writeSettings("welcomed=true\n");
    startApplication();
    ASSERT_TRUE(waitFor([&] { return shownWindowTitles().count(main) == 1; }, 20));
    // Give a welcome window the time to show up, were it to open as well.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_EQ(shownWindowTitles().count(welcome), 0u);
}

TEST_F(RunningApplicationTest, APipeAtTheSettingsPathNeitherHoldsUpTheLaunchNorIsWrittenThrough)
{
    // Opened for reading, a pipe would wait for a writer for ever, before any window or the pointer.
    const auto settings = home / "config" / "temrid" / "Quellarine.ini";
    std::filesystem::create_directories(settings.parent_path());
    ASSERT_EQ(mkfifo(settings.c_str(), 0600), 0);
    startApplication();
    // Settings that cannot be read are the defaults: a new user, welcomed.
    ASSERT_TRUE(waitFor([&] { return shownWindowTitles().count("Welcome to Quellarine") == 1; }, 20));
    ASSERT_TRUE(waitFor([&] { return hand->isGrabbed(); }, 20));
    // The on/off hot key switches smoothing off, which is written: to a file of the settings' own in the pipe's
    // place.
    chord({XK_Control_L, XK_Alt_L, XK_s});
    EXPECT_TRUE(waitFor([&] { return setting("filterOn") == "false"; }, 5));
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(settings)));
}

TEST_F(RunningApplicationTest, ChoosingALanguageAndRestartingOpensTheApplicationInIt)
{
    // The window names its page; the desktop adds the application's name.
    const std::string english = "Overview \u2014 Quellarine";
    const std::string french = "Vue d\u2019ensemble \u2014 Quellarine";
    // The hand's click arrives as it is made.
    writeSettings("welcomed=true\nfilterOn=false\nclickGuard=false\n");
    startApplication();
    ASSERT_TRUE(waitFor([&] { return windowTitled(english) != 0; }, 20)) << "no main window";
    std::this_thread::sleep_for(std::chrono::milliseconds(500));

    // A click on the profile card at the foot of the sidebar (12 above the window's bottom edge, 70 high).
    const auto frame = windowFrame(english);
    ASSERT_TRUE(frame.has_value());
    clickAt(int(frame->origin.x) + 60, int(frame->origin.y + frame->size.height) - 12 - 35);
    ASSERT_TRUE(waitFor([&] { return windowTitled("Profile \u2014 Quellarine") != 0; }, 5)) << "no profile page";

    // Then by keyboard, as the card has it now: past the photo button, the three details, the device choice and
    // the appearance choice on to the language, French, and the restart button that appears.
    press(XK_Tab, 7);
    press(XK_f);
    ASSERT_TRUE(waitFor([&] { return setting("AppleLanguages") == "fr"; }, 5)) << setting("AppleLanguages");
    press(XK_Tab);
    press(XK_space);

    // This copy ends by itself, and a new one shows its window in French.
    int status = 0;
    ASSERT_TRUE(waitFor([&] { return waitpid(application, &status, WNOHANG) == application; }, 20))
        << "the application did not end to restart";
    application = -1;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(waitFor([&] { return windowOwner(windowTitled(french)) != 0; }, 30)) << "no new copy in French";
    othersToStop.push_back(windowOwner(windowTitled(french)));
    EXPECT_EQ(windowTitled(english), 0u);
    EXPECT_EQ(setting("AppleLanguages"), "fr");
}

// The calibration test with a real hand on the real pointer path: the hand holds on the dot and follows the
// moving one with a known tremor, then clicks the ten targets where they are drawn; the stored result finds the
// tremor's rhythm. Smoothing is out of the way while the test records and back at once afterwards.
TEST_F(RunningApplicationTest, TheCalibrationTestFindsTheRhythmOfTheHandsTremor)
{
    constexpr double tremorHz = 5.3;
    constexpr unsigned long stageColour = 0x163A2A;  // the stage in the light appearance
    constexpr unsigned long accentColour = 0x2F6B4F; // prominent buttons in the light appearance
    const std::string overview = "Overview \u2014 Quellarine";
    const std::string calibration = "Tuned to your hand \u2014 Quellarine";

    // The hand's steps arrive as they are made, with no acceleration of long ones.
    XChangePointerControl(hand->display(), True, True, 1, 1, 1);
    XSync(hand->display(), False);
    writeSettings("welcomed=true\npreset=strong\n");
    startApplication();
    ASSERT_TRUE(waitFor([&] { return hand->isGrabbed(); }, 20));
    ASSERT_TRUE(waitFor([&] { return windowFrame(overview).has_value(); }, 20));
    const Rect window = *windowFrame(overview);
    hand->warpCursor(int(window.origin.x + window.size.width / 2), int(window.origin.y + window.size.height / 2));

    // By keyboard to the calibration page (the sidebar has it), then a click on Start.
    for (int attempt = 0; attempt < 12 && !windowFrame(calibration); ++attempt) {
        chord({XK_Down});
        if (!waitFor([&] { return windowFrame(calibration).has_value(); }, 0.5)) {
            chord({XK_Tab});
        }
    }
    ASSERT_TRUE(windowFrame(calibration).has_value()) << "the calibration page never showed";
    std::optional<Rect> start;
    ASSERT_TRUE(waitFor([&] { return (start = buttonOfColour(accentColour, 80)).has_value(); }, 5))
        << "no Start button";
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    start = buttonOfColour(accentColour, 80);
    const Point onStart = start->origin + Vector{start->size.width / 2, start->size.height / 2};
    // Smoothing still works here: the hand moves in small steps and corrects as it sees where the pointer rests.
    const auto onButton = [&] {
        const Point at = hand->cursor();
        return at.x > start->minX() + 4 && at.x < start->maxX() - 4 && at.y > start->minY() + 4
            && at.y < start->maxY() - 4;
    };
    for (int attempt = 0; attempt < 6 && !(onButton() && hand->cursor().distance(onStart) <= 6); ++attempt) {
        const Vector error = onStart - hand->cursor();
        Point handAt{0, 0};
        for (int step = 1; step <= 60; ++step) {
            handAt = moveHandTo(Point{0, 0} + error * (step / 60.0), handAt);
            std::this_thread::sleep_for(std::chrono::milliseconds(8));
        }
        Point resting = hand->cursor();
        waitFor(
            [&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(150));
                const Point now = hand->cursor();
                const bool still = now == resting;
                resting = now;
                return still;
            },
            3);
    }
    ASSERT_TRUE(onButton()) << hand->cursor().x << "," << hand->cursor().y << " for " << onStart.x << "," << onStart.y;
    hand->press(1);
    std::this_thread::sleep_for(std::chrono::milliseconds(90));
    hand->release(1);
    std::optional<Rect> stage;
    ASSERT_TRUE(waitFor(
        [&] {
            stage = areaOfColour(stageColour);
            return stage && stage->size.width >= 300 && stage->size.height >= 290;
        },
        10))
        << "the stage never showed";
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    stage = areaOfColour(stageColour);
    const Point centre = stage->origin + (CalibrationProtocol::centre(stage->size) - Point{0, 0});

    // Hold, then follow, with the tremor on both axes; while recording the pointer goes where the hand sends it.
    hand->warpCursor(int(centre.x), int(centre.y));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    Point sent = hand->cursor();
    std::vector<Point> sentDuringHold;
    std::vector<Point> seenDuringHold;
    const auto begin = Clock::now();
    for (int step = 1;; ++step) {
        const double t = step * sampleInterval;
        if (t > CalibrationProtocol::holdSeconds + CalibrationProtocol::followSeconds + 0.6) {
            break;
        }
        std::this_thread::sleep_until(begin + std::chrono::duration<double>(t));
        const Vector tremor{3 * std::sin(2 * std::numbers::pi * tremorHz * t),
                            3 * std::sin(2 * std::numbers::pi * tremorHz * t + 1)};
        Point aim = centre;
        if (t > CalibrationProtocol::holdSeconds) {
            aim = stage->origin
                + (CalibrationProtocol::dotPosition(t - CalibrationProtocol::holdSeconds, stage->size) - Point{0, 0});
        }
        sent = moveHandTo(aim + tremor, sent);
        if (t > 1 && t < 3 && step % 5 == 0) {
            sentDuringHold.push_back(sent);
            XSync(hand->display(), False);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            seenDuringHold.push_back(hand->cursor());
        }
    }
    EXPECT_GT(verticalTravel(seenDuringHold), 0.8 * verticalTravel(sentDuringHold));

    // The ten targets where the stage draws them.
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    for (int index = 0; index < CalibrationProtocol::targetCount; ++index) {
        const Point target = stage->origin + (CalibrationProtocol::target(index, stage->size) - Point{0, 0});
        moveHandTo(target, hand->cursor());
        std::this_thread::sleep_for(std::chrono::milliseconds(80));
        hand->press(1);
        std::this_thread::sleep_for(std::chrono::milliseconds(90));
        hand->release(1);
        std::this_thread::sleep_for(std::chrono::milliseconds(350));
    }

    ASSERT_TRUE(waitFor([&] { return !setting("profile.calibration").empty(); }, 20)) << "no result was stored";
    const std::string stored = setting("profile.calibration");
    RecordProperty("stored", stored);
    std::smatch rhythm;
    ASSERT_TRUE(std::regex_search(stored, rhythm, std::regex(R"(rhythm\\?"\s*:\s*([0-9.]+))"))) << stored;
    EXPECT_NEAR(std::stod(rhythm[1].str()), tremorHz, 0.2) << stored;
    EXPECT_TRUE(std::regex_search(stored, std::regex(R"(suggested\\?"\s*:\s*\\?"[a-zA-Z]+)"))) << stored;
    EXPECT_TRUE(std::regex_search(stored, std::regex(R"(misses\\?"\s*:\s*0\b)"))) << stored;

    // Smoothing is back: the same tremor now arrives much reduced.
    std::vector<Point> sentAfter;
    std::vector<Point> seenAfter;
    sent = hand->cursor();
    const auto after = Clock::now();
    for (int step = 1; step * sampleInterval <= 1.5; ++step) {
        const double t = step * sampleInterval;
        std::this_thread::sleep_until(after + std::chrono::duration<double>(t));
        sent = moveHandTo(centre + Vector{40 * t, 3 * std::sin(2 * std::numbers::pi * tremorHz * t)}, sent);
        if (step % 5 == 0) {
            sentAfter.push_back(sent);
            XSync(hand->display(), False);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            seenAfter.push_back(hand->cursor());
        }
    }
    EXPECT_LT(verticalTravel(seenAfter), 0.6 * verticalTravel(sentAfter));
}
