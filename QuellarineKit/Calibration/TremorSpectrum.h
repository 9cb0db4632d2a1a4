#pragma once

#include "QuellarineKit/Calibration/CalibrationRecording.h"

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace quellarine::Calibration {

// The size and rhythm of the tremor in one or more 120 Hz recordings: what is left of each recording once its
// steady path is taken away, measured as a root-mean-square and as power on a grid of 2.5 to 13 Hz.
class TremorSpectrum {
public:
    static constexpr std::size_t frequencyCount = 106;
    // 2.5 + i × 0.1 Hz, each from i directly so that rounding does not creep along the grid.
    static double frequency(std::size_t index);

    // Recordings shorter than this many samples (about a second) add nothing.
    static constexpr std::size_t fewestSamples = 121;
    // Samples left out at each end, where the steady path is least sure.
    static constexpr std::size_t edgeSamples = 18;

    // Adds one recording, given with its steady path (one point per sample).
    void add(const std::vector<CalibrationRecording::Sample>& samples, const std::vector<Point>& steady);

    // Root-mean-square tremor in points over everything added; 0 when nothing was.
    double shake() const;
    // The peak frequency to 0.1 Hz when it stands out clearly (more than six times the median power), the
    // shake is above 0.3 points, and the peak lies within 3 to 12 Hz; none otherwise.
    std::optional<double> rhythm() const;

private:
    std::array<double, frequencyCount> powers_{};
    double sumOfSquares_ = 0;
    std::size_t count_ = 0;
};

} // namespace quellarine::Calibration
