#pragma once

#include <vector>

namespace quellarine::Calibration {

// 0 for no values; the middle value of an odd count, the mean of the two middle values of an even one.
// Values that are not numbers sort after all others.
double median(std::vector<double> values);

} // namespace quellarine::Calibration
