#pragma once

#include "QuellarineKit/Support/Geometry.h"

#include <cmath>
#include <numbers>

namespace quellarine::testing {

// The hand the tracking tests play: slow, then fast (near 950 points a second: a move every millisecond at 1 kHz),
// then slow again, with a tremor across the way, over one second; and the loop stalls they inject into it.
constexpr double handPathDuration = 1.0;
constexpr double loopStalls[] = {0.02, 0.04, 0.08, 0.3};

inline Vector handPath(double t)
{
    constexpr double twoPi = 2 * std::numbers::pi;
    return {300 * (1 - std::cos(std::numbers::pi * t / handPathDuration)) + 1.5 * std::sin(twoPi * 7.1 * t),
        3 * std::sin(twoPi * 5.3 * t) + 10 * t};
}

} // namespace quellarine::testing
