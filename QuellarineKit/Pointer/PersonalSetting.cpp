#include "QuellarineKit/Pointer/PersonalSetting.h"

#include "QuellarineKit/Support/JsonFields.h"

#include <cmath>
#include <limits>

namespace quellarine {

namespace {

// The service's reader sees numbers and Booleans alike as numbers; strings never are.
std::optional<double> number(const nlohmann::json& object, const char* key)
{
    auto it = object.find(key);
    if (it == object.end()) {
        return std::nullopt;
    }
    if (it->is_boolean()) {
        return it->get<bool>() ? 1.0 : 0.0;
    }
    if (it->is_number()) {
        return it->get<double>();
    }
    return std::nullopt;
}

// Truncation toward zero; a value no int can hold is no setting rather than undefined behaviour.
std::optional<int> truncatedInt(const nlohmann::json& object, const char* key)
{
    auto it = object.find(key);
    if (it == object.end()) {
        return std::nullopt;
    }
    if (it->is_number_integer()) {
        if (it->is_number_unsigned()) {
            auto value = it->get<std::uint64_t>();
            if (value > static_cast<std::uint64_t>(std::numeric_limits<int>::max())) {
                return std::nullopt;
            }
            return static_cast<int>(value);
        }
        auto value = it->get<std::int64_t>();
        if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
            return std::nullopt;
        }
        return static_cast<int>(value);
    }
    auto value = number(object, key);
    if (!value) {
        return std::nullopt;
    }
    double truncated = std::trunc(*value);
    // Both bounds are exactly representable; NaN fails the comparison.
    if (!(truncated >= static_cast<double>(std::numeric_limits<int>::min())
          && truncated <= static_cast<double>(std::numeric_limits<int>::max()))) {
        return std::nullopt;
    }
    return static_cast<int>(truncated);
}

bool inRanges(double minCutoff, double beta, int stages, double strength)
{
    return PersonalSetting::minCutoffRange.contains(minCutoff) && PersonalSetting::betaRange.contains(beta)
        && PersonalSetting::stagesRange.contains(stages) && PersonalSetting::strengthRange.contains(strength);
}

} // namespace

std::optional<PersonalSetting> PersonalSetting::fromJson(const nlohmann::json& object)
{
    if (!object.is_object()) {
        return std::nullopt;
    }
    auto baseValue = object.find("base");
    if (baseValue == object.end() || !baseValue->is_string()) {
        return std::nullopt;
    }
    auto base = FilterPreset::fromRaw(baseValue->get_ref<const std::string&>());
    if (!base) {
        return std::nullopt;
    }
    auto minCutoff = number(object, "minCutoff");
    if (!minCutoff) {
        return std::nullopt;
    }
    auto beta = number(object, "beta");
    if (!beta) {
        return std::nullopt;
    }
    // "stages" must be a number even when it is too large to be taken as an integer.
    if (!number(object, "stages")) {
        return std::nullopt;
    }
    auto stages = truncatedInt(object, "stages");
    if (!stages) {
        return std::nullopt;
    }
    auto strength = number(object, "strength");
    if (!strength) {
        return std::nullopt;
    }
    if (!FilterPreset::builtIn(*base)) {
        return std::nullopt;
    }
    if (!inRanges(*minCutoff, *beta, *stages, *strength)) {
        return std::nullopt;
    }
    return PersonalSetting{*base, *minCutoff, *beta, *stages, *strength};
}

bool PersonalSetting::isValid() const
{
    return FilterPreset::builtIn(base).has_value() && inRanges(minCutoff, beta, stages, strength);
}

std::optional<FilterPreset> PersonalSetting::preset() const
{
    if (!isValid()) {
        return std::nullopt;
    }
    auto parameters = FilterPreset::builtIn(base)->parameters;
    parameters.smoothing.minCutoff = minCutoff;
    parameters.smoothing.beta = beta;
    parameters.smoothing.stages = stages;
    if (parameters.cancel) {
        parameters.cancel->strength = strength;
    }
    return FilterPreset{.id = FilterPreset::ID::personal, .parameters = parameters};
}

PersonalSetting::Change PersonalSetting::change() const
{
    auto basePreset = FilterPreset::builtIn(base);
    if (!basePreset) {
        return Change::same;
    }
    const auto& smoothing = basePreset->parameters.smoothing;
    if (stages != smoothing.stages) {
        return stages > smoothing.stages ? Change::steadier : Change::quicker;
    }
    if (std::abs(minCutoff - smoothing.minCutoff) < 0.05) {
        return Change::same;
    }
    return minCutoff < smoothing.minCutoff ? Change::steadier : Change::quicker;
}

void to_json(nlohmann::json& json, const PersonalSetting& setting)
{
    json = nlohmann::json{
        {"base", setting.base},
        {"minCutoff", coding::encodable(setting.minCutoff, "minCutoff")},
        {"beta", coding::encodable(setting.beta, "beta")},
        {"stages", setting.stages},
        {"strength", coding::encodable(setting.strength, "strength")},
    };
}

void from_json(const nlohmann::json& json, PersonalSetting& setting)
{
    const auto& object = coding::requireObject(json);
    if (!object.contains("base")) {
        throw DecodingError("missing key \"base\"");
    }
    setting = PersonalSetting{
        .base = object.at("base").get<FilterPreset::ID>(),
        .minCutoff = coding::decodeDouble(json, "minCutoff"),
        .beta = coding::decodeDouble(json, "beta"),
        .stages = coding::decodeInt(json, "stages"),
        .strength = coding::decodeDouble(json, "strength"),
    };
}

} // namespace quellarine
