// Latency of the backend on the kernel's input devices: from the moment the hand's device event is written into the
// kernel to the moment a reader of our virtual device (the compositor's place) reads the motion, beside bare
// forwarding loops on the same kernel in the same run. Each iteration is one move of 10 points to the right.
//
// The comparison that counts is with the bare loop that reads the hand through libinput as the backend does (take
// the device in open_restricted, dispatch, write each motion's unaccelerated delta to a uinput device, nothing
// else): the ratio `vs_bare_libinput` (of medians) is what our path adds, the tap, the filter and the posting. The
// loop on raw evdev (read, write the same bytes) shows what libinput itself costs. Our frames reach uinput through
// the device helper, another process; the same bare loop handing its frames to a writing process shows what that
// hop alone costs here (`vs_bare_through_a_process`): under emulation a process wake-up is most of it.
// bench/ProcessHopBench times the same hop on the machine's own kernel, where the virtual machine is emulated.
//
// allocations_per_event counts the allocations of our own code (operator new), which must be none; libinput's own
// mallocs are in heap_per_event. Needs /dev/uinput and udev: run it in the virtual machine,
//
//   scripts/vm/kernel-tests build bench

#include "Backends/Devices/DevicesBackend.h"
#include "Backends/Common/PollMainLoop.h"
#include "QuellarineKit/Pointer/ClickGuard.h"
#include "QuellarineKit/Pointer/FilterPreset.h"
#include "QuellarineKit/Pointer/PointerTap.h"
#include "support/AllocationCounter.h"
#include "tests/Backends/Devices/KernelDevices.h"

#include <benchmark/benchmark.h>

#include <libinput.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using namespace quellarine;
using namespace quellarine::devices;
using namespace quellarine::devices::testing;
using Clock = std::chrono::steady_clock;

constexpr int warmUpMoves = 200;

bool waitReadable(int fd, int milliseconds = 1000)
{
    pollfd entry{fd, POLLIN, 0};
    return poll(&entry, 1, milliseconds) > 0;
}

// How long a move may take to come out before it counts as missed: the emulated machine stalls now and then on a
// busy host, and a stall past half a second has the watchdog give the hand back, so that move never comes out.
constexpr int outputWait = 200;

bool udevSettled()
{
    return std::system("udevadm settle -t 10") == 0;
}

// A uinput device made with nothing but the kernel's calls, for the bare loops.
int bareOutput()
{
    const int fd = open("/dev/uinput", O_WRONLY | O_CLOEXEC);
    ioctl(fd, UI_SET_EVBIT, EV_REL);
    ioctl(fd, UI_SET_RELBIT, REL_X);
    ioctl(fd, UI_SET_RELBIT, REL_Y);
    ioctl(fd, UI_SET_EVBIT, EV_KEY);
    ioctl(fd, UI_SET_KEYBIT, BTN_LEFT);
    uinput_setup setup{};
    std::strncpy(setup.name, "bare forwarding loop", sizeof setup.name - 1);
    setup.id.bustype = BUS_VIRTUAL;
    ioctl(fd, UI_DEV_SETUP, &setup);
    ioctl(fd, UI_DEV_CREATE);
    return fd;
}

std::string sysNameOf(int uinputFd)
{
    std::array<char, 64> name{};
    ioctl(uinputFd, UI_GET_SYSNAME(name.size()), name.data());
    return name.data();
}

// The time of each move, kept in room made beforehand; the median is steadier than the mean on an emulated
// machine that other work interrupts.
class MoveTimes {
public:
    explicit MoveTimes(std::size_t moves) { seconds_.reserve(moves); }
    template <typename Step>
    void time(Step&& step)
    {
        const auto start = Clock::now();
        step();
        seconds_.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    }
    double medianMicroseconds()
    {
        if (seconds_.empty()) {
            return 0;
        }
        const auto middle = seconds_.begin() + static_cast<std::ptrdiff_t>(seconds_.size() / 2);
        std::nth_element(seconds_.begin(), middle, seconds_.end());
        return *middle * 1e6;
    }

private:
    std::vector<double> seconds_;
};

