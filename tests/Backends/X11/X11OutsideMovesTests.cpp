#include <gmock/gmock.h>

#include "X11TestSupport.h"

#include <X11/XKBlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/record.h>
#include <X11/keysym.h>

#include <poll.h>

#include <chrono>
#include <random>
#include <thread>

// Whatever other programs do to the pointer between two hand events (warps of every kind, test input, the
// keyboard's mouse keys) and whatever else they send, the hand's next event starts from where the pointer really
// is, and says it was put there by someone else exactly when it was. The backend hears of other programs' requests
// as they happen; while the mouse keys are on it asks the server at each event instead. Both must give the same.

using namespace quellarine;
using namespace quellarine::x11;
using namespace quellarine::x11::testing;
using system::EventType;

namespace {

class X11OutsideMovesTest : public X11Test {
protected:
    void SetUp() override
    {
        X11Test::SetUp();
        other = XOpenDisplay(server->displayName().c_str());
        ASSERT_NE(other, nullptr);
        int major = 2;
        int minor = 2;
        XIQueryVersion(other, &major, &minor);
        int count = 0;
        XIDeviceInfo* devices = XIQueryDevice(other, XIAllMasterDevices, &count);
        for (int i = 0; i < count; ++i) {
            if (devices[i].use == XIMasterPointer) {
                otherPointer = devices[i].deviceid;
            }
        }
        XIFreeDeviceInfo(devices);
    }

    void TearDown() override
    {
        if (other != nullptr) {
            XCloseDisplay(other);
        }
        X11Test::TearDown();
    }

    // The hand moves; the tap sees it, and the pointer goes where it says.
    const system::Event& handMoves(int dx, int dy)
    {
        std::size_t before = seen.size();
        hand->move(dx, dy);
        EXPECT_TRUE(runUntilSeen(before + 1));
        return seen.back();
    }

    void setMouseKeys(bool on)
    {
        ASSERT_TRUE(XkbChangeEnabledControls(other, XkbUseCoreKbd, XkbMouseKeysMask, on ? XkbMouseKeysMask : 0));
        XSync(other, False);
        quiesce();
    }

    // Counts each time the loop wakes to serve the backend.
    void countWakes(int& wakes)
    {
        loop->unwatch(backend->fileDescriptor());
        loop->watch(backend->fileDescriptor(), [this, &wakes] {
            ++wakes;
            backend->processPendingEvents();
        });
    }

    // Another program warps the pointer 3000 times in a burst, ending at (100 + 2999 % 500, 200).
    void warpBurst()
    {
        Window root = DefaultRootWindow(other);
        for (int i = 0; i < 3000; ++i) {
            XWarpPointer(other, None, root, 0, 0, 0, 0, 100 + i % 500, 200);
        }
        XSync(other, False);
    }

    Display* other = nullptr;
    int otherPointer = 0;
};

class X11OutsideMovesEveryKindTest : public X11OutsideMovesTest, public ::testing::WithParamInterface<bool> {};

INSTANTIATE_TEST_SUITE_P(HeardOrAsked, X11OutsideMovesEveryKindTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "mouseKeysOn" : "mouseKeysOff"; });

} // namespace

