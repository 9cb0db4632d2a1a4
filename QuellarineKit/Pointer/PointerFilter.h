#pragma once

#include "QuellarineKit/Support/Geometry.h"
#include "QuellarineKit/Pointer/OneEuroFilter.h"
#include "QuellarineKit/Pointer/TremorCanceller.h"

#include <nlohmann/json_fwd.hpp>

#include <optional>

namespace quellarine {

// The filter chain: the tremor canceller (when configured), then One-Euro smoothing.
class PointerFilter {
public:
    struct Parameters {
        OneEuroFilter::Parameters smoothing;
        std::optional<TremorCanceller::Parameters> cancel; // none: the chain has no canceller

        bool operator==(const Parameters&) const = default;
    };

    explicit PointerFilter(const Parameters& parameters);

    const Parameters& parameters() const { return parameters_; }
    // Changes the chain in place: the smoothing keeps its state; the canceller keeps its learnt model only when
    // its parameters are unchanged, and is built afresh otherwise (a change of strength alone included).
    void setParameters(const Parameters& parameters);

    const std::optional<TremorCanceller>& canceller() const { return canceller_; }
    const OneEuroFilter& smoothing() const { return smoothing_; }

    // One live sample (points, seconds) through the chain.
    Point filter(Point point, double time);

    // One step while the hand rests and no raw movement arrives: the canceller plays out its last estimate
    // without learning, and the smoothing eases towards the result.
    Point settle(Point point, double time);

    // Forgets all running state; the next sample comes back unchanged.
    void reset();

    // The canceller's amplitude, or 0 without one.
    double tremorAmplitude() const { return canceller_ ? canceller_->amplitude() : 0.0; }

private:
    Parameters parameters_;
    std::optional<TremorCanceller> canceller_;
    OneEuroFilter smoothing_;
};

void to_json(nlohmann::json& json, const PointerFilter::Parameters& parameters);
void from_json(const nlohmann::json& json, PointerFilter::Parameters& parameters);

} // namespace quellarine