constexpr std::size_t moves = 3000;
// The bare libinput loop's medians, writing itself and through another process, for the backend's ratios in the
// same run.
double bareLibinputMedian = 0;
double bareThroughAProcessMedian = 0;

void BM_BareLoopOnRawEvdev(benchmark::State& state)
{
    UinputHand hand;
    const int in = open(hand.node().c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ioctl(in, EVIOCGRAB, reinterpret_cast<void*>(1));
    const int out = bareOutput();
    EvdevReader reader(eventNodeOf(sysNameOf(out)));
    std::array<input_event, 8> events{};
    MoveTimes times(moves);
    for (auto _ : state) {
        times.time([&] {
            hand.move(10, 0);
            waitReadable(in);
            const ssize_t got = read(in, events.data(), sizeof events);
            [[maybe_unused]] ssize_t written = write(out, events.data(), static_cast<std::size_t>(got));
            waitReadable(reader.fileDescriptor(), outputWait);
            reader.clear();
        });
    }
    state.counters["median_us"] = times.medianMicroseconds();
    ioctl(out, UI_DEV_DESTROY);
    close(out);
    close(in);
}
BENCHMARK(BM_BareLoopOnRawEvdev)->Unit(benchmark::kMicrosecond)->Iterations(moves)->UseRealTime();

int openAndTake(const char* path, int flags, void* /*data*/)
{
    const int fd = open(path, flags | O_CLOEXEC);
    if (fd < 0) {
        return -errno;
    }
    ioctl(fd, EVIOCGRAB, reinterpret_cast<void*>(1));
    return fd;
}

void closeTaken(int fd, void* /*data*/)
{
    close(fd);
}

const libinput_interface takingInterface{&openAndTake, &closeTaken};

// With argument 1 the loop hands each frame to another process that writes it, over a socket pair, as the backend
// hands its frames to the device helper: what that hop costs on this machine whatever the writer does.
void BM_BareLoopOnLibinput(benchmark::State& state)
{
    const bool throughAProcess = state.range(0) != 0;
    UinputHand hand;
    if (!udevSettled()) {
        state.SkipWithError("udev is not running");
        return;
    }
    libinput* context = libinput_path_create_context(&takingInterface, nullptr);
    if (libinput_path_add_device(context, hand.node().c_str()) == nullptr) {
        state.SkipWithError("libinput does not take the hand");
        libinput_unref(context);
        return;
    }
    const int out = bareOutput();
    EvdevReader reader(eventNodeOf(sysNameOf(out)));
    int ends[2] = {-1, -1};
    pid_t writer = -1;
    if (throughAProcess) {
        socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends);
        writer = fork();
        if (writer == 0) {
            close(ends[0]); // its end stays the parent's alone, which ends the loop by closing it
            std::array<input_event, 8> frame{};
            ssize_t got = 0;
            while ((got = recv(ends[1], frame.data(), sizeof frame, 0)) > 0) {
                [[maybe_unused]] ssize_t written = write(out, frame.data(), static_cast<std::size_t>(got));
            }
            _exit(0);
        }
        close(ends[1]);
    }
    const int sink = throughAProcess ? ends[0] : out;
    auto forward = [&] {
        libinput_dispatch(context);
        while (libinput_event* event = libinput_get_event(context)) {
            if (libinput_event_get_type(event) == LIBINPUT_EVENT_POINTER_MOTION) {
                libinput_event_pointer* pointer = libinput_event_get_pointer_event(event);
                const auto dx
                    = static_cast<std::int32_t>(std::lround(libinput_event_pointer_get_dx_unaccelerated(pointer)));
                const auto dy
                    = static_cast<std::int32_t>(std::lround(libinput_event_pointer_get_dy_unaccelerated(pointer)));
                const std::array<input_event, 3> frame{input_event{{}, EV_REL, REL_X, dx},
                                                       input_event{{}, EV_REL, REL_Y, dy},
                                                       input_event{{}, EV_SYN, SYN_REPORT, 0}};
                [[maybe_unused]] ssize_t written = write(sink, frame.data(), sizeof frame);
            }
            libinput_event_destroy(event);
        }
    };
    auto step = [&] {
        hand.move(10, 0);
        waitReadable(libinput_get_fd(context));
        forward();
        waitReadable(reader.fileDescriptor(), outputWait);
        reader.clear();
    };
    forward(); // the device's arrival
    for (int i = 0; i < warmUpMoves; ++i) {
        step();
    }
    MoveTimes times(moves);
    for (auto _ : state) {
        times.time(step);
    }
    (throughAProcess ? bareThroughAProcessMedian : bareLibinputMedian) = times.medianMicroseconds();
    state.counters["median_us"] = times.medianMicroseconds();
    if (throughAProcess) {
        close(ends[0]);
        waitpid(writer, nullptr, 0);
    }
    libinput_unref(context);
    ioctl(out, UI_DEV_DESTROY);
    close(out);
}
BENCHMARK(BM_BareLoopOnLibinput)
    ->ArgName("through_a_process")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(moves)
    ->UseRealTime();

