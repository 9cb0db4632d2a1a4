#include "Backends/Sim/SimulatedWindowServer.h"

#include "tests/QuellarineKit/Support/PrintGeometry.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace quellarine;
using namespace quellarine::system;
using quellarine::sim::SimulatedWindowServer;

namespace {

constexpr EventMask pointerMask = maskBit(EventType::mouseMoved) | maskBit(EventType::leftMouseDragged)
    | maskBit(EventType::rightMouseDragged) | maskBit(EventType::otherMouseDragged) | maskBit(EventType::leftMouseDown)
    | maskBit(EventType::leftMouseUp) | maskBit(EventType::rightMouseDown) | maskBit(EventType::rightMouseUp)
    | maskBit(EventType::otherMouseDown) | maskBit(EventType::otherMouseUp);

constexpr std::uint64_t ms = 1'000'000;

std::vector<Point> receivedLocations(const SimulatedWindowServer& server)
{
    std::vector<Point> locations;
    for (const auto& received : server.received()) {
        locations.push_back(received.event.location);
    }
    return locations;
}

} // namespace

TEST(SimulatedWindowServerTest, TimersRunAtTheirVirtualTimesInOrder)
{
    SimulatedWindowServer server;
    std::vector<std::pair<int, std::uint64_t>> runs;
    server.scheduleAfter(0.010, [&] { runs.push_back({1, server.now()}); });
    server.scheduleAfter(-1, [&] { runs.push_back({2, server.now()}); });
    server.scheduleAfter(0.010, [&] { runs.push_back({3, server.now()}); });
    auto repeating = server.scheduleRepeating(0.008, 0.008, [&] { runs.push_back({4, server.now()}); });

    server.advance(0.0169);
    EXPECT_EQ(
        runs,
        (std::vector<std::pair<int, std::uint64_t>>{{2, 0}, {4, 8 * ms}, {1, 10 * ms}, {3, 10 * ms}, {4, 16 * ms}}));
    EXPECT_EQ(server.now(), 16'900'000u);
    EXPECT_DOUBLE_EQ(server.uptime(), 0.0169);
    EXPECT_EQ(server.nanoseconds(), 16'900'000u);

    // No leeway and no drift: the period counts from the schedule, not from when the work ran.
    runs.clear();
    server.advance(0.0161);
    EXPECT_EQ(runs, (std::vector<std::pair<int, std::uint64_t>>{{4, 24 * ms}, {4, 32 * ms}}));
    server.cancel(repeating);
    server.advance(1);
    EXPECT_EQ(runs.size(), 2u);
    EXPECT_EQ(server.timerCount(), 0u);
}

TEST(SimulatedWindowServerTest, TimersMayCancelAndScheduleFromInsideTheirWork)
{
    SimulatedWindowServer server;
    int repeats = 0;
    int others = 0;
    SimulatedWindowServer::TimerID self = 0;
    SimulatedWindowServer::TimerID other = server.scheduleAfter(0.050, [&] { ++others; });
    self = server.scheduleRepeating(0.001, 0.001, [&] {
        ++repeats;
        if (repeats == 3) {
            server.cancel(self);
            server.cancel(other);
            server.cancel(self); // twice is harmless
            server.scheduleAfter(0, [&] { ++others; });
        }
    });
    server.advance(0.1);
    EXPECT_EQ(repeats, 3);
    EXPECT_EQ(others, 1);
    EXPECT_EQ(server.timerCount(), 0u);
    server.cancel(12345); // unknown identifiers are ignored
}

TEST(SimulatedWindowServerTest, ATimerNeverFiresBeforeItsTime)
{
    SimulatedWindowServer server;
    std::vector<std::uint64_t> runs;
    server.scheduleAfter(1e-12, [&] { runs.push_back(server.now()); });
    server.scheduleAfter(0, [&] { runs.push_back(server.now()); });
    server.advance(0.001);
    EXPECT_EQ(runs, (std::vector<std::uint64_t>{0, 1}));
}

TEST(SimulatedWindowServerTest, HardwareEventsCarryTheirHardwareTimeAndArriveAfterTheLatency)
{
    SimulatedWindowServer server;
    server.setLatency(0.004);
    std::vector<std::pair<Event, std::uint64_t>> seen;
    auto tap = server.createTap(pointerMask, [&](Event& event) {
        seen.push_back({event, server.now()});
        return TapVerdict::pass;
    });

    server.advance(0.010);
    server.moveHand({3, -2});
    server.advance(0.003);
    EXPECT_TRUE(seen.empty());
    server.advance(0.001);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].first.type, EventType::mouseMoved);
    EXPECT_EQ(seen[0].first.timestamp, 10 * ms);
    EXPECT_EQ(seen[0].second, 14 * ms);
    EXPECT_EQ(seen[0].first.location, (Point{723, 448}));
    EXPECT_EQ(seen[0].first.deltaX, 3);
    EXPECT_EQ(seen[0].first.deltaY, -2);
    EXPECT_EQ(server.currentLocation(), (Point{723, 448}));
    ASSERT_EQ(server.received().size(), 1u);
    EXPECT_EQ(server.received()[0].origin, SimulatedWindowServer::Origin::hardware);
    EXPECT_EQ(server.received()[0].time, 14 * ms);
}

