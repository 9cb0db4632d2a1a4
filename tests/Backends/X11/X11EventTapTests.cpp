#include <gmock/gmock.h>

#include "X11TestSupport.h"

#include "Backends/X11/X11EventTapHost.h"
#include "Backends/X11/X11Keyboard.h"

#include <X11/extensions/Xrandr.h>

#include <chrono>
#include <functional>
#include <thread>
#include <vector>

using namespace quellarine;
using namespace quellarine::x11;
using namespace quellarine::x11::testing;
using system::Event;
using system::EventType;
using system::TapVerdict;

namespace {

constexpr std::int64_t marker = 0x514C524E;

TapVerdict swallow(Event&)
{
    return TapVerdict::swallow;
}

} // namespace

TEST(X11BackendWithoutServerTest, IsUntrustedAndDoesNothing)
{
    X11Backend backend(":65535");
    EXPECT_FALSE(backend.isConnected());
    EXPECT_FALSE(backend.maySteerPointer());
    EXPECT_EQ(backend.fileDescriptor(), -1);
    EXPECT_EQ(backend.taps().createTap(~system::EventMask{0}, swallow), nullptr);
    EXPECT_EQ(backend.cursor().currentLocation(), std::nullopt);
    EXPECT_TRUE(backend.displays().activeDisplayFrames().empty());
    backend.processPendingEvents();

    X11Keyboard keyboard(":65535");
    EXPECT_EQ(keyboard.fileDescriptor(), -1);
    EXPECT_NE(keyboard.hotKeys().registerHotKey(1, 0x1800, 1), system::HotKeyHost::noError);
    EXPECT_EQ(keyboard.keyboardLayout().characterForKeyCode(0), std::nullopt);
    keyboard.processPendingEvents();
}

class X11EventTapTest : public X11Test {};

TEST_F(X11EventTapTest, TrustedOnAServerWithTheInputAndTestExtensions)
{
    EXPECT_TRUE(backend->maySteerPointer());
    EXPECT_GE(backend->fileDescriptor(), 0);
    EXPECT_FALSE(hand->isGrabbed()); // nothing is taken before a tap exists
}

TEST_F(X11EventTapTest, SwallowedMovesNeitherMoveTheCursorNorReachApplications)
{
    startAt({600, 400}, swallow);
    std::uint64_t before = backend->clock().nanoseconds();
    hand->move(10, 5);
    hand->move(-3, 7);
    ASSERT_TRUE(runUntilSeen(2));
    quiesce();

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].type, EventType::mouseMoved);
    EXPECT_EQ(seen[0].deltaX, 10);
    EXPECT_EQ(seen[0].deltaY, 5);
    EXPECT_EQ(seen[0].location, (Point{610, 405}));
    // Applications never saw the first move, but the system has the pointer there: the second starts from it.
    EXPECT_EQ(seen[1].location, (Point{607, 412}));
    EXPECT_EQ(seen[1].userData, 0);
    EXPECT_GE(seen[0].timestamp, before);
    EXPECT_GE(seen[1].timestamp, seen[0].timestamp);
    EXPECT_LE(seen[1].timestamp, backend->clock().nanoseconds());

    EXPECT_EQ(hand->cursor(), (Point{600, 400}));
    EXPECT_TRUE(client->motions().empty());
}

TEST_F(X11EventTapTest, PassedMovesReachApplicationsWhereTheSystemWouldPutThem)
{
    startAt({600, 400});
    hand->move(10, 5);
    hand->move(-3, 7);
    ASSERT_TRUE(runUntilSeen(2));
    quiesce();

    EXPECT_EQ(seen[0].location, (Point{610, 405}));
    EXPECT_EQ(seen[1].location, (Point{607, 412}));
    auto motions = client->motions();
    ASSERT_EQ(motions.size(), 2u);
    EXPECT_EQ(motions[0].location, (Point{610, 405}));
    EXPECT_EQ(motions[1].location, (Point{607, 412}));
    EXPECT_EQ(hand->cursor(), (Point{607, 412}));
    // Passing is not posting: nothing comes back through the tap.
    EXPECT_EQ(seen.size(), 2u);
}

