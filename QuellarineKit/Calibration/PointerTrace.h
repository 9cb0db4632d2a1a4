#pragma once

#include "QuellarineKit/Support/Geometry.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace quellarine {

// A timed pointer path, optionally with where the hand meant to be at each time. The three lists are meant to
// be equally long; every measure uses only the indices that all of them have.
struct PointerTrace {
    std::vector<double> times;                  // seconds, increasing
    std::vector<Point> points;                  // the recorded, shaking positions
    std::optional<std::vector<Point>> intended; // none for a path without one

    // The generators refuse to make more samples than this (an hour at 1,000 Hz) and give an empty trace.
    static constexpr std::size_t largestGenerated = 3'600'000;

    // A straight line from the origin at `angle` radians and `speed` points per second, with a sine tremor
    // across it.
    static PointerTrace synthetic(double frequency, double amplitude, double speed, double rate, double seconds,
                                  double angle);
    // A horizontal line with a tremor whose frequency drifts and whose size swells, on both axes.
    static PointerTrace irregular(double frequency, double amplitude, double drift, double speed, double rate,
                                  double seconds);
    // A slow creep at 40 points per second for `calmSeconds`, then `speed` for `moveSeconds`, with a vertical
    // tremor throughout.
    static PointerTrace burst(double frequency, double amplitude, double speed, double calmSeconds, double moveSeconds,
                              double rate);
    // Walks between five fixed targets, holding still on each for `aimSeconds`, with a vertical tremor.
    // A `moveSeconds` × `rate` below one with targets to visit, or fewer than zero targets, gives an empty trace.
    static PointerTrace aiming(double frequency, double amplitude, double aimSeconds, double moveSeconds, int targets,
                               double rate);
    // Rests, then reaches `distance` points to the right on a smooth step of `moveSeconds`; always lasts
    // `restSeconds` + 1.5 s, so a long move is cut off part way. A `moveSeconds` that is not above zero gives an
    // empty trace.
    static PointerTrace reach(double distance, double frequency, double amplitude, double rate, double moveSeconds,
                              double restSeconds);
};

} // namespace quellarine
