// The real application on a private desktop (Xvfb and a window manager), with the user's hand on the pointer while
// the application's window works: how late the pointer's motion reaches another application's window, and how
// often the application wakes while nothing moves.
//
//   build/bench/ApplicationLatencyBench                                      (about 5 minutes)
//   build/bench/ApplicationLatencyBench --benchmark_filter=WakeUps           (the rest alone)
//   taskset -c 4-7 build/bench/ApplicationLatencyBench                       (pinned, as the figures compare)
//
// The hand moves every 8 ms (a 125 Hz mouse) round a circle. An application window over the whole screen records
// every pointer motion it reads; each move's delay runs from the moment the hand's event went to the X server to
// the moment that window read a motion that has the move in it. With smoothing off the pointer goes exactly where
// the hand does, so a motion is matched to its move by position; with smoothing on, a move counts as arrived at the
// first motion read after it (a lower bound, exact while each move yields one motion). Counters: the median, 99th
// percentile and largest delay of the run (ms), and for the page switches (a sidebar arrow key every 2 s, the
// window's title naming the page shown) the median and largest of each switch's worst delay, how many switches
// delayed a move by more than 50 ms, and the most moves one switch left more than 20 ms late. The time column is
// the median delay. Benchmarks that end early with an error say what never happened.
//
// The figures move with the machine's load; compare builds in runs made alternately on the same processors.

#include "Backends/X11/Testing/ApplicationProcess.h"
#include "Backends/X11/Testing/ClientWindow.h"
#include "Backends/X11/Testing/ShownWindows.h"
#include "Backends/X11/Testing/VirtualHand.h"
#include "Backends/X11/Testing/WindowManager.h"
#include "Backends/X11/Testing/XvfbServer.h"
#include "QuellarineKit/Calibration/CalibrationResult.h"

#include <benchmark/benchmark.h>

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <nlohmann/json.hpp>
#include <poll.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace quellarine;
using namespace quellarine::x11::testing;
using SteadyClock = std::chrono::steady_clock;

constexpr auto handPeriod = std::chrono::milliseconds(8);
constexpr double radius = 200;
constexpr double stepAngle = 0.04; // about 8 pixels a move, 157 moves a turn
// A motion is matched against this many moves ahead of the first unanswered one: less than a turn of the circle.
constexpr std::size_t matchHorizon = 150;
constexpr auto switchPeriod = std::chrono::seconds(2);
constexpr int measuredSwitches = 24;
constexpr auto leadIn = std::chrono::seconds(1);
constexpr auto baselineDuration = std::chrono::seconds(20);
constexpr double startTimeout = 30;
constexpr double pageTimeout = 10;
// After the window closed, start-up work (fonts, the first timers) ends before the rest is counted.
constexpr auto settling = std::chrono::seconds(5);
constexpr auto restDuration = std::chrono::seconds(30);

const std::string appName = " \u2014 Quellarine"; // the desktop adds it to the page's name in the title

std::uint64_t now()
{
    timespec time{};
    clock_gettime(CLOCK_MONOTONIC, &time);
    return std::uint64_t(time.tv_sec) * 1'000'000'000u + std::uint64_t(time.tv_nsec);
}

// One desktop for the whole program: the X server and its window manager.
struct Desktop {
    XvfbServer server;
    WindowManager manager{server.displayName()};

    static Desktop& shared()
    {
        static Desktop desktop;
        return desktop;
    }

    Desktop()
    {
        // The application's and the manager's windows come and go while this program looks at them: a request about
        // one that has gone fails, and says so by its answer, rather than ending the program (Xlib's default).
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    }
};

// A last calibration result in the settings, so that the calibration page shows it.
std::string storedCalibration()
{
    CalibrationResult result;
    result.rhythm = 5.3;
    result.shake = 2.4;
    result.press = 0.14;
    result.slip = 1.5;
    result.scores = {{FilterPreset::ID::strong, 0.21, 18},
                     {FilterPreset::ID::balanced, 0.34, 11},
                     {FilterPreset::ID::gentle, 0.55, 6}};
    result.suggested = FilterPreset::ID::strong;
    result.date = 790'000'000;
    std::string json = nlohmann::json(result).dump();
    // The settings file keeps bytes as @ByteArray(...), quoted, with its quotes escaped.
    std::string escaped;
    for (char c : json) {
        if (c == '"' || c == '\\') {
            escaped += '\\';
        }
        escaped += c;
    }
    return "profile.calibration=\"@ByteArray(" + escaped + ")\"\n";
}

std::string settingsFor(bool steadying)
{
    return std::string("welcomed=true\n") + (steadying ? "preset=balanced\n" : "filterOn=false\n")
        + storedCalibration();
}

