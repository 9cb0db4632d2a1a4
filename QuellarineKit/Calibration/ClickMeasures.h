#pragma once

#include "QuellarineKit/Calibration/CalibrationRecording.h"

#include <vector>

namespace quellarine::Calibration {

// How the user clicked on the click stage.
struct ClickMeasures {
    // A click pressed sooner than this after the previous release...
    static constexpr double extraClickGap = 0.35; // s
    // ...and closer than this to where it was released counts as an extra click.
    static constexpr double extraClickDistance = 30.0; // points
    // A press shorter than this is a tap the click guard is there to catch.
    static constexpr double shortTap = 0.05; // s

    double press = 0; // median seconds held down
    double slip = 0;  // median points between press and release
    int extraClicks = 0;
    int misses = 0; // clicks − hits − extraClicks, not clamped at zero
    bool hasShortTap = false;

    static ClickMeasures of(const std::vector<CalibrationRecording::Click>& clicks);
};

} // namespace quellarine::Calibration
