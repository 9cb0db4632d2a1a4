#include "QuellarineKit/Calibration/FilterEvaluation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quellarine::FilterEvaluation {

namespace {

constexpr double movingSpeed = 20.0;     // points per second: slower intended movement has no lag to measure
constexpr double shortestStep = 1e-6;    // s: equal times never divide by zero
constexpr double settleRadius = 2.0;     // points
constexpr std::size_t shortestRest = 10; // samples of a final rest that make a settle time measurable

double squared(Vector v)
{
    return v.dot(v);
}

// The first index from which the intended path stays on its last point, or none when that rest is not one
// a settle time can be read from: it must start at index 2 or later and last at least 10 samples.
std::optional<std::size_t> finalRestStart(const std::vector<Point>& intended, std::size_t count)
{
    if (count < 2) {
        return std::nullopt;
    }
    const Point last = intended[count - 1];
    std::size_t start = count - 1;
    while (start > 0 && intended[start - 1] == last) {
        --start;
    }
    if (start < 2 || count - start < shortestRest) {
        return std::nullopt;
    }
    return start;
}

} // namespace

std::vector<Point> run(const PointerFilter::Parameters& parameters, const PointerTrace& trace)
{
    PointerFilter filter(parameters);
    const std::size_t count = std::min(trace.times.size(), trace.points.size());
    std::vector<Point> output;
    output.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        output.push_back(filter.filter(trace.points[i], trace.times[i]));
    }
    return output;
}

FilterScore score(const PointerFilter::Parameters& parameters, const PointerTrace& trace, double skipSeconds)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    if (!trace.intended || trace.points.size() < 3) {
        return {nan, nan, std::nullopt};
    }
    const auto& intended = *trace.intended;
    const auto& times = trace.times;
    const auto& points = trace.points;
    const std::vector<Point> output = run(parameters, trace);
    const std::size_t count = std::min(output.size(), intended.size());
    if (count == 0) {
        return {0, 0, std::nullopt};
    }

    std::size_t start = 0;
    while (start < count && !(times[start] >= skipSeconds)) {
        ++start;
    }
    if (start == count) {
        start = 0;
    }

    double remaining = 0, raw = 0, lagSum = 0;
    std::size_t moving = 0;
    for (std::size_t i = start; i < count; ++i) {
        const std::size_t j = i == 0 ? 0 : i - 1;
        double dt = times[i] - times[j];
        if (dt <= shortestStep) {
            dt = shortestStep;
        }
        const Vector velocity = (intended[i] - intended[j]) / dt;
        const double speed = velocity.length();
        Vector error = output[i] - intended[i];
        if (speed > movingSpeed) {
            ++moving;
            const double along = error.dot(velocity) / speed;
            lagSum += along / speed * -1000;
            error = error - velocity / speed * along;
        }
        remaining += squared(error);
        raw += squared(points[i] - intended[i]);
    }

    FilterScore result;
    result.residualTremor = raw > 0 ? std::sqrt(remaining / raw) : 0;
    result.lagMs = moving > 0 ? lagSum / static_cast<double>(moving) : 0;
    if (auto rest = finalRestStart(intended, count)) {
        const Point last = intended[count - 1];
        result.settleMs = 0;
        for (std::size_t i = count; i-- > *rest;) {
            if (output[i].distance(last) > settleRadius) {
                result.settleMs = (times[i] - times[*rest]) * 1000;
                break;
            }
        }
    }
    return result;
}

double restingResidual(const PointerFilter::Parameters& parameters, const PointerTrace& trace, double skipSeconds)
{
    if (!trace.intended) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const auto& intended = *trace.intended;
    const std::vector<Point> output = run(parameters, trace);
    const std::size_t count = std::min(output.size(), intended.size());
    double remaining = 0, raw = 0;
    for (std::size_t i = 1; i < count; ++i) {
        if (trace.times[i] >= skipSeconds && intended[i] == intended[i - 1]) {
            remaining += squared(output[i] - intended[i]);
            raw += squared(trace.points[i] - intended[i]);
        }
    }
    return raw > 0 ? std::sqrt(remaining / raw) : 0;
}

} // namespace quellarine::FilterEvaluation
