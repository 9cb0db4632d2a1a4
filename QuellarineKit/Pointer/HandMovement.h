#pragma once

#include "QuellarineKit/Support/Geometry.h"

#include <optional>
#include <span>

namespace quellarine {

// Works out which earlier pointer position the system applied a hardware delta to, and so what the hand really
// moved. The tap moves the cursor itself, so the system sometimes adds the hand's delta to the hand's last
// position and sometimes to the position the tap placed last.
struct HandMovement {
    HandMovement() = delete;

    // Points: a start agrees when the movement it implies differs from the event's delta by at most this.
    static constexpr double agreement = 1.5;

    enum class StartKind { hand, placement };

    struct Resolution {
        Vector movement;          // what the hand moved
        std::optional<int> start; // index of the agreeing start; none when the raw delta was taken
        bool sole = false;        // the agreeing start was the only one of the first two that agreed

        bool operator==(const Resolution&) const = default;
    };

    // None when no start agrees and the nearest one misses the delta by more than the tolerance: the pointer
    // was put somewhere by something else.
    static std::optional<Resolution> resolve(Point location, Vector delta, std::span<const Point> possibleStarts,
                                             double tolerance);

    static std::optional<Vector> movement(Point location, Vector delta, std::span<const Point> possibleStarts,
                                          double tolerance);
};

} // namespace quellarine