// The application started for one benchmark run, with its main window in front and the keyboard on it.
class Session {
public:
    explicit Session(const std::string& settings)
        : app_(QUELLARINE_APP, display(), settings)
    {
    }

    static const std::string& display() { return Desktop::shared().server.displayName(); }

    // Empty when the application runs with the pointer taken and its main window focused; else what is missing.
    std::string waitUntilReady()
    {
        if (!windows_.waitFor([&] { return hand_.isGrabbed(); }, startTimeout)) {
            return "the application never took the pointer";
        }
        if (!windows_.waitFor([&] { return (main_ = windows_.titled("Overview" + appName)) != 0; }, startTimeout)) {
            return "the main window never showed";
        }
        windows_.watch(main_);
        if (!windows_.waitFor([&] { return windows_.hasFocus(main_); }, startTimeout)) {
            return "the main window never had the keyboard";
        }
        return {};
    }

    ApplicationProcess& app() { return app_; }
    VirtualHand& hand() { return hand_; }
    ShownWindows& windows() { return windows_; }
    Window mainWindow() const { return main_; }

private:
    ApplicationProcess app_;
    VirtualHand hand_{display()};
    ShownWindows windows_{display()};
    Window main_ = 0;
};

// A key pressed and released through the test extension, on a connection of its own.
class Keyboard {
public:
    Keyboard()
        : display_(XOpenDisplay(Session::display().c_str()))
    {
    }
    ~Keyboard() { XCloseDisplay(display_); }
    Keyboard(const Keyboard&) = delete;
    Keyboard& operator=(const Keyboard&) = delete;

    void tap(KeySym symbol)
    {
        const KeyCode code = XKeysymToKeycode(display_, symbol);
        XTestFakeKeyEvent(display_, code, True, CurrentTime);
        XTestFakeKeyEvent(display_, code, False, CurrentTime);
        XFlush(display_);
    }

private:
    Display* display_;
};

// Sidebar moves from the Help page and the page each one shows: Help and "Why it works", the calibration page with
// its last result, Help and Feedback.
struct Step {
    KeySym key;
    const char* page;
};
constexpr Step toHelp[] = {{XK_Down, "Tuned to your hand"}, {XK_Down, "Why it works"}, {XK_Down, "Help"}};
constexpr Step cycle[] = {{XK_Up, "Why it works"}, {XK_Up, "Tuned to your hand"}, {XK_Down, "Why it works"},
                          {XK_Down, "Help"},       {XK_Down, "Feedback"},         {XK_Up, "Help"}};

// The application window over the whole screen, read on a thread of its own so that a motion's time is when it
// arrived, not when the hand had a moment.
class MotionRecorder {
public:
    MotionRecorder()
    {
        // Over the application's window, where the pointer goes.
        client_.raiseIfCovered();
        thread_ = std::thread([this] {
            auto raisedAt = SteadyClock::now();
            while (!stop_) {
                pollfd entry{client_.fileDescriptor(), POLLIN, 0};
                poll(&entry, 1, 20);
                client_.collect();
                if (SteadyClock::now() - raisedAt > std::chrono::milliseconds(500)) {
                    raises_ += client_.raiseIfCovered() ? 1 : 0;
                    raisedAt = SteadyClock::now();
                }
            }
            client_.sync();
        });
    }

    ~MotionRecorder() { stop(); }
    MotionRecorder(const MotionRecorder&) = delete;
    MotionRecorder& operator=(const MotionRecorder&) = delete;

    void stop()
    {
        stop_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
    }

    // After stop().
    std::vector<ClientWindow::Received> motions() const { return client_.motions(); }
    int raises() const { return raises_; }

private:
    ClientWindow client_{Session::display()};
    std::atomic<bool> stop_{false};
    int raises_ = 0;
    std::thread thread_;
};

struct Move {
    std::uint64_t sent = 0;
    Point target;
};

