// Latency of the X11 backend on a private Xvfb: from the moment the user's device event is handed to the X server
// to the moment an application reads the motion that results. Each iteration is one device move of a hand going
// round a circle at 1000 moves per second; the reported time per iteration is that latency, with its median and
// 99th percentile as counters (microseconds).
//
// The runs to compare: the bare probe does the least that holding the pointer takes (it grabs the hand's device,
// reads each raw move and puts the pointer where the move says through the test extension, on a thread of its own);
// the passing tap does the same through the backend; the difference is what the backend adds. The run without
// anything between hand and cursor is the X server's own latency, the floor under both. The hand is test input, so
// the backend's report of other programs' requests carries each of its moves as well, which a real device's would
// not: the server writes that report once more per move than it would for a real hand.
//
// The counter heap_per_move is the number of heap allocations the backend's thread makes per device move (Xlib's
// and xcb's included); xlib_per_event is what any Xlib client allocates to read one input event (XNextEvent and
// XGetEventData), measured by a client of its own on moves made before the timed ones, so that it competes with
// no timed move. The backend must read the device's event for each move and need allocate nothing else: a run
// where heap_per_move exceeds xlib_per_event fails with an error.
//
//   build/bench/X11LatencyBench
//
// The figures move with the machine's load and with where the scheduler puts the X server, the backend and the
// application (one processor for all, or a hop between processors at each step): compare two builds in runs made
// alternately, pinned to the same processors (taskset), several times over. The passing tap against the probe is
// also measured in one run that takes turns between them, whose ratios the load sways least:
//
//   build/bench/X11LatencyBench --benchmark_filter=AgainstBareProbe

#include "Backends/Common/MonotonicClock.h"
#include "Backends/Common/PollMainLoop.h"
#include "Backends/X11/Testing/ClientWindow.h"
#include "Backends/X11/Testing/VirtualHand.h"
#include "Backends/X11/Testing/XvfbServer.h"
#include "Backends/X11/X11Backend.h"
#include "QuellarineKit/Pointer/ClickGuard.h"
#include "QuellarineKit/Pointer/FilterPreset.h"
#include "QuellarineKit/Pointer/PointerTap.h"
#include "support/AllocationCounter.h"

#include <benchmark/benchmark.h>

#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace quellarine;
using namespace quellarine::x11;
using namespace quellarine::backends;
using namespace quellarine::x11::testing;

constexpr double radius = 200;
constexpr double stepAngle = 0.04; // about 8 pixels a move
constexpr auto movePeriod = std::chrono::milliseconds(1);
constexpr double missingAfter = 0.1; // seconds without the application hearing of a move

XvfbServer& server()
{
    static XvfbServer instance;
    return instance;
}

std::uint64_t now()
{
    timespec time{};
    clock_gettime(CLOCK_MONOTONIC, &time);
    return std::uint64_t(time.tv_sec) * 1'000'000'000u + std::uint64_t(time.tv_nsec);
}

// What runs on the backend's main loop: whatever it keeps alive (a tap) lives as long as the loop.
using Installer = std::function<std::shared_ptr<void>(X11Backend&, PollMainLoop&)>;

