#include "Backends/Common/InputWatchdog.h"

#include <gtest/gtest.h>

#include <sys/eventfd.h>
#include <unistd.h>

#include <poll.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

using namespace quellarine::backends;

namespace {

using Clock = std::chrono::steady_clock;

// The pointer comes back after about half a second of a stalled loop: no sooner, and not much later.
constexpr double limit = 0.5;
constexpr double latest = 0.55;

// The descriptors that show pending input (eventfds standing in for the connection's socket and its wake-up) and a
// main loop made by hand: input arrives on either, the loop serves it or does not.
class InputWatchdogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        watchdog = std::make_unique<InputWatchdog>(std::vector{pendingFd, wakeFd}, [this] {
            released = Clock::now().time_since_epoch().count();
            // As the backend does once the devices are back.
            watchdog->setArmed(false);
        });
    }

    void TearDown() override
    {
        watchdog.reset();
        close(pendingFd);
        close(wakeFd);
    }

    void inputArrives() { signalOn(pendingFd); }

    static void signalOn(int fd)
    {
        std::uint64_t one = 1;
        ASSERT_EQ(write(fd, &one, sizeof one), ssize_t(sizeof one));
    }

    void serve()
    {
        watchdog->serviced();
        std::uint64_t count = 0;
        [[maybe_unused]] auto got = read(pendingFd, &count, sizeof count);
        got = read(wakeFd, &count, sizeof count);
    }

    bool waitForRelease(double seconds)
    {
        auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
        while (released == 0 && Clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return released != 0;
    }

    // Seconds from `from` to the release.
    double releasedAfter(Clock::time_point from) const
    {
        return std::chrono::duration<double>(Clock::time_point(Clock::duration(released.load())) - from).count();
    }

    int pendingFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    int wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    std::atomic<Clock::rep> released{0}; // when the devices were given back; 0 while they were not
    std::unique_ptr<InputWatchdog> watchdog;
};

} // namespace

TEST_F(InputWatchdogTest, ALoopThatKeepsServingIsLeftAloneAndOneThatStopsLosesTheDevicesNoEarlierThanTheLimit)
{
    watchdog->setArmed(true);
    // Input waits most of the time, but the loop gets to it every few milliseconds.
    auto until = Clock::now() + std::chrono::duration<double>(2 * limit);
    while (Clock::now() < until) {
        inputArrives();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        serve();
    }
    EXPECT_EQ(released, 0);

    // The loop stalls with input waiting.
    inputArrives();
    auto stalled = Clock::now();
    ASSERT_TRUE(waitForRelease(10));
    EXPECT_GE(releasedAfter(stalled), limit);
}

TEST_F(InputWatchdogTest, InputAfterARestIsTimedFromItsArrivalOnAnyOfTheDescriptors)
{
    watchdog->setArmed(true);
    std::this_thread::sleep_for(std::chrono::duration<double>(limit)); // nothing waits: nothing to give back
    EXPECT_EQ(released, 0);

    signalOn(wakeFd); // what Xlib queued, which the socket no longer shows
    auto arrived = Clock::now();
    ASSERT_TRUE(waitForRelease(10));
    EXPECT_GE(releasedAfter(arrived), limit);
}

TEST_F(InputWatchdogTest, NothingIsGivenBackWhileDisarmed)
{
    watchdog->setArmed(true);
    inputArrives();
    std::this_thread::sleep_for(std::chrono::duration<double>(limit / 5));
    watchdog->setArmed(false);
    std::this_thread::sleep_for(std::chrono::duration<double>(2 * limit));
    EXPECT_EQ(released, 0);
}

namespace {

// Time that passes only while the watchdog naps, exactly as long as it asks; meanwhile the main loop does whatever
// the test says it does at that moment.
class VirtualTime final : public InputWatchdog::Time {
public:
    std::function<void(double now)> meanwhile;

    double now() override { return double(nanoseconds_.load()) / 1e9; }

    bool nap(double seconds, int stopFd) override
    {
        nanoseconds_ += std::llround(seconds * 1e9);
        if (meanwhile) {
            meanwhile(now());
        }
        pollfd stop{stopFd, POLLIN, 0};
        return poll(&stop, 1, 0) == 0;
    }

private:
    std::atomic<std::int64_t> nanoseconds_{1'000'000'000};
};

// A main loop in virtual time: input keeps arriving, and the loop serves it every `period` seconds until `stall`,
// then no more. The test ends at `end`.
struct VirtualLoop {
    double period = 0;
    double stall = 0;
    double end = 0;
    double lastServed = 0;
    std::atomic<double> released{0};
    std::atomic<bool> over{false};
    int pendingFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    VirtualTime time;
    std::unique_ptr<InputWatchdog> watchdog;

    VirtualLoop(double servePeriod, double stallAt, double endAt)
        : period(servePeriod)
        , stall(stallAt)
        , end(endAt)
    {
        time.meanwhile = [this](double now) {
            if (now >= end) {
                watchdog->setArmed(false);
                over = true;
                return;
            }
            if (now < stall && now - lastServed >= period - 1e-9) {
                watchdog->serviced();
                std::uint64_t count = 0;
                [[maybe_unused]] auto got = read(pendingFd, &count, sizeof count);
                lastServed = now;
            }
            std::uint64_t one = 1;
            [[maybe_unused]] auto put = write(pendingFd, &one, sizeof one); // the hand goes on moving
        };
        watchdog = std::make_unique<InputWatchdog>(
            std::vector{pendingFd},
            [this] {
                released = time.now();
                watchdog->setArmed(false);
                over = true;
            },
            &time);
    }

    ~VirtualLoop()
    {
        watchdog.reset();
        close(pendingFd);
    }

    void run()
    {
        std::uint64_t one = 1;
        ASSERT_EQ(write(pendingFd, &one, sizeof one), ssize_t(sizeof one));
        lastServed = time.now();
        watchdog->setArmed(true);
        auto deadline = Clock::now() + std::chrono::seconds(20);
        while (!over && Clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_TRUE(over);
    }
};

} // namespace

TEST(InputWatchdogVirtualTimeTest, ALoopServingEveryFewHundredMillisecondsKeepsTheDevicesForAnyLength)
{
    for (double period : {0.008, 0.1, 0.45}) {
        SCOPED_TRACE(period);
        VirtualLoop loop(period, 100, 5);
        loop.run();
        EXPECT_EQ(loop.released, 0) << "given back at " << loop.released;
    }
}

TEST(InputWatchdogVirtualTimeTest, AStalledLoopLosesTheDevicesAboutHalfASecondAfterItsLastService)
{
    // Stalls at several moments between two of the watchdog's looks.
    for (double stall : {2.0, 2.01, 2.02, 2.03, 2.04}) {
        SCOPED_TRACE(stall);
        VirtualLoop loop(0.01, stall, 10);
        loop.run();
        ASSERT_NE(loop.released, 0);
        const double stalledFor = loop.released - loop.lastServed;
        EXPECT_GE(stalledFor, limit);
        EXPECT_LE(stalledFor, latest);
    }
}
