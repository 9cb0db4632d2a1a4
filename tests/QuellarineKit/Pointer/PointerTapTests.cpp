#include "Backends/Sim/SimulatedWindowServer.h"
#include "QuellarineKit/Pointer/FilterPreset.h"
#include "QuellarineKit/Pointer/PointerTap.h"

#include "tests/QuellarineKit/Support/PrintGeometry.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using namespace quellarine;
using system::Event;
using system::EventType;
using Origin = sim::SimulatedWindowServer::Origin;
using Received = sim::SimulatedWindowServer::Received;

namespace {

constexpr std::uint64_t ms = 1'000'000;

class PointerTapTest : public ::testing::Test {
protected:
    void SetUp() override { server.advance(1.0); }

    void makeTap(const ClickGuard::Settings& clicks = ClickGuard::Settings::off(),
                 const PointerFilter::Parameters& parameters = FilterPreset::balanced().parameters)
    {
        tap = std::make_unique<PointerTap>(server.pointerSystem(), parameters, clicks);
        tap->start();
    }

    void move(Vector delta)
    {
        server.moveHand(delta);
        server.runDue();
    }
    void press(int button = 0)
    {
        server.pressButton(button);
        server.runDue();
    }
    void release(int button = 0)
    {
        server.releaseButton(button);
        server.runDue();
    }
    void wait(double seconds) { server.advance(seconds); }

    // What applications received from the given index on.
    std::vector<Received> receivedFrom(std::size_t first) const
    {
        const auto& all = server.received();
        return {all.begin() + static_cast<std::ptrdiff_t>(std::min(first, all.size())), all.end()};
    }
    std::vector<EventType> receivedTypes(std::size_t first = 0) const
    {
        std::vector<EventType> types;
        for (const auto& received : receivedFrom(first)) {
            types.push_back(received.event.type);
        }
        return types;
    }

    sim::SimulatedWindowServer server;
    std::unique_ptr<PointerTap> tap;
};

} // namespace

TEST_F(PointerTapTest, StartsOnceStopsAndReportsARefusal)
{
    tap = std::make_unique<PointerTap>(server.pointerSystem(), FilterPreset::balanced().parameters,
                                       ClickGuard::Settings::off());
    EXPECT_TRUE(tap->isFiltering());
    EXPECT_FALSE(tap->isRunning());
    EXPECT_TRUE(tap->ensureEnabled());

    server.setMaySteerPointer(false);
    try {
        tap->start();
        FAIL() << "the tap started without permission";
    } catch (const PointerTap::TapError& error) {
        EXPECT_EQ(error.code(), PointerTap::TapError::notPermitted);
    }
    EXPECT_FALSE(tap->isRunning());
    EXPECT_EQ(server.tapCount(), 0u);

    server.setMaySteerPointer(true);
    tap->start();
    tap->start();
    EXPECT_TRUE(tap->isRunning());
    EXPECT_EQ(server.tapCount(), 1u);
    EXPECT_EQ(tap->smoother().emitted(), (Point{720, 450}));

    tap->stop();
    EXPECT_FALSE(tap->isRunning());
    EXPECT_EQ(server.tapCount(), 0u);
    tap->start();
    EXPECT_EQ(server.tapCount(), 1u);
}

TEST_F(PointerTapTest, TheSystemSwitchingTheTapOffIsUndone)
{
    makeTap();
    move({40, 0});
    server.warp({100, 100}); // meanwhile something else moved the cursor

    server.disableTaps(EventType::tapDisabledByTimeout);
    EXPECT_FALSE(tap->isRunning());
    server.runDue(); // the notice
    EXPECT_TRUE(tap->isRunning());
    EXPECT_EQ(tap->smoother().emitted(), (Point{100, 100}));

    server.disableTaps(EventType::tapDisabledByUserInput);
    EXPECT_FALSE(tap->ensureEnabled()); // before the notice arrives
    EXPECT_TRUE(tap->isRunning());
    EXPECT_TRUE(tap->ensureEnabled());
    server.runDue();
    EXPECT_TRUE(tap->isRunning());
}

