// The compositor test's session played on an X server instead, for figures to set beside it:
//
//     quellarine-x11-session OUT APPLICATION
//
// A private Xvfb, its own mouse as the hand (moved from outside as hardware would), a full-screen client window
// that records the motion it receives, and APPLICATION with its X11 backend. Plays the same hand paths as the
// compositor session (HandPlay.h) and writes the same files to OUT (hand.log, client.log, phases.json), which
// tests/Compositor/figures.py reads.
#include "Backends/X11/Testing/ClientWindow.h"
#include "Backends/X11/Testing/VirtualHand.h"
#include "Backends/X11/Testing/XvfbServer.h"
#include "tests/Compositor/HandPlay.h"

#include <nlohmann/json.hpp>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <mutex>
#include <stdexcept>
#include <thread>

using namespace quellarine;
using namespace quellarine::testing;
using namespace quellarine::x11::testing;
namespace fs = std::filesystem;
using SteadyClock = std::chrono::steady_clock;

namespace {

double nowMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

void waitFor(const char* what, const std::function<bool()>& condition, double seconds)
{
    auto deadline = SteadyClock::now() + std::chrono::duration<double>(seconds);
    while (!condition()) {
        if (SteadyClock::now() > deadline) {
            throw std::runtime_error(std::string("no ") + what);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// The client window on a thread of its own, so each motion is stamped when it arrives, not when the hand next
// moves; its connection is used on that thread alone.
class Recorder {
public:
    Recorder(const std::string& displayName, const fs::path& log)
        : log_(std::fopen(log.c_str(), "w"))
    {
        std::atomic<bool> ready{false};
        thread_ = std::thread([this, displayName, &ready] {
            ClientWindow client(displayName);
            ready = true;
            pollfd readable{client.fileDescriptor(), POLLIN, 0};
            while (!stop_) {
                poll(&readable, 1, 20);
                client.collect();
                for (const auto& received : client.motions()) {
                    double ms = double(received.nanoseconds) / 1e6;
                    std::fprintf(log_, "motion %.3f %.3f %g %g\n", ms, ms, received.location.x, received.location.y);
                    std::lock_guard lock(mutex_);
                    last_ = received.location;
                }
                std::fflush(log_);
                client.clear();
            }
        });
        waitFor(
            "client window", [&] { return ready.load(); }, 10);
    }
    ~Recorder()
    {
        stop_ = true;
        thread_.join();
        std::fclose(log_);
    }
    std::optional<Point> last()
    {
        std::lock_guard lock(mutex_);
        return last_;
    }

private:
    std::FILE* log_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::optional<Point> last_;
};

class Session {
public:
    Session(fs::path out, std::string application)
        : out_(std::move(out))
        , application_(std::move(application))
        , hand_(server_.displayName())
        , handLog_(std::fopen((out_ / "hand.log").c_str(), "w"))
        , recorder_(server_.displayName(), out_ / "client.log")
    {
    }
    ~Session()
    {
        stopApplication();
        std::fclose(handLog_);
        std::ofstream(out_ / "phases.json") << phases_.dump();
    }

    void run()
    {
        hand_.warpCursor(150, 300);
        nudge();
        play("raw drift", "drift", 0);
        startApplication();
        nudge();
        play("steadied drift", "drift", 1);
        play("steadied sweep", "sweep", 1);
        stopApplication();
    }

private:
    Point pointer() { return recorder_.last().value_or(hand_.cursor()); }

    void waitUntilPointerAt(Point target, double tolerance)
    {
        waitFor(
            "pointer at rest on the hand",
            [&] {
                auto seen = recorder_.last();
                return seen && std::abs(seen->x - target.x) <= tolerance && std::abs(seen->y - target.y) <= tolerance;
            },
            15);
    }

    // A small move of the hand arrives at the client: the chain works, and every earlier motion has arrived.
    void nudge()
    {
        Point at = hand_.cursor();
        hand_.move(4, 0);
        waitUntilPointerAt(at + Vector{4, 0}, 1);
    }

    void play(const std::string& phase, const std::string& path, double restTolerance)
    {
        Point start = pointer();
        std::FILE* samples = std::tmpfile();
        playHandPath(
            path, [&](int dx, int dy) { hand_.move(dx, dy); }, samples);
        std::rewind(samples);
        nlohmann::json sampleList = nlohmann::json::array();
        char line[256];
        Vector sent;
        while (std::fgets(line, sizeof line, samples) != nullptr) {
            std::fputs(line, handLog_);
            double t = 0, sx = 0, sy = 0, ix = 0, iy = 0;
            if (std::sscanf(line, "sample %lf %lf %lf %lf %lf", &t, &sx, &sy, &ix, &iy) == 5) {
                sampleList.push_back({t, sx, sy, ix, iy});
                sent = {sx, sy};
            }
        }
        std::fclose(samples);
        waitUntilPointerAt(start + sent, restTolerance);
        phases_.push_back({{"name", phase},
                           {"path", path},
                           {"pointer", {start.x, start.y}},
                           {"samples", sampleList},
                           {"rested", nowMilliseconds()}});
    }

    void startApplication()
    {
        fs::create_directories(out_ / "home" / "config" / "temrid");
        std::ofstream(out_ / "home" / "config" / "temrid" / "Quellarine.ini")
            << "[General]\nwelcomed=true\npreset=balanced\n";
        applicationPid_ = fork();
        if (applicationPid_ == 0) {
            setenv("DISPLAY", server_.displayName().c_str(), 1);
            setenv("XDG_CONFIG_HOME", (out_ / "home" / "config").c_str(), 1);
            setenv("XDG_DATA_HOME", (out_ / "home" / "data").c_str(), 1);
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            unsetenv("WAYLAND_DISPLAY");
            unsetenv("DBUS_SESSION_BUS_ADDRESS");
            execl(application_.c_str(), application_.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        waitFor(
            "grab of the hand", [&] { return hand_.isGrabbed(); }, 30);
    }

    void stopApplication()
    {
        if (applicationPid_ > 0) {
            kill(applicationPid_, SIGTERM);
            waitpid(applicationPid_, nullptr, 0);
            applicationPid_ = -1;
        }
    }

    fs::path out_;
    std::string application_;
    XvfbServer server_{1024, 768};
    VirtualHand hand_;
    std::FILE* handLog_;
    Recorder recorder_;
    nlohmann::json phases_ = nlohmann::json::array();
    pid_t applicationPid_ = -1;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: quellarine-x11-session OUT APPLICATION\n";
        return 2;
    }
    try {
        fs::create_directories(argv[1]);
        Session(argv[1], argv[2]).run();
    } catch (const std::exception& failure) {
        std::cerr << "x11 session: " << failure.what() << "\n";
        return 1;
    }
    std::cout << "x11 session: every phase ran\n";
    return 0;
}
