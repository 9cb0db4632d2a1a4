#include "Backends/Sim/SimulatedWindowServer.h"
#include "QuellarineKit/Pointer/FilterPreset.h"
#include "QuellarineKit/Pointer/PointerTap.h"

#include "tests/QuellarineKit/Support/HandPath.h"
#include "DeltaBaseName.h"
#include "tests/QuellarineKit/Support/PrintGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <tuple>

// On a system that tells the tap where each hardware delta was added, the tap's own idea of where the hand is never
// drifts from the hand, whatever the system adds deltas to, however fast the mouse reports and however late the
// loop gets to the moves.

using namespace quellarine;
using Base = sim::SimulatedWindowServer::DeltaBase;
using quellarine::testing::deltaBaseName;

namespace {

constexpr double pathDuration = quellarine::testing::handPathDuration;
constexpr auto& stalls = quellarine::testing::loopStalls;
using quellarine::testing::handPath;

class PointerTapHandTrackingTest : public ::testing::TestWithParam<std::tuple<Base, double>> {};

} // namespace

TEST_P(PointerTapHandTrackingTest, TheTapKeepsTheHandWhereItIsThroughStalledLoopsWithEveryPreset)
{
    auto [base, interval] = GetParam();
    std::mt19937 random(11);
    for (const FilterPreset& preset : FilterPreset::builtIn()) {
        SCOPED_TRACE(std::string(FilterPreset::rawValue(preset.id)));
        sim::SimulatedWindowServer server({Rect{{0, 0}, {1440, 900}}}, {400, 300});
        server.setDeltaBase(base);
        server.setReportsDeltaBase(true);
        server.setLatency(0.002);
        server.advance(10);
        PointerTap tap(server.pointerSystem(), preset.parameters, ClickGuard::Settings::off());
        tap.start();

        // The hand as the device reports it, seen at the head of the chain before the pointer tap sees it.
        Point hand{400, 300};
        auto recorder = server.createTap(system::maskBit(system::EventType::mouseMoved), [&](system::Event& event) {
            if (event.userData != PointerTap::marker) {
                hand = hand + Vector{event.deltaX, event.deltaY};
            }
            return system::TapVerdict::pass;
        });
        double worst = 0;
        int checked = 0;
        tap.setObserver([&](Point, Point) {
            worst = std::max(worst, tap.smoother().raw().value_or(Point{}).distance(hand));
            ++checked;
        });

        // The four stalls in a random order, each at a random step of the path.
        const int steps = int(pathDuration / interval);
        std::uniform_int_distribution<int> when(1, steps - 1);
        std::vector<std::pair<int, double>> stallAt;
        for (double stall : stalls) {
            stallAt.emplace_back(when(random), stall);
        }
        Vector sent;
        int moves = 0;
        for (int step = 1; step <= steps; ++step) {
            server.advance(interval);
            for (const auto& [at, stall] : stallAt) {
                if (at == step) {
                    server.busyFor(stall);
                }
            }
            Vector wanted = handPath(step * interval);
            Vector delta{std::round(wanted.dx - sent.dx), std::round(wanted.dy - sent.dy)};
            if (delta.dx != 0 || delta.dy != 0) {
                server.moveHand(delta);
                sent = sent + delta;
                ++moves;
            }
        }
        server.advance(4);

        EXPECT_EQ(checked, moves);
        EXPECT_LT(worst, 1e-9);
        EXPECT_EQ(hand, (Point{400, 300} + sent));
        EXPECT_EQ(tap.externalMoves(), 0);
        // At rest, the pointer is on the hand.
        EXPECT_LT(server.currentLocation()->distance(hand), 0.3);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDeltaBaseAndRate, PointerTapHandTrackingTest,
                         ::testing::Combine(::testing::Values(Base::cursor, Base::hand, Base::alternating),
                                            ::testing::Values(0.008, 0.001)),
                         [](const auto& info) {
                             return deltaBaseName(std::get<0>(info.param))
                                 + (std::get<1>(info.param) > 0.004 ? "At125Hz" : "At1000Hz");
                         });