TEST(SimulatedWindowServerTest, ButtonsGiveTheirTypesAndTurnMovesIntoDrags)
{
    SimulatedWindowServer server;
    std::vector<EventType> types;
    auto tap = server.createTap(pointerMask, [&](Event& event) {
        types.push_back(event.type);
        return TapVerdict::pass;
    });
    server.pressButton(0);
    server.moveHand({1, 0});
    server.releaseButton(0);
    server.pressButton(1);
    server.moveHand({1, 0});
    server.releaseButton(1);
    server.pressButton(4);
    server.moveHand({1, 0});
    server.releaseButton(4);
    server.moveHand({1, 0});
    server.runDue();
    EXPECT_EQ(types,
              (std::vector<EventType>{EventType::leftMouseDown, EventType::leftMouseDragged, EventType::leftMouseUp,
                                      EventType::rightMouseDown, EventType::rightMouseDragged, EventType::rightMouseUp,
                                      EventType::otherMouseDown, EventType::otherMouseDragged, EventType::otherMouseUp,
                                      EventType::mouseMoved}));
    EXPECT_EQ(server.received()[6].event.buttonNumber, 4);
    EXPECT_EQ(server.received()[7].event.buttonNumber, 4);
    EXPECT_EQ(server.received()[0].event.location, (Point{720, 450}));
    EXPECT_EQ(server.received()[0].event.clickState, 1);
    EXPECT_THROW(server.pressButton(32), std::invalid_argument);
}

TEST(SimulatedWindowServerTest, PostedEventsComeBackThroughTheTapOnlyAfterTheCallbackReturns)
{
    SimulatedWindowServer server;
    int depth = 0;
    int deepest = 0;
    std::vector<std::int64_t> seenMarks;
    auto tap = server.createTap(pointerMask, [&](Event& event) {
        ++depth;
        deepest = std::max(deepest, depth);
        seenMarks.push_back(event.userData);
        TapVerdict verdict = TapVerdict::pass;
        if (event.userData == 0) {
            Event copy = event;
            copy.userData = 7;
            copy.location = {100, 100};
            server.post(copy, PostLevel::hid);
            verdict = TapVerdict::swallow;
        }
        --depth;
        return verdict;
    });
    server.moveHand({5, 5});
    server.runDue();
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(seenMarks, (std::vector<std::int64_t>{0, 7}));
    ASSERT_EQ(server.received().size(), 1u);
    EXPECT_EQ(server.received()[0].origin, SimulatedWindowServer::Origin::posted);
    EXPECT_EQ(server.currentLocation(), (Point{100, 100}));
}

TEST(SimulatedWindowServerTest, SwallowedEventsLeaveTheCursorAndRewrittenOnesMoveIt)
{
    SimulatedWindowServer server;
    bool swallow = true;
    auto tap = server.createTap(pointerMask, [&](Event& event) {
        if (swallow) {
            return TapVerdict::swallow;
        }
        event.location = {10, 20};
        return TapVerdict::pass;
    });
    server.moveHand({5, 5});
    server.runDue();
    EXPECT_TRUE(server.received().empty());
    EXPECT_EQ(server.currentLocation(), (Point{720, 450}));
    EXPECT_EQ(server.hardwareLocation(), (Point{725, 455}));
    swallow = false;
    server.moveHand({5, 5});
    server.runDue();
    EXPECT_EQ(receivedLocations(server), std::vector<Point>{(Point{10, 20})});
    EXPECT_EQ(server.currentLocation(), (Point{10, 20}));
}

