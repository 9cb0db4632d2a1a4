#include "Backends/Common/MonotonicClock.h"
#include "Backends/Common/PollMainLoop.h"

#include <gtest/gtest.h>

#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

using namespace quellarine::backends;

TEST(MonotonicClockTest, ReadsTheSystemsMonotonicClock)
{
    MonotonicClock clock;
    timespec before{};
    clock_gettime(CLOCK_MONOTONIC, &before);
    std::uint64_t nanoseconds = clock.nanoseconds();
    double uptime = clock.uptime();
    timespec after{};
    clock_gettime(CLOCK_MONOTONIC, &after);
    auto ns = [](const timespec& t) { return std::uint64_t(t.tv_sec) * 1'000'000'000u + std::uint64_t(t.tv_nsec); };
    EXPECT_GE(nanoseconds, ns(before));
    EXPECT_LE(nanoseconds, ns(after));
    EXPECT_GE(uptime, double(nanoseconds) / 1e9);
    EXPECT_LE(uptime, double(ns(after)) / 1e9);
}

TEST(PollMainLoopTest, TimersFireInOrderAndRepeatUntilCancelled)
{
    MonotonicClock clock;
    PollMainLoop loop(clock);
    std::string order;
    loop.scheduleAfter(0.02, [&] { order += "b"; });
    loop.scheduleAfter(-1, [&] { order += "a"; });
    int ticks = 0;
    PollMainLoop::TimerID repeating = 0;
    repeating = loop.scheduleRepeating(0.001, 0.001, [&] {
        if (++ticks == 3) {
            loop.cancel(repeating); // from inside its own callback
        }
    });
    auto cancelled = loop.scheduleAfter(0.001, [&] { order += "x"; });
    loop.cancel(cancelled);
    loop.cancel(9999); // unknown: ignored
    ASSERT_TRUE(loop.runUntil([&] { return order.size() == 2; }, 5.0));
    EXPECT_EQ(order, "ab");
    loop.runFor(0.01);
    EXPECT_EQ(ticks, 3);
}

TEST(PollMainLoopTest, ServesReadableDescriptorsUntilUnwatched)
{
    MonotonicClock clock;
    PollMainLoop loop(clock);
    int fd = eventfd(0, EFD_NONBLOCK);
    int served = 0;
    loop.watch(fd, [&] {
        std::uint64_t value = 0;
        [[maybe_unused]] auto got = read(fd, &value, sizeof value);
        ++served;
    });
    loop.scheduleAfter(0.005, [&] {
        std::uint64_t one = 1;
        [[maybe_unused]] auto put = write(fd, &one, sizeof one);
    });
    ASSERT_TRUE(loop.runUntil([&] { return served == 1; }, 5.0));
    loop.unwatch(fd);
    std::uint64_t one = 1;
    [[maybe_unused]] auto put = write(fd, &one, sizeof one);
    EXPECT_FALSE(loop.runUntil([&] { return served == 2; }, 0.02));
    close(fd);
}

TEST(PollMainLoopTest, InputThatWaitedForTheLoopIsServedBeforeTheTimersThatCameDueMeanwhile)
{
    // A timer that judges how long the input has been quiet must not run while input that waited is unread; input
    // that never stops coming must not keep the timers from running either. Both ways of running the loop.
    for (bool untilQuit : {false, true}) {
        MonotonicClock clock;
        PollMainLoop loop(clock);
        int fd = eventfd(0, EFD_NONBLOCK);
        bool drain = true;
        std::string order;
        int ticks = 0;
        loop.watch(fd, [&] {
            if (drain) {
                std::uint64_t value = 0;
                [[maybe_unused]] auto got = read(fd, &value, sizeof value);
                order += 'i';
            }
        });
        loop.scheduleRepeating(0.002, 0.002, [&] {
            order += 't';
            ++ticks;
            if (ticks == 2) {
                drain = false; // from now on the descriptor stays readable
            }
            if (ticks == 6) {
                loop.quit();
            }
        });
        // The loop stalls while the input arrives; the repeating timer comes due meanwhile.
        loop.scheduleAfter(0.001, [&] {
            std::uint64_t one = 1;
            [[maybe_unused]] auto put = write(fd, &one, sizeof one);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            order += 's';
        });
        if (untilQuit) {
            loop.run();
        } else {
            ASSERT_TRUE(loop.runUntil([&] { return ticks == 6; }, 5.0));
        }
        EXPECT_EQ(order.substr(0, 3), "sit") << untilQuit;
        EXPECT_EQ(ticks, 6) << untilQuit;
        close(fd);
    }
}

TEST(PollMainLoopTest, RunsWorkPostedFromOtherThreadsInOrderUntilQuit)
{
    MonotonicClock clock;
    PollMainLoop loop(clock);
    std::vector<int> seen;
    static constexpr int perThread = 2000;
    // Two posting threads; each one's work must run in its own order, interleaved with timers, and the loop must
    // keep sleeping (not spin) between posts.
    std::thread first([&] {
        for (int i = 0; i < perThread; ++i) {
            loop.post([&seen, i] { seen.push_back(i); });
        }
    });
    std::atomic<int> timerRuns{0};
    std::thread second([&] {
        for (int i = 0; i < perThread; ++i) {
            loop.post([&seen, i] { seen.push_back(perThread + i); });
        }
        // A quit posted before the loop first looked at its timers would end it before they ran.
        while (timerRuns.load() == 0) {
            std::this_thread::yield();
        }
        loop.post([&loop] { loop.quit(); });
    });
    loop.scheduleRepeating(0, 0.001, [&] { ++timerRuns; });
    first.join();
    loop.run();
    second.join();

    std::vector<int> firstOrder;
    std::vector<int> secondOrder;
    for (int value : seen) {
        (value < perThread ? firstOrder : secondOrder).push_back(value);
    }
    ASSERT_EQ(firstOrder.size(), std::size_t(perThread));
    ASSERT_EQ(secondOrder.size(), std::size_t(perThread));
    EXPECT_TRUE(std::is_sorted(firstOrder.begin(), firstOrder.end()));
    EXPECT_TRUE(std::is_sorted(secondOrder.begin(), secondOrder.end()));
    EXPECT_GT(timerRuns.load(), 0);
}

TEST(PollMainLoopTest, QuitFromAnotherThreadWakesAnIdleLoop)
{
    MonotonicClock clock;
    PollMainLoop loop(clock);
    bool ran = false;
    std::thread stopper([&] {
        loop.post([&] {
            ran = true;
            loop.quit();
        });
    });
    loop.run(); // nothing else to do: only the posted work can end it
    stopper.join();
    EXPECT_TRUE(ran);
}
