#include "QuellarineKit/Pointer/FilterPreset.h"

#include "QuellarineKit/Support/JsonFields.h"

namespace quellarine {

namespace {

// The values every built-in preset shares; the rest vary per row.
FilterPreset makeBuiltIn(FilterPreset::ID id, double minCutoff, double beta, double speedFloor, int stages,
                         double adaptation, double strength)
{
    return FilterPreset{
        .id = id,
        .parameters =
            PointerFilter::Parameters{
                .smoothing =
                    OneEuroFilter::Parameters{
                        .minCutoff = minCutoff,
                        .beta = beta,
                        .derivativeCutoff = 1.0,
                        .speedFloor = speedFloor,
                        .stages = stages,
                        .acrossShare = 1.0,
                    },
                .cancel =
                    TremorCanceller::Parameters{
                        .lowestHz = 3.0,
                        .highestHz = 12.0,
                        .stepHz = 0.5,
                        .voluntaryCutoff = 1.5,
                        .adaptation = adaptation,
                        .strength = strength,
                    },
            },
    };
}

constexpr std::array<std::string_view, 8> rawNames{"gentle",    "balanced", "strong",         "veryStrong",
                                                   "precision", "trackpad", "largeMovements", "personal"};

} // namespace

std::string_view FilterPreset::rawValue(ID id)
{
    return rawNames.at(static_cast<std::size_t>(id));
}

std::optional<FilterPreset::ID> FilterPreset::fromRaw(std::string_view raw)
{
    for (ID id : allIDs) {
        if (rawValue(id) == raw) {
            return id;
        }
    }
    return std::nullopt;
}

const FilterPreset& FilterPreset::gentle()
{
    static const FilterPreset preset = makeBuiltIn(ID::gentle, 6.0, 0.01, 0.0, 1, 0.35, 0.7);
    return preset;
}

const FilterPreset& FilterPreset::balanced()
{
    static const FilterPreset preset = makeBuiltIn(ID::balanced, 3.6, 0.01, 0.0, 1, 0.2, 1.0);
    return preset;
}

const FilterPreset& FilterPreset::strong()
{
    static const FilterPreset preset = makeBuiltIn(ID::strong, 2.0, 0.005, 0.0, 2, 0.2, 1.0);
    return preset;
}

const FilterPreset& FilterPreset::veryStrong()
{
    static const FilterPreset preset = makeBuiltIn(ID::veryStrong, 1.0, 0.003, 0.0, 2, 0.2, 1.0);
    return preset;
}

const FilterPreset& FilterPreset::precision()
{
    static const FilterPreset preset = makeBuiltIn(ID::precision, 0.3, 0.002, 0.0, 2, 0.2, 1.0);
    return preset;
}

const FilterPreset& FilterPreset::trackpad()
{
    static const FilterPreset preset = makeBuiltIn(ID::trackpad, 4.0, 0.01, 0.0, 1, 0.2, 0.8);
    return preset;
}

const FilterPreset& FilterPreset::largeMovements()
{
    static const FilterPreset preset = makeBuiltIn(ID::largeMovements, 2.0, 0.05, 300.0, 2, 0.2, 1.0);
    return preset;
}

const std::vector<FilterPreset>& FilterPreset::builtIn()
{
    static const std::vector<FilterPreset> presets{gentle(),    balanced(), strong(),        veryStrong(),
                                                   precision(), trackpad(), largeMovements()};
    return presets;
}

std::optional<FilterPreset> FilterPreset::builtIn(ID id)
{
    for (const auto& preset : builtIn()) {
        if (preset.id == id) {
            return preset;
        }
    }
    return std::nullopt;
}

void to_json(nlohmann::json& json, const FilterPreset::ID& id)
{
    json = std::string(FilterPreset::rawValue(id));
}

void from_json(const nlohmann::json& json, FilterPreset::ID& id)
{
    if (!json.is_string()) {
        throw DecodingError("a preset identity must be a string");
    }
    auto decoded = FilterPreset::fromRaw(json.get_ref<const std::string&>());
    if (!decoded) {
        throw DecodingError("unknown preset identity \"" + json.get<std::string>() + "\"");
    }
    id = *decoded;
}

void to_json(nlohmann::json& json, const FilterPreset& preset)
{
    json = nlohmann::json{{"id", preset.id}, {"parameters", preset.parameters}};
}

void from_json(const nlohmann::json& json, FilterPreset& preset)
{
    const auto& object = coding::requireObject(json);
    if (!object.contains("id") || !object.contains("parameters")) {
        throw DecodingError("a preset needs \"id\" and \"parameters\"");
    }
    preset.id = object.at("id").get<FilterPreset::ID>();
    preset.parameters = object.at("parameters").get<PointerFilter::Parameters>();
}

} // namespace quellarine
