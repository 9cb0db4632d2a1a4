#include "QuellarineKit/Calibration/Median.h"

#include <algorithm>
#include <cmath>

namespace quellarine::Calibration {

double median(std::vector<double> values)
{
    if (values.empty()) {
        return 0;
    }
    // A strict weak order even with NaN among the values, which plain < is not.
    std::sort(values.begin(), values.end(),
              [](double a, double b) { return a < b || (!std::isnan(a) && std::isnan(b)); });
    const std::size_t half = values.size() / 2;
    if (values.size() % 2 == 1) {
        return values[half];
    }
    return (values[half - 1] + values[half]) * 0.5;
}

} // namespace quellarine::Calibration
