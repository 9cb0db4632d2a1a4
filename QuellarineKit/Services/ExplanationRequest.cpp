#include "QuellarineKit/Services/ExplanationRequest.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace quellarine {

namespace {

double twoDecimals(double x)
{
    return std::round(x * 100) / 100;
}

// A double as the shortest text that reads back as the same value, always with a fractional part.
std::string plainNumber(double value)
{
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    std::string text(buffer.data(), error == std::errc() ? end : buffer.data());
    if (text.find_first_of(".en") == std::string::npos) {
        text += ".0";
    }
    return text;
}

std::string plainValue(const nlohmann::json& value)
{
    if (value.is_number_float()) {
        return plainNumber(value.get<double>());
    }
    if (value.is_string()) {
        return value.get<std::string>();
    }
    return value.dump(); // integers and booleans
}

} // namespace

double ExplanationRequest::clamped(double x, double cap)
{
    if (!std::isfinite(x) || x < 0) {
        return 0;
    }
    return twoDecimals(std::min(x, cap));
}

nlohmann::json ExplanationRequest::payload(const CalibrationResult& result, const std::optional<std::string>& device,
                                           double mmPerPoint)
{
    nlohmann::json scores = nlohmann::json::array();
    for (std::size_t index = 0; index < std::min(result.scores.size(), maxScores); ++index) {
        const auto& score = result.scores[index];
        scores.push_back({
            {"preset", std::string(FilterPreset::rawValue(score.preset))},
            {"left", clamped(score.left, 5)},
            {"lagMs", clamped(score.lagMs, 5000)},
        });
    }
    // Not a number, or below the smallest plausible screen, reads as that smallest one.
    const double screen = std::isnan(mmPerPoint) || mmPerPoint < 0.05 ? 0.05 : std::min(mmPerPoint, 1.0);
    nlohmann::json payload{
        {"shake", clamped(result.shake, 200)},
        {"press", clamped(result.press, 10)},
        {"slip", clamped(result.slip, 500)},
        {"extraClicks", std::clamp(result.extraClicks, 0, 100)},
        {"misses", std::clamp(result.misses, 0, 100)},
        {"suggested", std::string(FilterPreset::rawValue(result.suggested))},
        {"clickGuard", result.clickGuard},
        {"mmPerPoint", twoDecimals(screen)},
        {"scores", std::move(scores)},
    };
    if (result.rhythm && *result.rhythm >= 3 && *result.rhythm <= 12) {
        payload["rhythm"] = twoDecimals(*result.rhythm);
    }
    if (device) {
        payload["device"] = *device;
    }
    return payload;
}

nlohmann::json ExplanationRequest::body(const std::string& language, const nlohmann::json& payload)
{
    return {{"lang", language}, {"result", payload}};
}

std::string ExplanationRequest::preview(const nlohmann::json& payload, const std::string& language)
{
    std::string text;
    const auto line = [&text](const std::string& content) {
        if (!text.empty()) {
            text += '\n';
        }
        text += content;
    };
    for (const char* key : {"shake", "rhythm", "press", "slip", "extraClicks", "misses", "suggested", "clickGuard",
                            "device", "mmPerPoint"}) {
        if (payload.contains(key)) {
            line(std::string(key) + ": " + plainValue(payload.at(key)));
        }
    }
    for (const auto& score : payload.value("scores", nlohmann::json::array())) {
        line(score.at("preset").get<std::string>() + ": left " + plainValue(score.at("left")) + ", "
             + plainValue(score.at("lagMs")) + " ms");
    }
    line("language: " + language);
    return text;
}

std::string ExplanationRequest::language(std::string_view running)
{
    static constexpr std::array<std::string_view, 11> codes{"en", "ar", "bn",    "zh-Hans", "es", "fr",
                                                            "hi", "id", "pt-BR", "ru",      "tr"};
    return std::find(codes.begin(), codes.end(), running) != codes.end() ? std::string(running) : std::string("en");
}

} // namespace quellarine
