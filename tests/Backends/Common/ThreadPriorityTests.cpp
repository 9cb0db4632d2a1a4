// A thread raised to real time that stops sleeping is returned to ordinary scheduling by the kernel's limit, and the
// process lives on; the limit set for that never loosens one already tighter.
#include "Backends/Common/ThreadPriority.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

using quellarine::backends::ThreadPriority;
using Kind = ThreadPriority::Described::Kind;

namespace {

class ThreadPriorityTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(getrlimit(RLIMIT_RTTIME, &saved), 0); }
    // Root may raise the limit back; others keep the tighter one for the rest of this test program.
    void TearDown() override { setrlimit(RLIMIT_RTTIME, &saved); }

    rlimit saved{};
};

TEST_F(ThreadPriorityTest, ARealTimeThreadThatNeverSleepsReturnsToOrdinaryScheduling)
{
    ASSERT_TRUE(ThreadPriority::limitRealtime(std::chrono::milliseconds(20), std::chrono::milliseconds(200)));
    std::atomic<pid_t> spinner{0};
    std::mutex mutex;
    std::condition_variable go;
    bool raised = false;
    bool refused = false;
    std::thread thread([&] {
        spinner = ThreadPriority::currentThread();
        {
            // Asleep until raised: a thread that sleeps uses none of its real-time allowance.
            std::unique_lock lock(mutex);
            go.wait(lock, [&] { return raised || refused; });
            if (refused) {
                return;
            }
        }
        // Busy without a pause, as a pointer thread caught in a loop would be: only the limit ends this.
        while (ThreadPriority::describe(ThreadPriority::currentThread()).kind == Kind::realtime) {}
    });
    while (spinner == 0) {
        std::this_thread::yield();
    }
    ThreadPriority::watch(spinner);
    const bool madeRealtime = ThreadPriority::makeRealtime(spinner, 1);
    if (madeRealtime) {
        EXPECT_EQ(ThreadPriority::describe(spinner), (ThreadPriority::Described{Kind::realtime, 1}));
    }
    {
        std::lock_guard lock(mutex);
        (madeRealtime ? raised : refused) = true;
    }
    go.notify_one();
    thread.join();
    if (!madeRealtime) {
        ThreadPriority::watch(0);
        GTEST_SKIP() << "this user may not raise a thread to real time";
    }
    ThreadPriority::watch(0);
}

TEST_F(ThreadPriorityTest, TheLimitNeverLoosensATighterOne)
{
    const rlimit tighter{.rlim_cur = 30'000, .rlim_max = 60'000};
    ASSERT_EQ(setrlimit(RLIMIT_RTTIME, &tighter), 0);
    ASSERT_TRUE(ThreadPriority::limitRealtime());
    rlimit now{};
    ASSERT_EQ(getrlimit(RLIMIT_RTTIME, &now), 0);
    EXPECT_EQ(now.rlim_cur, 30'000u);
    EXPECT_EQ(now.rlim_max, 60'000u);

    // From none at all (root may lift it again), the process gets the pointer's own.
    const rlimit unlimited{.rlim_cur = RLIM_INFINITY, .rlim_max = RLIM_INFINITY};
    if (setrlimit(RLIMIT_RTTIME, &unlimited) == 0) {
        ASSERT_TRUE(ThreadPriority::limitRealtime());
        ASSERT_EQ(getrlimit(RLIMIT_RTTIME, &now), 0);
        EXPECT_EQ(now.rlim_cur, static_cast<rlim_t>(ThreadPriority::softLimit.count()));
        EXPECT_EQ(now.rlim_max, static_cast<rlim_t>(ThreadPriority::hardLimit.count()));
    }
}

} // namespace
