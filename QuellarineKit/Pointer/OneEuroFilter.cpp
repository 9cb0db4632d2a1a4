#include "QuellarineKit/Pointer/OneEuroFilter.h"

#include "QuellarineKit/Support/JsonFields.h"

#include <cmath>
#include <numbers>

namespace quellarine {

namespace {

// The step split into its part along the unit direction (or none at rest) and the part across it, each moved
// by its own factor.
Vector splitStep(Vector step, Vector direction, double alongFactor, double acrossFactor)
{
    const Vector along = direction * step.dot(direction);
    const Vector across = step - along;
    return along * alongFactor + across * acrossFactor;
}

bool isFinite(Point point)
{
    return std::isfinite(point.x) && std::isfinite(point.y);
}

bool isFinite(Vector vector)
{
    return std::isfinite(vector.dx) && std::isfinite(vector.dy);
}

} // namespace

double OneEuroFilter::smoothingFactor(double cutoff, double dt)
{
    // The factor for a reference step, compounded over the reference steps in dt: a hand reported every
    // millisecond is smoothed as one reported every 8 ms.
    const double timeConstant = 1 / (2 * std::numbers::pi * cutoff);
    const double perReferenceStep = 1 / (1 + timeConstant / referenceStep);
    return 1 - std::pow(1 - perReferenceStep, dt / referenceStep);
}

Point OneEuroFilter::filter(Point point, double time)
{
    if (!isFinite(point)) {
        // No base for the next step either: it starts afresh.
        state_.reset();
        return point;
    }
    // Written as negations so that a time that is not a number restarts too.
    if (!state_ || !(time >= state_->time) || !(time - state_->time < restartAfter)) {
        state_
            = State{.position = point, .second = point, .velocity = {}, .time = time, .cutoff = parameters.minCutoff};
        return point;
    }
    State& state = *state_;
    const double gap = time - state.time;
    const double dt = gap > shortestStep ? gap : shortestStep;

    // Measured from the previous output, not the previous raw point: the step holds the output's lag behind the
    // hand, which a shorter step divides by less time. Scaled to what the same movement gives at 8 ms steps.
    const Vector step = point - state.position;
    const double lagTime = 1 / (2 * std::numbers::pi * state.cutoff);
    const double scale = dt / referenceStep * (lagTime + referenceStep) / (lagTime + dt);
    state.velocity
        = state.velocity + (step / dt * scale - state.velocity) * smoothingFactor(parameters.derivativeCutoff, dt);
    const double speed = state.velocity.length();
    const double aboveFloor = speed - parameters.speedFloor;
    const double excess = parameters.beta * (aboveFloor > 0 ? aboveFloor : 0.0); // not a number counts as 0
    const double alongFactor = smoothingFactor(parameters.minCutoff + excess, dt);
    state.cutoff = parameters.minCutoff + excess;
    const double acrossFactor = smoothingFactor(parameters.minCutoff + parameters.acrossShare * excess, dt);
    // At rest there is no direction: the whole step counts as across.
    const Vector direction = speed > 1e-9 ? state.velocity / speed : Vector{};

    state.position = state.position + splitStep(step, direction, alongFactor, acrossFactor);
    if (parameters.stages >= 2) {
        // The second stage reuses the first one's direction and factors; it has no velocity of its own.
        state.second = state.second + splitStep(state.position - state.second, direction, alongFactor, acrossFactor);
    } else {
        // Following the first stage keeps a later switch to two stages free of jumps.
        state.second = state.position;
    }
    state.time = time;
    if (!isFinite(state.second) || !isFinite(state.velocity)) {
        // A step too large for the arithmetic (a jump across most of the range of numbers): start afresh there.
        state = State{.position = point, .second = point, .velocity = {}, .time = time, .cutoff = parameters.minCutoff};
    }
    return state.second;
}

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
