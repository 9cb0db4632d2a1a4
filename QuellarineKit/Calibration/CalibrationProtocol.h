#pragma once

#include "QuellarineKit/Support/Geometry.h"

#include <array>

namespace quellarine {

// The one-minute test as the user takes it: how long the hand holds on the dot and follows the moving one,
// where the moving dot goes, which targets are clicked and how close a press must land. Positions are in the
// stage's own points (origin at its top-left corner, y down). The page runs the test by these rules and the
// tests play hands by them, so both always agree.
struct CalibrationProtocol {
    static constexpr double holdSeconds = 10;
    static constexpr double followSeconds = 15;
    // The hold clock starts at the first sample strictly closer than this to the stage's centre.
    static constexpr double startRadius = 30;
    // A press this close to the target's centre, or closer, hits it.
    static constexpr double hitRadius = 30;
    static constexpr int targetCount = 10;
    // The moving dot's figure of eight: a swing across and two up and down per period.
    static constexpr double acrossPeriod = 7.5;
    static constexpr double upDownPeriod = 3.75;
    static constexpr double acrossAmplitude = 0.38;
    static constexpr double upDownAmplitude = 0.30;
    // Where the targets stand, as fractions of the stage's width and height, in the order they are shown.
    static constexpr std::array<std::array<double, 2>, targetCount> unitTargets{{
        {0.18, 0.25},
        {0.78, 0.70},
        {0.50, 0.20},
        {0.25, 0.75},
        {0.85, 0.30},
        {0.40, 0.55},
        {0.65, 0.40},
        {0.12, 0.50},
        {0.58, 0.82},
        {0.90, 0.55},
    }};

    // The centre of a stage, where the hold dot stands.
    static Point centre(Size stage);
    // Whether a pointer sample starts the hold clock.
    static bool startsHold(Point point, Size stage);
    // The moving dot after `t` seconds of the follow part.
    static Point dotPosition(double t, Size stage);
    // Target `index` (0 to targetCount - 1); out of range is a programming error.
    static Point target(int index, Size stage);
    // Whether a press that began at `at` hits target `index`.
    static bool hits(Point at, int index, Size stage);
};

} // namespace quellarine
