#pragma once

#include "QuellarineKit/Calibration/CalibrationRecording.h"

#include <vector>

namespace quellarine::Calibration {

// The slow, intended part of a 120 Hz recording: each axis through a 2 Hz second-order Butterworth low-pass,
// twice forwards and twice backwards so that the path keeps its timing, with the ends padded by point
// reflection so that they do not bend towards zero. Fewer than five samples come back unfiltered.
std::vector<Point> steadyPath(const std::vector<CalibrationRecording::Sample>& samples);

} // namespace quellarine::Calibration
