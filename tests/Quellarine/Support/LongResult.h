#pragma once

#include "QuellarineKit/Calibration/CalibrationResult.h"

namespace quellarine::testing {

// A calibration result whose figures make the longest texts the result page shows: two-digit counts, a decimal
// shake and slip, and four presets' scores.
inline CalibrationResult longResult()
{
    using ID = FilterPreset::ID;
    CalibrationResult result;
    result.rhythm = 4.4;
    result.shake = 14.26;
    result.slip = 9.8;
    result.extraClicks = 12;
    result.misses = 10;
    result.scores = {{ID::veryStrong, 0.34, 88.4},
                     {ID::largeMovements, 0.41, 64},
                     {ID::strong, 0.5, 40},
                     {ID::balanced, 0.62, 12.5}};
    result.suggested = ID::largeMovements;
    result.clickGuard = true;
    result.date = 800'000'000;
    return result;
}

} // namespace quellarine::testing
