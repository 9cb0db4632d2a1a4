#pragma once

#include "Backends/Common/MonotonicClock.h"
#include "Backends/Common/PointerBackend.h"
#include "Backends/Common/PollMainLoop.h"
#include "QuellarineKit/Pointer/PointerControl.h"
#include "QuellarineKit/Pointer/PointerTap.h"

#include <sys/types.h>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace quellarine::backends {

// The pointer path on a thread of its own: the backend, the tap and everything the tap calls for an event run on
// this thread's loop, so that nothing the windows do can delay the pointer. The owner (the application's model,
// on its own thread) commands the tap through the PointerControl calls, which are queued to this thread in order;
// their answers, and the state they report, come back through `deliver`, which must run its work on the owner's
// thread. This thread never waits for the owner.
class PointerThread final : public PointerControl {
public:
    // Runs the work on the owner's thread, later (from any thread).
    using Deliver = std::function<void(std::function<void()>)>;
    // Makes the backend, on the pointer thread, which then attaches it to its loop.
    using MakeBackend = std::function<std::unique_ptr<PointerBackend>()>;

    // Starts the thread and returns once the backend is made.
    PointerThread(MakeBackend makeBackend, Deliver deliver);
    // Removes the tap and ends the backend on the thread, then joins it.
    ~PointerThread() override;
    PointerThread(const PointerThread&) = delete;
    PointerThread& operator=(const PointerThread&) = delete;

    // Its maySteerPointer(), suspend() and resume() may be called from any thread.
    PointerBackend& backend() { return *backend_; }
    // The kernel's id of the pointer thread, for raising its priority.
    pid_t kernelThreadId() const { return kernelId_; }
    // Whether the caller is the pointer thread itself.
    bool isCurrentThread() const { return std::this_thread::get_id() == thread_.get_id(); }

    void start(Answer started) override;
    void stop() override;
    bool isRunning() const override { return !stopped_ && running_.load(); }
    // Answered at once while the tap is known to be on: the watch that asks every few seconds wakes no thread.
    void ensureEnabled(Answer wasEnabled) override;
    void displaysChanged() override;
    void setParameters(const PointerFilter::Parameters& parameters) override;
    void setClickSettings(const ClickGuard::Settings& settings) override;
    void setFiltering(bool filtering) override;
    bool isFiltering() const override { return filtering_; }
    int externalMoves() const override { return externalMoves_.load(); }

    // Runs the work on the pointer thread with the tap, after every command given before (for tests).
    void withTap(std::function<void(PointerTap& tap)> work);

private:
    void run(const MakeBackend& makeBackend);
    // On the pointer thread, whenever it has done what was due: what isRunning() and externalMoves() report.
    void publish();
    void answer(const Answer& answer, bool value);

    MonotonicClock clock_;
    PollMainLoop loop_;
    Deliver deliver_;
    // Made, used and ended on the pointer thread only.
    std::unique_ptr<PointerBackend> backend_;
    std::unique_ptr<PointerTap> tap_;
    // The owner's side: what it last asked for.
    bool filtering_ = false;
    bool stopped_ = false; // until the next start(), whatever the pointer thread last published
    std::atomic<bool> running_{false};
    std::atomic<int> externalMoves_{0};
    pid_t kernelId_ = 0; // set before the constructor returns
    std::thread thread_;
};

} // namespace quellarine::backends
