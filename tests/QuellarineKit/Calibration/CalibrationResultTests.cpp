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
        .date = 786'123'456.789,
    };
}

CalibrationResult decoded(const std::string& text)
{
    return json::parse(text).get<CalibrationResult>();
}

} // namespace

TEST(CalibrationResultTests, StoredTextHasTheFieldNamesAndReadsBackEqual)
{
    const auto result = sampleResult();
    const std::string text = json(result).dump();
    EXPECT_EQ(text.find(' '), std::string::npos) << text;
    const auto object = json::parse(text);
    EXPECT_EQ(object.at("rhythm"), 5.3);
    EXPECT_NE(text.find("\"rhythm\":5.3"), std::string::npos) << text;
    EXPECT_NE(text.find("\"misses\":-1"), std::string::npos) << text;
    EXPECT_NE(text.find("\"extraClicks\":2"), std::string::npos) << text;
    EXPECT_EQ(object.at("suggested"), "strong");
    EXPECT_EQ(object.at("scores").at(2), (json{{"preset", "trackpad"}, {"left", 1.08}, {"lagMs", 0}}));
    EXPECT_EQ(object.at("clickGuard"), true);
    EXPECT_EQ(object.size(), 10u);
    EXPECT_EQ(decoded(text), result);
}

TEST(CalibrationResultTests, AbsentRhythmIsLeftOutAndNullReadsAsAbsent)
{
    auto result = sampleResult();
    result.rhythm.reset();
    result.scores.clear();
    const std::string text = json(result).dump();
    EXPECT_EQ(text.find("rhythm"), std::string::npos) << text;
    EXPECT_NE(text.find("\"scores\":[]"), std::string::npos) << text;
    EXPECT_EQ(decoded(text), result);

    auto withNull = json(result);
    withNull["rhythm"] = nullptr;
    EXPECT_EQ(withNull.get<CalibrationResult>(), result);
}

TEST(CalibrationResultTests, DatesRoundTripToTheSameDouble)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> seconds(-1e9, 2e9);
    for (int round = 0; round < 500; ++round) {
        auto result = sampleResult();
        result.date = seconds(random);
        result.shake = seconds(random) * 1e-9;
        EXPECT_EQ(decoded(json(result).dump()), result) << result.date;
    }
}

TEST(CalibrationResultTests, AnyMissingOrMistypedKeyFailsTheWholeDecode)
{
    const json good = sampleResult();
    for (const char* key :
         {"shake", "press", "slip", "extraClicks", "misses", "scores", "suggested", "clickGuard", "date"}) {
        auto missing = good;
        missing.erase(key);
        EXPECT_THROW(missing.get<CalibrationResult>(), DecodingError) << key;
        auto mistyped = good;
        mistyped[key] = "1";
        EXPECT_THROW(mistyped.get<CalibrationResult>(), DecodingError) << key;
    }
    for (const char* key : {"preset", "left", "lagMs"}) {
        auto broken = good;
        broken["scores"][1].erase(key);
        EXPECT_THROW(broken.get<CalibrationResult>(), DecodingError) << key;
    }
    auto stringRhythm = good;
    stringRhythm["rhythm"] = "5.3";
    EXPECT_THROW(stringRhythm.get<CalibrationResult>(), DecodingError);
    EXPECT_THROW(json::array().get<CalibrationResult>(), DecodingError);
}

TEST(CalibrationResultTests, UnknownPresetsAndFractionalCountsAreRefused)
{
    const json good = sampleResult();
    auto unknownSuggestion = good;
    unknownSuggestion["suggested"] = "Strong";
    EXPECT_THROW(unknownSuggestion.get<CalibrationResult>(), DecodingError);
    auto unknownScore = good;
    unknownScore["scores"][0]["preset"] = "turbo";
    EXPECT_THROW(unknownScore.get<CalibrationResult>(), DecodingError);
    auto personal = good;
    personal["suggested"] = "personal";
    EXPECT_EQ(personal.get<CalibrationResult>().suggested, ID::personal);

    for (json count : {json(2.5), json(1e300), json(-1e300), json(4294967296LL)}) {
        auto broken = good;
        broken["misses"] = count;
        EXPECT_THROW(broken.get<CalibrationResult>(), DecodingError) << count;
    }
    auto wholeFloat = good;
    wholeFloat["extraClicks"] = 3.0;
    EXPECT_EQ(wholeFloat.get<CalibrationResult>().extraClicks, 3);
}

TEST(CalibrationResultTests, NumbersThatAreNotFiniteFailToEncode)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    const std::vector<void (*)(CalibrationResult&, double)> spoilers{
        [](CalibrationResult& r, double v) { r.rhythm = v; },
        [](CalibrationResult& r, double v) { r.shake = v; },
        [](CalibrationResult& r, double v) { r.press = v; },
        [](CalibrationResult& r, double v) { r.slip = v; },
        [](CalibrationResult& r, double v) { r.date = v; },
        [](CalibrationResult& r, double v) { r.scores[1].left = v; },
        [](CalibrationResult& r, double v) { r.scores[2].lagMs = v; },
    };
    for (std::size_t field = 0; field < spoilers.size(); ++field) {
        for (double value : {nan, inf, -inf}) {
            auto result = sampleResult();
            spoilers[field](result, value);
            EXPECT_THROW((void)json(result), EncodingError) << field << " " << value;
        }
    }
}

TEST(CalibrationResultTests, EqualityComparesEveryFieldAndTheOrderOfScores)
{
    const auto result = sampleResult();
    EXPECT_EQ(result, sampleResult());
    auto reordered = result;
    std::swap(reordered.scores[0], reordered.scores[1]);
    EXPECT_NE(reordered, result);
    auto shorter = result;
    shorter.scores.pop_back();
    EXPECT_NE(shorter, result);
    auto noRhythm = result;
    noRhythm.rhythm.reset();
    EXPECT_NE(noRhythm, result);
    auto otherDate = result;
    otherDate.date = std::nextafter(result.date, 0.0);
    EXPECT_NE(otherDate, result);
    auto otherGuard = result;
    otherGuard.clickGuard = false;
    EXPECT_NE(otherGuard, result);
}
