#include "Backends/Common/PointerSuspension.h"

namespace quellarine::backends {

void PointerSuspension::suspend(Reason reason)
{
    std::lock_guard lock(mutex_);
    reasons_ |= static_cast<unsigned>(reason);
    // Also when suspended already: a second suspend() costs nothing and leaves no button down.
    suspend_();
}

void PointerSuspension::resume(Reason reason)
{
    std::lock_guard lock(mutex_);
    const bool was = reasons_ != 0;
    reasons_ &= ~static_cast<unsigned>(reason);
    if (was && reasons_ == 0) {
        resume_();
    }
}

bool PointerSuspension::isSuspended() const
{
    std::lock_guard lock(mutex_);
    return reasons_ != 0;
}

} // namespace quellarine::backends
