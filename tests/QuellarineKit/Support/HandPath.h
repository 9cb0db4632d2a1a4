#pragma once

#include "QuellarineKit/Support/Geometry.h"

#include <cmath>
#include <numbers>

namespace quellarine::testing {

// The hand the tracking tests play: slow, then fast (near 950 points a second: a move every millisecond at 1 kHz),
// then slow again, with a tremor across the way, over one second; and the loop stalls they inject into it.
constexpr double handPathDuration = 1.0;
constexpr double loopStalls[] = {0.02, 0.04, 0.08, 0.3};

// Where that hand means to go: the path without its tremor.
inline Vector handPathIntent(double t)
{
    return {300 * (1 - std::cos(std::numbers::pi * t / handPathDuration)), 10 * t};
}

inline Vector handPath(double t)
{
    constexpr double twoPi = 2 * std::numbers::pi;
    return handPathIntent(t) + Vector{1.5 * std::sin(twoPi * 7.1 * t), 3 * std::sin(twoPi * 5.3 * t)};
}

// The hand the application's end-to-end tests play: drifting right at 40 points a second with a 5.3 Hz tremor of
// 3 points across the way.
constexpr double driftPathDuration = 1.5;

inline Vector driftPathIntent(double t)
{
    return {40 * t, 0};
}

inline Vector driftPath(double t)
{
    return driftPathIntent(t) + Vector{0, 3 * std::sin(2 * std::numbers::pi * 5.3 * t)};
}

} // namespace quellarine::testing
