// How far the steadied pointer stays off the hand around one stall of the pointer's loop, on a private Xvfb: the hand
// the application's end-to-end tests play (drifting right at 40 points a second with a 5.3 Hz tremor of 3 points
// across the way, 125 moves a second) under the balanced preset, while the loop sleeps once, a second into the
// movement, for the given milliseconds (0: no stall). The counter offset_px is the mean distance between the cursor
// and the hand over the half second from the stall on, as the hand looks just before each of its moves; without a
// stall it is the smoother's own lag and steadying on this movement, and a stall should add little to it. The
// counters questions and late_events are how often the backend asked where the pointer is, and how many hand
// events it handled late, per movement.
//
//   build/bench/X11StallBench                 (about 15 s; compare runs made on the same processors)

#include "Backends/Common/MonotonicClock.h"
#include "Backends/Common/PollMainLoop.h"
#include "Backends/X11/Testing/VirtualHand.h"
#include "Backends/X11/Testing/XvfbServer.h"
#include "Backends/X11/X11Backend.h"
#include "QuellarineKit/Pointer/ClickGuard.h"
#include "QuellarineKit/Pointer/FilterPreset.h"
#include "QuellarineKit/Pointer/PointerTap.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <numbers>
#include <thread>
#include <vector>

namespace {

using namespace quellarine;
using namespace quellarine::x11;
using namespace quellarine::backends;
using namespace quellarine::x11::testing;
using SteadyClock = std::chrono::steady_clock;

constexpr auto movePeriod = std::chrono::milliseconds(8);
constexpr int moves = 250;      // two seconds
constexpr double stallAt = 1.0; // seconds into the movement
constexpr double window = 0.5;  // seconds from the stall on

XvfbServer& server()
{
    static XvfbServer instance;
    return instance;
}

// One movement: the mean offset in the window; what the backend did meanwhile into the other two.
double offsetAroundStall(double stallSeconds, double& questions, double& late)
{
    VirtualHand hand(server().displayName());
    MonotonicClock clock;
    PollMainLoop loop(clock);
    X11Backend backend(server().displayName().c_str());
    backend.attach(loop);
    hand.warpCursor(200, 400);
    PointerTap tap(backend.pointerSystem(loop), FilterPreset::balanced().parameters, ClickGuard::Settings::off());
    tap.setFiltering(true);
    tap.start();
    loop.runFor(0.1);

    // The hand moves and looks where the cursor is just before each move, on a thread of its own.
    std::atomic<bool> played{false};
    std::vector<double> offsets;
    VirtualHand eye(server().displayName());
    const Point start = eye.cursor();
    Vector sent;
    std::thread player([&] {
        const auto begin = SteadyClock::now();
        for (int step = 1; step <= moves; ++step) {
            std::this_thread::sleep_until(begin + step * movePeriod);
            const double t = std::chrono::duration<double>(SteadyClock::now() - begin).count();
            if (t >= stallAt && t < stallAt + window) {
                offsets.push_back(eye.cursor().distance(start + sent));
            }
            const double at = step * 0.008;
            const Vector wanted{40 * at, 3 * std::sin(2 * std::numbers::pi * 5.3 * at)};
            const int dx = int(std::lround(wanted.dx - sent.dx));
            const int dy = int(std::lround(wanted.dy - sent.dy));
            if (dx != 0 || dy != 0) {
                hand.move(dx, dy);
                sent = sent + Vector{double(dx), double(dy)};
            }
        }
        played = true;
    });
    if (stallSeconds > 0) {
        loop.scheduleAfter(
            stallAt, [stallSeconds] { std::this_thread::sleep_for(std::chrono::duration<double>(stallSeconds)); });
    }
    loop.runUntil([&] { return played.load(); }, 10);
    player.join();
    questions = double(backend.pointerQuestions());
    late = double(backend.lateEvents());
    tap.stop();
    loop.runFor(0.05);
    double sum = 0;
    for (double offset : offsets) {
        sum += offset;
    }
    return offsets.empty() ? 0 : sum / double(offsets.size());
}

void OffsetAroundOneStall(benchmark::State& state)
{
    const double stall = double(state.range(0)) / 1000.0;
    std::vector<double> means;
    double questions = 0;
    double late = 0;
    for (auto _ : state) {
        double asked = 0;
        double handledLate = 0;
        means.push_back(offsetAroundStall(stall, asked, handledLate));
        questions += asked;
        late += handledLate;
    }
    double sum = 0;
    for (double mean : means) {
        sum += mean;
    }
    state.counters["offset_px"] = sum / double(means.size());
    state.counters["questions"] = questions / double(means.size());
    state.counters["late_events"] = late / double(means.size());
}

BENCHMARK(OffsetAroundOneStall)->Arg(0)->Arg(40)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
