#pragma once

namespace quellarine {

// A spring animation's progress from 0 to 1. `response` is the period of the undamped spring, in seconds; with
// a damping fraction of 1 it settles without overshoot, below 1 it overshoots and swings back.
struct Spring {
    double response = 0.5;
    double dampingFraction = 1.0;

    // Progress after `seconds`: 0 up to the start, then towards 1.
    double value(double seconds) const;

    // From this time on the progress stays within 0.001 of 1.
    double settlingTime() const;
};

} // namespace quellarine
