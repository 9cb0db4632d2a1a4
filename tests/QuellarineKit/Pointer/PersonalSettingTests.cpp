#include "QuellarineKit/Pointer/PersonalSetting.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <limits>

using namespace quellarine;
using nlohmann::json;
using ID = FilterPreset::ID;
using Change = PersonalSetting::Change;

namespace {

json validAnswer()
{
    return json{{"base", "balanced"}, {"minCutoff", 2.5}, {"beta", 0.008}, {"stages", 2}, {"strength", 0.9}};
}

json with(const char* key, json value)
{
    auto answer = validAnswer();
    answer[key] = std::move(value);
    return answer;
}

} // namespace

TEST(PersonalSettingTest, ValidAnswerBuildsThePersonalPreset)
{
    auto setting = PersonalSetting::fromJson(validAnswer());
    ASSERT_TRUE(setting);
    EXPECT_TRUE(setting->isValid());
    auto preset = setting->preset();
    ASSERT_TRUE(preset);
    EXPECT_EQ(preset->id, ID::personal);
    EXPECT_EQ(preset->parameters.smoothing, (OneEuroFilter::Parameters{2.5, 0.008, 1.0, 0.0, 2, 1.0}));
    EXPECT_EQ(preset->parameters.cancel, (TremorCanceller::Parameters{3.0, 12.0, 0.5, 1.5, 0.2, 0.9}));
    EXPECT_EQ(setting->change(), Change::steadier);
}

TEST(PersonalSettingTest, OutOfRangeValuesAreRefusedNotClamped)
{
    EXPECT_FALSE(PersonalSetting::fromJson(with("minCutoff", 6.5)));
    EXPECT_FALSE(PersonalSetting::fromJson(with("strength", 0.45)));
    EXPECT_FALSE(PersonalSetting::fromJson(with("stages", 3)));
    EXPECT_FALSE(PersonalSetting::fromJson(with("stages", 0)));
    EXPECT_FALSE(PersonalSetting::fromJson(with("beta", 0.0019)));
}

TEST(PersonalSettingTest, RangeEndsAreAllowed)
{
    for (auto [key, value] : std::initializer_list<std::pair<const char*, double>>{{"minCutoff", 0.3},
                                                                                   {"minCutoff", 6.0},
                                                                                   {"beta", 0.002},
                                                                                   {"beta", 0.05},
                                                                                   {"strength", 0.5},
                                                                                   {"strength", 1.0}}) {
        EXPECT_TRUE(PersonalSetting::fromJson(with(key, value))) << key << " " << value;
    }
}

TEST(PersonalSettingTest, IdentityAndKindsAreChecked)
{
    EXPECT_FALSE(PersonalSetting::fromJson(with("base", "personal")));
    EXPECT_FALSE(PersonalSetting::fromJson(with("base", "Balanced")));
    EXPECT_FALSE(PersonalSetting::fromJson(with("base", 1)));
    EXPECT_FALSE(PersonalSetting::fromJson(with("minCutoff", "2.5")));
    EXPECT_FALSE(PersonalSetting::fromJson(with("stages", json())));
    auto missing = validAnswer();
    missing.erase("strength");
    EXPECT_FALSE(PersonalSetting::fromJson(missing));
    EXPECT_FALSE(PersonalSetting::fromJson(json::array({1, 2})));
    EXPECT_TRUE(PersonalSetting::fromJson(with("extra", "ignored")));
}

TEST(PersonalSettingTest, ReaderTakesBooleansAsNumbersAndTruncatesStages)
{
    auto truncated = PersonalSetting::fromJson(with("stages", 1.9));
    ASSERT_TRUE(truncated);
    EXPECT_EQ(truncated->stages, 1);
    EXPECT_FALSE(PersonalSetting::fromJson(with("stages", 0.9)));

    auto booleanStrength = PersonalSetting::fromJson(with("strength", true));
    ASSERT_TRUE(booleanStrength);
    EXPECT_EQ(booleanStrength->strength, 1.0);
    auto booleanStages = PersonalSetting::fromJson(with("stages", true));
    ASSERT_TRUE(booleanStages);
    EXPECT_EQ(booleanStages->stages, 1);
    EXPECT_FALSE(PersonalSetting::fromJson(with("stages", false)));
}

TEST(PersonalSettingTest, HugeOrNonFiniteStagesGiveNoSetting)
{
    EXPECT_FALSE(PersonalSetting::fromJson(with("stages", 1e300)));
    EXPECT_FALSE(PersonalSetting::fromJson(with("stages", -1e300)));
    EXPECT_FALSE(PersonalSetting::fromJson(with("stages", std::numeric_limits<double>::quiet_NaN())));
    EXPECT_FALSE(PersonalSetting::fromJson(with("stages", std::numeric_limits<double>::infinity())));
    EXPECT_FALSE(PersonalSetting::fromJson(with("stages", std::numeric_limits<std::int64_t>::max())));
    EXPECT_FALSE(PersonalSetting::fromJson(with("stages", std::numeric_limits<std::uint64_t>::max())));
    EXPECT_FALSE(PersonalSetting::fromJson(with("minCutoff", std::numeric_limits<double>::quiet_NaN())));
}

TEST(PersonalSettingTest, ChangeAgainstTheBasePreset)
{
    PersonalSetting gentleOwn{ID::gentle, 6.0, 0.01, 1, 0.5};
    EXPECT_EQ(gentleOwn.change(), Change::same);
    EXPECT_EQ(gentleOwn.preset()->parameters.cancel->adaptation, 0.35);

    auto onBalanced = [](double minCutoff) { return PersonalSetting{ID::balanced, minCutoff, 0.01, 1, 1.0}.change(); };
    EXPECT_EQ(onBalanced(3.58), Change::same);
    EXPECT_EQ(onBalanced(3.62), Change::same);
    EXPECT_EQ(onBalanced(3.5), Change::steadier);
    EXPECT_EQ(onBalanced(3.7), Change::quicker);

    EXPECT_EQ((PersonalSetting{ID::strong, 0.3, 0.01, 1, 1.0}.change()), Change::quicker);
    EXPECT_EQ((PersonalSetting{ID::personal, 0.3, 0.01, 2, 1.0}.change()), Change::same);
}

TEST(PersonalSettingTest, StoredFormChecksTypesButNotRanges)
{
    PersonalSetting outOfRange{ID::strong, 2.0, 0.005, 5, 1.0};
    auto decoded = json::parse(json(outOfRange).dump()).get<PersonalSetting>();
    EXPECT_EQ(decoded, outOfRange);
    EXPECT_FALSE(decoded.isValid());
    EXPECT_FALSE(decoded.preset());

    json stored = outOfRange;
    EXPECT_EQ(stored["base"], "strong");
    stored["stages"] = "2";
    EXPECT_THROW(stored.get<PersonalSetting>(), DecodingError);
    stored["stages"] = 2;
    stored["base"] = "Strong";
    EXPECT_THROW(stored.get<PersonalSetting>(), DecodingError);

    PersonalSetting notANumber{ID::balanced, std::numeric_limits<double>::quiet_NaN(), 0.01, 1, 1.0};
    EXPECT_FALSE(notANumber.isValid());
}
