#include "QuellarineKit/Services/ExplanationRequest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quellarine {
namespace {

CalibrationResult result(std::size_t scoreCount)
{
    CalibrationResult result;
    result.shake = 3.456;
    result.press = 0.125;
    result.slip = 2.0;
    result.extraClicks = 2;
    result.misses = -1;
    result.suggested = FilterPreset::ID::strong;
    result.clickGuard = true;
    result.date = 800000000.5;
    const auto& presets = FilterPreset::builtIn();
    for (std::size_t index = 0; index < scoreCount; ++index) {
        result.scores.push_back({presets[index % presets.size()].id, 0.3 + 0.01 * double(index), 40.0 + double(index)});
    }
    return result;
}

TEST(ExplanationRequestTest, NumbersAreBoundedAndRoundedHalvesAwayFromZero)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const std::pair<double, double> cases[] = {{250, 200.0},  {0.125, 0.13},  {-1, 0},           {nan, 0},
                                               {infinity, 0}, {1e300, 200.0}, {199.994, 199.99}, {0.005, 0.01}};
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(ExplanationRequest::clamped(in, 200), out) << in;
    }

    CalibrationResult measured = result(11);
    measured.extraClicks = 1000;
    measured.rhythm = 2.99;
    nlohmann::json payload = ExplanationRequest::payload(measured, std::nullopt, 0.02);
    EXPECT_EQ(payload["scores"].size(), 8u) << "one score per preset at most";
    EXPECT_EQ(payload["extraClicks"], 100);
    EXPECT_EQ(payload["misses"], 0);
    EXPECT_EQ(payload["press"], 0.13);
    EXPECT_EQ(payload["mmPerPoint"], 0.05);
    EXPECT_FALSE(payload.contains("rhythm"));
    EXPECT_FALSE(payload.contains("device"));

    for (const auto& [measuredScreen, sent] :
         std::initializer_list<std::pair<double, double>>{{1.4, 1.0}, {nan, 0.05}, {0.2646, 0.26}, {-3, 0.05}}) {
        EXPECT_EQ(ExplanationRequest::payload(measured, "mouse", measuredScreen)["mmPerPoint"], sent);
    }
    for (const auto& [rhythm, sent] :
         std::initializer_list<std::pair<double, bool>>{{3.0, true}, {12.0, true}, {12.01, false}, {nan, false}}) {
        measured.rhythm = rhythm;
        EXPECT_EQ(ExplanationRequest::payload(measured, "mouse", 0.25).contains("rhythm"), sent) << rhythm;
    }
    EXPECT_EQ(ExplanationRequest::payload(result(0), "mouse", 0.25)["scores"], nlohmann::json::array());
}

TEST(ExplanationRequestTest, ThePreviewIsExactlyWhatIsSent)
{
    const nlohmann::json payload = ExplanationRequest::payload(result(2), std::nullopt, 0.25);
    EXPECT_EQ(ExplanationRequest::preview(payload, ExplanationRequest::language("de")),
              "shake: 3.46\n"
              "press: 0.13\n"
              "slip: 2.0\n"
              "extraClicks: 2\n"
              "misses: 0\n"
              "suggested: strong\n"
              "clickGuard: true\n"
              "mmPerPoint: 0.25\n"
              "gentle: left 0.3, 40.0 ms\n"
              "balanced: left 0.31, 41.0 ms\n"
              "language: en");

    CalibrationResult withRhythm = result(0);
    withRhythm.rhythm = 5.25;
    const std::string preview
        = ExplanationRequest::preview(ExplanationRequest::payload(withRhythm, "trackpad", 0.25), "pt-BR");
    EXPECT_NE(preview.find("shake: 3.46\nrhythm: 5.25\npress:"), std::string::npos);
    EXPECT_NE(preview.find("clickGuard: true\ndevice: trackpad\nmmPerPoint: 0.25\nlanguage: pt-BR"), std::string::npos);

    // The body carries the same numbers the preview shows.
    const nlohmann::json body = ExplanationRequest::body("en", payload);
    EXPECT_EQ(nlohmann::json::parse(body.dump())["result"], payload);
    EXPECT_EQ(body["lang"], "en");
}

TEST(ExplanationRequestTest, OnlyTheApplicationsOwnLanguagesAreSent)
{
    for (const char* code : {"en", "ar", "bn", "zh-Hans", "es", "fr", "hi", "id", "pt-BR", "ru", "tr"}) {
        EXPECT_EQ(ExplanationRequest::language(code), code);
    }
    for (const char* other : {"", "pt_BR", "zh-hans", "de", "EN"}) {
        EXPECT_EQ(ExplanationRequest::language(other), "en") << other;
    }
}

} // namespace
} // namespace quellarine