TEST_F(PointerTapTest, MarkedEventsPassAndBecomePlacementsWhetherFilteringOrNot)
{
    makeTap();
    Event marked;
    marked.type = EventType::mouseMoved;
    marked.location = {300, 200};
    marked.userData = PointerTap::marker;
    server.post(marked, system::PostLevel::hid);
    server.runDue();
    ASSERT_EQ(server.received().size(), 1u);
    EXPECT_EQ(server.received()[0].event, marked);
    EXPECT_EQ(tap->smoother().emitted(), (Point{300, 200}));
    EXPECT_EQ(tap->smoother().raw(), (Point{720, 450}));

    tap->setFiltering(false);
    marked.type = EventType::leftMouseDown;
    marked.location = {310, 210};
    server.post(marked, system::PostLevel::session);
    server.runDue();
    EXPECT_EQ(server.received().back().event, marked);
    EXPECT_EQ(tap->smoother().emitted(), (Point{310, 210}));
}

TEST_F(PointerTapTest, WithoutFilteringEverythingPassesAndTheNextFilteredMoveStartsThere)
{
    makeTap(ClickGuard::Settings::on(0.5));
    std::vector<std::pair<Point, Point>> observed;
    tap->setObserver([&](Point location, Point shown) { observed.push_back({location, shown}); });
    tap->setFiltering(false);
    tap->setFiltering(false); // no change: nothing happens

    move({5, 5});
    press();
    wait(0.01);
    release();
    EXPECT_EQ(receivedTypes(),
              (std::vector<EventType>{EventType::mouseMoved, EventType::leftMouseDown, EventType::leftMouseUp}));
    for (const auto& received : server.received()) {
        EXPECT_EQ(received.origin, Origin::hardware);
        EXPECT_EQ(received.event.location, (Point{725, 455}));
    }
    EXPECT_EQ(observed.size(), 3u);
    EXPECT_EQ(observed[0], (std::pair<Point, Point>{{725, 455}, {725, 455}}));

    tap->setFiltering(true);
    wait(0.02);
    move({4, 0});
    EXPECT_EQ(server.received().back().event.location, (Point{729, 455}));
    EXPECT_EQ(observed.back(), (std::pair<Point, Point>{{729, 455}, {729, 455}}));
}

TEST_F(PointerTapTest, AnUnexplainedJumpPassesIsCountedAndRestartsTheSteadying)
{
    makeTap();
    for (int i = 0; i < 5; ++i) {
        move({6, 0});
        wait(0.008);
    }
    wait(1);                 // the pointer has settled
    server.warp({100, 100}); // something else put the cursor far away
    move({2, 1});
    EXPECT_EQ(tap->externalMoves(), 1);
    EXPECT_EQ(server.received().back().origin, Origin::hardware);
    EXPECT_EQ(server.received().back().event.location, (Point{102, 101}));
    EXPECT_EQ(server.received().back().event.userData, 0);

    wait(0.008);
    move({4, 0});
    EXPECT_EQ(server.received().back().event.location, (Point{106, 101}));
    EXPECT_EQ(tap->externalMoves(), 1);
}

TEST_F(PointerTapTest, PostPacingRewritesBurstsAndPostsTheRest)
{
    makeTap();
    for (int i = 0; i < 4; ++i) {
        move({1, 0});
        wait(0.003);
    }
    std::vector<Origin> origins;
    for (const auto& received : server.received()) {
        origins.push_back(received.origin);
    }
    EXPECT_EQ(origins, (std::vector<Origin>{Origin::posted, Origin::hardware, Origin::hardware, Origin::posted}));
    EXPECT_EQ(server.received()[0].event.userData, PointerTap::marker);
    EXPECT_EQ(server.received()[0].event.deltaX, 1);
    EXPECT_EQ(server.received()[1].event.userData, 0);

    server.clearReceived();
    wait(0.1);
    server.clearReceived();
    for (int i = 0; i < 4; ++i) {
        move({1, 0});
        wait(0.006);
    }
    for (const auto& received : server.received()) {
        EXPECT_EQ(received.origin, Origin::posted);
    }
}