TEST_F(X11EventTapTest, RewrittenMovesLandWhereTheTapPutsThemButTheNextDeltaStartsFromTheDevice)
{
    startAt({600, 400}, [](Event& event) {
        if (event.location == Point{610, 400}) {
            event.location = {100.4, 200.6};
        }
        return TapVerdict::pass;
    });
    hand->move(10, 0);
    ASSERT_TRUE(runUntilSeen(1));
    quiesce();
    EXPECT_EQ(hand->cursor(), (Point{100, 201}));
    ASSERT_EQ(client->motions().size(), 1u);
    EXPECT_EQ(client->motions()[0].location, (Point{100, 201}));

    // A rewrite is not a placement: the system keeps the pointer where the device put it.
    hand->move(5, 0);
    ASSERT_TRUE(runUntilSeen(2));
    EXPECT_EQ(seen[1].location, (Point{615, 400}));
}

TEST_F(X11EventTapTest, MovesStayOnTheScreen)
{
    startAt({1270, 10});
    hand->move(50, -30);
    ASSERT_TRUE(runUntilSeen(1));
    EXPECT_EQ(seen[0].location, (Point{1279, 0}));
    EXPECT_EQ(seen[0].deltaX, 50); // the device's movement, not what was left of it
    EXPECT_EQ(backend->displays().activeDisplayFrames(), (std::vector<Rect>{{{0, 0}, {1280, 800}}}));
}

TEST(X11ButtonTest, XButtonsMapToTheTapsButtonsAndBack)
{
    EXPECT_EQ(X11EventTapHost::typeForButton(1, true), EventType::leftMouseDown);
    EXPECT_EQ(X11EventTapHost::typeForButton(3, false), EventType::rightMouseUp);
    EXPECT_EQ(X11EventTapHost::typeForButton(2, true), EventType::otherMouseDown);
    EXPECT_EQ(X11EventTapHost::typeForButton(9, false), EventType::otherMouseUp);
    for (unsigned xButton : {1u, 2u, 3u, 8u, 9u, 12u}) {
        for (bool down : {true, false}) {
            Event event;
            event.type = X11EventTapHost::typeForButton(xButton, down);
            event.buttonNumber = X11EventTapHost::buttonNumberForButton(xButton);
            EXPECT_EQ(X11EventTapHost::buttonForEvent(event), xButton);
        }
    }
    EXPECT_EQ(X11EventTapHost::buttonNumberForButton(8), 3);
    EXPECT_EQ(X11EventTapHost::buttonNumberForButton(9), 4);
    Event move;
    move.type = EventType::mouseMoved;
    EXPECT_EQ(X11EventTapHost::buttonForEvent(move), 0u);
}

// Xvfb's mouse has three buttons: the hand can press those.
TEST_F(X11EventTapTest, DisplaysAreTheMonitorsInGlobalCoordinatesPrimaryFirst)
{
    Display* display = hand->display();
    Window root = DefaultRootWindow(display);
    auto define = [&](const char* name, int x, int y, int width, int height, bool primary) {
        XRRMonitorInfo* monitor = XRRAllocateMonitor(display, 0);
        monitor->name = XInternAtom(display, name, False);
        monitor->x = x;
        monitor->y = y;
        monitor->width = width;
        monitor->height = height;
        monitor->mwidth = 300;
        monitor->mheight = 200;
        monitor->primary = primary;
        XRRSetMonitor(display, root, monitor);
        XRRFreeMonitors(monitor);
    };
    define("LEFT", 0, 0, 640, 800, false);
    define("RIGHT", 640, 100, 640, 700, true);
    XSync(display, False);
    auto frames = backend->displays().activeDisplayFrames();
    ASSERT_GE(frames.size(), 2u);
    EXPECT_EQ(frames[0], (Rect{{640, 100}, {640, 700}}));
    EXPECT_THAT(frames, ::testing::Contains(Rect{{0, 0}, {640, 800}}));
}

