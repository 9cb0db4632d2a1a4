#pragma once

#include "QuellarineKit/Support/DecodingError.h"
#include "QuellarineKit/Support/Geometry.h"

#include <nlohmann/json_fwd.hpp>

#include <optional>

namespace quellarine {

// Speed-adaptive low-pass smoothing of pointer positions, split along and across the direction of motion.
class OneEuroFilter {
public:
    struct Parameters {
        double minCutoff = 0;        // Hz at rest
        double beta = 0;             // Hz per point per second above the speed floor
        double derivativeCutoff = 0; // Hz of the velocity low-pass
        double speedFloor = 0;       // points per second below which speed does not raise the cutoff
        int stages = 1;              // 1 or 2 stages in cascade
        double acrossShare = 0;      // share of the speed-driven increase applied across the motion

        bool operator==(const Parameters&) const = default;
    };

    struct State {
        Point position;    // first stage's output after the last sample
        Point second;      // second stage's output; equal to position while one stage runs
        Vector velocity;   // low-passed velocity estimate, points per second
        double time = 0;   // seconds
        double cutoff = 1; // Hz, along the motion at the last sample

        bool operator==(const State&) const = default;
    };

    // A sample this long or longer after the previous one starts afresh.
    static constexpr double restartAfter = 0.5;
    // The step the tuning is given for (125 samples a second); others are measured as if they were this long.
    static constexpr double referenceStep = 0.008;
    // Shorter steps are taken as this long, so that equal times never divide by zero.
    static constexpr double shortestStep = 0.0005;

    // Share of the way a first-order low-pass with this cutoff (Hz) moves towards its input in dt seconds.
    static double smoothingFactor(double cutoff, double dt);

    explicit OneEuroFilter(const Parameters& parameters)
        : parameters(parameters)
    {
    }

    // The tuning; replacing it keeps the state, so smoothing continues from the current output.
    Parameters parameters;

    const std::optional<State>& state() const { return state_; }

    // Feeds one sample (points, seconds) and returns the smoothed position.
    Point filter(Point point, double time);

    // Forgets the state: the next sample comes back unchanged.
    void reset() { state_.reset(); }

private:
    std::optional<State> state_;
};

void to_json(nlohmann::json& json, const OneEuroFilter::Parameters& parameters);
void from_json(const nlohmann::json& json, OneEuroFilter::Parameters& parameters);

} // namespace quellarine
