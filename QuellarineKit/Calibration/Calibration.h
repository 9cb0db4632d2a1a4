#pragma once

#include "QuellarineKit/Calibration/CalibrationRecording.h"
#include "QuellarineKit/Calibration/CalibrationResult.h"
#include "QuellarineKit/Pointer/FilterPreset.h"

#include <vector>

namespace quellarine::Calibration {

// The presets a test chooses among: the built-in ones in their order without the trackpad preset, which is
// appended last for a trackpad user. The personal preset never is one.
std::vector<FilterPreset> candidates(bool trackpad);

// How much a point of shake left counts against a millisecond of lag: nothing for a hand that hardly shakes
// (below 0.3 points), then half the shake, kept within 0.4 to 4.
double shakeWeight(double shake);

// Measures the shake, its rhythm and the clicks of one test, replays the recording through every candidate,
// ranks them by the lag each adds (150 ms counting as one) plus the shake it leaves times the weight, and
// advises on the click guard. Pure and safe on any thread; `now` (seconds since 2001-01-01 UTC) becomes the
// result's date. Every number of the result is finite, whatever the recording holds.
CalibrationResult analyze(const CalibrationRecording& recording, double now);

} // namespace quellarine::Calibration
