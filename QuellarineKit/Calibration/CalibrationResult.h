#pragma once

#include "QuellarineKit/Pointer/FilterPreset.h"

#include <nlohmann/json_fwd.hpp>

#include <optional>
#include <vector>

namespace quellarine {

// What the analysis makes of one calibration test; the profile keeps the last one.
struct CalibrationResult {
    // One candidate preset replayed over the user's own movement.
    struct PresetScore {
        FilterPreset::ID preset = FilterPreset::defaultID;
        double left = 0;  // share of the shake left after the preset: 0 none, 1 all of it (can exceed 1)
        double lagMs = 0; // how far the output trails the intended movement; never negative

        bool operator==(const PresetScore&) const = default;
    };

    std::optional<double> rhythm;    // the tremor's dominant frequency in Hz to 0.1 Hz; none without a clear one
    double shake = 0;                // root-mean-square tremor in points
    double press = 0;                // median seconds a button was held down
    double slip = 0;                 // median points between press and release
    int extraClicks = 0;             // clicks too soon and too close after the previous release
    int misses = 0;                  // clicks − hits − extraClicks; below zero when extra clicks were also hits
    std::vector<PresetScore> scores; // every candidate, best first
    FilterPreset::ID suggested = FilterPreset::defaultID;
    bool clickGuard = false;
    double date = 0; // seconds since 2001-01-01 00:00:00 UTC

    bool operator==(const CalibrationResult&) const = default;
};

// The stored form under "profile.calibration": keys are the field names, "rhythm" is left out when there is none,
// "date" is the plain number of seconds. Encoding a number that is not finite throws EncodingError; decoding
// throws DecodingError on a missing key, a value of the wrong kind, a fraction in "extraClicks" or "misses", or
// an unknown preset.
void to_json(nlohmann::json& json, const CalibrationResult::PresetScore& score);
void from_json(const nlohmann::json& json, CalibrationResult::PresetScore& score);
void to_json(nlohmann::json& json, const CalibrationResult& result);
void from_json(const nlohmann::json& json, CalibrationResult& result);

} // namespace quellarine