TEST(SimulatedWindowServerTest, TheDeltaBaseDecidesWhereAMoveStartsAndIsToldOnlyWhenAsked)
{
    // A tap that moves every hardware move 50 points to the right by posting a marked copy.
    auto run = [](SimulatedWindowServer::DeltaBase base, bool reports) {
        SimulatedWindowServer server;
        server.setDeltaBase(base);
        server.setReportsDeltaBase(reports);
        std::vector<Point> hardware;
        auto tap = server.createTap(pointerMask, [&](Event& event) {
            if (event.userData != 0) {
                return TapVerdict::pass;
            }
            hardware.push_back(event.location);
            EXPECT_EQ(event.deltaBase, reports ? std::optional<Point>(event.location - Vector{1, 0}) : std::nullopt);
            Event copy = event;
            copy.userData = 1;
            copy.location = event.location + Vector{50, 0};
            server.post(copy, PostLevel::hid);
            return TapVerdict::swallow;
        });
        for (int i = 0; i < 4; ++i) {
            server.moveHand({1, 0});
            server.runDue();
        }
        return hardware;
    };
    using Base = SimulatedWindowServer::DeltaBase;
    for (bool reports : {false, true}) {
        EXPECT_EQ(run(Base::cursor, reports), (std::vector<Point>{{721, 450}, {772, 450}, {823, 450}, {874, 450}}));
        EXPECT_EQ(run(Base::hand, reports), (std::vector<Point>{{721, 450}, {722, 450}, {723, 450}, {724, 450}}));
        EXPECT_EQ(run(Base::alternating, reports),
                  (std::vector<Point>{{721, 450}, {772, 450}, {773, 450}, {824, 450}}));
    }
}

TEST(SimulatedWindowServerTest, ABusyLoopRunsWhatFellDueMeanwhileInOrderOnceFree)
{
    SimulatedWindowServer server;
    std::vector<std::pair<std::string, std::uint64_t>> ran; // what ran, and when
    auto tap = server.createTap(pointerMask, [&](Event& event) {
        ran.emplace_back(event.userData == 0 ? "hardware" : "posted", server.now());
        EXPECT_EQ(event.timestamp, event.userData == 0 ? 3 * ms : 0); // the hardware's own time stays
        if (event.userData == 0) {
            Event copy = event;
            copy.userData = 1;
            copy.timestamp = 0;
            server.post(copy, PostLevel::hid);
        }
        return TapVerdict::swallow;
    });
    server.scheduleAfter(0.005, [&] { ran.emplace_back("timer", server.now()); });
    server.busyFor(0.02);
    server.advance(0.003);
    server.moveHand({1, 0});
    server.advance(0.016);
    EXPECT_TRUE(ran.empty());
    server.advance(0.001);
    using Ran = std::vector<std::pair<std::string, std::uint64_t>>;
    EXPECT_EQ(ran, (Ran{{"hardware", 20 * ms}, {"timer", 20 * ms}, {"posted", 20 * ms}}));
    server.scheduleAfter(0.001, [&] { ran.emplace_back("timer", server.now()); });
    server.advance(0.001);
    EXPECT_EQ(ran.back(), (std::pair<std::string, std::uint64_t>{"timer", 21 * ms}));
}

TEST(SimulatedWindowServerTest, WarpsMoveTheCursorWithoutAnEvent)
{
    SimulatedWindowServer server;
    int events = 0;
    auto tap = server.createTap(pointerMask, [&](Event&) {
        ++events;
        return TapVerdict::pass;
    });
    server.warp({200, 300});
    server.runDue();
    EXPECT_EQ(events, 0);
    EXPECT_EQ(server.warpCount(), 1);
    EXPECT_EQ(server.currentLocation(), (Point{200, 300}));
    server.moveHand({2, 0});
    server.runDue();
    EXPECT_EQ(server.currentLocation(), (Point{202, 300}));

    // Dissociated, the devices still report deltas but do not move the cursor.
    server.associateMouseAndCursor(false);
    EXPECT_FALSE(server.isMouseAssociated());
    server.moveHand({2, 0});
    server.runDue();
    EXPECT_EQ(server.received().back().event.location, (Point{202, 300}));
    EXPECT_EQ(server.received().back().event.deltaX, 2);
    server.associateMouseAndCursor(true);
}

TEST(SimulatedWindowServerTest, AnotherProgramsWarpIsToldWithTheNextHardwareEventOnlyWhenAsked)
{
    for (bool reports : {false, true}) {
        SCOPED_TRACE(reports);
        SimulatedWindowServer server;
        server.setReportsPlacementsElsewhere(reports);
        std::vector<std::pair<Point, bool>> seen;
        auto tap = server.createTap(pointerMask, [&](Event& event) {
            seen.emplace_back(event.location, event.cursorPlacedElsewhere);
            return TapVerdict::pass;
        });
        server.warp({100, 100}); // the tap's own placement is no other program's
        server.moveHand({1, 0});
        server.runDue();
        server.placeCursor({300, 200});
        server.moveHand({1, 0});
        server.moveHand({1, 0});
        server.runDue();
        server.placeCursor({500, 200});
        server.pressButton(0);
        server.releaseButton(0);
        server.runDue();
        EXPECT_EQ(seen,
                  (std::vector<std::pair<Point, bool>>{{{101, 100}, false},
                                                       {{301, 200}, reports},
                                                       {{302, 200}, false},
                                                       {{500, 200}, reports},
                                                       {{500, 200}, false}}));
    }
}

