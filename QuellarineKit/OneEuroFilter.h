#pragma once

#include "QuellarineKit/DecodingError.h"

#include <nlohmann/json_fwd.hpp>

namespace quellarine {

// Speed-adaptive low-pass smoothing of pointer positions, split along and across the direction of motion.
class OneEuroFilter {
public:
    struct Parameters {
        double minCutoff = 0;        // Hz at rest
        double beta = 0;             // Hz per point per second above the speed floor
        double derivativeCutoff = 0; // Hz of the velocity low-pass
        double speedFloor = 0;       // points per second below which speed does not raise the cutoff
        int stages = 1;              // 1 or 2 stages in cascade
        double acrossShare = 0;      // share of the speed-driven increase applied across the motion

        bool operator==(const Parameters&) const = default;
    };
};

void to_json(nlohmann::json& json, const OneEuroFilter::Parameters& parameters);
void from_json(const nlohmann::json& json, OneEuroFilter::Parameters& parameters);

} // namespace quellarine
