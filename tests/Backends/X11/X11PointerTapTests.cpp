#include <gmock/gmock.h>

#include "X11TestSupport.h"

#include "QuellarineKit/Pointer/ClickGuard.h"
#include "QuellarineKit/Pointer/FilterPreset.h"
#include "QuellarineKit/Pointer/PointerTap.h"

#include <chrono>
#include <cmath>
#include <numbers>
#include <thread>

// The pointer tap steadying the pointer of a private X server: the hand moves and clicks in real time on a 125 Hz
// schedule, and an application window reports what reaches it.

using namespace quellarine;
using namespace quellarine::x11;
using namespace quellarine::x11::testing;

namespace {

constexpr double sampleInterval = 0.008;

// A hand drifting right at 40 points a second with a 5.3 Hz tremor of 3 points, up and down.
Point handPath(double t)
{
    return {40 * t, 3 * std::sin(2 * std::numbers::pi * 5.3 * t)};
}

// How far a path travels up and down: the tremor's share of it.
double verticalTravel(const std::vector<Point>& points)
{
    double travel = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        travel += std::abs(points[i].y - points[i - 1].y);
    }
    return travel;
}

} // namespace

class X11PointerTapTest : public X11Test {
protected:
    void TearDown() override
    {
        pointerTap.reset();
        X11Test::TearDown();
    }

    void startPointerTap(const ClickGuard::Settings& clicks = ClickGuard::Settings::off())
    {
        pointerTap
            = std::make_unique<PointerTap>(backend->pointerSystem(*loop), FilterPreset::balanced().parameters, clicks);
        pointerTap->start();
        ASSERT_TRUE(hand->isGrabbed());
    }

    // Plays the hand along `handPath` for `duration` seconds in real time, from the cursor's place; returns the
    // positions the hand went through (whole pixels, as the device reports whole steps).
    std::vector<Point> playTremor(double duration)
    {
        Point start = hand->cursor();
        std::vector<Point> positions{start};
        Point sent = start;
        int step = 0;
        int steps = int(duration / sampleInterval);
        bool done = false;
        system::MainLoop::TimerID timer = 0;
        timer = loop->scheduleRepeating(sampleInterval, sampleInterval, [&] {
            ++step;
            Point wanted = start + (handPath(step * sampleInterval) - Point{});
            int dx = int(std::lround(wanted.x - sent.x));
            int dy = int(std::lround(wanted.y - sent.y));
            if (dx != 0 || dy != 0) { // a device reports only movement
                hand->move(dx, dy);
                sent = sent + Vector{double(dx), double(dy)};
                positions.push_back(sent);
            }
            if (step == steps) {
                loop->cancel(timer);
                done = true;
            }
        });
        EXPECT_TRUE(runUntil([&] { return done; }, duration + 5));
        return positions;
    }

    std::vector<Point> clientPositions()
    {
        std::vector<Point> points;
        for (const auto& received : client->motions()) {
            points.push_back(received.location);
        }
        return points;
    }

    std::unique_ptr<PointerTap> pointerTap;
};

TEST_F(X11PointerTapTest, TheBalancedPresetSteadiesWhatApplicationsSeeAndRestsTheCursorOnTheHand)
{
    placeCursor({300, 400});
    startPointerTap();
    auto path = playTremor(1.5);
    quiesce();
    auto seen = clientPositions();
    ASSERT_GT(seen.size(), 20u);
    EXPECT_LT(verticalTravel(seen), 0.5 * verticalTravel(path));
    // It still goes where the hand goes.
    EXPECT_GT(seen.back().x, path.front().x + 40);

    // At rest, the cursor settles exactly on the hand.
    Point rest = path.back();
    EXPECT_TRUE(runUntil([&] { return hand->cursor() == rest; }));
}

TEST_F(X11PointerTapTest, WithFilteringOffApplicationsSeeTheHandsMotionUnchanged)
{
    placeCursor({300, 400});
    startPointerTap();
    pointerTap->setFiltering(false);
    auto path = playTremor(0.5);
    quiesce();
    // Every move that changed the position reached the application, where the hand put it.
    std::vector<Point> moved;
    for (std::size_t i = 1; i < path.size(); ++i) {
        if (path[i] != path[i - 1]) {
            moved.push_back(path[i]);
        }
    }
    EXPECT_EQ(clientPositions(), moved);
    EXPECT_EQ(hand->cursor(), path.back());
}

