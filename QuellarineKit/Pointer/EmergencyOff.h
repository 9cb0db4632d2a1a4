#pragma once

#include <vector>

namespace quellarine {

// Recognises the emergency gesture: Control pressed a number of times within a window, no other modifier held.
class EmergencyOff {
public:
    EmergencyOff(int presses, double window);

    int presses;

    double window() const { return window_; }

    // Fed with every change of the modifier keys; true exactly when this change completes the gesture.
    bool modifiersChanged(bool control, bool others, double time);

private:
    double window_;
    std::vector<double> downs_; // recent Control presses, oldest first
    bool controlIsDown_ = false;
};

} // namespace quellarine
