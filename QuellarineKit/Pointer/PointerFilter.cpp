#include "QuellarineKit/Pointer/PointerFilter.h"

#include "QuellarineKit/Support/JsonFields.h"

namespace quellarine {

PointerFilter::PointerFilter(const Parameters& parameters)
    : parameters_(parameters)
    , smoothing_(parameters.smoothing)
{
    if (parameters.cancel) {
        canceller_.emplace(*parameters.cancel);
    }
}

void PointerFilter::setParameters(const Parameters& parameters)
{
    const std::optional<TremorCanceller::Parameters> previousCancel = parameters_.cancel;
    parameters_ = parameters;
    smoothing_.parameters = parameters.smoothing;
    if (!parameters.cancel) {
        canceller_.reset();
    } else if (!(canceller_ && previousCancel == parameters.cancel)) {
        canceller_.emplace(*parameters.cancel);
    }
}

Point PointerFilter::filter(Point point, double time)
{
    if (canceller_) {
        const Vector cancelled = canceller_->cancel({point.x, point.y}, time);
        return smoothing_.filter({cancelled.dx, cancelled.dy}, time);
    }
    return smoothing_.filter(point, time);
}

Point PointerFilter::settle(Point point, double time)
{
    if (canceller_) {
        const Vector coasted = canceller_->coast({point.x, point.y}, time);
        return smoothing_.filter({coasted.dx, coasted.dy}, time);
    }
    return smoothing_.filter(point, time);
}

void PointerFilter::reset()
{
    if (canceller_) {
        canceller_->reset();
    }
    smoothing_.reset();
}

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
