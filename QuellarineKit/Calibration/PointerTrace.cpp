#include "QuellarineKit/Calibration/PointerTrace.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace quellarine {

namespace {

constexpr double twoPi = 2 * std::numbers::pi;

// The whole number of samples in `product` = seconds × rate, or none when that is not a count the generators
// can make: not a number, infinite, negative, or larger than the largest trace they make.
std::optional<std::size_t> sampleCount(double product)
{
    const double whole = std::trunc(product);
    if (!(whole >= 0 && whole <= static_cast<double>(PointerTrace::largestGenerated))) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(whole);
}

PointerTrace emptyTrace()
{
    return PointerTrace{{}, {}, std::vector<Point>{}};
}

// Fills `count` samples at times index / rate from the intended path and the tremor offset at each time; each
// of the two is asked once per sample, in order, so either may keep running state.
template <typename Intended, typename Tremor>
PointerTrace generated(std::size_t count, double rate, Intended intendedAt, Tremor tremorAt)
{
    PointerTrace trace{{}, {}, std::vector<Point>{}};
    trace.times.reserve(count);
    trace.points.reserve(count);
    trace.intended->reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        const Point intended = intendedAt(t);
        trace.times.push_back(t);
        trace.points.push_back(intended + tremorAt(t));
        trace.intended->push_back(intended);
    }
    return trace;
}

Vector verticalSine(double frequency, double amplitude, double t)
{
    return {0, std::sin(twoPi * frequency * t) * amplitude};
}

double smoothStep(double p)
{
    return p * p * (3 - 2 * p);
}

} // namespace

PointerTrace PointerTrace::synthetic(double frequency, double amplitude, double speed, double rate, double seconds,
                                     double angle)
{
    const auto count = sampleCount(rate * seconds);
    if (!count) {
        return emptyTrace();
    }
    const double c = std::cos(angle), s = std::sin(angle);
    return generated(
        *count, rate,
        [=](double t) {
            return Point{c * (t * speed), s * (t * speed)};
        },
        [=](double t) {
            const double across = std::sin(twoPi * frequency * t) * amplitude;
            return Vector{-s * across, c * across};
        });
}

PointerTrace PointerTrace::irregular(double frequency, double amplitude, double drift, double speed, double rate,
                                     double seconds)
{
    const auto count = sampleCount(rate * seconds);
    if (!count) {
        return emptyTrace();
    }
    // The phase runs on from sample to sample, so the tremor's frequency can wander without jumps.
    double phase = 0;
    return generated(
        *count, rate,
        [=](double t) {
            return Point{t * speed, 0};
        },
        [&phase, frequency, amplitude, drift, rate](double t) {
            phase += (frequency + drift * std::sin(1.4451326206513049 * t) * std::cos(0.4398229715025711 * t)) * twoPi
                / rate;
            const double envelope = (1 + 0.3 * std::sin(1.9477874452256718 * t + 1.0)) * amplitude;
            return Vector{0.4 * envelope * std::sin(phase + 0.8), envelope * std::sin(phase)};
        });
}

PointerTrace PointerTrace::burst(double frequency, double amplitude, double speed, double calmSeconds,
                                 double moveSeconds, double rate)
{
    const auto count = sampleCount((calmSeconds + moveSeconds) * rate);
    if (!count) {
        return emptyTrace();
    }
    return generated(
        *count, rate,
        [=](double t) {
            return Point{std::min(t, calmSeconds) * 40.0 + std::max(t - calmSeconds, 0.0) * speed, 0};
        },
        [=](double t) { return verticalSine(frequency, amplitude, t); });
}

PointerTrace PointerTrace::aiming(double frequency, double amplitude, double aimSeconds, double moveSeconds,
                                  int targets, double rate)
{
    static constexpr std::array<Point, 5> stops{Point{600, 430}, Point{1190, 450}, Point{900, 590}, Point{650, 750},
                                                Point{1230, 770}};
    const double moveProduct = moveSeconds * rate;
    const auto opening = sampleCount(1.5 * rate);
    const auto move = sampleCount(moveProduct);
    const auto aim = sampleCount(aimSeconds * rate);
    if (!opening || targets < 0 || (targets > 0 && (!move || !aim || !(moveProduct >= 1)))) {
        return emptyTrace();
    }
    const std::size_t perTarget = targets > 0 ? *move + *aim : 0;
    if (static_cast<double>(perTarget) * targets + static_cast<double>(*opening)
        > static_cast<double>(largestGenerated)) {
        return emptyTrace();
    }

    std::vector<Point> path;
    path.reserve(*opening + perTarget * static_cast<std::size_t>(targets));
    Point current = stops.back();
    path.insert(path.end(), *opening, current);
    for (int k = 0; k < targets; ++k) {
        const Point target = stops[static_cast<std::size_t>(k) % stops.size()];
        for (std::size_t s = 1; s <= *move; ++s) {
            path.push_back(current + (target - current) * smoothStep(static_cast<double>(s) / moveProduct));
        }
        path.insert(path.end(), *aim, target);
        current = target;
    }

    std::size_t index = 0;
    return generated(
        path.size(), rate, [&path, &index](double) { return path[index++]; },
        [=](double t) { return verticalSine(frequency, amplitude, t); });
}

PointerTrace PointerTrace::reach(double distance, double frequency, double amplitude, double rate, double moveSeconds,
                                 double restSeconds)
{
    const auto count = sampleCount((restSeconds + 1.5) * rate);
    if (!count || !(moveSeconds > 0)) {
        return emptyTrace();
    }
    return generated(
        *count, rate,
        [=](double t) {
            return Point{smoothStep(std::clamp((t - restSeconds) / moveSeconds, 0.0, 1.0)) * distance, 0};
        },
        [=](double t) { return verticalSine(frequency, amplitude, t); });
}

} // namespace quellarine
