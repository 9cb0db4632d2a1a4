// Latency of the X11 backend on a private Xvfb: from the moment the user's device event is handed to the X server
// to the moment an application reads the motion that results. Each iteration is one device move of a hand going
// round a circle at 1000 moves per second; the reported time per iteration is that latency, with its median and
// 99th percentile as counters (microseconds). Compare the runs with the backend against the one without it: the
// difference is what steadying the pointer costs in responsiveness. The counter heap_per_move is the number of heap
// allocations the backend's thread makes per device move (Xlib's and xcb's included); xlib_per_event is what any
// Xlib client allocates to read one input event (XNextEvent and XGetEventData), measured in the same run by a client
// of its own. The backend must read the device's event for each move and need allocate nothing else: a run where
// heap_per_move exceeds xlib_per_event fails with an error.
//
//   build/bench/X11LatencyBench
//
// The figures move with the machine's load and with where the scheduler puts the X server, the backend and the
// application (one processor for all, or a hop between processors at each step): compare two builds in runs made
// alternately, pinned to the same processors (taskset), several times over.

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
            X11Backend backend(server().displayName().c_str());
            PollMainLoop loop(backend.clock());
            loop.watch(backend.fileDescriptor(), [&] { backend.processPendingEvents(); });
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

// What reading an input event costs any Xlib client: a connection of its own that reads every device's raw motion
// (sent to it whatever grabs the device) with XNextEvent and XGetEventData, on a thread of its own that counts the
// heap allocations its reads make.
class XlibEventReads {
public:
    XlibEventReads()
    {
        display_ = XOpenDisplay(server().displayName().c_str());
        int major = 2;
        int minor = 2;
        XIQueryVersion(display_, &major, &minor);
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(bits, XI_RawMotion);
        XIEventMask mask{XIAllDevices, int(sizeof bits), bits};
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

void measure(benchmark::State& state, const Installer& install)
{
    VirtualHand hand(server().displayName());
    ClientWindow client(server().displayName());
    XlibEventReads reads;
    hand.warpCursor(640 + int(radius), 400);
    std::unique_ptr<BackendThread> backend;
    if (install) {
        backend = std::make_unique<BackendThread>(install);
    }

    std::vector<double> latencies;
    latencies.reserve(std::size_t(state.max_iterations));
    long missing = 0;
    double angle = 0;
    std::size_t heapBefore = backend ? backend->heapAllocations() : 0;
    const XlibEventReads::Count readsBefore = reads.count();
    auto next = std::chrono::steady_clock::now();
    for (auto _ : state) {
        client.collect();
        client.clear();
        next += movePeriod;
        std::this_thread::sleep_until(next);
        double from = angle;
        angle += stepAngle;
        int dx = int(std::lround(radius * std::cos(angle)) - std::lround(radius * std::cos(from)));
        int dy = int(std::lround(radius * std::sin(angle)) - std::lround(radius * std::sin(from)));
        std::uint64_t sent = now();
        hand.move(dx, dy);
        auto received = client.waitForEvent(missingAfter);
        if (!received) {
            ++missing;
            state.SetIterationTime(missingAfter);
            next = std::chrono::steady_clock::now();
            continue;
        }
        double seconds = double(*received - sent) / 1e9;
        state.SetIterationTime(seconds);
        latencies.push_back(seconds * 1e6);
    }
    state.counters["median_us"] = percentile(latencies, 0.5);
    state.counters["p99_us"] = percentile(latencies, 0.99);
    state.counters["missing"] = double(missing);
    const XlibEventReads::Count readsAfter = reads.count();
    const std::size_t events = readsAfter.events - readsBefore.events;
    const double perEvent = events == 0 ? 0 : double(readsAfter.allocations - readsBefore.allocations) / double(events);
    state.counters["xlib_per_event"] = perEvent;
    if (backend) {
        const double perMove = double(backend->heapAllocations() - heapBefore) / double(state.iterations());
        state.counters["heap_per_move"] = perMove;
        // One allocation in fifty moves is left to rare work that is not the event's (a display's change, a timer).
        if (events == 0 || perMove > perEvent + 0.02) {
            static std::string message;
            // An erring run shows no counters: the message carries the latency too.
            message = "the X11 path allocates " + std::to_string(perMove) + " times per move, Xlib's read of an event "
                + std::to_string(perEvent) + " (" + std::to_string(events) + " events read); latency median "
                + std::to_string(state.counters["median_us"].value) + " us, p99 "
                + std::to_string(state.counters["p99_us"].value) + " us";
            state.SkipWithError(message.c_str());
        }
    }
}

// The device drives the cursor itself: the X server's own latency, the floor for everything else.
void BM_WithoutBackend(benchmark::State& state)
{
    measure(state, nullptr);
}
BENCHMARK(BM_WithoutBackend)->UseManualTime()->Iterations(3000)->Unit(benchmark::kMicrosecond);

// The backend holds the device and a tap lets every event pass: grabbing, handling and putting the event back.
void BM_PassingTap(benchmark::State& state)
{
    measure(state, [](X11Backend& backend, PollMainLoop&) -> std::shared_ptr<void> {
        return backend.taps().createTap(system::maskBit(system::EventType::mouseMoved),
                                        [](system::Event&) { return system::TapVerdict::pass; });
    });
}
BENCHMARK(BM_PassingTap)->UseManualTime()->Iterations(3000)->Unit(benchmark::kMicrosecond);

// The pointer tap steadying with the balanced preset: the application receives the tap's steadied moves, posted
// or written into the passing events.
void BM_SteadyingPointerTap(benchmark::State& state)
{
    measure(state, [](X11Backend& backend, PollMainLoop& loop) -> std::shared_ptr<void> {
        auto tap = std::make_shared<PointerTap>(backend.pointerSystem(loop), FilterPreset::balanced().parameters,
                                                ClickGuard::Settings::off());
        tap->start();
        return tap;
    });
}
BENCHMARK(BM_SteadyingPointerTap)->UseManualTime()->Iterations(3000)->Unit(benchmark::kMicrosecond);

} // namespace
