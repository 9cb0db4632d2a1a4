#include "QuellarineKit/Pointer/HandMovement.h"

#include <cmath>

namespace quellarine {

std::optional<HandMovement::Resolution> HandMovement::resolve(Point location, Vector delta,
                                                              std::span<const Point> possibleStarts, double tolerance)
{
    const auto mismatch = [&](std::size_t index) { return ((location - possibleStarts[index]) - delta).length(); };
    bool anyFinite = false;
    double nearest = 0;
    for (std::size_t index = 0; index < possibleStarts.size(); ++index) {
        const double error = mismatch(index);
        if (error <= agreement) {
            bool sole = index < 2;
            if (index == 0 && possibleStarts.size() > 1) {
                // When the second start agrees as well, it is open which of the two the system used.
                sole = !(mismatch(1) <= agreement);
            }
            return Resolution{location - possibleStarts[index], static_cast<int>(index), sole};
        }
        if (std::isfinite(error) && (!anyFinite || error < nearest)) {
            nearest = error;
            anyFinite = true;
        }
    }
    // Nothing agrees: the raw delta stands unless every start that can be measured is far off.
    if (!anyFinite || nearest <= tolerance) {
        return Resolution{delta, std::nullopt, false};
    }
    return std::nullopt;
}

std::optional<Vector> HandMovement::movement(Point location, Vector delta, std::span<const Point> possibleStarts,
                                             double tolerance)
{
    if (auto resolution = resolve(location, delta, possibleStarts, tolerance)) {
        return resolution->movement;
    }
    return std::nullopt;
}

} // namespace quellarine
