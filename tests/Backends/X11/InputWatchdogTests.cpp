#include "Backends/Common/InputWatchdog.h"

#include <gtest/gtest.h>

#include <sys/eventfd.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

using namespace quellarine::backends;

namespace {

using Clock = std::chrono::steady_clock;

constexpr double limit = 0.5;

// The descriptor that shows pending input (an eventfd standing in for the connection's) and a main loop made by
// hand: input arrives, the loop serves it or does not.
class InputWatchdogTests : public ::testing::Test {
protected:
    void SetUp() override
    {
        watchdog = std::make_unique<InputWatchdog>(pendingFd, [this] {
            released = Clock::now().time_since_epoch().count();
            // As the backend does once the devices are back.
            watchdog->setArmed(false);
        }, limit);
    }

    void TearDown() override
    {
        watchdog.reset();
        close(pendingFd);
    }

    void inputArrives()
    {
        std::uint64_t one = 1;
        ASSERT_EQ(write(pendingFd, &one, sizeof one), ssize_t(sizeof one));
    }

    void serve()
    {
        watchdog->serviced();
        std::uint64_t count = 0;
        [[maybe_unused]] auto got = read(pendingFd, &count, sizeof count);
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
    std::atomic<Clock::rep> released{0}; // when the devices were given back; 0 while they were not
    std::unique_ptr<InputWatchdog> watchdog;
};

} // namespace

TEST_F(InputWatchdogTests, ALoopThatKeepsServingIsLeftAloneAndOneThatStopsLosesTheDevicesNoEarlierThanTheLimit)
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

TEST_F(InputWatchdogTests, InputAfterARestIsTimedFromItsArrival)
{
    watchdog->setArmed(true);
    std::this_thread::sleep_for(std::chrono::duration<double>(limit)); // nothing waits: nothing to give back
    EXPECT_EQ(released, 0);

    inputArrives();
    auto arrived = Clock::now();
    ASSERT_TRUE(waitForRelease(10));
    EXPECT_GE(releasedAfter(arrived), limit);
}

TEST_F(InputWatchdogTests, NothingIsGivenBackWhileDisarmed)
{
    watchdog->setArmed(true);
    inputArrives();
    std::this_thread::sleep_for(std::chrono::duration<double>(limit / 5));
    watchdog->setArmed(false);
    std::this_thread::sleep_for(std::chrono::duration<double>(2 * limit));
    EXPECT_EQ(released, 0);
}