TEST(SimulatedWindowServerTest, TheSystemKeepsTheCursorOnTheDisplays)
{
    SimulatedWindowServer server({Rect{{0, 0}, {1440, 900}}, Rect{{1440, 0}, {800, 600}}}, {1400, 700});
    server.moveHand({100, 0}); // into the gap below the smaller display
    server.runDue();
    EXPECT_EQ(server.currentLocation(), (Point{1439, 700}));
    server.moveHand({300, -400});
    server.runDue();
    EXPECT_EQ(server.currentLocation(), (Point{1739, 300}));

    server.setDisplays({Rect{{0, 0}, {1440, 900}}});
    EXPECT_EQ(server.currentLocation(), (Point{1439, 300}));
    EXPECT_EQ(server.activeDisplayFrames(), (std::vector<Rect>{Rect{{0, 0}, {1440, 900}}}));
    server.setDisplays({});
    server.moveHand({5000, 0}); // no displays: nothing to clamp to
    server.runDue();
    EXPECT_EQ(server.currentLocation(), (Point{6439, 300}));
}

TEST(SimulatedWindowServerTest, RefusedPermissionCreatesNoTap)
{
    SimulatedWindowServer server;
    server.setMaySteerPointer(false);
    EXPECT_FALSE(server.maySteerPointer());
    EXPECT_EQ(server.createTap(pointerMask, [](Event&) { return TapVerdict::pass; }), nullptr);
    server.setMaySteerPointer(true);
    auto tap = server.createTap(pointerMask, [](Event&) { return TapVerdict::pass; });
    ASSERT_NE(tap, nullptr);
    EXPECT_EQ(server.tapCount(), 1u);
    tap.reset();
    EXPECT_EQ(server.tapCount(), 0u);
}

TEST(SimulatedWindowServerTest, ADisabledTapIsToldAndSkippedUntilEnabledAgain)
{
    SimulatedWindowServer server;
    std::vector<EventType> seen;
    auto tap = server.createTap(pointerMask, [&](Event& event) {
        seen.push_back(event.type);
        return TapVerdict::swallow;
    });
    server.disableTaps(EventType::tapDisabledByTimeout);
    EXPECT_FALSE(tap->isEnabled());
    server.moveHand({1, 1});
    server.runDue();
    EXPECT_EQ(seen, (std::vector<EventType>{EventType::tapDisabledByTimeout}));
    EXPECT_EQ(server.received().size(), 1u); // nothing stood in the way

    tap->setEnabled(true);
    server.moveHand({1, 1});
    server.runDue();
    EXPECT_EQ(seen.back(), EventType::mouseMoved);
    EXPECT_EQ(server.received().size(), 1u);
    EXPECT_THROW(server.disableTaps(EventType::mouseMoved), std::invalid_argument);
}

TEST(SimulatedWindowServerTest, TapsMayComeAndGoWhileAnEventPassesTheChain)
{
    SimulatedWindowServer server;
    std::unique_ptr<EventTap> first;
    std::unique_ptr<EventTap> second;
    int firstCalls = 0;
    int secondCalls = 0;
    first = server.createTap(pointerMask, [&](Event&) {
        ++firstCalls;
        first.reset(); // removes itself from inside its own callback
        second = server.createTap(pointerMask, [&](Event&) {
            ++secondCalls;
            return TapVerdict::pass;
        });
        return TapVerdict::pass;
    });
    server.moveHand({1, 0});
    server.runDue();
    EXPECT_EQ(firstCalls, 1);
    EXPECT_EQ(secondCalls, 0); // joins after the event that created it
    EXPECT_EQ(server.tapCount(), 1u);
    server.moveHand({1, 0});
    server.runDue();
    EXPECT_EQ(firstCalls, 1);
    EXPECT_EQ(secondCalls, 1);
}

TEST(SimulatedWindowServerTest, ModifierChangesReachTheMonitorOnTheLoop)
{
    SimulatedWindowServer server;
    std::vector<std::pair<ModifierState, double>> changes;
    server.setHandler([&](const ModifierState& state, double time) { changes.push_back({state, time}); });
    server.advance(1.5);
    server.changeModifiers({.control = true});
    EXPECT_TRUE(changes.empty());
    server.runDue();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(changes[0].first.control);
    EXPECT_DOUBLE_EQ(changes[0].second, 1.5);
    server.setHandler({});
    server.changeModifiers({});
    server.runDue();
    EXPECT_EQ(changes.size(), 1u);
}