// Through the backend and the pointer tap: steadied (argument 1) or with steadying off (0), which leaves the
// backend's own plumbing.
void BM_ThroughTheBackend(benchmark::State& state)
{
    UinputHand hand;
    if (!udevSettled()) {
        state.SkipWithError("udev is not running");
        return;
    }
    DevicesBackend backend({.helperPath = QUELLARINE_DEVICE_HELPER, .log = {}});
    backends::PollMainLoop loop(backend.clock());
    PointerTap tap(backend.pointerSystem(loop), FilterPreset::balanced().parameters, ClickGuard::Settings::off());
    tap.setFiltering(state.range(0) != 0);
    tap.start();
    // The hand's events come out of its twin, made when the hand was taken.
    EvdevReader reader(twinNodeOf(hand.name(), hand.sysName()));
    int missed = 0;
    auto step = [&] {
        hand.move(10, 0);
        waitReadable(backend.fileDescriptor());
        backend.processPendingEvents();
        if (!waitReadable(reader.fileDescriptor(), outputWait)) {
            ++missed;
        }
        reader.clear(); // keeps what it has room for: nothing here allocates per event
    };
    for (int i = 0; i < warmUpMoves; ++i) {
        step(); // the filter comes up to speed, and whatever is made once is made
    }
    MoveTimes times(moves);
    missed = 0;
    const std::size_t allocationsBefore = bench::startAllocationTrace();
    const std::size_t heapBefore = bench::threadHeapAllocations();
    for (auto _ : state) {
        times.time(step);
    }
    // Checked before the counters are written: adding one to the run's list allocates.
    const std::size_t heapAfter = bench::threadHeapAllocations();
    const std::size_t allocations = bench::allocationCount() - allocationsBefore;
    bench::requireNoAllocations(state, allocationsBefore, "allocation in our code per event");
    const auto events = static_cast<double>(state.iterations());
    state.counters["heap_per_event"] = double(heapAfter - heapBefore) / events;
    state.counters["allocations_per_event"] = double(allocations) / events;
    const double median = times.medianMicroseconds();
    state.counters["median_us"] = median;
    state.counters["missed"] = missed;
    if (bareLibinputMedian > 0) {
        state.counters["vs_bare_libinput"] = median / bareLibinputMedian;
    }
    if (bareThroughAProcessMedian > 0) {
        state.counters["vs_bare_through_a_process"] = median / bareThroughAProcessMedian;
    }
}
BENCHMARK(BM_ThroughTheBackend)
    ->ArgName("steadied")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(moves)
    ->UseRealTime();

} // namespace
