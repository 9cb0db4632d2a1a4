#include "Quellarine/Spring.h"

#include <cmath>
#include <numbers>

namespace quellarine {

namespace {

// The x at which (1 + x) e^-x, the remaining distance of a critically damped spring, falls to 0.001.
constexpr double settledPhase = 9.2335;

} // namespace

double Spring::value(double seconds) const
{
    if (!(seconds > 0)) {
        return 0.0;
    }
    if (!(response > 0)) {
        return 1.0;
    }
    const double phase = 2 * std::numbers::pi / response * seconds;
    return 1.0 - (1.0 + phase) * std::exp(-phase);
}

double Spring::settlingTime() const
{
    return response > 0 ? settledPhase * response / (2 * std::numbers::pi) : 0.0;
}

} // namespace quellarine
