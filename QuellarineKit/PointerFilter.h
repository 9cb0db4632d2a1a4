#pragma once

#include "QuellarineKit/OneEuroFilter.h"
#include "QuellarineKit/TremorCanceller.h"

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
};

void to_json(nlohmann::json& json, const PointerFilter::Parameters& parameters);
void from_json(const nlohmann::json& json, PointerFilter::Parameters& parameters);

} // namespace quellarine
