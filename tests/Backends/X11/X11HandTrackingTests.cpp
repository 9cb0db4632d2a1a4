#include <gmock/gmock.h>

#include "tests/QuellarineKit/Support/HandPath.h"
#include "X11TestSupport.h"

#include "QuellarineKit/Pointer/ClickGuard.h"
#include "QuellarineKit/Pointer/FilterPreset.h"
#include "QuellarineKit/Pointer/PointerTap.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <numbers>
#include <random>
#include <thread>

// Whatever the tap does with the pointer (posting steadied moves, rewriting passing ones, settling) and however late
// its loop gets round to the hand's moves, the position it keeps for the hand is where the hand really is: the sum
// of the device's deltas. A hand plays on a thread of its own, in real time, while the loop stalls now and then.

using namespace quellarine;
using namespace quellarine::x11;
using namespace quellarine::x11::testing;
using SteadyClock = std::chrono::steady_clock;

namespace {

constexpr double pathDuration = quellarine::testing::handPathDuration;
constexpr auto& stalls = quellarine::testing::loopStalls;
using quellarine::testing::handPath;

class X11HandTrackingTest : public X11Test, public ::testing::WithParamInterface<double> {
protected:
    void TearDown() override
    {
        if (player.joinable()) {
            player.join();
        }
        recorder.reset();
        pointerTap.reset();
        X11Test::TearDown();
    }

    // The device's moves along the path, in whole steps, one per `interval` (none when the hand did not move a
    // whole step), from a thread of the test's own.
    void play(double interval)
    {
        played = false;
        player = std::thread([this, interval] {
            Vector sent;
            auto begin = SteadyClock::now();
            for (int step = 1; step * interval <= pathDuration; ++step) {
                std::this_thread::sleep_until(begin + std::chrono::duration<double>(step * interval));
                Vector wanted = handPath(step * interval);
                int dx = int(std::lround(wanted.dx - sent.dx));
                int dy = int(std::lround(wanted.dy - sent.dy));
                if (dx != 0 || dy != 0) {
                    hand->move(dx, dy);
                    sent = sent + Vector{double(dx), double(dy)};
                }
            }
            handSent = sent;
            played = true;
        });
    }

    std::unique_ptr<PointerTap> pointerTap;
    // At the head of the chain, so it sees each hardware move before the pointer tap does.
    std::unique_ptr<system::EventTap> recorder;
    std::thread player;
    std::atomic<bool> played{false};
    Vector handSent;
};

} // namespace

TEST_P(X11HandTrackingTest, TheTapKeepsTheHandWhereItIsThroughStalledLoopsWithEveryPreset)
{
    const double interval = GetParam();
    std::mt19937 random(7);
    for (const FilterPreset& preset : FilterPreset::builtIn()) {
        SCOPED_TRACE(::testing::Message() << "preset " << FilterPreset::rawValue(preset.id));
        // A machine so busy that a stall outlasts the watchdog gives the devices back, and the hand's moves meanwhile
        // go past the tap: that run says nothing, and is played again.
        bool givenBack = true;
        for (int attempt = 0; attempt < 3 && givenBack; ++attempt) {
            recorder.reset();
            pointerTap.reset();
            placeCursor({300, 300});
            Point start = hand->cursor();
            pointerTap = std::make_unique<PointerTap>(backend->pointerSystem(*loop), preset.parameters,
                                                      ClickGuard::Settings::off());
            pointerTap->start();
            ASSERT_TRUE(hand->isGrabbed());

            Vector deltas;
            int handMoves = 0;
            givenBack = false;
            recorder
                = backend->taps().createTap(system::maskBit(system::EventType::mouseMoved), [&](system::Event& event) {
                      if (event.type == system::EventType::tapDisabledByTimeout) {
                          givenBack = true;
                      } else if (event.userData != PointerTap::marker) {
                          deltas = deltas + Vector{event.deltaX, event.deltaY};
                          ++handMoves;
                      }
                      return system::TapVerdict::pass;
                  });
            double worst = 0;
            int checked = 0;
            pointerTap->setObserver([&](Point, Point) {
                worst = std::max(worst, pointerTap->smoother().raw().value_or(Point{}).distance(start + deltas));
                ++checked;
            });

            // The four stalls in a random order, each at a random time of the path.
            std::vector<double> order(std::begin(stalls), std::end(stalls));
            std::shuffle(order.begin(), order.end(), random);
            std::uniform_real_distribution<double> when(0.05, 0.95 * pathDuration);
            for (double stall : order) {
                loop->scheduleAfter(when(random),
                                    [stall] { std::this_thread::sleep_for(std::chrono::duration<double>(stall)); });
            }
            play(interval);
            ASSERT_TRUE(runUntil([&] { return played.load(); }, pathDuration + 5));
            player.join();
            quiesce();
            if (givenBack) {
                continue;
            }

            // Every device move reached the tap, and at each the tap had the hand exactly where it was.
            EXPECT_EQ(deltas, handSent);
            EXPECT_EQ(checked, handMoves);
            EXPECT_LE(worst, 1.0);
            EXPECT_EQ(pointerTap->externalMoves(), 0);
            // At rest, the pointer comes onto the hand.
            Point rest = start + handSent;
            EXPECT_TRUE(runUntil([&] { return hand->cursor().distance(rest) <= 1.0; }))
                << hand->cursor().x << ", " << hand->cursor().y << " for " << rest.x << ", " << rest.y;
        }
        EXPECT_FALSE(givenBack) << "every run outlasted the watchdog";
    }
}

INSTANTIATE_TEST_SUITE_P(AtTheRatesOfMice, X11HandTrackingTest, ::testing::Values(0.008, 0.001),
                         [](const ::testing::TestParamInfo<double>& info) {
                             return info.param > 0.004 ? "125Hz" : "1000Hz";
                         });
