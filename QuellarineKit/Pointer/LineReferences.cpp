#include "QuellarineKit/Pointer/LineReferences.h"

#include <cmath>
#include <numbers>

namespace quellarine {

LineReferences::LineReferences(double firstHz, double spacingHz, std::size_t count)
    : firstAngular_(2 * std::numbers::pi * firstHz)
    , spacingAngular_(2 * std::numbers::pi * spacingHz)
    , sines_(count)
    , cosines_(count)
{
}

void LineReferences::evaluate(double time)
{
    const std::size_t count = sines_.size();
    if (count == 0) {
        return;
    }
    double sine = std::sin(firstAngular_ * time);
    double cosine = std::cos(firstAngular_ * time);
    sines_[0] = sine;
    cosines_[0] = cosine;
    if (count == 1) {
        return;
    }
    const double stepSine = std::sin(spacingAngular_ * time);
    const double stepCosine = std::cos(spacingAngular_ * time);
    for (std::size_t k = 1; k < count; ++k) {
        const double nextSine = sine * stepCosine + cosine * stepSine;
        cosine = cosine * stepCosine - sine * stepSine;
        sine = nextSine;
        sines_[k] = sine;
        cosines_[k] = cosine;
    }
}

} // namespace quellarine
