#include "QuellarineKit/Calibration/CalibrationResult.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <limits>
#include <random>

using namespace quellarine;
using nlohmann::json;
using ID = FilterPreset::ID;
using Score = CalibrationResult::PresetScore;

namespace {

CalibrationResult sampleResult()
{
    return CalibrationResult{
        .rhythm = 5.3,
        .shake = 1.25,
        .press = 0.118,
        .slip = 0.75,
        .extraClicks = 2,
        .misses = -1,
        .scores = {Score{ID::strong, 0.31, 42.5}, Score{ID::balanced, 0.52, 18.0}, Score{ID::trackpad, 1.08, 0}},
        .suggested = ID::strong,
        .clickGuard = true,
        .date = 786'123'456.789};
}

CalibrationResult readBack(const CalibrationResult& result)
{
    return json::parse(json(result).dump()).get<CalibrationResult>();
}

} // namespace

TEST(CalibrationResultTest, StoredTextReadsBackEqualWithOrWithoutRhythm)
{
    auto result = sampleResult();
    const std::string text = json(result).dump();
    for (const char* part : {"\"rhythm\":5.3", "\"misses\":-1", "\"extraClicks\":2", "\"suggested\":\"strong\"",
                             "{\"lagMs\":0.0,\"left\":1.08,\"preset\":\"trackpad\"}", "\"clickGuard\":true"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part << " in " << text;
    }
    EXPECT_EQ(readBack(result), result);

    result.rhythm.reset();
    result.scores.clear();
    const auto object = json(result);
    EXPECT_FALSE(object.contains("rhythm"));
    EXPECT_NE(object.dump().find("\"scores\":[]"), std::string::npos);
    EXPECT_EQ(readBack(result), result);
    auto withNull = object;
    withNull["rhythm"] = nullptr;
    EXPECT_EQ(withNull.get<CalibrationResult>(), result);

    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> seconds(-1e9, 2e9);
    for (int round = 0; round < 300; ++round) {
        result.date = seconds(random);
        ASSERT_EQ(readBack(result), result) << result.date;
    }
}

TEST(CalibrationResultTest, AnyMissingOrWrongValueFailsTheWholeDecode)
{
    const json good = sampleResult();
    std::vector<json> broken;
    for (const char* key :
         {"shake", "press", "slip", "extraClicks", "misses", "scores", "suggested", "clickGuard", "date"}) {
        broken.push_back(good);
        broken.back().erase(key);
        broken.push_back(good);
        broken.back()[key] = "1";
    }
    for (const char* key : {"preset", "left", "lagMs"}) {
        broken.push_back(good);
        broken.back()["scores"][1].erase(key);
    }
    for (json count : {json(2.5), json(1e300), json(-1e300), json(4294967296LL)}) {
        broken.push_back(good);
        broken.back()["misses"] = count;
    }
    broken.push_back(good);
    broken.back()["suggested"] = "Strong";
    broken.push_back(good);
    broken.back()["scores"][0]["preset"] = "turbo";
    broken.push_back(good);
    broken.back()["rhythm"] = "5.3";
    broken.push_back(json::array());
    for (const auto& object : broken) {
        EXPECT_THROW(object.get<CalibrationResult>(), DecodingError) << object;
    }

    auto wholeFloat = good;
    wholeFloat["extraClicks"] = 3.0;
    EXPECT_EQ(wholeFloat.get<CalibrationResult>().extraClicks, 3);
}

TEST(CalibrationResultTest, NumbersThatAreNotFiniteFailToEncode)
{
    const std::vector<void (*)(CalibrationResult&, double)> spoilers{
        [](CalibrationResult& r, double v) { r.rhythm = v; },
        [](CalibrationResult& r, double v) { r.shake = v; },
        [](CalibrationResult& r, double v) { r.press = v; },
        [](CalibrationResult& r, double v) { r.slip = v; },
        [](CalibrationResult& r, double v) { r.date = v; },
        [](CalibrationResult& r, double v) { r.scores[1].left = v; },
        [](CalibrationResult& r, double v) { r.scores[2].lagMs = v; },
    };
    for (const auto& spoil : spoilers) {
        for (double value : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()}) {
            auto result = sampleResult();
            spoil(result, value);
            EXPECT_THROW((void)json(result), EncodingError) << value;
        }
    }
}