// Plays the hand round the circle until `until` says stop; returns each move's time and where it sends the cursor.
template <typename Until>
std::vector<Move> playHand(VirtualHand& hand, Until until)
{
    const Point centre{640, 400};
    hand.warpCursor(int(centre.x + radius), int(centre.y));
    std::vector<Move> moves;
    moves.reserve(10'000);
    double angle = 0;
    const auto begin = SteadyClock::now();
    for (std::size_t step = 1; !until(); ++step) {
        std::this_thread::sleep_until(begin + step * handPeriod);
        const double from = angle;
        angle += stepAngle;
        const int dx = int(std::lround(radius * std::cos(angle)) - std::lround(radius * std::cos(from)));
        const int dy = int(std::lround(radius * std::sin(angle)) - std::lround(radius * std::sin(from)));
        const std::uint64_t sent = now();
        hand.move(dx, dy);
        moves.push_back(
            {sent, centre + Vector{std::round(radius * std::cos(angle)), std::round(radius * std::sin(angle))}});
    }
    return moves;
}

// Each move's delay in milliseconds, none for a move no motion answered.
std::vector<std::optional<double>> delays(const std::vector<Move>& moves,
                                          const std::vector<ClientWindow::Received>& motions, bool byPosition)
{
    std::vector<std::optional<double>> found(moves.size());
    std::size_t next = 0; // the first move not yet answered
    for (const auto& motion : motions) {
        std::size_t answered = next;
        if (byPosition) {
            // The motion shows the hand's move `k`: every move up to it has arrived.
            const std::size_t end = std::min(moves.size(), next + matchHorizon);
            std::size_t k = next;
            while (k < end && !(moves[k].target == motion.location && moves[k].sent <= motion.nanoseconds)) {
                ++k;
            }
            answered = k < end ? k + 1 : next;
        } else {
            while (answered < moves.size() && moves[answered].sent <= motion.nanoseconds) {
                ++answered;
            }
        }
        for (; next < answered; ++next) {
            found[next] = double(motion.nanoseconds - moves[next].sent) / 1e6;
        }
    }
    return found;
}

double percentile(std::vector<double> values, double fraction)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    auto index = static_cast<std::size_t>(std::ceil(fraction * double(values.size())));
    return values[std::min(index == 0 ? 0 : index - 1, values.size() - 1)];
}

// The run's counters; `switches` are the key presses' times (none for the baseline).
void report(benchmark::State& state, const std::vector<Move>& moves, const std::vector<std::optional<double>>& found,
            const std::vector<std::uint64_t>& switches)
{
    std::vector<double> all;
    for (const auto& delay : found) {
        if (delay) {
            all.push_back(*delay);
        }
    }
    state.counters["moves"] = double(moves.size());
    state.counters["missing"] = double(moves.size() - all.size());
    state.counters["median_ms"] = percentile(all, 0.5);
    state.counters["p99_ms"] = percentile(all, 0.99);
    state.counters["max_ms"] = all.empty() ? 0 : *std::max_element(all.begin(), all.end());
    state.SetIterationTime(percentile(all, 0.5) / 1e3);
    if (switches.empty()) {
        return;
    }
    std::vector<double> worst(switches.size(), 0);
    std::vector<int> lateMoves(switches.size(), 0);
    for (std::size_t i = 0; i < moves.size(); ++i) {
        auto after = std::upper_bound(switches.begin(), switches.end(), moves[i].sent);
        if (after == switches.begin()) {
            continue;
        }
        const auto which = std::size_t(after - switches.begin()) - 1;
        // A move that never arrived counts as the latest of all.
        const double delay = found[i].value_or(1e9);
        worst[which] = std::max(worst[which], delay);
        lateMoves[which] += delay > 20 ? 1 : 0;
    }
    state.counters["switches"] = double(switches.size());
    state.counters["switch_worst_median_ms"] = percentile(worst, 0.5);
    state.counters["switch_worst_max_ms"] = *std::max_element(worst.begin(), worst.end());
    state.counters["switches_over_50ms"]
        = double(std::count_if(worst.begin(), worst.end(), [](double w) { return w > 50; }));
    state.counters["late20_moves_max"] = *std::max_element(lateMoves.begin(), lateMoves.end());
}

// Presses the key and waits until the window names the page it leads to; false when it never does.
bool showPage(Session& session, Keyboard& keyboard, const Step& step)
{
    keyboard.tap(step.key);
    const std::string wanted = step.page + appName;
    return session.windows().waitFor([&] { return session.windows().title(session.mainWindow()) == wanted; },
                                     pageTimeout);
}

