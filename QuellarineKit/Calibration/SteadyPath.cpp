#include "QuellarineKit/Calibration/SteadyPath.h"

#include "QuellarineKit/Calibration/Resampling.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quellarine::Calibration {

namespace {

constexpr double cutoff = 2.0;              // Hz
constexpr std::size_t longestPadding = 120; // samples reflected at each end
constexpr std::size_t fewestFiltered = 5;

// One second-order low-pass section with quality 1/√2 (direct form I).
struct LowPassSection {
    double b0, b1, b2, a1, a2;

    LowPassSection()
    {
        const double w = 2 * std::numbers::pi * cutoff / analysisRate;
        const double alpha = std::sin(w) / std::numbers::sqrt2;
        const double a0 = 1 + alpha;
        b0 = (1 - std::cos(w)) * 0.5 / a0;
        b1 = (1 - std::cos(w)) / a0;
        b2 = b0;
        a1 = -2 * std::cos(w) / a0;
        a2 = (1 - alpha) / a0;
    }

    // Filters in place, starting as if the first value had always been there.
    void pass(std::vector<double>& values) const
    {
        double x1 = values.front(), x2 = x1, y1 = x1, y2 = x1;
        for (double& value : values) {
            const double x = value;
            const double y = b2 * x2 + b1 * x1 + b0 * x - a1 * y1 - a2 * y2;
            x2 = x1;
            x1 = x;
            y2 = y1;
            y1 = y;
            value = y;
        }
    }
};

std::vector<double> zeroPhaseLowPass(const std::vector<double>& values)
{
    const std::size_t n = values.size();
    const std::size_t pad = std::min(n - 1, longestPadding);
    std::vector<double> padded;
    padded.reserve(n + 2 * pad);
    for (std::size_t k = pad; k >= 1; --k) {
        padded.push_back(2 * values.front() - values[k]);
    }
    padded.insert(padded.end(), values.begin(), values.end());
    for (std::size_t k = 1; k <= pad; ++k) {
        padded.push_back(2 * values.back() - values[n - 1 - k]);
    }

    static const LowPassSection section;
    for (int direction = 0; direction < 2; ++direction) {
        section.pass(padded);
        section.pass(padded);
        std::reverse(padded.begin(), padded.end());
    }
    return {padded.begin() + static_cast<std::ptrdiff_t>(pad), padded.begin() + static_cast<std::ptrdiff_t>(pad + n)};
}

} // namespace

std::vector<Point> steadyPath(const std::vector<CalibrationRecording::Sample>& samples)
{
    std::vector<Point> points;
    points.reserve(samples.size());
    for (const auto& sample : samples) {
        points.push_back(sample.point);
    }
    if (samples.size() < fewestFiltered) {
        return points;
    }
    std::vector<double> xs, ys;
    xs.reserve(points.size());
    ys.reserve(points.size());
    for (const Point& point : points) {
        xs.push_back(point.x);
        ys.push_back(point.y);
    }
    const auto steadyX = zeroPhaseLowPass(xs);
    const auto steadyY = zeroPhaseLowPass(ys);
    for (std::size_t i = 0; i < points.size(); ++i) {
        points[i] = {steadyX[i], steadyY[i]};
    }
    return points;
}

} // namespace quellarine::Calibration
