#include "Quellarine/Model/ExplainStore.h"

#include "Quellarine/Desktop/Defaults.h"

#include "QuellarineKit/Support/JsonFields.h"

#include <nlohmann/json.hpp>

namespace quellarine {

ExplainStore::ExplainStore(Defaults& defaults, QObject* parent) : QObject(parent), defaults_(defaults)
{
    std::optional<Explanation> stored;
    if (auto json = defaults_.json(QString::fromLatin1(savedKey))) {
        try {
            // Decoded directly: clang judges whether a nested record is default-constructible while its class is
            // still incomplete, and json::get then refuses the type.
            Explanation decoded;
            from_json(*json, decoded);
            stored = std::move(decoded);
        } catch (const std::exception&) {
            stored.reset();
        }
    }
    setSaved(stored);
}

void ExplainStore::setState(State value)
{
    if (!(state_ == value)) {
        state_ = value;
        emit stateChanged();
    }
}

void ExplainStore::setSaved(const std::optional<Explanation>& value)
{
    bool changed = saved_ != value;
    saved_ = value;
    const QString key = QString::fromLatin1(savedKey);
    bool encoded = false;
    if (saved_) {
        try {
            // A write that does not reach the disk now stays pending for the next one: the record is kept.
            defaults_.setJson(key, nlohmann::json(*saved_));
            encoded = true;
        } catch (const EncodingError&) {
            encoded = false;
        }
    }
    if (!encoded) {
        defaults_.remove(key);
    }
    if (changed) {
        emit savedChanged();
    }
}

void to_json(nlohmann::json& json, const ExplainStore::Explanation& explanation)
{
    nlohmann::json points = nlohmann::json::array();
    for (const QString& point : explanation.points) {
        points.push_back(point.toStdString());
    }
    nlohmann::json object{
        {"summary", explanation.summary.toStdString()},
        {"points", std::move(points)},
        {"resultDate", coding::encodable(explanation.resultDate, "resultDate")},
    };
    if (explanation.setting) {
        object["setting"] = *explanation.setting;
    }
    json = std::move(object);
}

void from_json(const nlohmann::json& json, ExplainStore::Explanation& explanation)
{
    const auto& object = coding::requireObject(json);
    ExplainStore::Explanation decoded;
    decoded.summary = QString::fromStdString(coding::decodeString(object, "summary"));
    if (!object.contains("points") || !object.at("points").is_array()) {
        throw DecodingError("\"points\" is not an array");
    }
    for (const auto& point : object.at("points")) {
        if (!point.is_string()) {
            throw DecodingError("a point is not a string");
        }
        decoded.points.append(QString::fromStdString(point.get<std::string>()));
    }
    if (auto setting = object.find("setting"); setting != object.end() && !setting->is_null()) {
        decoded.setting = setting->get<PersonalSetting>();
    }
    decoded.resultDate = coding::decodeDouble(object, "resultDate");
    explanation = std::move(decoded);
}

} // namespace quellarine
