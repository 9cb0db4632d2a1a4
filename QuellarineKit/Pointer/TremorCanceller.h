#pragma once

#include "QuellarineKit/Support/DecodingError.h"
#include "QuellarineKit/Support/Geometry.h"
#include "QuellarineKit/Pointer/LineReferences.h"

#include <nlohmann/json_fwd.hpp>

#include <cstddef>
#include <numbers>
#include <optional>
#include <vector>

namespace quellarine {

// Learns the rhythmic part of the pointer's motion on a grid of frequency lines and subtracts it.
//
// Each line is a sine and a cosine of the sample's time whose weights are learnt per axis by a normalised
// least-mean-squares update against the fast part of the input (the input less a two-stage low-pass that carries
// the voluntary movement). Learning pauses while the voluntary movement is quick, errors are clipped against
// their running size and the clipped-off part moves the voluntary path at once, so that a sudden large move is
// followed rather than learnt.
class TremorCanceller {
public:
    struct Parameters {
        double lowestHz = 0;        // lowest line
        double highestHz = 0;       // highest line
        double stepHz = 0;          // spacing of the lines
        double voluntaryCutoff = 0; // Hz of the slow path carrying the voluntary movement
        double adaptation = 0;      // adaptation rate of the line weights per 8 ms step
        double strength = 0;        // fraction of the estimated tremor that is subtracted

        bool operator==(const Parameters&) const = default;
    };

    // The voluntary path: two low-pass stages and the time of the last sample.
    struct Slow {
        Vector first;
        Vector second;
        double time = 0;
    };

    // The tremor estimate of the last sample, before the strength is applied.
    struct LastTremor {
        Vector value;
        double time = 0;
    };

    static constexpr double pauseGap = 0.5;        // s: a sample this late ends the run
    static constexpr double pauseFadeTime = 0.5;   // s: the model fades by exp(−gap / this) over a pause
    static constexpr double shortestStep = 0.0005; // s
    static constexpr double referenceStep = 0.008; // s: the step the learning rates are given for
    static constexpr double largestAdaptation = 0.999;
    static constexpr double weightLeak = 0.9995; // per reference step
    static constexpr double errorClipFactor = 2.5;
    static constexpr double errorTrendTime = 0.15;   // s
    static constexpr double errorScaleTime = 1.0;    // s
    static constexpr double errorScaleFloor = 0.3;   // points
    static constexpr double initialErrorScale = 2.0; // points
    static constexpr double calmTremorRate = 4.0;    // per second
    static constexpr double outputLimitFactor = 2 * std::numbers::sqrt2;
    static constexpr double voluntarySpeedHoldTime = 0.2; // s
    static constexpr double gateOpenSpeed = 150;          // points per second: learning fully on at or below
    static constexpr double gateClosedSpeed = 300;        // points per second: learning off at or above
    static constexpr double restartVoluntarySpeed = 300;  // points per second
    static constexpr double coastFadeTime = 0.05;         // s
    static constexpr double narrowestStepHz = 0.1;
    // Decoded parameters may ask for any range; more lines than this are not built.
    static constexpr std::size_t maximumLines = 1000;

    // The lines for these parameters: lowestHz + k·step up to highestHz (inclusive within 1e-9), step at least
    // 0.1 Hz; none when a bound is not finite; at most maximumLines.
    static std::vector<double> lineFrequencies(const Parameters& parameters);

    explicit TremorCanceller(const Parameters& parameters);

    const Parameters& parameters() const { return parameters_; }
    const std::vector<double>& frequencies() const { return frequencies_; }

    // One raw sample (points, seconds) in, the sample less the estimated tremor out. Allocates nothing.
    Vector cancel(Vector point, double time);

    // The point less the last estimate, fading with the time since it was made. Changes nothing.
    Vector coast(Vector point, double time) const;

    // Back to the initial state; the lines stay.
    void reset();

    // Sum over the lines of the length of each line's four weights; 0 without lines.
    double amplitude() const;

    const std::vector<Vector>& sineWeights() const { return sineWeights_; }
    const std::vector<Vector>& cosineWeights() const { return cosineWeights_; }
    Vector offset() const { return offset_; }
    double errorScale() const { return errorScale_; }
    Vector errorTrend() const { return errorTrend_; }
    double calmTremor() const { return calmTremor_; }
    double voluntarySpeed() const { return voluntarySpeed_; }
    const std::optional<Slow>& slow() const { return slow_; }
    const std::optional<LastTremor>& lastTremor() const { return lastTremor_; }

private:
    Vector restart(Vector point, double time);

    Parameters parameters_;
    std::vector<double> frequencies_;
    LineReferences references_; // scratch for each sample's sines and cosines, sized once
    std::vector<Vector> sineWeights_;
    std::vector<Vector> cosineWeights_;
    Vector offset_;
    double errorScale_ = initialErrorScale;
    Vector errorTrend_;
    double calmTremor_ = 0;
    double voluntarySpeed_ = 0;
    std::optional<Slow> slow_;
    std::optional<LastTremor> lastTremor_;
};

void to_json(nlohmann::json& json, const TremorCanceller::Parameters& parameters);
void from_json(const nlohmann::json& json, TremorCanceller::Parameters& parameters);

} // namespace quellarine