TEST_F(X11EventTapTest, ButtonsMapToTheirTypesAndDragsFollowTheHeldButton)
{
    startAt({300, 200});
    hand->press(1);
    hand->move(1, 0);
    hand->release(1);
    hand->press(3);
    hand->move(1, 0);
    hand->release(3);
    hand->press(2);
    hand->move(1, 0);
    hand->release(2);
    hand->move(1, 0);
    ASSERT_TRUE(runUntilSeen(10));
    quiesce();

    std::vector<std::tuple<EventType, std::int64_t>> types;
    for (const auto& event : seen) {
        types.emplace_back(event.type, event.buttonNumber);
    }
    EXPECT_THAT(types,
                ::testing::ElementsAre(
                    std::make_tuple(EventType::leftMouseDown, 0), std::make_tuple(EventType::leftMouseDragged, 0),
                    std::make_tuple(EventType::leftMouseUp, 0), std::make_tuple(EventType::rightMouseDown, 1),
                    std::make_tuple(EventType::rightMouseDragged, 1), std::make_tuple(EventType::rightMouseUp, 1),
                    std::make_tuple(EventType::otherMouseDown, 2), std::make_tuple(EventType::otherMouseDragged, 2),
                    std::make_tuple(EventType::otherMouseUp, 2), std::make_tuple(EventType::mouseMoved, 0)));
    EXPECT_EQ(seen[0].location, (Point{300, 200}));
    EXPECT_EQ(seen[0].clickState, 1);

    std::vector<std::pair<int, unsigned>> presses;
    for (const auto& received : client->buttons()) {
        presses.emplace_back(received.type, received.button);
    }
    EXPECT_THAT(presses,
                ::testing::ElementsAre(std::make_pair(ButtonPress, 1u), std::make_pair(ButtonRelease, 1u),
                                       std::make_pair(ButtonPress, 3u), std::make_pair(ButtonRelease, 3u),
                                       std::make_pair(ButtonPress, 2u), std::make_pair(ButtonRelease, 2u)));
    EXPECT_EQ(client->buttons()[2].location, (Point{301, 200}));
}

TEST_F(X11EventTapTest, PostedEventsReachApplicationsAndComeBackMarkedAfterTheCallback)
{
    bool inCallback = false;
    bool cameBackInside = false;
    startAt({600, 400}, [&](Event& event) {
        if (inCallback) {
            cameBackInside = true;
        }
        if (event.userData == marker) {
            return TapVerdict::pass;
        }
        inCallback = true;
        Event steadied = event;
        steadied.location = {300.3, 250.7};
        steadied.userData = marker;
        backend->poster().post(steadied, system::PostLevel::hid);
        inCallback = false;
        return TapVerdict::swallow;
    });
    hand->move(4, 0);
    ASSERT_TRUE(runUntilSeen(2));
    quiesce();
    EXPECT_FALSE(cameBackInside);
    EXPECT_EQ(seen[1].userData, marker);
    EXPECT_EQ(seen[1].location, (Point{300.3, 250.7}));
    EXPECT_EQ(seen[1].deltaX, 4);
    ASSERT_EQ(client->motions().size(), 1u);
    EXPECT_EQ(client->motions()[0].location, (Point{300, 251}));
    // The next move of the hand starts from where the post put the cursor.
    hand->move(1, 0);
    ASSERT_TRUE(runUntilSeen(4));
    EXPECT_EQ(seen[2].location, (Point{301.3, 250.7}));
}

TEST_F(X11EventTapTest, AFloodOfPostsReachesApplicationsAndTheNewestComeBackInOrder)
{
    constexpr int posts = 100;
    startAt({100, 100}, [&](Event& event) {
        if (event.userData != marker) {
            for (int i = 1; i <= posts; ++i) {
                Event copy = event;
                copy.location = {100.0 + i, 100};
                copy.userData = marker;
                backend->poster().post(copy, system::PostLevel::hid);
            }
        }
        return TapVerdict::swallow;
    });
    hand->move(1, 0);
    ASSERT_TRUE(runUntil([&] { return client->motions().size() == std::size_t(posts); }));
    quiesce();
    EXPECT_EQ(client->motions().back().location, (Point{100.0 + posts, 100}));
    // The oldest echoes make way for the newest: the taps learn where the pointer went last.
    ASSERT_GE(seen.size(), 2u);
    std::vector<double> cameBack;
    for (std::size_t i = 1; i < seen.size(); ++i) {
        cameBack.push_back(seen[i].location.x);
    }
    EXPECT_GE(cameBack.size(), 32u);
    for (std::size_t i = 0; i < cameBack.size(); ++i) {
        EXPECT_EQ(cameBack[i], 100.0 + posts - double(cameBack.size() - 1 - i));
    }
}

