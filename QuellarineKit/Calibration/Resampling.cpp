#include "QuellarineKit/Calibration/Resampling.h"

#include <algorithm>

namespace quellarine::Calibration {

std::vector<CalibrationRecording::Sample> resampled(const std::vector<CalibrationRecording::Sample>& samples)
{
    if (samples.empty() || !(samples.front().time < samples.back().time)) {
        return samples;
    }
    const double first = samples.front().time;
    const double last = samples.back().time;
    const std::size_t lastIndex = samples.size() - 1;
    constexpr double step = 1 / analysisRate;

    std::vector<CalibrationRecording::Sample> output;
    // The span may be huge or infinite: reserve no more than the bound.
    const double expected = (last - first) * analysisRate + 2;
    output.reserve(expected < static_cast<double>(longestResampled) ? static_cast<std::size_t>(expected)
                                                                    : longestResampled);
    std::size_t lower = 0;
    // A running sum, as the grid has always been built; t0 + k/120 would shift the grid by rounding.
    for (double tau = first; tau <= last && output.size() < longestResampled; tau += step) {
        std::size_t upper = lower + 1;
        while (upper <= lastIndex && !(samples[upper].time >= tau)) {
            ++upper;
        }
        if (upper > lastIndex) {
            lower = upper = lastIndex;
        } else {
            lower = upper - 1;
        }
        const auto& below = samples[lower];
        const auto& above = samples[upper];
        const double fraction = below.time < above.time ? (tau - below.time) / (above.time - below.time) : 0;
        output.push_back({tau - first, below.point + (above.point - below.point) * fraction});
    }
    return output;
}

} // namespace quellarine::Calibration
