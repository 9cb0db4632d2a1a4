#include "QuellarineKit/Calibration/TremorSpectrum.h"

#include "QuellarineKit/Calibration/SteadyPath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

using namespace quellarine;
using Calibration::TremorSpectrum;
using Sample = CalibrationRecording::Sample;

namespace {

constexpr double pi = std::numbers::pi;

// A still hand at (300, 200) with a vertical tremor, ten seconds at 120 Hz.
TremorSpectrum spectrumOf(const std::function<double(double)>& tremor)
{
    std::vector<Sample> samples;
    for (int i = 0; i < 1200; ++i) {
        samples.push_back({i / 120.0, {300, 200 + tremor(i / 120.0)}});
    }
    TremorSpectrum spectrum;
    spectrum.add(samples, Calibration::steadyPath(samples));
    return spectrum;
}

TremorSpectrum sineSpectrum(double frequency, double amplitude)
{
    return spectrumOf([=](double t) { return amplitude * std::sin(2 * pi * frequency * t); });
}

} // namespace

TEST(TremorSpectrumTest, RhythmIsAPeakWithinThreeToTwelveHertzOfAShakeAboveAThirdOfAPoint)
{
    for (double frequency : {3.0, 4.3, 8.7, 12.0}) {
        EXPECT_EQ(sineSpectrum(frequency, 2).rhythm(), frequency) << frequency;
    }
    EXPECT_EQ(sineSpectrum(6.03, 2).rhythm(), 6.0);
    EXPECT_EQ(TremorSpectrum::frequency(TremorSpectrum::frequencyCount - 1), 13.0);
    EXPECT_FALSE(sineSpectrum(2.7, 2).rhythm());
    EXPECT_FALSE(sineSpectrum(12.5, 2).rhythm());
    const auto faint = sineSpectrum(5, 0.4);
    EXPECT_LT(faint.shake(), 0.3);
    EXPECT_FALSE(faint.rhythm());
}

TEST(TremorSpectrumTest, RhythmNeedsAPeakOfMoreThanSixTimesTheMedianPower)
{
    // Equal tremors on every line of the grid in scattered phases, then line 50 (7.5 Hz) made stronger.
    const auto tremor = [](double boost) {
        return [boost](double t) {
            double y = 0;
            for (std::size_t line = 0; line < TremorSpectrum::frequencyCount; ++line) {
                const double size = line == 50 ? boost * 0.3 : 0.3;
                y += size
                    * std::sin(2 * pi * TremorSpectrum::frequency(line) * t + 2.4 * static_cast<double>(line * line));
            }
            return y;
        };
    };
    const auto flat = spectrumOf(tremor(1));
    EXPECT_GT(flat.shake(), 1);
    EXPECT_FALSE(flat.rhythm());
    EXPECT_FALSE(spectrumOf(tremor(std::sqrt(5.0))).rhythm()); // five times the power
    EXPECT_EQ(spectrumOf(tremor(3)).rhythm(), 7.5);            // nine times
}
