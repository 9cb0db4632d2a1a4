#include "QuellarineKit/Calibration/TremorSpectrum.h"

#include "QuellarineKit/Calibration/Median.h"
#include "QuellarineKit/Calibration/Resampling.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quellarine::Calibration {

namespace {

constexpr double clearPeakFactor = 6.0;
constexpr double smallestRhythmicShake = 0.3; // points
constexpr double lowestRhythm = 3.0;          // Hz
constexpr double highestRhythm = 12.0;        // Hz

} // namespace

double TremorSpectrum::frequency(std::size_t index)
{
    return std::fma(static_cast<double>(index), 0.1, 2.5);
}

void TremorSpectrum::add(const std::vector<CalibrationRecording::Sample>& samples, const std::vector<Point>& steady)
{
    const std::size_t n = std::min(samples.size(), steady.size());
    if (n < fewestSamples) {
        return;
    }
    const std::size_t m = n - 2 * edgeSamples;
    std::vector<Vector> tremor;
    tremor.reserve(m);
    for (std::size_t k = 0; k < m; ++k) {
        const Vector r = samples[edgeSamples + k].point - steady[edgeSamples + k];
        tremor.push_back(r);
        sumOfSquares_ += r.dx * r.dx + r.dy * r.dy;
    }
    count_ += m;

    for (std::size_t i = 0; i < frequencyCount; ++i) {
        const double omega = frequency(i) * 2 * std::numbers::pi / analysisRate;
        double cx = 0, sx = 0, cy = 0, sy = 0;
        for (std::size_t k = 0; k < m; ++k) {
            const double angle = omega * static_cast<double>(k);
            const double c = std::cos(angle), s = std::sin(angle);
            cx += tremor[k].dx * c;
            sx -= tremor[k].dx * s;
            cy += tremor[k].dy * c;
            sy -= tremor[k].dy * s;
        }
        powers_[i] += (sy * sy + cy * cy + sx * sx + cx * cx) / static_cast<double>(m);
    }
}

double TremorSpectrum::shake() const
{
    return count_ >= 1 ? std::sqrt(sumOfSquares_ / static_cast<double>(count_)) : 0;
}

std::optional<double> TremorSpectrum::rhythm() const
{
    std::size_t peak = 0;
    for (std::size_t i = 1; i < frequencyCount; ++i) {
        if (powers_[i] > powers_[peak]) {
            peak = i;
        }
    }
    const double medianPower = median({powers_.begin(), powers_.end()});
    const double peakFrequency = frequency(peak);
    if (powers_[peak] > clearPeakFactor * medianPower && shake() > smallestRhythmicShake
        && peakFrequency >= lowestRhythm && peakFrequency <= highestRhythm) {
        return std::round(peakFrequency * 10) / 10;
    }
    return std::nullopt;
}

} // namespace quellarine::Calibration
