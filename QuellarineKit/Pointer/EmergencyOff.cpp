#include "QuellarineKit/Pointer/EmergencyOff.h"

#include <algorithm>

namespace quellarine {

EmergencyOff::EmergencyOff(int presses, double window)
    : presses(presses)
    , window_(window)
{
    downs_.reserve(static_cast<std::size_t>(std::max(presses, 0)) + 1);
}

bool EmergencyOff::modifiersChanged(bool control, bool others, double time)
{
    if (others) {
        // Any other modifier breaks the sequence, even in the middle of it.
        downs_.clear();
        controlIsDown_ = control;
        return false;
    }
    if (control && !controlIsDown_) {
        std::erase_if(downs_, [&](double down) { return !(time - down < window_); });
        downs_.push_back(time);
        controlIsDown_ = true;
        if (static_cast<long>(downs_.size()) >= presses) {
            downs_.clear();
            return true;
        }
        return false;
    }
    controlIsDown_ = control;
    return false;
}

} // namespace quellarine
