#include "QuellarineKit/Pointer/TremorCanceller.h"

#include "QuellarineKit/Support/JsonFields.h"
#include "QuellarineKit/Pointer/OneEuroFilter.h"

#include <algorithm>
#include <cmath>

namespace quellarine {

namespace {

double lineStep(const TremorCanceller::Parameters& parameters)
{
    return parameters.stepHz > TremorCanceller::narrowestStepHz ? parameters.stepHz : TremorCanceller::narrowestStepHz;
}

} // namespace

std::vector<double> TremorCanceller::lineFrequencies(const Parameters& parameters)
{
    std::vector<double> lines;
    // An infinite bound would never end the grid, and one that is not a number has no grid.
    if (!std::isfinite(parameters.lowestHz) || !std::isfinite(parameters.highestHz)) {
        return lines;
    }
    const double step = lineStep(parameters);
    for (std::size_t k = 0; k < maximumLines; ++k) {
        // From k directly, so that the grid does not drift; the tolerance keeps highestHz itself when the sum
        // lands a hair above it.
        const double frequency = std::fma(static_cast<double>(k), step, parameters.lowestHz);
        if (!(frequency <= parameters.highestHz + 1e-9)) {
            break;
        }
        // So far from zero that the step is lost in rounding, the grid would repeat one frequency: it ends.
        if (!lines.empty() && !(frequency > lines.back())) {
            break;
        }
        lines.push_back(frequency);
    }
    return lines;
}

TremorCanceller::TremorCanceller(const Parameters& parameters)
    : parameters_(parameters)
    , frequencies_(lineFrequencies(parameters))
    , references_(frequencies_.empty() ? 0.0 : frequencies_.front(), lineStep(parameters), frequencies_.size())
    , sineWeights_(frequencies_.size())
    , cosineWeights_(frequencies_.size())
{
}

void TremorCanceller::reset()
{
    std::fill(sineWeights_.begin(), sineWeights_.end(), Vector{});
    std::fill(cosineWeights_.begin(), cosineWeights_.end(), Vector{});
    offset_ = {};
    errorScale_ = initialErrorScale;
    errorTrend_ = {};
    calmTremor_ = 0;
    voluntarySpeed_ = 0;
    slow_.reset();
    lastTremor_.reset();
}

double TremorCanceller::amplitude() const
{
    double sum = 0;
    for (std::size_t i = 0; i < sineWeights_.size(); ++i) {
        const Vector s = sineWeights_[i];
        const Vector c = cosineWeights_[i];
        sum += std::sqrt(s.dx * s.dx + s.dy * s.dy + c.dx * c.dx + c.dy * c.dy);
    }
    return sum;
}

// Keeps the weights, the error scale and the calm tremor; the gate starts closed.
Vector TremorCanceller::restart(Vector point, double time)
{
    offset_ = {};
    errorTrend_ = {};
    voluntarySpeed_ = restartVoluntarySpeed;
    slow_ = Slow{.first = point, .second = point, .time = time};
    lastTremor_.reset();
    return point;
}

Vector TremorCanceller::cancel(Vector point, double time)
{
    if (!std::isfinite(point.dx) || !std::isfinite(point.dy)) {
        // Nothing to learn from and no base for the next step, which therefore restarts as well; the model stays.
        restart(point, time);
        slow_.reset();
        return point;
    }
    // Written as negations so that a time that is not a number restarts too.
    if (!slow_ || !(time >= slow_->time)) {
        return restart(point, time);
    }
    const double gap = time - slow_->time;
    if (!(gap < pauseGap)) {
        // A pause keeps a faded model. Two infinite times in a row give a gap that is not a number: that pause
        // has no length to fade by, so the model is dropped rather than made not-a-number for good.
        const double fade = std::isnan(gap) ? 0.0 : std::exp(-gap / pauseFadeTime);
        for (std::size_t i = 0; i < sineWeights_.size(); ++i) {
            sineWeights_[i] = sineWeights_[i] * fade;
            cosineWeights_[i] = cosineWeights_[i] * fade;
        }
        calmTremor_ *= fade;
        return restart(point, time);
    }
    const double dt = gap > shortestStep ? gap : shortestStep;
    const Slow old = *slow_;

    // Voluntary path.
    const double slowFactor = OneEuroFilter::smoothingFactor(parameters_.voluntaryCutoff, dt);
    const Vector first = old.first + (point - old.first) * slowFactor;
    const Vector second = old.second + (first - old.second) * slowFactor;

    // References on the sample's own time, so that the learnt phases survive restarts.
    references_.evaluate(time);
    const std::vector<double>& sines = references_.sines();
    const std::vector<double>& cosines = references_.cosines();
    const std::size_t lines = frequencies_.size();

    const Vector fast = point - second;
    Vector estimate = offset_;
    for (std::size_t i = 0; i < lines; ++i) {
        estimate = estimate + sineWeights_[i] * sines[i] + cosineWeights_[i] * cosines[i];
    }
    const Vector error = fast - estimate;

    // Clip against the sizes before this sample; what is clipped off is voluntary movement.
    const double clipLimit = errorClipFactor * std::max(errorScale_, calmTremor_);
    const double errorLength = error.length();
    const Vector clipped = errorLength > clipLimit ? error * (clipLimit / errorLength) : error;
    const Vector clippedOff = error - clipped;
    slow_ = Slow{.first = first + clippedOff, .second = second + clippedOff, .time = time};

    // What the clip moved the slow path by is a jump, not a speed: spread over at least a reference step, so that
    // a hand reported more often does not read as faster and close the learning's gate.
    const Vector smoothStep = second - old.second;
    const double voluntary = (smoothStep / dt + clippedOff / std::max(dt, referenceStep)).length();
    voluntarySpeed_ = std::max(voluntary, voluntarySpeed_ * std::exp(-dt / voluntarySpeedHoldTime));
    // 1 up to gateOpenSpeed, 0 from gateClosedSpeed (twice as fast) on, linear between.
    const double gate = std::clamp(2 - voluntarySpeed_ / gateOpenSpeed, 0.0, 1.0);

    errorTrend_ = errorTrend_ + (clipped - errorTrend_) * (1 - std::exp(-dt / errorTrendTime));
    const Vector detrended = clipped - errorTrend_;
    const double meanSquare = 0.5 * detrended.dot(detrended);
    const double oldScaleSquared = errorScale_ * errorScale_;
    const double scaleRate = 1 - std::exp(-dt / errorScaleTime);
    // A growing scale is never gated, so that quick movement cannot hold the clip too tight.
    const double rate = oldScaleSquared < meanSquare ? scaleRate : scaleRate * gate;
    errorScale_ = std::max(std::sqrt((1 - rate) * oldScaleSquared + rate * meanSquare), errorScaleFloor);

    // Rates per reference step, raised to the number of reference steps in dt.
    const double steps = dt / referenceStep;
    const double keep = parameters_.adaptation > 0 ? 1 - std::min(parameters_.adaptation, largestAdaptation) : 1.0;
    const double gain = (1 - std::pow(keep, steps)) / static_cast<double>(lines + 1);
    const double leak = std::pow(weightLeak, steps);

    offset_ = offset_ + clipped * gain;
    const Vector learning = clipped * (gain * gate);
    Vector tremor;
    for (std::size_t i = 0; i < lines; ++i) {
        sineWeights_[i] = sineWeights_[i] * leak + learning * sines[i];
        cosineWeights_[i] = cosineWeights_[i] * leak + learning * cosines[i];
        tremor = tremor + sineWeights_[i] * sines[i] + cosineWeights_[i] * cosines[i];
    }

    const double calmRate = (1 - std::exp(-calmTremorRate * dt)) * gate;
    calmTremor_ = std::sqrt((1 - calmRate) * calmTremor_ * calmTremor_ + calmRate * 0.5 * tremor.dot(tremor));

    // Never subtract more than the tremor has recently been.
    const double outputLimit = outputLimitFactor * calmTremor_;
    const double tremorLength = tremor.length();
    if (tremorLength > outputLimit) {
        tremor = tremor * (outputLimit / tremorLength);
    }
    lastTremor_ = LastTremor{.value = tremor, .time = time};
    return point - tremor * parameters_.strength;
}

Vector TremorCanceller::coast(Vector point, double time) const
{
    if (!lastTremor_) {
        return point;
    }
    const double elapsed = time - lastTremor_->time;
    const double fade = elapsed >= 0 ? std::exp(-elapsed / coastFadeTime) : 1.0;
    return point - lastTremor_->value * (parameters_.strength * fade);
}

void to_json(nlohmann::json& json, const TremorCanceller::Parameters& parameters)
{
    json = nlohmann::json{
        {"lowestHz", coding::encodable(parameters.lowestHz, "lowestHz")},
        {"highestHz", coding::encodable(parameters.highestHz, "highestHz")},
        {"stepHz", coding::encodable(parameters.stepHz, "stepHz")},
        {"voluntaryCutoff", coding::encodable(parameters.voluntaryCutoff, "voluntaryCutoff")},
        {"adaptation", coding::encodable(parameters.adaptation, "adaptation")},
        {"strength", coding::encodable(parameters.strength, "strength")},
    };
}

void from_json(const nlohmann::json& json, TremorCanceller::Parameters& parameters)
{
    parameters = TremorCanceller::Parameters{
        .lowestHz = coding::decodeDouble(json, "lowestHz"),
        .highestHz = coding::decodeDouble(json, "highestHz"),
        .stepHz = coding::decodeDouble(json, "stepHz"),
        .voluntaryCutoff = coding::decodeDouble(json, "voluntaryCutoff"),
        .adaptation = coding::decodeDouble(json, "adaptation"),
        .strength = coding::decodeDouble(json, "strength"),
    };
}

} // namespace quellarine