TEST_F(PointerTapTest, AHeldPressKeepsThePointerStillWhileTheHandMoves)
{
    makeTap(ClickGuard::Settings::on(0.5));
    move({1, 0});
    wait(0.5);
    Point pressed = *server.currentLocation();
    press();
    std::size_t afterPress = server.received().size();
    int warps = server.warpCount();
    for (int i = 0; i < 3; ++i) {
        wait(0.008);
        move({2, 1});
        EXPECT_EQ(server.currentLocation(), pressed);
    }
    EXPECT_EQ(server.warpCount(), warps + 3);
    EXPECT_TRUE(server.isMouseAssociated());
    EXPECT_TRUE(receivedFrom(afterPress).empty());
    // The hand's own position still follows every delta.
    EXPECT_NEAR(tap->smoother().raw()->x, 727, 0.01);
    EXPECT_NEAR(tap->smoother().raw()->y, 453, 0.01);
}

TEST_F(PointerTapTest, AHeldBackPressIsPostedAtItsDeadlineAndThenItsReleasePasses)
{
    makeTap(ClickGuard::Settings::on(0.5));
    std::uint64_t pressedAt = server.now();
    Point pressed = *server.currentLocation();
    server.setLatency(0); // explicit: the deadline counts from the hardware time
    press();
    wait(0.0399);
    EXPECT_TRUE(server.received().empty());
    wait(0.0001);
    ASSERT_EQ(server.received().size(), 1u);
    const Received& down = server.received()[0];
    EXPECT_EQ(down.origin, Origin::posted);
    EXPECT_EQ(down.time, pressedAt + 40 * ms);
    EXPECT_EQ(down.event.type, EventType::leftMouseDown);
    EXPECT_EQ(down.event.userData, PointerTap::marker);
    EXPECT_EQ(down.event.clickState, 1);
    EXPECT_EQ(down.event.location, pressed);
    EXPECT_EQ(down.event.timestamp, pressedAt + 40 * ms);

    wait(0.02);
    release();
    ASSERT_EQ(server.received().size(), 2u);
    EXPECT_EQ(server.received()[1].event.type, EventType::leftMouseUp);
    EXPECT_EQ(server.received()[1].origin, Origin::hardware);
    EXPECT_EQ(server.received()[1].event.location, pressed);
}

TEST_F(PointerTapTest, AShortTapReachesNoApplication)
{
    makeTap(ClickGuard::Settings::on(0.5));
    press();
    wait(0.03);
    release();
    wait(1);
    EXPECT_TRUE(server.received().empty());
}

TEST_F(PointerTapTest, APressHeldBackUntilItsReleaseIsPostedBeforeTheRelease)
{
    ClickGuard::Settings settings = ClickGuard::Settings::on(0.5);
    settings.maxPress = 0.5; // no deadline: the release decides
    makeTap(settings);
    press();
    wait(0.06);
    release();
    ASSERT_EQ(receivedTypes(), (std::vector<EventType>{EventType::leftMouseDown, EventType::leftMouseUp}));
    for (const auto& received : server.received()) {
        EXPECT_EQ(received.origin, Origin::posted);
        EXPECT_EQ(received.event.userData, PointerTap::marker);
    }

    // Another button's press finishes the pending one: its release is made from the stored press.
    wait(1);
    server.clearReceived();
    press(0);
    wait(0.06);
    press(1);
    EXPECT_EQ(receivedTypes(), (std::vector<EventType>{EventType::leftMouseDown, EventType::leftMouseUp}));
    EXPECT_EQ(server.received()[1].event.buttonNumber, 0);
}