void measureHand(benchmark::State& state, bool withPageSwitches)
{
    const bool steadying = state.range(0) != 0;
    for (auto _ : state) {
        Session session(settingsFor(steadying));
        if (auto missing = session.waitUntilReady(); !missing.empty()) {
            state.SkipWithError(missing.c_str());
            return;
        }
        Keyboard keyboard;
        if (withPageSwitches) {
            for (const Step& step : toHelp) {
                if (!showPage(session, keyboard, step)) {
                    state.SkipWithError("the sidebar's keys did not reach the Help page");
                    return;
                }
            }
        }
        MotionRecorder recorder;

        // The page switches on a thread of their own, every 2 s whatever the pointer does.
        std::atomic<bool> done{false};
        std::atomic<bool> stuck{false};
        std::vector<std::uint64_t> switches;
        std::vector<double> pageShown;
        std::thread driver;
        const auto begin = SteadyClock::now();
        if (withPageSwitches) {
            driver = std::thread([&] {
                for (int i = 0; i < measuredSwitches && !stuck; ++i) {
                    std::this_thread::sleep_until(begin + leadIn + i * switchPeriod);
                    switches.push_back(now());
                    if (!showPage(session, keyboard, cycle[std::size_t(i) % std::size(cycle)])) {
                        stuck = true;
                    }
                    pageShown.push_back(double(now() - switches.back()) / 1e6);
                }
                std::this_thread::sleep_until(begin + leadIn + measuredSwitches * switchPeriod);
                done = true;
            });
        }
        const auto end = begin + (withPageSwitches ? leadIn + measuredSwitches * switchPeriod : baselineDuration);
        std::vector<Move> moves
            = playHand(session.hand(), [&] { return withPageSwitches ? done.load() : SteadyClock::now() >= end; });
        if (driver.joinable()) {
            driver.join();
        }
        // Whatever is still on its way arrives within the horizon of the slowest figures reported.
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        recorder.stop();
        if (stuck) {
            state.SkipWithError("a page never showed after its key");
            return;
        }
        report(state, moves, delays(moves, recorder.motions(), !steadying), switches);
        state.counters["covered"] = recorder.raises();
        if (!pageShown.empty()) {
            state.counters["page_shown_median_ms"] = percentile(pageShown, 0.5);
        }
    }
}

// The hand alone: the application's window stays on its first page.
void BM_HandWithoutUIWork(benchmark::State& state)
{
    measureHand(state, false);
}
BENCHMARK(BM_HandWithoutUIWork)
    ->ArgName("steadying")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The hand while the user switches pages with the sidebar's arrow keys every 2 s.
void BM_HandDuringPageSwitches(benchmark::State& state)
{
    measureHand(state, true);
}
BENCHMARK(BM_HandDuringPageSwitches)
    ->ArgName("steadying")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// What the kernel counts for each of a process's threads: how often it was switched to, and its time on a processor.
struct ThreadCounts {
    std::string name;
    long switches = 0;
    std::uint64_t runNanoseconds = 0;
};

std::map<std::string, ThreadCounts> threadCounts(pid_t pid)
{
    std::map<std::string, ThreadCounts> counts;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        ThreadCounts& thread = counts[task.path().filename().string()];
        std::getline(std::ifstream(task.path() / "comm"), thread.name);
        std::ifstream status(task.path() / "status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.starts_with("voluntary_ctxt_switches:") || line.starts_with("nonvoluntary_ctxt_switches:")) {
                thread.switches += std::stol(line.substr(line.find(':') + 1));
            }
        }
        std::ifstream(task.path() / "schedstat") >> thread.runNanoseconds;
    }
    return counts;
}

// At rest with no window open: the application started, its main window closed as the user closes it, the hand
// still. Counters per 30 s: wake-ups (context switches of all its threads) and processor time (ms); the time
// column is that processor time.
void BM_WakeUpsAtRest(benchmark::State& state)
{
    for (auto _ : state) {
        Session session(settingsFor(true));
        if (auto missing = session.waitUntilReady(); !missing.empty()) {
            state.SkipWithError(missing.c_str());
            return;
        }
        const Window main = session.mainWindow();
        session.windows().close(main);
        if (!session.windows().waitFor([&] { return !session.windows().isShown(main); }, startTimeout)) {
            state.SkipWithError("the main window did not close");
            return;
        }
        std::this_thread::sleep_for(settling);
        const auto before = threadCounts(session.app().pid());
        std::this_thread::sleep_for(restDuration);
        const auto after = threadCounts(session.app().pid());
        if (!session.app().isRunning()) {
            state.SkipWithError("the application ended while resting");
            return;
        }
        long wakeUps = 0;
        long busiest = 0;
        std::uint64_t run = 0;
        std::ostringstream woken;
        for (const auto& [thread, counts] : after) {
            const auto was = before.find(thread);
            const ThreadCounts start = was != before.end() ? was->second : ThreadCounts{};
            const long switches = counts.switches - start.switches;
            wakeUps += switches;
            busiest = std::max(busiest, switches);
            run += counts.runNanoseconds - start.runNanoseconds;
            if (switches > 0) {
                woken << ' ' << counts.name << ':' << switches;
            }
        }
        // Which threads woke: where to look when the figure grows.
        std::fprintf(stderr, "woken at rest:%s\n", woken.str().c_str());
        state.counters["wakeups_per_30s"] = double(wakeUps);
        state.counters["busiest_thread_wakeups"] = double(busiest);
        state.counters["cpu_ms_per_30s"] = double(run) / 1e6;
        state.counters["threads"] = double(after.size());
        state.SetIterationTime(double(run) / 1e9);
    }
}
BENCHMARK(BM_WakeUpsAtRest)->Iterations(1)->Repetitions(3)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
