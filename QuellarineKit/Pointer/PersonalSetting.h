#pragma once

#include "QuellarineKit/Pointer/FilterPreset.h"

#include <nlohmann/json_fwd.hpp>

#include <optional>

namespace quellarine {

template <typename T>
struct ClosedRange {
    T lowerBound;
    T upperBound;

    // Not a number lies in no range.
    bool contains(T value) const { return value >= lowerBound && value <= upperBound; }
};

// The user's own tuning: four numbers on top of a built-in preset.
struct PersonalSetting {
    enum class Change { steadier, quicker, same };

    static constexpr ClosedRange<double> minCutoffRange{0.3, 6.0};
    static constexpr ClosedRange<double> betaRange{0.002, 0.05};
    static constexpr ClosedRange<int> stagesRange{1, 2};
    static constexpr ClosedRange<double> strengthRange{0.5, 1.0};

    FilterPreset::ID base = FilterPreset::defaultID;
    double minCutoff = 0;
    double beta = 0;
    int stages = 1;
    double strength = 0;

    bool operator==(const PersonalSetting&) const = default;

    // Reads a setting from the service's answer. Refuses (never clamps) a value out of range, and anything that
    // is not the right kind; a JSON true/false reads as the number 1/0 and "stages" is truncated toward zero.
    static std::optional<PersonalSetting> fromJson(const nlohmann::json& object);

    bool isValid() const;
    // The personal preset built on the base preset, or none when the setting is not valid.
    std::optional<FilterPreset> preset() const;
    Change change() const;
};

// Stored form: keys equal to the field names; types are checked, ranges are not.
void to_json(nlohmann::json& json, const PersonalSetting& setting);
void from_json(const nlohmann::json& json, PersonalSetting& setting);

} // namespace quellarine
