#include <gmock/gmock.h>

#include "Backends/Common/PointerThread.h"
#include "Backends/X11/Testing/VirtualHand.h"
#include "Backends/X11/Testing/XvfbServer.h"
#include "Backends/X11/X11Backend.h"

#include "QuellarineKit/Pointer/FilterPreset.h"

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <ctime>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// The pointer path on its own thread: whatever the application's thread does, the hand is steadied, the devices
// stay held, and the application's commands take effect in the order it gave them.

using namespace quellarine;
using namespace quellarine::backends;
using namespace quellarine::x11;
using namespace quellarine::x11::testing;

namespace {

// The application's thread as the pointer thread sees it: answers are queued to it and run when it drains them.
class OwnerQueue {
public:
    PointerThread::Deliver deliver()
    {
        return [this](std::function<void()> work) {
            std::lock_guard lock(mutex_);
            queue_.push_back(std::move(work));
            arrived_.notify_all();
        };
    }

    // Runs what has arrived until `done` holds; false after five seconds without it. `done` may also look at
    // what the pointer thread publishes without queueing anything (maySteerPointer(), isRunning()): it is looked at
    // again every few milliseconds, not only when an answer arrives.
    bool drainUntil(const std::function<bool()>& done)
    {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        std::unique_lock lock(mutex_);
        while (!done()) {
            if (queue_.empty()) {
                if (std::chrono::steady_clock::now() >= deadline) {
                    return false;
                }
                arrived_.wait_for(lock, std::chrono::milliseconds(5), [&] { return !queue_.empty(); });
                continue;
            }
            auto work = std::move(queue_.front());
            queue_.pop_front();
            lock.unlock();
            work();
            lock.lock();
        }
        return true;
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<std::function<void()>> queue_;
};

class PointerThreadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        server = std::make_unique<XvfbServer>();
        hand = std::make_unique<VirtualHand>(server->displayName());
        std::string display = server->displayName();
        pointer = std::make_unique<PointerThread>(
            [display]() -> std::unique_ptr<PointerBackend> { return std::make_unique<X11Backend>(display.c_str()); },
            owner.deliver());
    }

    void TearDown() override
    {
        pointer.reset();
        hand.reset();
        server.reset();
    }

    // Starts the tap and waits for its answer on the owner's side.
    void startTap()
    {
        std::optional<bool> started;
        pointer->start([&](bool allowed) { started = allowed; });
        ASSERT_TRUE(owner.drainUntil([&] { return started.has_value(); }));
        ASSERT_TRUE(*started);
        ASSERT_TRUE(pointer->isRunning());
    }

    std::unique_ptr<XvfbServer> server;
    std::unique_ptr<VirtualHand> hand;
    OwnerQueue owner;
    std::unique_ptr<PointerThread> pointer;
};

} // namespace

TEST_F(PointerThreadTest, TheHandIsSteadiedAndTheDevicesHeldWhileTheApplicationsThreadIsBusy)
{
    EXPECT_TRUE(pointer->backend().maySteerPointer()) << "asked from the owner's thread";
    hand->warpCursor(400, 300);
    pointer->setParameters(FilterPreset::strong().parameters);
    pointer->setClickSettings(ClickGuard::Settings::on(0.4));
    pointer->setFiltering(true);
    startTap();

    // The application's thread is busy (a page being built) for two seconds, answering nothing, while the hand
    // moves 100 times at 125 Hz, shaking across a steady path.
    struct Seen {
        Point cursor;
        bool grabbed = false;
    };
    Seen midway;
    Seen atRest;
    std::thread handThread([&] {
        for (int i = 0; i < 100; ++i) {
            int tremor = (i % 2 == 0) ? 6 : -6;
            hand->move(2, tremor);
            std::this_thread::sleep_for(std::chrono::milliseconds(8));
            if (i == 50) {
                midway = {hand->cursor(), hand->isGrabbed()};
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(600)); // the steadied pointer settles
        atRest = {hand->cursor(), hand->isGrabbed()};
    });
    std::this_thread::sleep_for(std::chrono::seconds(2));
    handThread.join();

    EXPECT_TRUE(midway.grabbed);
    EXPECT_TRUE(atRest.grabbed) << "the watchdog watches the pointer thread, not the application's";
    // The pointer followed the hand while the application slept: it is well on its way by halfway, and comes to
    // rest where the hand's path ends, (600, 300).
    EXPECT_GT(midway.cursor.x, 400 + 60);
    EXPECT_NEAR(atRest.cursor.x, 600, 3);
    EXPECT_NEAR(atRest.cursor.y, 300, 3);
}

TEST_F(PointerThreadTest, CommandsTakeEffectInOrderAndAnswersComeAfterThem)
{
    hand->warpCursor(400, 300);
    pointer->setFiltering(true);
    EXPECT_TRUE(pointer->isFiltering()) << "the views say what was asked for at once";
    startTap();
    // Switched off: from then the hand passes unchanged. Asked whether it is on, it answers at once.
    pointer->setParameters(FilterPreset::veryStrong().parameters);
    pointer->setFiltering(false);
    EXPECT_FALSE(pointer->isFiltering());
    std::optional<bool> wasEnabled;
    pointer->ensureEnabled([&](bool enabled) { wasEnabled = enabled; });
    ASSERT_TRUE(owner.drainUntil([&] { return wasEnabled.has_value(); }));
    EXPECT_TRUE(*wasEnabled);

    bool filtering = true;
    std::optional<int> moves;
    pointer->withTap([&](PointerTap& tap) {
        filtering = tap.isFiltering();
        moves = tap.externalMoves();
    });
    // A second start does nothing but answer, after all that came before it.
    std::optional<bool> answered;
    pointer->start([&](bool) { answered = true; });
    ASSERT_TRUE(owner.drainUntil([&] { return answered.has_value(); }));
    EXPECT_FALSE(filtering);
    EXPECT_EQ(moves, pointer->externalMoves());

    hand->move(17, -9);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (hand->cursor() != Point{417, 291} && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(hand->cursor(), (Point{417, 291}));

    // Stopped: known at once on the owner's side, and the devices are given back.
    pointer->stop();
    EXPECT_FALSE(pointer->isRunning());
    deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (hand->isGrabbed() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_FALSE(hand->isGrabbed());

    // Started again: running once it answers, and the devices are taken again.
    startTap();
    deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!hand->isGrabbed() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_TRUE(hand->isGrabbed());
}

TEST_F(PointerThreadTest, AServerThatGoesAwayIsNoticedAndLeavesThePointerThreadAsleep)
{
    startTap();
    hand.reset();
    server->kill();
    // Only the pointer thread's own read of the dead socket tells the backend.
    ASSERT_TRUE(owner.drainUntil([&] { return !pointer->backend().maySteerPointer(); }));

    // The loop watches the socket itself: once the connection is known lost it must leave the wait, or the thread
    // wakes on the hung-up socket for ever.
    auto processorSeconds = [] {
        timespec used{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
        return double(used.tv_sec) + double(used.tv_nsec) / 1e9;
    };
    const double before = processorSeconds();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_LT(processorSeconds() - before, 0.1);
}
