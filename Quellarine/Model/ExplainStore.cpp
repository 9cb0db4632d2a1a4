#include "Quellarine/Model/ExplainStore.h"

#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/Localization.h"
#include "Quellarine/Desktop/ScreenScale.h"
#include "Quellarine/Desktop/ServiceClient.h"
#include "Quellarine/Desktop/SystemLog.h"

#include "QuellarineKit/Services/ExplanationRequest.h"
#include "QuellarineKit/Support/JsonFields.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace quellarine {

namespace {

std::optional<std::string> deviceName(std::optional<ProfileStore::Device> device)
{
    if (!device) {
        return std::nullopt;
    }
    return ProfileStore::rawValue(*device).toStdString();
}

// A setting is read in range or not at all; one that names no known preset is none.
std::optional<PersonalSetting> readSetting(const nlohmann::json& object)
{
    auto found = object.find("setting");
    if (found == object.end() || !found->is_object()) {
        return std::nullopt;
    }
    return PersonalSetting::fromJson(*found);
}

// An explanation's texts fit on the card and in the settings file.
bool withinLimits(const QString& summary, const QStringList& points)
{
    return summary.size() <= ExplainStore::summaryLimit && points.size() <= ExplainStore::pointCountLimit
        && std::all_of(points.begin(), points.end(),
                       [](const QString& point) { return point.size() <= ExplainStore::pointLimit; });
}

} // namespace

ExplainStore::ExplainStore(Defaults& defaults, ServiceClient& client, const SystemLog& log, QObject* parent)
    : QObject(parent)
    , defaults_(defaults)
    , client_(client)
{
    const QString key = QString::fromLatin1(savedKey);
    std::optional<Explanation> stored;
    if (const auto bytes = defaults_.data(key); bytes && bytes->size() > sizeLimit) {
        // Kept by a version that stored whatever came: no answer is this large, and it slowed every launch.
        log.error(
            QStringLiteral("Dropped a stored explanation of %1 bytes: larger than any answer").arg(bytes->size()));
    } else if (auto json = defaults_.json(key)) {
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

QString ExplainStore::lang()
{
    return QString::fromStdString(ExplanationRequest::language(Localization::current().toStdString()));
}

std::optional<ExplainStore::Explanation> ExplainStore::explanation(const CalibrationResult& result) const
{
    if (saved_ && saved_->resultDate == result.date) {
        return saved_;
    }
    return std::nullopt;
}

std::optional<ExplainStore::Failure> ExplainStore::failure(const CalibrationResult& result) const
{
    if (state_.kind == State::Kind::failed && askedFor_ == result.date) {
        return state_.failure;
    }
    return std::nullopt;
}

QString ExplainStore::numbersPreview(const CalibrationResult& result, std::optional<ProfileStore::Device> device) const
{
    const auto payload = ExplanationRequest::payload(result, deviceName(device), mmPerPoint());
    return QString::fromStdString(ExplanationRequest::preview(payload, lang().toStdString()));
}

void ExplainStore::ask(const CalibrationResult& result, std::optional<ProfileStore::Device> device)
{
    if (state_.kind == State::Kind::asking) {
        return;
    }
    askedFor_ = result.date;
    setState({State::Kind::asking});
    const auto payload = ExplanationRequest::payload(result, deviceName(device), mmPerPoint());
    const std::string body = ExplanationRequest::body(lang().toStdString(), payload).dump();
    client_.post(QStringLiteral("api/calibrate/explain"), QByteArray::fromStdString(body), timeout, sizeLimit, this,
                 [this, result](const ServiceReply& reply) {
                     switch (reply.outcome) {
                     case ServiceReply::Outcome::offline:
                         setState({State::Kind::failed, Failure::offline});
                         return;
                     case ServiceReply::Outcome::noService:
                     case ServiceReply::Outcome::oversized:
                     case ServiceReply::Outcome::unreadable:
                         setState({State::Kind::failed, Failure::unavailable});
                         return;
                     case ServiceReply::Outcome::answered:
                         if (auto meaning = interpret(reply.status, reply.body, result);
                             auto* explanation = std::get_if<Explanation>(&meaning)) {
                             setSaved(*explanation);
                             setState({State::Kind::idle});
                         } else {
                             setState({State::Kind::failed, std::get<Failure>(meaning)});
                         }
                         return;
                     }
                 });
}

std::variant<ExplainStore::Failure, ExplainStore::Explanation>
ExplainStore::interpret(int status, const QByteArray& body, const CalibrationResult& result)
{
    const nlohmann::json parsed = nlohmann::json::parse(body.toStdString(), nullptr, false);
    const nlohmann::json object = parsed.is_object() ? parsed : nlohmann::json::object();
    if (status == 429) {
        const auto reason = object.find("reason");
        const std::string text = reason != object.end() && reason->is_string() ? reason->get<std::string>() : "";
        return text == "license_daily" ? Failure::usedToday
            : text == "daily"          ? Failure::busyToday
                                       : Failure::unavailable;
    }
    const auto summary = object.find("summary");
    const auto points = object.find("points");
    const bool readable = status == 200 && summary != object.end() && summary->is_string() && points != object.end()
        && points->is_array()
        && std::all_of(points->begin(), points->end(), [](const auto& point) { return point.is_string(); });
    if (!readable) {
        return Failure::unavailable;
    }
    Explanation explanation;
    explanation.summary = QString::fromStdString(summary->get<std::string>());
    for (const auto& point : *points) {
        explanation.points.append(QString::fromStdString(point.get<std::string>()));
    }
    if (!withinLimits(explanation.summary, explanation.points)) {
        return Failure::unavailable;
    }
    // Only a setting built on a preset that was scored on this hand is offered.
    explanation.setting = readSetting(object);
    if (explanation.setting && std::none_of(result.scores.begin(), result.scores.end(), [&](const auto& score) {
            return score.preset == explanation.setting->base;
        })) {
        explanation.setting.reset();
    }
    explanation.resultDate = result.date;
    return explanation;
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
    if (!withinLimits(decoded.summary, decoded.points)) {
        throw DecodingError("the texts are longer than any explanation's");
    }
    // A stored setting that is out of range or names no known preset is dropped; the words stay.
    decoded.setting = readSetting(object);
    decoded.resultDate = coding::decodeDouble(object, "resultDate");
    explanation = std::move(decoded);
}

} // namespace quellarine
