#pragma once

#include "QuellarineKit/Pointer/PointerFilter.h"

#include <nlohmann/json_fwd.hpp>

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace quellarine {

// A named filter tuning: one of the seven built-in presets, or the user's personal one.
struct FilterPreset {
    enum class ID { gentle, balanced, strong, veryStrong, precision, trackpad, largeMovements, personal };

    // Every identity in menu order; the raw value is the case name.
    static constexpr std::array<ID, 8> allIDs{ID::gentle,    ID::balanced, ID::strong,         ID::veryStrong,
                                              ID::precision, ID::trackpad, ID::largeMovements, ID::personal};
    static constexpr ID defaultID = ID::balanced;

    static std::string_view rawValue(ID id);
    // Exact, case-sensitive match of a raw name; anything else gives none.
    static std::optional<ID> fromRaw(std::string_view raw);

    ID id = defaultID;
    PointerFilter::Parameters parameters;

    bool operator==(const FilterPreset&) const = default;

    static const FilterPreset& gentle();
    static const FilterPreset& balanced();
    static const FilterPreset& strong();
    static const FilterPreset& veryStrong();
    static const FilterPreset& precision();
    static const FilterPreset& trackpad();
    static const FilterPreset& largeMovements();

    // The seven built-in presets in menu order.
    static const std::vector<FilterPreset>& builtIn();
    // The built-in preset with this identity; none for personal.
    static std::optional<FilterPreset> builtIn(ID id);
};

void to_json(nlohmann::json& json, const FilterPreset::ID& id);
void from_json(const nlohmann::json& json, FilterPreset::ID& id);
void to_json(nlohmann::json& json, const FilterPreset& preset);
void from_json(const nlohmann::json& json, FilterPreset& preset);

} // namespace quellarine
