#pragma once

#include "QuellarineKit/Support/Geometry.h"

#include <vector>

namespace quellarine {

// The raw material of one calibration test, kept in memory from the first step until the analysis has run.
struct CalibrationRecording {
    struct Sample {
        double time = 0; // seconds since that part of the test began
        Point point;     // position in the test stage's own points

        bool operator==(const Sample&) const = default;
    };

    struct Click {
        double down = 0; // seconds of the test's monotonic clock; only differences are used
        double up = 0;
        Point downAt;
        Point upAt;
        bool hit = false; // counted as a hit on the target shown at the time

        bool operator==(const Click&) const = default;
    };

    std::vector<Sample> hold;   // holding the pointer on the dot, in recording order
    std::vector<Sample> follow; // following the moving dot, in recording order
    std::vector<Click> clicks;  // every press and release on the click stage, in order
    bool trackpad = false;      // a trackpad user: the trackpad preset is a candidate too
};

} // namespace quellarine
