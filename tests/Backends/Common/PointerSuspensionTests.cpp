#include "Backends/Common/PointerSuspension.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>
#include <vector>

using namespace quellarine::backends;

namespace {

using Reason = PointerSuspension::Reason;

// The backend as the suspension drives it: suspended from the first suspend() to the next resume().
struct RecordedBackend {
    std::atomic<int> suspends{0};
    std::atomic<int> resumes{0};
    std::atomic<bool> suspended{false};
    std::atomic<bool> resumedWhileResumed{false};
};

PointerSuspension suspensionOf(RecordedBackend& backend)
{
    return PointerSuspension(
        [&backend] {
            ++backend.suspends;
            backend.suspended = true;
        },
        [&backend] {
            ++backend.resumes;
            if (!backend.suspended.exchange(false)) {
                backend.resumedWhileResumed = true;
            }
        });
}

} // namespace

TEST(PointerSuspensionTest, TheDevicesAreHeldOnlyWhileNoReasonToGiveThemBackIsLeft)
{
    std::mt19937 random(48);
    RecordedBackend backend;
    PointerSuspension suspension = suspensionOf(backend);
    bool processStopped = false;
    bool sessionBehind = false;
    for (int step = 0; step < 2000; ++step) {
        const bool session = (random() & 1) != 0;
        const bool suspend = (random() & 1) != 0;
        const int suspendsBefore = backend.suspends;
        const Reason reason = session ? Reason::session : Reason::process;
        if (suspend) {
            suspension.suspend(reason);
        } else {
            suspension.resume(reason);
        }
        (session ? sessionBehind : processStopped) = suspend;
        ASSERT_EQ(backend.suspended, processStopped || sessionBehind) << step;
        ASSERT_EQ(suspension.isSuspended(), processStopped || sessionBehind) << step;
        // Every reason that comes gives back again whatever was taken meanwhile, and releases every button.
        ASSERT_EQ(backend.suspends - suspendsBefore, suspend ? 1 : 0) << step;
    }
    EXPECT_FALSE(backend.resumedWhileResumed);
}

TEST(PointerSuspensionTest, ASignalsThreadAndTheApplicationsThreadLeaveItConsistent)
{
    RecordedBackend backend;
    PointerSuspension suspension = suspensionOf(backend);
    // A stop and a continue from the terminal on one thread, the session coming and going on another.
    auto flip = [&suspension](Reason reason) {
        for (int round = 0; round < 5000; ++round) {
            suspension.suspend(reason);
            suspension.resume(reason);
        }
    };
    std::thread signals(flip, Reason::process);
    flip(Reason::session);
    signals.join();
    EXPECT_FALSE(suspension.isSuspended());
    EXPECT_FALSE(backend.suspended);
    EXPECT_FALSE(backend.resumedWhileResumed);
    suspension.suspend(Reason::session);
    EXPECT_TRUE(backend.suspended);
}
