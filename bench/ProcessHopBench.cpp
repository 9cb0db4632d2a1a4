// What handing each frame to another process costs on the kernel this runs on: the device helper's hop, as
// bench/DevicesLatencyBench times it in the virtual machine, without the input devices. So it runs on this machine's
// own kernel at the processor's own speed, also where the virtual machine can only be emulated, and there a process
// wake-up costs many times what it costs on a processor.
//
// A frame (three input events) goes from the hand, this thread, to a forwarding process that waits for it as the
// pointer thread waits for its devices. The forwarder sends it on to the reader, this thread again, either itself,
// as the application wrote to uinput before the helper, or (through_a_process:1) through one more process, which
// waits in poll() and then receives it as the device helper does. pause_us spaces the frames as a mouse reporting at
// 1 kHz does (1000), or not at all (0): between a mouse's reports the processors may sleep, and a sleeping one is
// slower to wake. vs_direct is the ratio of medians to the same pause without the extra process.
//
//   build/bench/ProcessHopBench

#include <benchmark/benchmark.h>

#include <linux/input.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <initializer_list>
#include <map>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int warmUpFrames = 200;
constexpr int frames = 5000;

// Medians without the extra process, by pause, for the ratios.
std::map<std::int64_t, double> directMedians;

// The forwarder's and the helper's loop: waits, receives, sends on, until the sending side goes away.
[[noreturn]] void forward(int in, int out)
{
    std::array<unsigned char, 256> frame{};
    pollfd waiting{in, POLLIN, 0};
    for (;;) {
        if (poll(&waiting, 1, -1) < 0 && errno == EINTR) {
            continue;
        }
        const ssize_t got = recv(in, frame.data(), frame.size(), 0);
        if (got <= 0) {
            _exit(0);
        }
        [[maybe_unused]] ssize_t sent = send(out, frame.data(), static_cast<std::size_t>(got), MSG_NOSIGNAL);
    }
}

// A process forwarding from `in` to `out` that holds no other end, so that each ends when the one before it does.
pid_t startForwarding(int in, int out, std::initializer_list<int> notItsOwn)
{
    const pid_t child = fork();
    if (child == 0) {
        for (const int end : notItsOwn) {
            close(end);
        }
        forward(in, out);
    }
    return child;
}

void BM_HandOnAFrame(benchmark::State& state)
{
    const bool throughAProcess = state.range(0) != 0;
    const auto pause = std::chrono::microseconds(state.range(1));
    int hand[2];
    int reader[2];
    int hop[2] = {-1, -1};
    socketpair(AF_UNIX, SOCK_SEQPACKET, 0, hand);
    socketpair(AF_UNIX, SOCK_SEQPACKET, 0, reader);
    std::vector<pid_t> children;
    if (throughAProcess) {
        socketpair(AF_UNIX, SOCK_SEQPACKET, 0, hop);
        children.push_back(startForwarding(hop[1], reader[0], {hand[0], hand[1], hop[0], reader[1]}));
        children.push_back(startForwarding(hand[1], hop[0], {hand[0], hop[1], reader[0], reader[1]}));
        close(hop[0]);
        close(hop[1]);
    } else {
        children.push_back(startForwarding(hand[1], reader[0], {hand[0], reader[1]}));
    }
    close(hand[1]);
    close(reader[0]);

    const std::array<input_event, 3> frame{input_event{{}, EV_REL, REL_X, 10}, input_event{{}, EV_REL, REL_Y, 0},
                                           input_event{{}, EV_SYN, SYN_REPORT, 0}};
    std::array<unsigned char, 256> arrived{};
    pollfd arrival{reader[1], POLLIN, 0};
    auto step = [&] {
        std::this_thread::sleep_for(pause);
        const auto start = Clock::now();
        [[maybe_unused]] ssize_t sent = send(hand[0], frame.data(), sizeof frame, 0);
        poll(&arrival, 1, 1000);
        [[maybe_unused]] ssize_t got = recv(reader[1], arrived.data(), arrived.size(), MSG_DONTWAIT);
        return std::chrono::duration<double>(Clock::now() - start).count();
    };
    for (int i = 0; i < warmUpFrames; ++i) {
        step();
    }
    std::vector<double> seconds;
    seconds.reserve(frames);
    for (auto _ : state) {
        seconds.push_back(step());
        state.SetIterationTime(seconds.back());
    }
    close(hand[0]);
    close(reader[1]);
    for (const pid_t child : children) {
        waitpid(child, nullptr, 0);
    }

    const auto middle = seconds.begin() + static_cast<std::ptrdiff_t>(seconds.size() / 2);
    std::nth_element(seconds.begin(), middle, seconds.end());
    const double median = *middle * 1e6;
    state.counters["median_us"] = median;
    if (!throughAProcess) {
        directMedians[state.range(1)] = median;
    } else if (directMedians.count(state.range(1)) != 0) {
        state.counters["vs_direct"] = median / directMedians[state.range(1)];
    }
}
BENCHMARK(BM_HandOnAFrame)
    ->ArgNames({"through_a_process", "pause_us"})
    ->ArgsProduct({{0, 1}, {0, 1000}})
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(frames)
    ->UseManualTime();

} // namespace