// The backend on a thread of its own, served by its own loop, as an application's main thread would serve it.
class BackendThread {
public:
    explicit BackendThread(Installer install)
    {
        thread_ = std::thread([this, install] {
            MonotonicClock clock;
            PollMainLoop loop(clock); // outlives the backend it serves
            X11Backend backend(server().displayName().c_str());
            backend.attach(loop);
            loop.watch(stopFd_, [] {});
            auto installed = install(backend, loop);
            ready_ = true;
            // Looked at after every callback of the loop (its timers' included).
            loop.runUntil(
                [this] {
                    heapAllocations_.store(bench::threadHeapAllocations(), std::memory_order_relaxed);
                    return stop_.load();
                },
                1e9);
        });
        while (!ready_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    ~BackendThread()
    {
        stop_ = true;
        std::uint64_t one = 1;
        [[maybe_unused]] auto written = write(stopFd_, &one, sizeof one);
        thread_.join();
        close(stopFd_);
    }

    // What the backend's thread has allocated so far, as of its latest callback.
    std::size_t heapAllocations() const { return heapAllocations_.load(std::memory_order_relaxed); }

private:
    int stopFd_ = eventfd(0, EFD_CLOEXEC);
    std::atomic<std::size_t> heapAllocations_{0};
    std::atomic<bool> ready_{false};
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// The least that holding the pointer takes, on a thread of its own: grabs the hand's device as the backend grabs it,
// reads each raw move with XNextEvent and XGetEventData, and puts the pointer where the move says through the test
// extension, flushed at once.
class BareProbe {
public:
    explicit BareProbe(int deviceId)
    {
        display_ = XOpenDisplay(server().displayName().c_str());
        int major = 2;
        int minor = 2;
        XIQueryVersion(display_, &major, &minor);
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(bits, XI_ButtonPress);
        XISetMask(bits, XI_ButtonRelease);
        XISetMask(bits, XI_RawMotion);
        XIEventMask mask{deviceId, int(sizeof bits), bits};
        XIGrabDevice(display_, deviceId, DefaultRootWindow(display_), CurrentTime, None, XIGrabModeAsync,
                     XIGrabModeAsync, False, &mask);
        Window root = 0;
        Window child = 0;
        int windowX = 0;
        int windowY = 0;
        int x = 0;
        int y = 0;
        unsigned buttons = 0;
        XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &x, &y, &windowX, &windowY, &buttons);
        x_ = x;
        y_ = y;
        thread_ = std::thread([this] { run(); });
    }

    ~BareProbe()
    {
        std::uint64_t one = 1;
        [[maybe_unused]] auto written = write(stopFd_, &one, sizeof one);
        thread_.join();
        close(stopFd_);
        XCloseDisplay(display_);
    }

    BareProbe(const BareProbe&) = delete;
    BareProbe& operator=(const BareProbe&) = delete;

private:
    void run()
    {
        pollfd entries[2] = {{ConnectionNumber(display_), POLLIN, 0}, {stopFd_, POLLIN, 0}};
        while (true) {
            poll(entries, 2, -1);
            if (entries[1].revents != 0) {
                return;
            }
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type != GenericEvent || !XGetEventData(display_, &event.xcookie)) {
                    continue;
                }
                if (event.xcookie.evtype == XI_RawMotion) {
                    place(*static_cast<const XIRawEvent*>(event.xcookie.data));
                }
                XFreeEventData(display_, &event.xcookie);
            }
        }
    }

    void place(const XIRawEvent& raw)
    {
        const double* value = raw.valuators.values;
        for (int axis = 0; axis < raw.valuators.mask_len * 8 && axis <= 1; ++axis) {
            if (XIMaskIsSet(raw.valuators.mask, axis)) {
                (axis == 0 ? x_ : y_) += *value++;
            }
        }
        XTestFakeMotionEvent(display_, -1, int(std::lround(x_)), int(std::lround(y_)), CurrentTime);
        XFlush(display_);
    }

    Display* display_ = nullptr;
    double x_ = 0; // where the pointer is, with the fraction the server keeps too
    double y_ = 0;
    int stopFd_ = eventfd(0, EFD_CLOEXEC);
    std::thread thread_;
};

// What reading an input event costs any Xlib client: a connection of its own that reads the hand's raw motion
// (sent to it whatever grabs the device) with XNextEvent and XGetEventData, on a thread of its own that counts the
// heap allocations its reads make.
class XlibEventReads {
public:
    explicit XlibEventReads(int deviceId)
    {
        display_ = XOpenDisplay(server().displayName().c_str());
        int major = 2;
        int minor = 2;
        XIQueryVersion(display_, &major, &minor);
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(bits, XI_RawMotion);
        XIEventMask mask{deviceId, int(sizeof bits), bits};
        XISelectEvents(display_, DefaultRootWindow(display_), &mask, 1);
        // Selected once the server has the request: every move from here on reaches this client.
        XSync(display_, False);
        thread_ = std::thread([this] { read(); });
    }

    ~XlibEventReads()
    {
        std::uint64_t one = 1;
        [[maybe_unused]] auto written = write(stopFd_, &one, sizeof one);
        thread_.join();
        close(stopFd_);
        XCloseDisplay(display_);
    }

    XlibEventReads(const XlibEventReads&) = delete;
    XlibEventReads& operator=(const XlibEventReads&) = delete;

