#pragma once

namespace quellarine {

// A spring animation's progress from 0 to 1 with damping fraction 1: it settles without overshoot. `response` is
// the period of the undamped spring, in seconds.
struct Spring {
    double response = 0.5;

    // Progress after `seconds`: 0 up to the start, then rising towards 1.
    double value(double seconds) const;

    // From this time on the progress stays within 0.001 of 1.
    double settlingTime() const;
};

} // namespace quellarine