TEST_F(X11PointerTapTest, AClickLandsWhereThePressWasMadeAndATooShortTapNeverArrives)
{
    placeCursor({500, 300});
    startPointerTap(ClickGuard::Settings::on(0.5));

    // A press held 120 ms while the hand trembles a little: the pointer is held, the click lands at the press.
    bool released = false;
    hand->press(1);
    for (int i = 1; i <= 5; ++i) {
        loop->scheduleAfter(0.02 * i, [this, i] { hand->move(i % 2 == 0 ? 3 : -2, 2); });
    }
    loop->scheduleAfter(0.12, [&] {
        hand->release(1);
        released = true;
    });
    ASSERT_TRUE(runUntil([&] { return released && client->buttons().size() == 2; }));
    quiesce();
    auto buttons = client->buttons();
    EXPECT_EQ(buttons[0].type, ButtonPress);
    EXPECT_EQ(buttons[0].location, (Point{500, 300}));
    EXPECT_EQ(buttons[1].type, ButtonRelease);
    EXPECT_EQ(buttons[1].location, (Point{500, 300}));
    for (const auto& motion : client->motions()) {
        EXPECT_EQ(motion.location, (Point{500, 300}));
    }

    // A tap far shorter than the shortest press that counts: nothing at all.
    client->clear();
    loop->runFor(0.5); // past the repeat window of the click
    hand->press(1);
    hand->release(1);
    quiesce();
    loop->runFor(0.2); // well past the press's deadline
    quiesce();
    EXPECT_TRUE(client->buttons().empty());
}

TEST_F(X11PointerTapTest, AStalledLoopGivesThePointerBackAndSteadyingResumesAfterwards)
{
    placeCursor({200, 300});
    startPointerTap();

    bool stalled = false;
    bool followedTheHand = false;
    loop->scheduleAfter(0, [&] {
        auto start = std::chrono::steady_clock::now();
        while (std::chrono::steady_clock::now() - start < std::chrono::seconds(2)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            Point was = hand->cursor();
            hand->move(3, 0);
            XSync(hand->display(), False);
            followedTheHand = followedTheHand || hand->cursor() == was + Vector{3, 0};
        }
        stalled = true;
    });
    ASSERT_TRUE(runUntil([&] { return stalled; }));
    EXPECT_TRUE(followedTheHand);

    // The tap hears that it was switched off, turns itself back on and steadies again.
    ASSERT_TRUE(runUntil([&] { return pointerTap->isRunning() && hand->isGrabbed(); }));
    client->clear();
    auto moves = playTremor(0.5);
    quiesce();
    EXPECT_FALSE(client->motions().empty());
    EXPECT_LT(verticalTravel(clientPositions()), 0.5 * verticalTravel(moves));
}

TEST_F(X11PointerTapTest, ACursorPlacedByAnotherProgramBetweenTwoHandMovesIsFollowed)
{
    // Another program puts the cursor elsewhere (a remote desktop, a game centring it) while the hand moves right.
    struct Rate {
        double interval;
        int step; // points per device move
    };
    for (Rate rate : {Rate{0.008, 3}, Rate{0.001, 1}}) {
        for (int jump : {50, 150, 400}) {
            SCOPED_TRACE(::testing::Message() << "every " << rate.interval << " s, a jump of " << jump);
            pointerTap.reset();
            placeCursor({300, 200});
            startPointerTap();
            constexpr int moves = 60;
            Point warped;
            int step = 0;
            bool done = false;
            system::MainLoop::TimerID timer = 0;
            timer = loop->scheduleRepeating(rate.interval, rate.interval, [&] {
                if (++step == moves / 2) {
                    quiesce(); // the backend has placed the cursor for the moves so far
                    Point shown = hand->cursor();
                    warped = shown + Vector{0, double(jump)};
                    hand->warpCursor(int(warped.x), int(warped.y));
                }
                hand->move(rate.step, 0);
                if (step == moves) {
                    loop->cancel(timer);
                    done = true;
                }
            });
            ASSERT_TRUE(runUntil([&] { return done; }));
            quiesce();

            // From the warp on, the pointer goes on from where it was put, and comes to rest on the hand.
            auto after = client->motions();
            ASSERT_FALSE(after.empty());
            EXPECT_EQ(after.back().location.y, warped.y);
            Point rest = warped + Vector{double(rate.step * (moves - moves / 2 + 1)), 0};
            EXPECT_TRUE(runUntil([&] { return hand->cursor() == rest; }))
                << hand->cursor().x << ", " << hand->cursor().y;
            EXPECT_EQ(pointerTap->externalMoves(), 1);
        }
    }
}

