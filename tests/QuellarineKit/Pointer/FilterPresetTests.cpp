#include "QuellarineKit/Pointer/FilterPreset.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace quellarine;
using nlohmann::json;

TEST(FilterPresetTest, BuiltInListsTheSevenPresetsInMenuOrder)
{
    const auto& presets = FilterPreset::builtIn();
    ASSERT_EQ(presets.size(), 7u);
    for (std::size_t index = 0; index < presets.size(); ++index) {
        EXPECT_EQ(presets[index].id, FilterPreset::allIDs[index]);
        EXPECT_NE(presets[index].id, FilterPreset::ID::personal);
        ASSERT_TRUE(presets[index].parameters.cancel.has_value());
        EXPECT_EQ(presets[index].parameters.cancel->lowestHz, 3.0);
        EXPECT_EQ(presets[index].parameters.cancel->highestHz, 12.0);
        EXPECT_EQ(presets[index].parameters.cancel->stepHz, 0.5);
        EXPECT_EQ(presets[index].parameters.cancel->voluntaryCutoff, 1.5);
        EXPECT_EQ(presets[index].parameters.smoothing.derivativeCutoff, 1.0);
        EXPECT_EQ(presets[index].parameters.smoothing.acrossShare, 1.0);
    }
}

TEST(FilterPresetTest, TableValuesThatDifferPerPreset)
{
    EXPECT_EQ(FilterPreset::gentle().parameters.cancel->adaptation, 0.35);
    EXPECT_EQ(FilterPreset::gentle().parameters.cancel->strength, 0.7);
    EXPECT_EQ(FilterPreset::gentle().parameters.smoothing.minCutoff, 6.0);
    EXPECT_EQ(FilterPreset::balanced().parameters.smoothing.minCutoff, 3.6);
    EXPECT_EQ(FilterPreset::strong().parameters.smoothing.beta, 0.005);
    EXPECT_EQ(FilterPreset::strong().parameters.smoothing.stages, 2);
    EXPECT_EQ(FilterPreset::veryStrong().parameters.smoothing.minCutoff, 1.0);
    EXPECT_EQ(FilterPreset::veryStrong().parameters.smoothing.beta, 0.003);
    EXPECT_EQ(FilterPreset::precision().parameters.smoothing.minCutoff, 0.3);
    EXPECT_EQ(FilterPreset::precision().parameters.smoothing.beta, 0.002);
    EXPECT_EQ(FilterPreset::trackpad().parameters.smoothing.minCutoff, 4.0);
    EXPECT_EQ(FilterPreset::trackpad().parameters.cancel->strength, 0.8);
    EXPECT_EQ(FilterPreset::largeMovements().parameters.smoothing.speedFloor, 300.0);
    EXPECT_EQ(FilterPreset::largeMovements().parameters.smoothing.beta, 0.05);
    EXPECT_EQ(FilterPreset::largeMovements().parameters.smoothing.stages, 2);
    for (const auto& preset : FilterPreset::builtIn()) {
        if (preset.id != FilterPreset::ID::largeMovements) {
            EXPECT_EQ(preset.parameters.smoothing.speedFloor, 0.0);
        }
    }
}

TEST(FilterPresetTest, BuiltInLookupByIdentity)
{
    EXPECT_FALSE(FilterPreset::builtIn(FilterPreset::ID::personal));
    EXPECT_EQ(FilterPreset::builtIn(FilterPreset::ID::trackpad), FilterPreset::trackpad());
    for (const auto& preset : FilterPreset::builtIn()) {
        EXPECT_EQ(FilterPreset::builtIn(preset.id)->id, preset.id);
    }
}

TEST(FilterPresetTest, RawNamesAreExactAndCaseSensitive)
{
    EXPECT_EQ(FilterPreset::fromRaw("veryStrong"), FilterPreset::ID::veryStrong);
    EXPECT_EQ(FilterPreset::fromRaw("personal"), FilterPreset::ID::personal);
    EXPECT_FALSE(FilterPreset::fromRaw("VeryStrong"));
    EXPECT_FALSE(FilterPreset::fromRaw("very strong"));
    EXPECT_FALSE(FilterPreset::fromRaw(""));
    for (auto id : FilterPreset::allIDs) {
        EXPECT_EQ(FilterPreset::fromRaw(FilterPreset::rawValue(id)), id);
    }
    EXPECT_THROW(json("Balanced").get<FilterPreset::ID>(), DecodingError);
    EXPECT_THROW(json(1).get<FilterPreset::ID>(), DecodingError);
}

TEST(FilterPresetTest, ParametersWithoutCancellerOmitTheKeyAndRoundTrip)
{
    PointerFilter::Parameters plain{.smoothing = FilterPreset::strong().parameters.smoothing, .cancel = std::nullopt};
    json encoded = plain;
    EXPECT_FALSE(encoded.contains("cancel"));
    EXPECT_EQ(encoded.get<PointerFilter::Parameters>(), plain);

    auto withCanceller = FilterPreset::gentle().parameters;
    EXPECT_EQ(json::parse(json(withCanceller).dump()).get<PointerFilter::Parameters>(), withCanceller);
}

TEST(FilterPresetTest, PresetEncodesIdentityAndNestedParameters)
{
    json encoded = FilterPreset::balanced();
    EXPECT_EQ(encoded["id"], "balanced");
    EXPECT_EQ(encoded["parameters"]["smoothing"]["minCutoff"], 3.6);
    EXPECT_EQ(encoded["parameters"]["smoothing"]["stages"], 1);
    EXPECT_EQ(encoded["parameters"]["cancel"]["strength"], 1.0);
    EXPECT_EQ(encoded.get<FilterPreset>(), FilterPreset::balanced());

    encoded["id"] = "Balanced";
    EXPECT_THROW(encoded.get<FilterPreset>(), DecodingError);
}

TEST(FilterPresetTest, DecodingRefusesWrongShapes)
{
    json smoothing = FilterPreset::balanced().parameters.smoothing;
    smoothing["stages"] = 1.5;
    EXPECT_THROW(smoothing.get<OneEuroFilter::Parameters>(), DecodingError);
    smoothing["stages"] = 2.0;
    EXPECT_EQ(smoothing.get<OneEuroFilter::Parameters>().stages, 2);
    smoothing["beta"] = "0.01";
    EXPECT_THROW(smoothing.get<OneEuroFilter::Parameters>(), DecodingError);
    smoothing.erase("beta");
    EXPECT_THROW(smoothing.get<OneEuroFilter::Parameters>(), DecodingError);
    EXPECT_THROW(json::array().get<PointerFilter::Parameters>(), DecodingError);
}

TEST(FilterPresetTest, EqualityComparesIdentityAndParameters)
{
    auto changed = FilterPreset::balanced();
    changed.parameters.smoothing.beta = 0.02;
    EXPECT_NE(changed, FilterPreset::balanced());

    auto withoutCanceller = FilterPreset::balanced();
    withoutCanceller.parameters.cancel.reset();
    EXPECT_NE(withoutCanceller, FilterPreset::balanced());
}

TEST(FilterPresetTest, NonFiniteNumbersAreAnEncodingFailure)
{
    auto parameters = FilterPreset::balanced().parameters;
    parameters.smoothing.minCutoff = std::numeric_limits<double>::quiet_NaN();
    json encoded;
    EXPECT_THROW(encoded = parameters, EncodingError);
}