TEST_F(PointerTapTest, APressTheGuardPassesAtOnceKeepsItsEventWithTheShownPositionAndCount)
{
    makeTap();
    press();
    release();
    wait(0.1);
    press();
    ASSERT_EQ(server.received().size(), 3u);
    EXPECT_EQ(server.received()[2].origin, Origin::hardware);
    EXPECT_EQ(server.received()[2].event.clickState, 2);
    EXPECT_EQ(server.received()[2].event.location, *tap->smoother().emitted());
    release();
}

TEST_F(PointerTapTest, TheSettleTimerEasesThePointerOntoTheRestingHand)
{
    makeTap();
    std::uint64_t firstMove = server.now();
    for (int i = 0; i < 5; ++i) {
        move({10, 0});
        wait(0.008);
    }
    std::uint64_t lastMove = firstMove + 32 * ms;
    std::size_t settleStart = server.received().size();
    wait(1);
    std::vector<Received> settle = receivedFrom(settleStart);
    ASSERT_GE(settle.size(), 2u);
    Point hand = *tap->smoother().raw();
    EXPECT_EQ(hand, (Point{770, 450}));
    for (std::size_t i = 0; i < settle.size(); ++i) {
        EXPECT_GT(settle[i].time, lastMove + 12 * ms);
        EXPECT_EQ((settle[i].time - firstMove) % (8 * ms), 0u) << "on the timer's own 8 ms grid";
        EXPECT_EQ(settle[i].event.userData, PointerTap::marker);
        EXPECT_EQ(settle[i].event.deltaX, 0);
        if (i > 0) {
            EXPECT_EQ(settle[i].time - settle[i - 1].time, 8 * ms);
            EXPECT_LT(settle[i].event.location.distance(hand), settle[i - 1].event.location.distance(hand));
        }
    }
    EXPECT_LT(settle.back().event.location.distance(hand), 0.3);
    EXPECT_GE(settle[settle.size() - 2].event.location.distance(hand), 0.3);
    EXPECT_EQ(server.timerCount(), 0u);
}

TEST_F(PointerTapTest, AHandThatIsNeverReachedIsPlacedExactlyAfterThreeSeconds)
{
    PointerFilter::Parameters sluggish;
    sluggish.smoothing = FilterPreset::balanced().parameters.smoothing;
    sluggish.smoothing.minCutoff = 0.001;
    sluggish.smoothing.beta = 0;
    makeTap(ClickGuard::Settings::off(), sluggish);
    for (int i = 0; i < 5; ++i) {
        move({10, 0});
        wait(0.008);
    }
    std::uint64_t lastMove = server.now() - 8 * ms;
    wait(4);
    const Received& last = server.received().back();
    EXPECT_EQ(last.event.location, (Point{770, 450}));
    EXPECT_GT(last.time, lastMove + 3000 * ms);
    EXPECT_LE(last.time, lastMove + 3008 * ms);
    EXPECT_GT(server.received()[server.received().size() - 2].event.location.distance({770, 450}), 0.3);
    EXPECT_EQ(server.timerCount(), 0u);
}

TEST_F(PointerTapTest, AHeldPressOrFilteringOffStopsTheSettleTimer)
{
    makeTap(ClickGuard::Settings::on(0.5));
    for (int i = 0; i < 5; ++i) {
        move({10, 0});
        wait(0.008);
    }
    press();
    std::size_t afterPress = server.received().size();
    wait(1);
    // Only the held-back press at its deadline: no settle move pulls the pointer out of the hold.
    EXPECT_EQ(receivedTypes(afterPress), std::vector<EventType>{EventType::leftMouseDown});
    release();

    wait(1);
    move({30, 0});
    wait(0.008);
    move({30, 0});
    tap->setFiltering(false);
    std::size_t afterSwitch = server.received().size();
    wait(1);
    EXPECT_TRUE(receivedFrom(afterSwitch).empty());
    EXPECT_EQ(server.timerCount(), 0u);
}

