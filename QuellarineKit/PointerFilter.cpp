#include "QuellarineKit/PointerFilter.h"

#include "QuellarineKit/JsonFields.h"

namespace quellarine {

void to_json(nlohmann::json& json, const PointerFilter::Parameters& parameters)
{
    json = nlohmann::json{{"smoothing", parameters.smoothing}};
    if (parameters.cancel) {
        json["cancel"] = *parameters.cancel;
    }
}

void from_json(const nlohmann::json& json, PointerFilter::Parameters& parameters)
{
    const auto& object = coding::requireObject(json);
    if (!object.contains("smoothing")) {
        throw DecodingError("missing key \"smoothing\"");
    }
    parameters.smoothing = object.at("smoothing").get<OneEuroFilter::Parameters>();
    parameters.cancel.reset();
    if (auto it = object.find("cancel"); it != object.end() && !it->is_null()) {
        parameters.cancel = it->get<TremorCanceller::Parameters>();
    }
}

} // namespace quellarine
