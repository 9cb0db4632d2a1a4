#pragma once

#include "QuellarineKit/Calibration/CalibrationRecording.h"

#include <cstddef>
#include <vector>

namespace quellarine::Calibration {

constexpr double analysisRate = 120; // Hz: every recording is analysed on this even grid

// No output goes beyond ten minutes at the analysis rate. The test records well under a minute per part; the
// bound keeps any recording, whatever its times, to a finite loop and a bounded list.
constexpr std::size_t longestResampled = 600 * 120;

// The samples linearly interpolated at 1/120 s steps from the first sample's time, with times starting at 0.
// Samples whose first time is not below their last (none, one, all equal, or not numbers) come back as they
// are. Times that go backwards or repeat never divide by zero: a pair without a forward step takes its lower
// point.
std::vector<CalibrationRecording::Sample> resampled(const std::vector<CalibrationRecording::Sample>& samples);

} // namespace quellarine::Calibration