    struct Count {
        std::size_t events = 0;
        std::size_t allocations = 0;
    };
    Count count() const { return {events_.load(), allocations_.load()}; }

private:
    void read()
    {
        pollfd entries[2] = {{ConnectionNumber(display_), POLLIN, 0}, {stopFd_, POLLIN, 0}};
        while (true) {
            poll(entries, 2, -1);
            if (entries[1].revents != 0) {
                return;
            }
            const std::size_t before = bench::threadHeapAllocations();
            std::size_t events = 0;
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type == GenericEvent && XGetEventData(display_, &event.xcookie)) {
                    ++events;
                    XFreeEventData(display_, &event.xcookie);
                }
            }
            // Both together, so that a reader never sees events without their allocations.
            allocations_ += bench::threadHeapAllocations() - before;
            events_ += events;
        }
    }

    Display* display_ = nullptr;
    int stopFd_ = eventfd(0, EFD_CLOEXEC);
    std::atomic<std::size_t> events_{0};
    std::atomic<std::size_t> allocations_{0};
    std::thread thread_;
};

double percentile(std::vector<double> values, double fraction)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    auto index = static_cast<std::size_t>(std::ceil(fraction * double(values.size()))) - 1;
    return values[std::min(index, values.size() - 1)];
}

// What stands between the hand and the cursor: nothing, the bare probe, or the backend with what the installer puts
// on its loop.
struct Between {
    bool probe = false;
    Installer install;
};

// The hand going round the circle, one move per period.
class Circle {
public:
    Circle(VirtualHand& hand, ClientWindow& client)
        : hand_(hand)
        , client_(client)
    {
    }

    // Makes the next move and waits for the application to read the motion: how long that took (seconds), or
    // nothing when it did not within `missingAfter`.
    std::optional<double> move()
    {
        client_.collect();
        client_.clear();
        next_ += movePeriod;
        std::this_thread::sleep_until(next_);
        double from = angle_;
        angle_ += stepAngle;
        int dx = int(std::lround(radius * std::cos(angle_)) - std::lround(radius * std::cos(from)));
        int dy = int(std::lround(radius * std::sin(angle_)) - std::lround(radius * std::sin(from)));
        std::uint64_t sent = now();
        hand_.move(dx, dy);
        auto received = client_.waitForEvent(missingAfter);
        if (!received) {
            next_ = std::chrono::steady_clock::now();
            return std::nullopt;
        }
        return double(*received - sent) / 1e9;
    }

private:
    VirtualHand& hand_;
    ClientWindow& client_;
    double angle_ = 0;
    std::chrono::steady_clock::time_point next_ = std::chrono::steady_clock::now();
};

// Moves made before the timed ones while a client of its own reads the hand's events: Xlib's allocations per event.
double xlibAllocationsPerEvent(Circle& circle, int deviceId)
{
    constexpr int moves = 200;
    XlibEventReads reads(deviceId);
    for (int i = 0; i < moves; ++i) {
        circle.move();
    }
    // The last moves' events may still be on their way to the client.
    XlibEventReads::Count count = reads.count();
    for (int wait = 0; wait < 100 && count.events < std::size_t(moves); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        count = reads.count();
    }
    return count.events == 0 ? 0 : double(count.allocations) / double(count.events);
}

void measure(benchmark::State& state, const Between& between)
{
    VirtualHand hand(server().displayName());
    ClientWindow client(server().displayName());
    hand.warpCursor(640 + int(radius), 400);
    std::unique_ptr<BareProbe> probe;
    if (between.probe) {
        probe = std::make_unique<BareProbe>(hand.deviceId());
    }
    std::unique_ptr<BackendThread> backend;
    if (between.install) {
        backend = std::make_unique<BackendThread>(between.install);
    }
    Circle circle(hand, client);
    const double perEvent = xlibAllocationsPerEvent(circle, hand.deviceId());

    std::vector<double> latencies;
    latencies.reserve(std::size_t(state.max_iterations));
    long missing = 0;
    std::size_t heapBefore = backend ? backend->heapAllocations() : 0;
    for (auto _ : state) {
        std::optional<double> seconds = circle.move();
        if (!seconds) {
            ++missing;
            state.SetIterationTime(missingAfter);
            continue;
        }
        state.SetIterationTime(*seconds);
        latencies.push_back(*seconds * 1e6);
    }
    state.counters["median_us"] = percentile(latencies, 0.5);
    state.counters["p99_us"] = percentile(latencies, 0.99);
    state.counters["missing"] = double(missing);
    state.counters["xlib_per_event"] = perEvent;
    if (backend) {
        const double perMove = double(backend->heapAllocations() - heapBefore) / double(state.iterations());
        state.counters["heap_per_move"] = perMove;
        // One allocation in fifty moves is left to rare work that is not the event's (a display's change, a timer).
        if (perEvent == 0 || perMove > perEvent + 0.02) {
            static std::string message;
            // An erring run shows no counters: the message carries the latency too.
            message = "the X11 path allocates " + std::to_string(perMove) + " times per move, Xlib's read of an event "
                + std::to_string(perEvent) + "; latency median " + std::to_string(state.counters["median_us"].value)
                + " us, p99 " + std::to_string(state.counters["p99_us"].value) + " us";
            state.SkipWithError(message.c_str());
        }
    }
}

