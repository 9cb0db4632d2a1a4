#include "QuellarineKit/TremorCanceller.h"

#include "QuellarineKit/JsonFields.h"

namespace quellarine {

void to_json(nlohmann::json& json, const TremorCanceller::Parameters& parameters)
{
    json = nlohmann::json{
        {"lowestHz", coding::encodable(parameters.lowestHz, "lowestHz")},
        {"highestHz", coding::encodable(parameters.highestHz, "highestHz")},
        {"stepHz", coding::encodable(parameters.stepHz, "stepHz")},
        {"voluntaryCutoff", coding::encodable(parameters.voluntaryCutoff, "voluntaryCutoff")},
        {"adaptation", coding::encodable(parameters.adaptation, "adaptation")},
        {"strength", coding::encodable(parameters.strength, "strength")},
    };
}

void from_json(const nlohmann::json& json, TremorCanceller::Parameters& parameters)
{
    parameters = TremorCanceller::Parameters{
        .lowestHz = coding::decodeDouble(json, "lowestHz"),
        .highestHz = coding::decodeDouble(json, "highestHz"),
        .stepHz = coding::decodeDouble(json, "stepHz"),
        .voluntaryCutoff = coding::decodeDouble(json, "voluntaryCutoff"),
        .adaptation = coding::decodeDouble(json, "adaptation"),
        .strength = coding::decodeDouble(json, "strength"),
    };
}

} // namespace quellarine