TEST_P(X11OutsideMovesEveryKindTest, EachHandEventStartsWhereverOtherProgramsLeftThePointer)
{
    startAt({640, 400});
    EXPECT_TRUE(backend->hearsOfOutsideMoves());
    setMouseKeys(GetParam());
    Window root = DefaultRootWindow(other);
    KeyCode shift = XKeysymToKeycode(other, XK_Shift_L);
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> place(100, 1100);
    std::uniform_int_distribution<int> step(-6, 6);
    Point pointer = hand->cursor();
    for (int round = 0; round < 150; ++round) {
        SCOPED_TRACE(::testing::Message() << "round " << round);
        int x = place(random);
        int y = place(random) % 600 + 100;
        bool moved = true;
        int kind = int(random() % 7);
        SCOPED_TRACE(::testing::Message() << "kind " << kind);
        switch (kind) {
        case 0:
            XWarpPointer(other, None, root, 0, 0, 0, 0, x, y);
            break;
        case 1:
            XIWarpPointer(other, otherPointer, None, root, 0, 0, 0, 0, x, y);
            break;
        case 2:
            XTestFakeMotionEvent(other, -1, x, y, CurrentTime);
            break;
        case 3: // relative to where the pointer is
            x = int(pointer.x) + 40;
            y = int(pointer.y) - 30;
            XWarpPointer(other, None, None, 0, 0, 0, 0, 40, -30);
            break;
        case 4: // typing moves nothing
            XTestFakeKeyEvent(other, shift, True, CurrentTime);
            XTestFakeKeyEvent(other, shift, False, CurrentTime);
            moved = false;
            break;
        default:
            moved = false;
            break;
        }
        XSync(other, False);
        if (moved) {
            pointer = {double(x), double(y)};
        }
        if (random() % 5 == 0) {
            std::size_t before = seen.size();
            hand->press(1);
            hand->release(1);
            ASSERT_TRUE(runUntilSeen(before + 2));
            EXPECT_EQ(seen[before].type, EventType::leftMouseDown);
            EXPECT_EQ(seen[before].location, pointer);
            EXPECT_EQ(seen[before].cursorPlacedElsewhere, moved);
            EXPECT_EQ(seen[before + 1].location, pointer);
            EXPECT_FALSE(seen[before + 1].cursorPlacedElsewhere);
            quiesce();
            continue;
        }
        Vector delta{double(step(random) | 1), double(step(random))};
        std::uint64_t questions = backend->pointerQuestions();
        std::uint64_t late = backend->lateEvents();
        const system::Event& event = handMoves(int(delta.dx), int(delta.dy));
        EXPECT_EQ(event.location, pointer + delta);
        EXPECT_EQ(event.cursorPlacedElsewhere, moved);
        // It asked the server only when something else had moved the pointer, or it could not know (the mouse
        // keys on, or an event handled late on a busy machine).
        bool unknown = GetParam() || backend->lateEvents() != late;
        EXPECT_EQ(backend->pointerQuestions() - questions, moved || unknown ? 1u : 0u);
        pointer = event.location;
        // The backend's own move is done before another program's next one: a warp that overtook it would be
        // undone by it, whoever asked where the pointer is.
        quiesce();
    }
    quiesce();
    EXPECT_EQ(hand->cursor(), pointer);
    // The report never fell out of step with the events.
    EXPECT_TRUE(backend->hearsOfOutsideMoves());
}

TEST_F(X11OutsideMovesTest, TheKeyboardsMouseKeysMoveThePointerWithoutARequest)
{
    startAt({500, 300});
    handMoves(1, 0); // the start's own placement is behind
    quiesce();
    setMouseKeys(true);
    KeyCode right = XKeysymToKeycode(other, XK_KP_Right);
    ASSERT_NE(right, 0);
    XTestFakeKeyEvent(other, right, True, CurrentTime);
    XTestFakeKeyEvent(other, right, False, CurrentTime);
    XSync(other, False);
    ASSERT_TRUE(runUntil([&] { return hand->cursor().x > 501; }));
    Point moved = hand->cursor();

    const system::Event& event = handMoves(0, 3);
    EXPECT_EQ(event.location, (moved + Vector{0, 3}));
    EXPECT_TRUE(event.cursorPlacedElsewhere);
}

TEST_F(X11OutsideMovesTest, WhileTheHandRestsOnlyOtherProgramsWakeTheLoopAndAStalledLoopKeepsTheDevices)
{
    startAt({640, 400});
    int wakes = 0;
    countWakes(wakes);
    // Nothing moves: nothing wakes the process.
    runUntil([] { return false; }, 1.5);
    EXPECT_EQ(wakes, 0);

    Window root = DefaultRootWindow(other);
    warpBurst();
    // Read as it comes, so that nothing piles up in the server, but not a wake-up for each warp, nor a loop that
    // spins.
    runUntil([] { return false; }, 1.0);
    EXPECT_GE(wakes, 1);
    EXPECT_LE(wakes, 300);

    // What is read while the hand rests is not input waiting: a loop that stalls with the hand still keeps the
    // devices, also while other programs keep moving the pointer.
    XWarpPointer(other, None, root, 0, 0, 0, 0, 300, 300);
    XFlush(other);
    std::this_thread::sleep_for(std::chrono::milliseconds(1700));
    warpBurst();
    runUntil([] { return false; }, 0.2);
    EXPECT_TRUE(seenOfType(EventType::tapDisabledByTimeout).empty());
    EXPECT_TRUE(tap->isEnabled());
    EXPECT_TRUE(hand->isGrabbed());

    const system::Event& event = handMoves(1, 1);
    EXPECT_EQ(event.location, (Point{100 + 2999 % 500 + 1, 201}));
    EXPECT_TRUE(event.cursorPlacedElsewhere);
    EXPECT_TRUE(backend->hearsOfOutsideMoves());
}