TEST_F(PointerTapTest, SwitchingFilteringForgetsPressesInProgress)
{
    makeTap(ClickGuard::Settings::on(0.5));
    press();
    EXPECT_TRUE(tap->clickGuard().holdLocation().has_value());
    tap->setFiltering(false);
    EXPECT_FALSE(tap->clickGuard().holdLocation().has_value());
    EXPECT_FALSE(tap->clickGuard().nextDeadline().has_value());
    EXPECT_EQ(tap->clickGuard().settings, ClickGuard::Settings::on(0.5));
}

TEST_F(PointerTapTest, AReleaseWhosePressTheTapNeverSawPasses)
{
    // Each time with an earlier click of the same button, so that the tap has a stored press of it.
    struct Way {
        const char* name;
        std::function<void()> goOff;
        std::function<void()> comeBack;
    };
    const std::vector<Way> ways{
        {"filtering off", [&] { tap->setFiltering(false); }, [&] { tap->setFiltering(true); }},
        {"tap stopped", [&] { tap->stop(); }, [&] { tap->start(); }},
        {"tap switched off by the system", [&] { server.disableTapsSilently(); }, [&] { tap->ensureEnabled(); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        makeTap(ClickGuard::Settings::on(0.5));
        press();
        wait(0.06);
        release();
        wait(1);
        server.clearReceived();
        way.goOff();
        press();
        way.comeBack();
        wait(0.1);
        release();
        EXPECT_EQ(receivedTypes(), (std::vector<EventType>{EventType::leftMouseDown, EventType::leftMouseUp}));
        EXPECT_EQ(server.received().back().origin, Origin::hardware);
        wait(1);
    }
}

TEST_F(PointerTapTest, ButtonsBesideEachOtherAreEachReleased)
{
    // A middle button and a back button overlapping, as a hand on a many-button mouse does.
    for (const ClickGuard::Settings& settings : {ClickGuard::Settings::off(), ClickGuard::Settings::on(0.5)}) {
        SCOPED_TRACE(settings.minPress);
        makeTap(settings);
        server.clearReceived();
        press(2);
        wait(0.06);
        press(3);
        wait(0.06);
        release(2);
        wait(0.06);
        release(3);
        wait(1);
        std::vector<std::pair<EventType, std::int64_t>> received;
        for (const auto& event : receivedFrom(0)) {
            received.emplace_back(event.event.type, event.event.buttonNumber);
        }
        EXPECT_EQ(received,
                  (std::vector<std::pair<EventType, std::int64_t>>{{EventType::otherMouseDown, 2},
                                                                   {EventType::otherMouseDown, 3},
                                                                   {EventType::otherMouseUp, 2},
                                                                   {EventType::otherMouseUp, 3}}));
    }
}

TEST_F(PointerTapTest, APressHeldBackWhenTheTapGoesOffNeverGoesOutHalf)
{
    // The guard holds the press back; before its deadline the tap stops filtering one way or another, and the
    // release comes past or through it. Either the applications get the whole click or none of it.
    struct Way {
        const char* name;
        std::function<void()> releaseWhileOff;
        bool tapSeesTheRelease = false; // then it knows the press never went out, and swallows the release too
    };
    const std::vector<Way> ways{
        {"filtering off",
         [&] {
             tap->setFiltering(false);
             release();
         },
         true},
        {"switched off by the system, the release first",
         [&] {
             server.releaseButton(0);
             server.disableTaps(EventType::tapDisabledByTimeout); // the notice comes after the release
             server.runDue();
         }},
        {"switched off by the system, silently",
         [&] {
             server.disableTapsSilently();
             release();
         }},
        {"stopped",
         [&] {
             tap->stop();
             release();
             tap->start();
         }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        makeTap(ClickGuard::Settings::on(0.5));
        wait(1);
        server.clearReceived();
        press();
        wait(0.02);
        way.releaseWhileOff();
        wait(1);
        tap->ensureEnabled();
        // A release that went past the tap may find the button up already; a press after it would stay down.
        bool down = false;
        for (const auto& received : server.received()) {
            if (received.event.type == EventType::leftMouseDown) {
                EXPECT_FALSE(down);
                down = true;
            } else if (received.event.type == EventType::leftMouseUp) {
                down = false;
            }
        }
        EXPECT_FALSE(down) << "the button stays down in the applications";
        if (way.tapSeesTheRelease) {
            EXPECT_EQ(receivedTypes(), std::vector<EventType>{});
        }
    }
}

TEST_F(PointerTapTest, SettleMovesAfterADragAreNoLongerDrags)
{
    makeTap();
    press();
    for (int i = 0; i < 5; ++i) {
        wait(0.008);
        move({25, 0});
    }
    wait(0.02); // the hand rests, the button still down: the drag goes on easing
    std::size_t beforeRelease = server.received().size();
    ASSERT_EQ(server.received().back().event.type, EventType::leftMouseDragged);
    ASSERT_EQ(server.received().back().event.userData, PointerTap::marker);
    release();
    wait(1);
    std::vector<Received> after = receivedFrom(beforeRelease);
    ASSERT_GE(after.size(), 2u);
    EXPECT_EQ(after[0].event.type, EventType::leftMouseUp);
    for (std::size_t i = 1; i < after.size(); ++i) {
        EXPECT_EQ(after[i].event.type, EventType::mouseMoved);
        EXPECT_EQ(after[i].event.userData, PointerTap::marker);
    }
}

TEST_F(PointerTapTest, ASettleStepAheadOfLateHardwareEventsDoesNotJumpThePointer)
{
    // Events reach the tap 4 ms after the hand made them, while settle steps run at "now": a settle step can
    // take the filter past the time of the next hardware event. A filter restarted by time going backwards puts
    // the pointer straight onto the hand, all the distance it trailed by at once.
    server.setLatency(0.004);
    makeTap();
    for (int i = 0; i < 6; ++i) {
        move({15, 0});
        wait(0.008);
    }
    wait(0.012); // settle steps while the pointer still trails the hand
    Point before = server.received().back().event.location;
    double trailing = before.distance(*tap->smoother().raw());
    EXPECT_GT(trailing, 3.0) << "the pointer was put onto the hand at once";
    server.moveHand({1, 0});
    wait(0.006);
    Point after = server.received().back().event.location;
    EXPECT_LT(after.distance(before), std::max(trailing, 3.0) / 2);
}

TEST_F(PointerTapTest, SettingsAndDisplaysReachTheSmootherAndTheGuard)
{
    makeTap();
    tap->setClickSettings(ClickGuard::Settings::on(0.5));
    EXPECT_EQ(tap->clickGuard().settings, ClickGuard::Settings::on(0.5));
    tap->setParameters(FilterPreset::strong().parameters);
    EXPECT_EQ(tap->smoother().filter.parameters(), FilterPreset::strong().parameters);

    server.setDisplays({Rect{{0, 0}, {800, 600}}});
    tap->displaysChanged();
    EXPECT_EQ(tap->smoother().displays, (std::vector<Rect>{Rect{{0, 0}, {800, 600}}}));
    EXPECT_EQ(tap->smoother().emitted(), (Point{720, 450}));
}

TEST_F(PointerTapTest, DestroyingTheTapRemovesItAndItsTimers)
{
    makeTap(ClickGuard::Settings::on(0.5));
    move({10, 0});
    press(); // schedules the tick; the move started the settle timer
    EXPECT_GE(server.timerCount(), 2u);
    tap.reset();
    EXPECT_EQ(server.tapCount(), 0u);
    EXPECT_EQ(server.timerCount(), 0u);
    wait(1); // nothing left to call into the destroyed tap
    release();
}

TEST_F(PointerTapTest, ASlowDragLeavesTheHoldWhateverTheSystemAddsDeltasTo)
{
    using Base = sim::SimulatedWindowServer::DeltaBase;
    for (Base base : {Base::cursor, Base::hand, Base::alternating}) {
        SCOPED_TRACE(static_cast<int>(base));
        server.setDeltaBase(base);
        makeTap(ClickGuard::Settings::on(0.5));
        wait(1);
        Point pressed = *server.currentLocation();
        press();
        wait(0.1);
        server.clearReceived();
        // Half a point every 8 ms: each step is well inside the agreement, and so is the hand's distance from
        // the hold location for the first few steps.
        for (int i = 0; i < 60; ++i) {
            move({0.5, 0});
            wait(0.008);
        }
        EXPECT_GT(server.currentLocation()->x, pressed.x + 12);
        EXPECT_NEAR(tap->smoother().raw()->x, pressed.x + 30, 4.5);
        EXPECT_EQ(server.received().back().event.type, EventType::leftMouseDragged);
        release();
        wait(1);
    }
}

TEST_F(PointerTapTest, AJumpRestartsThePacingAndOnlyAJumpOfMoreThanTwoHundredPointsIsExternal)
{
    makeTap();
    // Something else puts the cursor exactly 200 points from the only place the tap knows, then a point more.
    for (double jump : {200.0, 201.0}) {
        SCOPED_TRACE(jump);
        tap->setFiltering(false);
        move({4, 0});
        const Point known = *server.currentLocation();
        tap->setFiltering(true);
        const int external = tap->externalMoves();
        server.warp(known + Vector{jump, 0});
        move({0, 0});
        EXPECT_EQ(tap->externalMoves(), external + (jump > 200 ? 1 : 0));
        server.warp(known);
        wait(1);
    }

    // A burst: posted, rewritten; then a jump, and 2 ms later a move that the old pacing would rewrite in place.
    tap->setFiltering(false);
    move({1, 0});
    tap->setFiltering(true);
    const int external = tap->externalMoves();
    wait(1);
    server.clearReceived();
    move({1, 0});
    wait(0.003);
    move({1, 0});
    wait(0.001);
    server.warp({300, 300});
    move({1, 0});
    ASSERT_EQ(tap->externalMoves(), external + 1);
    wait(0.002);
    move({1, 0});
    std::vector<Origin> origins;
    for (const auto& received : server.received()) {
        origins.push_back(received.origin);
    }
    EXPECT_EQ(origins, (std::vector<Origin>{Origin::posted, Origin::hardware, Origin::hardware, Origin::posted}));
}

TEST_F(PointerTapTest, PressesGoWhereTheUserSeesThePointerAndTheDragCircleIsJudgedOnThisMove)
{
    // Events reach the tap 4 ms late: a press made with a move arrives before the tap's steadied move has come
    // back, so the cursor is still where the previous event put it.
    server.setLatency(0.004);
    makeTap();
    for (int i = 0; i < 5; ++i) {
        move({10, 0});
        wait(0.008);
    }
    const Point before = *server.currentLocation();
    server.clearReceived();
    server.moveHand({10, 0});
    server.pressButton(0);
    wait(0.005);
    std::vector<Received> received = receivedFrom(0);
    ASSERT_GE(received.size(), 2u);
    ASSERT_EQ(received.front().event.type, EventType::leftMouseDown);
    ASSERT_EQ(received.back().event.type, EventType::mouseMoved); // the steadied move, perhaps after a settle step
    EXPECT_NE(received.front().event.location, before);
    EXPECT_EQ(received.front().event.location, received.back().event.location);
    release();
    wait(1);

    // A press the guard has let out; the first move beyond 12 points starts the drag at once.
    server.setLatency(0);
    tap->setClickSettings(ClickGuard::Settings::on(0.5));
    press();
    wait(0.05);
    ASSERT_TRUE(tap->clickGuard().holdLocation());
    const int warps = server.warpCount();
    server.clearReceived();
    move({13, 0});
    EXPECT_EQ(server.warpCount(), warps);
    EXPECT_EQ(receivedTypes(), std::vector<EventType>{EventType::leftMouseDragged});
    release();
}

TEST_F(PointerTapTest, AnotherProgramsPlacementTheSystemReportsIsFollowedAtOnceHoweverShortTheJump)
{
    server.setReportsPlacementsElsewhere(true);
    makeTap();
    for (int i = 0; i < 5; ++i) {
        move({8, 0});
        wait(0.008);
    }
    // Another program puts the cursor 30 points away while the steadied pointer still trails the hand: a jump
    // the hand's movement could explain, had the system not said otherwise.
    const Point placed = *tap->smoother().raw() + Vector{0, 30};
    server.placeCursor(placed);
    move({2, 0});
    EXPECT_EQ(tap->externalMoves(), 1);
    EXPECT_EQ(server.received().back().origin, Origin::hardware);
    EXPECT_EQ(server.received().back().event.location, (placed + Vector{2, 0}));
    EXPECT_EQ(tap->smoother().emitted(), (placed + Vector{2, 0}));

    // A click goes where the other program put the cursor, not where the steadied pointer was.
    wait(1);
    server.placeCursor({200, 200});
    press();
    release();
    EXPECT_EQ(tap->externalMoves(), 2);
    ASSERT_EQ(receivedTypes(server.received().size() - 2),
              (std::vector<EventType>{EventType::leftMouseDown, EventType::leftMouseUp}));
    for (const auto& received : receivedFrom(server.received().size() - 2)) {
        EXPECT_EQ(received.event.location, (Point{200, 200}));
    }
}

TEST_F(PointerTapTest, AQuickChordOfTwoExtraButtonsGivesTheApplicationsBoth)
{
    // A middle and a back button pressed within a few milliseconds, well before the guard lets the first out.
    makeTap(ClickGuard::Settings::on(0.5));
    wait(1);
    server.clearReceived();
    press(2);
    wait(0.005);
    press(3);
    wait(0.1);
    release(3);
    wait(0.005);
    release(2);
    wait(1);
    std::vector<std::pair<EventType, std::int64_t>> received;
    for (const auto& event : server.received()) {
        received.emplace_back(event.event.type, event.event.buttonNumber);
    }
    // The guard decides the first; the one beside it goes straight through.
    EXPECT_EQ(received,
              (std::vector<std::pair<EventType, std::int64_t>>{{EventType::otherMouseDown, 3},
                                                               {EventType::otherMouseDown, 2},
                                                               {EventType::otherMouseUp, 3},
                                                               {EventType::otherMouseUp, 2}}));
}

TEST_F(PointerTapTest, ButtonEventsPassAgainOnceTheTapIsBackAfterItsPostsWentByWithoutIt)
{
    // The guard's press and release go out posted; before they come back the system switches the tap off, and
    // they reach the applications past it. Back on, the tap waits for nothing: the hand's clicks pass as they come.
    ClickGuard::Settings settings = ClickGuard::Settings::on(0.5);
    settings.maxPress = 0.5; // the release decides: both go out posted
    makeTap(settings);
    server.setPostLatency(0.002);
    press();
    wait(0.06);
    release();
    server.disableTapsSilently();
    wait(0.01);
    EXPECT_EQ(receivedTypes(), (std::vector<EventType>{EventType::leftMouseDown, EventType::leftMouseUp}));
    EXPECT_FALSE(tap->ensureEnabled());

    tap->setClickSettings(ClickGuard::Settings::off());
    wait(1);
    server.clearReceived();
    press();
    release();
    ASSERT_EQ(receivedTypes(), (std::vector<EventType>{EventType::leftMouseDown, EventType::leftMouseUp}));
    for (const auto& received : server.received()) {
        EXPECT_EQ(received.origin, Origin::hardware);
    }
}

TEST_F(PointerTapTest, MovesExactlyFiveMillisecondsApartAreAllPosted)
{
    // Whatever the clock reads when they start: the limit is a strict comparison, which a subtraction of seconds
    // blurs at some times and not at others.
    makeTap();
    for (int start = 0; start < 50; ++start) {
        SCOPED_TRACE(start);
        wait(1.000'000'123 + start * 0.013'7);
        server.clearReceived();
        for (int i = 0; i < 4; ++i) {
            move({1, 0});
            wait(0.005);
        }
        ASSERT_GE(server.received().size(), 4u);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(server.received()[i].origin, Origin::posted);
        }
    }
}