TEST_F(X11EventTapTest, EventsPostedFromATimerComeBackToo)
{
    createTap();
    Event press;
    press.type = EventType::otherMouseDown;
    press.buttonNumber = 3; // X button 8
    press.location = {40, 50};
    press.userData = marker;
    loop->scheduleAfter(0, [&] {
        backend->poster().post(press, system::PostLevel::session);
        // A release made from the stored press keeps its button.
        Event release = press;
        release.type = EventType::otherMouseUp;
        backend->poster().post(release, system::PostLevel::session);
    });
    ASSERT_TRUE(runUntilSeen(2));
    quiesce();
    EXPECT_EQ(seen[0], press);
    EXPECT_EQ(seen[1].type, EventType::otherMouseUp);
    std::vector<std::pair<int, unsigned>> buttons;
    for (const auto& received : client->buttons()) {
        buttons.emplace_back(received.type, received.button);
        EXPECT_EQ(received.location, (Point{40, 50}));
    }
    EXPECT_THAT(buttons, ::testing::ElementsAre(std::make_pair(ButtonPress, 8u), std::make_pair(ButtonRelease, 8u)));
}

TEST_F(X11EventTapTest, AReleaseTheTapMakesFromASwallowedPressKeepsItsButton)
{
    std::optional<Event> storedPress;
    createTap([&](Event& event) {
        if (event.userData == marker) {
            return TapVerdict::pass;
        }
        if (event.type == EventType::otherMouseDown) {
            storedPress = event;
            return TapVerdict::swallow;
        }
        if (event.type == EventType::otherMouseUp && storedPress) {
            Event press = *storedPress;
            press.userData = marker;
            backend->poster().post(press, system::PostLevel::session);
            Event release = *storedPress;
            release.type = EventType::otherMouseUp;
            release.userData = marker;
            backend->poster().post(release, system::PostLevel::session);
            return TapVerdict::swallow;
        }
        return TapVerdict::pass;
    });
    hand->press(2);
    ASSERT_TRUE(runUntilSeen(1));
    quiesce();
    EXPECT_TRUE(client->buttons().empty()); // the press is held back
    hand->release(2);
    ASSERT_TRUE(runUntilSeen(4));
    quiesce();
    ASSERT_EQ(client->buttons().size(), 2u);
    EXPECT_EQ(client->buttons()[0].button, 2u);
    EXPECT_EQ(client->buttons()[1].type, ButtonRelease);
    EXPECT_EQ(client->buttons()[1].button, 2u);
}

TEST_F(X11EventTapTest, WarpingMovesTheCursorWithoutAnEvent)
{
    createTap();
    backend->cursor().warp({321.4, 123.6});
    quiesce();
    EXPECT_EQ(hand->cursor(), (Point{321, 124}));
    EXPECT_EQ(backend->cursor().currentLocation(), (Point{321.4, 123.6}));
    EXPECT_TRUE(seen.empty());
    hand->move(1, 0);
    ASSERT_TRUE(runUntilSeen(1));
    EXPECT_EQ(seen[0].location, (Point{322.4, 123.6}));

    // While mouse and cursor are apart, device moves report their deltas but leave the location.
    backend->cursor().associateMouseAndCursor(false);
    hand->move(5, 5);
    ASSERT_TRUE(runUntilSeen(2));
    EXPECT_EQ(seen[1].location, (Point{322.4, 123.6}));
    EXPECT_EQ(seen[1].deltaX, 5);
}

