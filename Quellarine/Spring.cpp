#include "Quellarine/Spring.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quellarine {

namespace {

// The x at which (1 + x) e^-x, the remaining distance of a critically damped spring, falls to 0.001.
constexpr double settledPhase = 9.2335;
constexpr double tolerance = 0.001;

// Damping fractions this close to 1 are treated as critical damping.
bool isCritical(double damping)
{
    return damping >= 1.0 - 1e-9;
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
    const double omega = 2 * std::numbers::pi / response;
    const double zeta = std::max(dampingFraction, 0.0);
    if (isCritical(zeta)) {
        const double phase = omega * seconds;
        return 1.0 - (1.0 + phase) * std::exp(-phase);
    }
    const double dampedOmega = omega * std::sqrt(1.0 - zeta * zeta);
    const double decay = std::exp(-zeta * omega * seconds);
    return 1.0 - decay * (std::cos(dampedOmega * seconds) + zeta * omega / dampedOmega * std::sin(dampedOmega * seconds));
}

double Spring::settlingTime() const
{
    if (!(response > 0)) {
        return 0.0;
    }
    const double zeta = std::max(dampingFraction, 0.0);
    if (isCritical(zeta)) {
        return settledPhase * response / (2 * std::numbers::pi);
    }
    if (zeta <= 0.0) {
        // An undamped spring never settles; end it after a few swings rather than never.
        return 4 * response;
    }
    // The envelope of the swing, e^(-zeta omega t) / sqrt(1 - zeta^2), falls below the tolerance.
    const double omega = 2 * std::numbers::pi / response;
    return std::log(1.0 / (tolerance * std::sqrt(1.0 - zeta * zeta))) / (zeta * omega);
}

} // namespace quellarine
