#include "QuellarineKit/Calibration/TremorSpectrum.h"

#include "QuellarineKit/Calibration/SteadyPath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <numbers>

using namespace quellarine;
using Calibration::TremorSpectrum;
using Sample = CalibrationRecording::Sample;

namespace {

constexpr double pi = std::numbers::pi;

// A still hand at (300, 200) with a vertical sine tremor, `count` samples at 120 Hz.
std::vector<Sample> held(double frequency, double amplitude, std::size_t count = 1200)
{
    std::vector<Sample> samples;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / 120;
        samples.push_back({t, {300, 200 + amplitude * std::sin(2 * pi * frequency * t)}});
    }
    return samples;
}

TremorSpectrum spectrumOf(const std::vector<Sample>& samples)
{
    TremorSpectrum spectrum;
    spectrum.add(samples, Calibration::steadyPath(samples));
    return spectrum;
}

} // namespace

TEST(TremorSpectrumTests, GridRunsFromTwoAndAHalfToThirteenHertzWithoutCreep)
{
    EXPECT_EQ(TremorSpectrum::frequency(0), 2.5);
    EXPECT_EQ(TremorSpectrum::frequency(5), 3.0);
    EXPECT_EQ(TremorSpectrum::frequency(25), 5.0);
    EXPECT_EQ(TremorSpectrum::frequency(95), 12.0);
    EXPECT_EQ(TremorSpectrum::frequency(TremorSpectrum::frequencyCount - 1), 13.0);
}

TEST(TremorSpectrumTests, RhythmIsTheClearPeakWithinThreeToTwelveHertz)
{
    for (double frequency : {3.0, 4.3, 6.0, 8.7, 12.0}) {
        EXPECT_EQ(spectrumOf(held(frequency, 2)).rhythm(), frequency) << frequency;
    }
    // Between grid lines the nearer line wins, rounded to a tenth.
    EXPECT_EQ(spectrumOf(held(6.03, 2)).rhythm(), 6.0);
    for (double frequency : {2.7, 12.5}) {
        EXPECT_FALSE(spectrumOf(held(frequency, 2)).rhythm()) << frequency;
    }
    // A clean rhythm too small to matter.
    const auto faint = spectrumOf(held(5, 0.4));
    EXPECT_LT(faint.shake(), 0.3);
    EXPECT_FALSE(faint.rhythm());
}

TEST(TremorSpectrumTests, NoRhythmWithoutAClearPeak)
{
    // Equal tremors on every line of the grid, in scattered phases: plenty of shake, no frequency stands out.
    std::vector<Sample> samples;
    for (std::size_t i = 0; i < 3000; ++i) {
        const double t = static_cast<double>(i) / 120;
        double y = 0;
        for (std::size_t line = 0; line < TremorSpectrum::frequencyCount; ++line) {
            y += 0.3 * std::sin(2 * pi * TremorSpectrum::frequency(line) * t + 2.4 * static_cast<double>(line * line));
        }
        samples.push_back({t, {500, 500 + y}});
    }
    const auto spectrum = spectrumOf(samples);
    EXPECT_GT(spectrum.shake(), 1);
    EXPECT_FALSE(spectrum.rhythm());

    // The same with one line six times as strong in power (√6 in size) is not clear enough; nine times is.
    for (auto [factor, clear] : {std::pair{std::sqrt(5.0), false}, std::pair{3.0, true}}) {
        auto peaked = samples;
        for (auto& sample : peaked) {
            sample.point.y += (factor - 1) * 0.3 * std::sin(2 * pi * 7.5 * sample.time + 2.4 * 50 * 50);
        }
        EXPECT_EQ(spectrumOf(peaked).rhythm().has_value(), clear) << factor;
    }
}

TEST(TremorSpectrumTests, ShortRecordingsAddNothingAndLongerOnesAddUp)
{
    const auto shortOne = spectrumOf(held(5, 2, TremorSpectrum::fewestSamples - 1));
    EXPECT_EQ(shortOne.shake(), 0);
    EXPECT_FALSE(shortOne.rhythm());
    for (double power : shortOne.powers()) {
        EXPECT_EQ(power, 0);
    }
    EXPECT_GT(spectrumOf(held(5, 2, TremorSpectrum::fewestSamples)).shake(), 1);

    // Shake is the root-mean-square over both recordings together, weighted by their lengths.
    TremorSpectrum both;
    const auto small = held(5, 1, 1236);
    const auto large = held(5, 3, 636);
    both.add(small, Calibration::steadyPath(small));
    both.add(large, Calibration::steadyPath(large));
    const double s = spectrumOf(small).shake(), l = spectrumOf(large).shake();
    EXPECT_NEAR(both.shake(), std::sqrt((s * s * 1200 + l * l * 600) / 1800), 1e-12);
}