TEST_F(X11OutsideMovesTest, AHandThatMovedAndStoppedLeavesTheLoopAsleepUntilOtherProgramsMoveThePointer)
{
    startAt({640, 400});
    int wakes = 0;
    countWakes(wakes);
    Window root = DefaultRootWindow(other);
    for (int i = 0; i < 40; ++i) {
        handMoves(3, -2);
        if (i % 10 == 0) {
            // Between the hand's events, after the backend's own move: heard with the next one.
            quiesce();
            XWarpPointer(other, None, root, 0, 0, 0, 0, 300 + i, 300);
            XSync(other, False);
            const system::Event& event = handMoves(1, 1);
            EXPECT_EQ(event.location, (Point{301.0 + i, 301}));
            EXPECT_TRUE(event.cursorPlacedElsewhere);
        }
    }
    // Once the hand has come to rest, nothing wakes the process...
    runUntil([] { return false; }, 1.0);
    wakes = 0;
    runUntil([] { return false; }, 1.5);
    EXPECT_EQ(wakes, 0);

    // ... but other programs' moves, read as they come again, not left to pile up in the server.
    warpBurst();
    runUntil([] { return false; }, 1.0);
    EXPECT_GE(wakes, 1);
    EXPECT_LE(wakes, 300);

    const system::Event& event = handMoves(1, 1);
    EXPECT_EQ(event.location, (Point{100 + 2999 % 500 + 1, 201}));
    EXPECT_TRUE(event.cursorPlacedElsewhere);
    EXPECT_TRUE(backend->hearsOfOutsideMoves());
}

TEST_F(X11OutsideMovesTest, AReportThatStopsIsStartedAgainAndCountsFromItsStart)
{
    startAt({640, 400});
    ASSERT_TRUE(backend->hearsOfOutsideMoves());
    // Another program ends the report (as a server that falls behind would, or one that drops the context).
    XRecordDisableContext(other, backend->recordContext());
    XSync(other, False);

    std::uint64_t questions = backend->pointerQuestions();
    const system::Event& asked = handMoves(3, 0);
    EXPECT_EQ(asked.location, (Point{643, 400}));
    EXPECT_FALSE(asked.cursorPlacedElsewhere);
    EXPECT_EQ(backend->pointerQuestions() - questions, 1u) << "without the report, every event is asked";
    EXPECT_FALSE(backend->hearsOfOutsideMoves());

    // A second later the next hand event starts it again...
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    handMoves(1, 0);
    quiesce();
    EXPECT_TRUE(backend->hearsOfOutsideMoves());
    // ...whose first event after the start is asked, in case a move went unreported in between...
    Point pointer = handMoves(1, 0).location;
    // ...and after which the hand's moves cost no question, and other programs' moves are heard again.
    Window root = DefaultRootWindow(other);
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(::testing::Message() << "round " << round);
        bool warp = round % 3 == 1;
        if (warp) {
            pointer = {double(200 + round * 10), 300};
            XWarpPointer(other, None, root, 0, 0, 0, 0, int(pointer.x), int(pointer.y));
            XSync(other, False);
        }
        questions = backend->pointerQuestions();
        std::uint64_t late = backend->lateEvents();
        const system::Event& event = handMoves(2, 1);
        EXPECT_EQ(event.location, (pointer + Vector{2, 1}));
        EXPECT_EQ(event.cursorPlacedElsewhere, warp);
        EXPECT_EQ(backend->pointerQuestions() - questions, warp || backend->lateEvents() != late ? 1u : 0u);
        pointer = event.location;
        quiesce();
    }
    EXPECT_TRUE(backend->hearsOfOutsideMoves());
}

TEST_F(X11OutsideMovesTest, APointerGrabThatConfinesThePointerHoldsItInsideUntilItEnds)
{
    startAt({640, 400});
    handMoves(1, 0);
    quiesce();
    Window root = DefaultRootWindow(other);
    Window box = XCreateSimpleWindow(other, root, 10, 10, 100, 100, 0, 0, 0);
    XMapWindow(other, box);
    XSync(other, False);
    ASSERT_EQ(XGrabPointer(other, box, False, 0, GrabModeAsync, GrabModeAsync, box, None, CurrentTime), GrabSuccess);
    XSync(other, False);

    // The server puts the pointer inside and keeps it there, whatever the backend places. (No quiesce: it asks.)
    auto settle = [&] {
        runUntil([] { return false; }, 0.05);
        XSync(other, False);
    };
    for (int move = 0; move < 3; ++move) {
        SCOPED_TRACE(::testing::Message() << "move " << move);
        Point before = hand->cursor();
        EXPECT_LE(before.x, 110);
        const system::Event& event = handMoves(30, 0);
        EXPECT_EQ(event.location, (before + Vector{30, 0}));
        settle();
    }
    XUngrabPointer(other, CurrentTime);
    XSync(other, False);
    for (int move = 0; move < 2; ++move) {
        Point before = hand->cursor();
        const system::Event& event = handMoves(5, 5);
        EXPECT_EQ(event.location, (before + Vector{5, 5}));
        settle();
    }
}
