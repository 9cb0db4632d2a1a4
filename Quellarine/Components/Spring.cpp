#include "Quellarine/Components/Spring.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quellarine {

namespace {

// The x at which (1 + x) e^-x, the remaining distance of a critically damped spring, falls to 0.001.
constexpr double settledPhase = 9.2335;
constexpr double settledDistance = 0.001;
// Springs with less damping than this would swing for ever; they are treated as this lightly damped.
constexpr double leastDamping = 0.05;

double damping(double fraction)
{
    return std::clamp(fraction, leastDamping, 1.0);
}

} // namespace

double Spring::value(double seconds) const
{
    if (!(seconds > 0)) {
        return 0.0;
    }
    if (!(response > 0)) {
        return 1.0;
    }
    const double angular = 2 * std::numbers::pi / response;
    const double zeta = damping(dampingFraction);
    if (zeta >= 1.0) {
        const double phase = angular * seconds;
        return 1.0 - (1.0 + phase) * std::exp(-phase);
    }
    const double decay = zeta * angular;
    const double damped = angular * std::sqrt(1.0 - zeta * zeta);
    return 1.0
        - std::exp(-decay * seconds) * (std::cos(damped * seconds) + decay / damped * std::sin(damped * seconds));
}

double Spring::settlingTime() const
{
    if (!(response > 0)) {
        return 0.0;
    }
    const double zeta = damping(dampingFraction);
    if (zeta >= 1.0) {
        return settledPhase * response / (2 * std::numbers::pi);
    }
    // The swing stays inside its envelope, which starts at 1 / sqrt(1 - zeta^2) and decays at zeta times the
    // undamped angular frequency.
    const double angular = 2 * std::numbers::pi / response;
    const double envelope = 1.0 / std::sqrt(1.0 - zeta * zeta);
    return std::log(envelope / settledDistance) / (zeta * angular);
}

} // namespace quellarine