TEST_F(X11PointerTapTest, AClickRightAfterAnotherProgramPutTheCursorElsewhereLandsThere)
{
    placeCursor({300, 200});
    startPointerTap(ClickGuard::Settings::on(0.5));
    playTremor(0.2);
    quiesce();
    hand->warpCursor(340, 260);
    client->clear();
    hand->press(1);
    loop->scheduleAfter(0.1, [this] { hand->release(1); });
    ASSERT_TRUE(runUntil([&] { return client->buttons().size() == 2; }));
    quiesce();
    for (const auto& button : client->buttons()) {
        EXPECT_EQ(button.location, (Point{340, 260}));
    }
    EXPECT_EQ(pointerTap->externalMoves(), 1);
}

TEST_F(X11PointerTapTest, SettlingAfterTheHandStopsLeavesACursorAnotherProgramPutElsewhere)
{
    placeCursor({300, 200});
    startPointerTap();
    // A quick stroke: the steadied pointer trails the hand when it stops, and would settle onto it.
    for (int i = 0; i < 8; ++i) {
        hand->move(12, 0);
        loop->runFor(0.004);
    }
    quiesce();
    ASSERT_NE(hand->cursor(), (Point{396, 200}));
    hand->warpCursor(420, 260);
    loop->runFor(0.4);
    quiesce();
    EXPECT_EQ(hand->cursor(), (Point{420, 260}));

    // The hand goes on from there.
    hand->move(3, 0);
    ASSERT_TRUE(runUntil([&] {
        return hand->cursor() == Point{423, 260};
    })) << hand->cursor().x
        << ", " << hand->cursor().y;
    EXPECT_EQ(pointerTap->externalMoves(), 1);
}

TEST_F(X11PointerTapTest, APressHeldBackWhenTheLoopStallsNeverGoesOutAfterTheHandLetGoMeanwhile)
{
    placeCursor({400, 300});
    startPointerTap(ClickGuard::Settings::on(0.5));
    hand->press(1);
    ASSERT_TRUE(runUntil([&] { return pointerTap->clickGuard().nextDeadline().has_value(); }));

    // Before the guard's deadline the loop stalls; the hand keeps moving, the watchdog gives the devices back, and
    // the hand lets go of the button while the loop is still stuck.
    bool stalled = false;
    bool givenBack = false;
    loop->scheduleAfter(0, [&] {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (hand->isGrabbed() && std::chrono::steady_clock::now() < deadline) {
            hand->move(1, 0);
            XSync(hand->display(), False);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        givenBack = !hand->isGrabbed();
        hand->release(1);
        XSync(hand->display(), False);
        stalled = true;
    });
    ASSERT_TRUE(runUntil([&] { return stalled; }));
    ASSERT_TRUE(givenBack);

    // Running again (the guard's deadline long past), the tap takes the devices back; the button is up everywhere.
    ASSERT_TRUE(runUntil([&] { return pointerTap->isRunning() && hand->isGrabbed(); }));
    loop->runFor(0.2);
    quiesce();
    Window root = 0;
    Window child = 0;
    int x = 0;
    int y = 0;
    unsigned mask = 0;
    XQueryPointer(hand->display(), DefaultRootWindow(hand->display()), &root, &child, &x, &y, &x, &y, &mask);
    EXPECT_EQ(mask & Button1Mask, 0u) << "button 1 stays down in the applications";
    int pressed = 0;
    for (const auto& button : client->buttons()) {
        pressed += button.type == ButtonPress ? 1 : -1;
    }
    EXPECT_LE(pressed, 0);
}