TEST_F(X11EventTapTest, ACursorPlacedByAnotherClientIsFollowedFromTheNextEventOn)
{
    startAt({600, 400});
    hand->move(5, 0);
    ASSERT_TRUE(runUntilSeen(1));
    EXPECT_FALSE(seen[0].cursorPlacedElsewhere);
    quiesce(); // the backend's move is done before the other client's warp
    hand->warpCursor(100, 100);
    hand->press(1);
    ASSERT_TRUE(runUntilSeen(2));
    EXPECT_EQ(seen[1].location, (Point{100, 100}));
    EXPECT_TRUE(seen[1].cursorPlacedElsewhere);
    hand->release(1);
    ASSERT_TRUE(runUntilSeen(3));
    EXPECT_FALSE(seen[2].cursorPlacedElsewhere);
    quiesce();

    // However soon after the warp the hand moves, and however short the jump.
    for (Point warp : {Point{900, 700}, Point{950, 700}, Point{950, 550}}) {
        hand->warpCursor(int(warp.x), int(warp.y));
        hand->move(1, 0);
        hand->move(1, 0);
        std::size_t before = seen.size();
        ASSERT_TRUE(runUntilSeen(before + 2));
        EXPECT_EQ(seen[before].location, (warp + Vector{1, 0}));
        EXPECT_TRUE(seen[before].cursorPlacedElsewhere);
        EXPECT_EQ(seen[before + 1].location, (warp + Vector{2, 0}));
        EXPECT_FALSE(seen[before + 1].cursorPlacedElsewhere);
        quiesce();
    }

    // A place the backend learned of otherwise (someone asked where the cursor is) still goes with the next event.
    hand->warpCursor(300, 300);
    EXPECT_EQ(backend->cursor().currentLocation(), (Point{300, 300}));
    hand->move(0, 1);
    std::size_t before = seen.size();
    ASSERT_TRUE(runUntilSeen(before + 1));
    EXPECT_EQ(seen[before].location, (Point{300, 301}));
    EXPECT_TRUE(seen[before].cursorPlacedElsewhere);
}

TEST_F(X11EventTapTest, DestroyingOrDisablingTheTapGivesTheDevicesBack)
{
    createTap(swallow);
    tap->setEnabled(false);
    EXPECT_FALSE(tap->isEnabled());
    quiesce();
    EXPECT_FALSE(hand->isGrabbed());
    Point before = hand->cursor();
    hand->move(7, 0);
    XSync(hand->display(), False);
    EXPECT_EQ(hand->cursor(), (before + Vector{7, 0}));

    tap->setEnabled(true);
    EXPECT_TRUE(tap->isEnabled());
    EXPECT_TRUE(hand->isGrabbed());
    hand->move(7, 0);
    ASSERT_TRUE(runUntilSeen(1));
    EXPECT_EQ(seen[0].location, (before + Vector{14, 0})); // it knows where the hand left the cursor

    tap.reset();
    quiesce();
    EXPECT_FALSE(hand->isGrabbed());
}

TEST_F(X11EventTapTest, AnotherClientsWarpWhileTheBackendLagsBehindTheHandIsNotUndone)
{
    startAt({640, 400});
    hand->move(1, 0); // handled at once
    ASSERT_TRUE(runUntilSeen(1));
    quiesce();

    // The next move waits 20 ms for the backend (its loop is busy); meanwhile another client warps the pointer.
    hand->move(10, 0);
    XSync(hand->display(), False);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    hand->warpCursor(100, 100);
    ASSERT_TRUE(runUntilSeen(2));
    quiesce();
    EXPECT_TRUE(seen[1].cursorPlacedElsewhere);
    EXPECT_LT(hand->cursor().distance({100, 100}), 12) << hand->cursor().x << ", " << hand->cursor().y;
}

TEST_F(X11EventTapTest, EventsThatWaitedForTheLoopKeepTheTimesTheHandMadeThemAt)
{
    startAt({640, 400});
    hand->move(1, 0); // handled at once
    ASSERT_TRUE(runUntilSeen(1));
    quiesce();

    // The loop is busy while the hand moves, presses, moves and lets go, at least 10 ms apart (each reaches the
    // server before the next waits); then all four are handled together.
    const std::vector<std::function<void()>> steps{[&] { hand->move(3, 0); }, [&] { hand->press(1); },
                                                   [&] { hand->move(3, 0); }, [&] { hand->release(1); }};
    for (const auto& step : steps) {
        step();
        XSync(hand->display(), False);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_TRUE(runUntilSeen(5));
    const std::uint64_t handled = backend->clock().nanoseconds();
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[2].type, EventType::leftMouseDown);
    EXPECT_EQ(seen[4].type, EventType::leftMouseUp);
    // As far apart as the hand made them (less the clocks' rounding to milliseconds): a press held 10 ms is not an
    // instant's tap, and the moves around it are no jump. The last waited 10 ms too, of which at most the few of an
    // ordinary delay are left to it.
    for (std::size_t i = 2; i < seen.size(); ++i) {
        EXPECT_GE(seen[i].timestamp, seen[i - 1].timestamp + 8'000'000) << i;
    }
    EXPECT_LE(seen[4].timestamp + 5'000'000, handled);
}
