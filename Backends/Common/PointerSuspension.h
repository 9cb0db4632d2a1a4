#pragma once

#include <functional>
#include <mutex>

namespace quellarine::backends {

// Why the user's pointing devices are given back: the process is stopped or ending, or the login session is not the
// one in front (another user's session is). The backend is suspended (PointerBackend::suspend()) whenever a reason
// comes and resumed only once none is left, so that a process continued while another user is at the computer
// still holds nothing. From any thread.
class PointerSuspension {
public:
    enum class Reason : unsigned {
        process = 1,
        session = 2,
    };

    PointerSuspension(std::function<void()> suspend, std::function<void()> resume)
        : suspend_(std::move(suspend))
        , resume_(std::move(resume))
    {
    }

    void suspend(Reason reason);
    void resume(Reason reason);
    bool isSuspended() const;

private:
    std::function<void()> suspend_;
    std::function<void()> resume_;
    mutable std::mutex mutex_;
    unsigned reasons_ = 0;
};

} // namespace quellarine::backends
