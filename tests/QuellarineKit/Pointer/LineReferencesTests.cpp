#include "QuellarineKit/Pointer/LineReferences.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using namespace quellarine;

namespace {

// The largest distance from the direct formula, in units in the last place of each line's phase.
double worstUlpsOfPhase(double firstHz, double spacingHz, std::size_t count, double uptime, int samples = 2000)
{
    LineReferences references(firstHz, spacingHz, count);
    double worst = 0;
    for (int i = 0; i < samples; ++i) {
        const double t = uptime + i * 0.0083;
        references.evaluate(t);
        for (std::size_t k = 0; k < count; ++k) {
            const double phase = 2 * std::numbers::pi * std::fma(static_cast<double>(k), spacingHz, firstHz) * t;
            const double ulp = std::nextafter(phase, std::numeric_limits<double>::infinity()) - phase;
            worst = std::max(worst, std::abs(references.sines()[k] - std::sin(phase)) / ulp);
            worst = std::max(worst, std::abs(references.cosines()[k] - std::cos(phase)) / ulp);
        }
    }
    return worst;
}

} // namespace

TEST(LineReferencesTest, AgreeWithTheDirectFormulaAtUptimesOfSecondsDaysAndWeeks)
{
    for (const double uptime : {1.5, 40.0, 3 * 86400.0 + 0.3, 5 * 7 * 86400.0 + 0.7}) {
        EXPECT_LE(worstUlpsOfPhase(3.0, 0.5, 19, uptime), 4.0) << "uptime " << uptime;
        EXPECT_LE(worstUlpsOfPhase(2.7, 0.3, 22, uptime), 4.0) << "uptime " << uptime;
        EXPECT_LE(worstUlpsOfPhase(0.1, 0.1, 1000, uptime, 100), 4.0) << "uptime " << uptime;
    }
}