// The device drives the cursor itself: the X server's own latency, the floor for everything else.
void BM_WithoutBackend(benchmark::State& state)
{
    measure(state, {});
}
BENCHMARK(BM_WithoutBackend)->UseManualTime()->Iterations(3000)->Unit(benchmark::kMicrosecond);

// The least that holding the pointer takes: what the passing tap is measured against.
void BM_BareProbe(benchmark::State& state)
{
    measure(state, {.probe = true, .install = nullptr});
}
BENCHMARK(BM_BareProbe)->UseManualTime()->Iterations(3000)->Unit(benchmark::kMicrosecond);

// A tap that lets every event pass: grabbing, handling and putting the event back.
std::shared_ptr<void> passingTap(X11Backend& backend, PollMainLoop&)
{
    return backend.taps().createTap(system::maskBit(system::EventType::mouseMoved),
                                    [](system::Event&) { return system::TapVerdict::pass; });
}

// The backend holds the device and the passing tap is on it.
void BM_PassingTap(benchmark::State& state)
{
    measure(state, {.install = passingTap});
}
BENCHMARK(BM_PassingTap)->UseManualTime()->Iterations(3000)->Unit(benchmark::kMicrosecond);

// The passing tap against the bare probe, in turns of a few hundred moves each, the order swapped every turn: the
// machine's load, which comes and goes over seconds, then weighs on both alike. ratio_median is the passing tap's
// median latency over the probe's, ratio_mean the same of the means; the latencies themselves are counters too.
void BM_PassingTapAgainstBareProbe(benchmark::State& state)
{
    constexpr int turns = 16;
    constexpr int warmUpMoves = 30; // each turn starts a new holder of the device
    constexpr int movesPerTurn = 250;
    VirtualHand hand(server().displayName());
    ClientWindow client(server().displayName());
    hand.warpCursor(640 + int(radius), 400);
    Circle circle(hand, client);
    std::vector<double> probe;
    std::vector<double> passing;
    long missing = 0;
    auto moves = [&](std::vector<double>& latencies) {
        for (int i = 0; i < warmUpMoves; ++i) {
            circle.move();
        }
        for (int i = 0; i < movesPerTurn; ++i) {
            if (std::optional<double> seconds = circle.move()) {
                latencies.push_back(*seconds * 1e6);
            } else {
                ++missing;
            }
        }
    };
    auto probeTurn = [&] {
        BareProbe holder(hand.deviceId());
        moves(probe);
    };
    auto passingTurn = [&] {
        BackendThread holder(passingTap);
        moves(passing);
    };
    for (auto _ : state) {
        for (int turn = 0; turn < turns; ++turn) {
            if (turn % 2 == 0) {
                probeTurn();
                passingTurn();
            } else {
                passingTurn();
                probeTurn();
            }
        }
    }
    auto mean = [](const std::vector<double>& values) {
        double sum = 0;
        for (double value : values) {
            sum += value;
        }
        return values.empty() ? 0 : sum / double(values.size());
    };
    const double probeMedian = percentile(probe, 0.5);
    state.counters["probe_median_us"] = probeMedian;
    state.counters["passing_median_us"] = percentile(passing, 0.5);
    state.counters["ratio_median"] = probeMedian > 0 ? percentile(passing, 0.5) / probeMedian : 0;
    state.counters["ratio_mean"] = mean(probe) > 0 ? mean(passing) / mean(probe) : 0;
    state.counters["missing"] = double(missing);
}
BENCHMARK(BM_PassingTapAgainstBareProbe)->Iterations(1)->Unit(benchmark::kSecond);

// The pointer tap steadying with the balanced preset: the application receives the tap's steadied moves, posted
// or written into the passing events.
void BM_SteadyingPointerTap(benchmark::State& state)
{
    measure(state, {.install = [](X11Backend& backend, PollMainLoop& loop) -> std::shared_ptr<void> {
                auto tap = std::make_shared<PointerTap>(
                    backend.pointerSystem(loop), FilterPreset::balanced().parameters, ClickGuard::Settings::off());
                tap->start();
                return tap;
            }});
}
BENCHMARK(BM_SteadyingPointerTap)->UseManualTime()->Iterations(3000)->Unit(benchmark::kMicrosecond);

} // namespace
