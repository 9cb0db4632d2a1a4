#include "QuellarineKit/Calibration/CalibrationResult.h"

#include "QuellarineKit/Support/JsonFields.h"

#include <nlohmann/json.hpp>

namespace quellarine {

namespace {

FilterPreset::ID decodePreset(const nlohmann::json& object, const char* key)
{
    if (!coding::has(object, key)) {
        throw DecodingError(std::string("missing key \"") + key + "\"");
    }
    return object.at(key).get<FilterPreset::ID>();
}

} // namespace

void to_json(nlohmann::json& json, const CalibrationResult::PresetScore& score)
{
    json = nlohmann::json{
        {"preset", score.preset},
        {"left", coding::encodable(score.left, "left")},
        {"lagMs", coding::encodable(score.lagMs, "lagMs")},
    };
}

void from_json(const nlohmann::json& json, CalibrationResult::PresetScore& score)
{
    score = CalibrationResult::PresetScore{
        .preset = decodePreset(json, "preset"),
        .left = coding::decodeDouble(json, "left"),
        .lagMs = coding::decodeDouble(json, "lagMs"),
    };
}

void to_json(nlohmann::json& json, const CalibrationResult& result)
{
    nlohmann::json object = nlohmann::json::object();
    if (result.rhythm) {
        object["rhythm"] = coding::encodable(*result.rhythm, "rhythm");
    }
    object["shake"] = coding::encodable(result.shake, "shake");
    object["press"] = coding::encodable(result.press, "press");
    object["slip"] = coding::encodable(result.slip, "slip");
    object["extraClicks"] = result.extraClicks;
    object["misses"] = result.misses;
    object["scores"] = result.scores;
    object["suggested"] = result.suggested;
    object["clickGuard"] = result.clickGuard;
    object["date"] = coding::encodable(result.date, "date");
    json = std::move(object);
}

void from_json(const nlohmann::json& json, CalibrationResult& result)
{
    CalibrationResult decoded;
    decoded.rhythm = coding::decodeOptionalDouble(json, "rhythm");
    decoded.shake = coding::decodeDouble(json, "shake");
    decoded.press = coding::decodeDouble(json, "press");
    decoded.slip = coding::decodeDouble(json, "slip");
    decoded.extraClicks = coding::decodeInt(json, "extraClicks");
    decoded.misses = coding::decodeInt(json, "misses");
    if (!coding::has(json, "scores") || !json.at("scores").is_array()) {
        throw DecodingError("\"scores\" is not an array");
    }
    decoded.scores = json.at("scores").get<std::vector<CalibrationResult::PresetScore>>();
    decoded.suggested = decodePreset(json, "suggested");
    decoded.clickGuard = coding::decodeBool(json, "clickGuard");
    decoded.date = coding::decodeDouble(json, "date");
    result = std::move(decoded);
}

} // namespace quellarine
