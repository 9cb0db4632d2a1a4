// Latency of the backend on the kernel's input devices: from the moment the hand's device event is written into the
// kernel to the moment a reader of our virtual device (the compositor's place) reads the steadied motion, beside a
// bare forwarding loop on the same kernel in the same run (take the hand, read an event, write it to a uinput
// device, nothing else). Each iteration is one move of 10 points to the right. allocations_per_event counts the
// allocations of our own code (operator new); libinput's own mallocs are in heap_per_event. Needs /dev/uinput and
// udev: run it in the virtual machine,
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

#include <poll.h>

#include <chrono>
#include <cstdlib>
#include <memory>

namespace {

using namespace quellarine;
using namespace quellarine::devices;
using namespace quellarine::devices::testing;

bool waitReadable(int fd)
{
    pollfd entry{fd, POLLIN, 0};
    return poll(&entry, 1, 1000) > 0;
}

// A uinput device made with nothing but the kernel's calls, for the bare loop.
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

void BM_BareForwardingLoop(benchmark::State& state)
{
    UinputHand hand;
    const int in = open(hand.node().c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ioctl(in, EVIOCGRAB, reinterpret_cast<void*>(1));
    const int out = bareOutput();
    std::array<char, 64> name{};
    ioctl(out, UI_GET_SYSNAME(name.size()), name.data());
    EvdevReader reader(eventNodeOf(name.data()));
    std::array<input_event, 8> events{};
    for (auto _ : state) {
        hand.move(10, 0);
        waitReadable(in);
        const ssize_t got = read(in, events.data(), sizeof events);
        [[maybe_unused]] ssize_t written = write(out, events.data(), static_cast<std::size_t>(got));
        waitReadable(reader.fileDescriptor());
        reader.clear();
    }
    ioctl(out, UI_DEV_DESTROY);
    close(out);
    close(in);
}
BENCHMARK(BM_BareForwardingLoop)->Unit(benchmark::kMicrosecond)->Iterations(3000)->UseRealTime();

void BM_SteadiedByTheBackend(benchmark::State& state)
{
    UinputHand hand;
    if (std::system("udevadm settle -t 10") != 0) {
        state.SkipWithError("udev is not running");
        return;
    }
    DevicesBackend backend;
    backends::PollMainLoop loop(backend.clock());
    PointerTap tap(backend.pointerSystem(loop), FilterPreset::balanced().parameters, ClickGuard::Settings::off());
    tap.start();
    EvdevReader reader(eventNodeOf(backend.outputSysName()));
    auto step = [&] {
        hand.move(10, 0);
        waitReadable(backend.fileDescriptor());
        backend.processPendingEvents();
        waitReadable(reader.fileDescriptor());
        reader.clear(); // keeps what it has room for: nothing here allocates per event
    };
    for (int i = 0; i < 200; ++i) {
        step(); // the filter comes up to speed, and whatever is made once is made
    }
    const std::size_t allocationsBefore = bench::allocationCount();
    const std::size_t heapBefore = bench::threadHeapAllocations();
    for (auto _ : state) {
        step();
    }
    const auto events = static_cast<double>(state.iterations());
    state.counters["heap_per_event"] = double(bench::threadHeapAllocations() - heapBefore) / events;
    state.counters["allocations_per_event"] = double(bench::allocationCount() - allocationsBefore) / events;
    bench::requireNoAllocations(state, allocationsBefore, "allocation in our code per event");
}
BENCHMARK(BM_SteadiedByTheBackend)->Unit(benchmark::kMicrosecond)->Iterations(3000)->UseRealTime();

} // namespace
