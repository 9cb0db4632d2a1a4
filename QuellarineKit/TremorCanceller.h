#pragma once

#include "QuellarineKit/DecodingError.h"

#include <nlohmann/json_fwd.hpp>

namespace quellarine {

// Learns the rhythmic part of the pointer's motion on a grid of frequency lines and subtracts it.
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
};

void to_json(nlohmann::json& json, const TremorCanceller::Parameters& parameters);
void from_json(const nlohmann::json& json, TremorCanceller::Parameters& parameters);

} // namespace quellarine
