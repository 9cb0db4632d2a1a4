#include "QuellarineKit/OneEuroFilter.h"

#include "QuellarineKit/JsonFields.h"

namespace quellarine {

void to_json(nlohmann::json& json, const OneEuroFilter::Parameters& parameters)
{
    json = nlohmann::json{
        {"minCutoff", coding::encodable(parameters.minCutoff, "minCutoff")},
        {"beta", coding::encodable(parameters.beta, "beta")},
        {"derivativeCutoff", coding::encodable(parameters.derivativeCutoff, "derivativeCutoff")},
        {"speedFloor", coding::encodable(parameters.speedFloor, "speedFloor")},
        {"stages", parameters.stages},
        {"acrossShare", coding::encodable(parameters.acrossShare, "acrossShare")},
    };
}

void from_json(const nlohmann::json& json, OneEuroFilter::Parameters& parameters)
{
    parameters = OneEuroFilter::Parameters{
        .minCutoff = coding::decodeDouble(json, "minCutoff"),
        .beta = coding::decodeDouble(json, "beta"),
        .derivativeCutoff = coding::decodeDouble(json, "derivativeCutoff"),
        .speedFloor = coding::decodeDouble(json, "speedFloor"),
        .stages = coding::decodeInt(json, "stages"),
        .acrossShare = coding::decodeDouble(json, "acrossShare"),
    };
}

} // namespace quellarine
