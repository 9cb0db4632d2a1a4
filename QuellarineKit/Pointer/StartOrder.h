#pragma once

#include "QuellarineKit/Support/Geometry.h"
#include "QuellarineKit/Pointer/HandMovement.h"

#include <array>
#include <cstddef>
#include <optional>

namespace quellarine {

// The learned preference between the hand's last position and the tap's last placement as the position the
// system applies the next hardware delta to.
struct StartOrder {
    static constexpr double cap = 30.0;   // the score stays within -cap...cap
    static constexpr double margin = 2.0; // hysteresis around 0 before the preference flips

    struct Start {
        Point point;
        HandMovement::StartKind kind = HandMovement::StartKind::hand;

        bool operator==(const Start&) const = default;
    };

    // Zero to two starts in the order to try them; fixed storage so that ordering allocates nothing.
    struct Starts {
        std::array<Start, 2> items{};
        std::size_t count = 0;

        std::size_t size() const { return count; }
        bool empty() const { return count == 0; }
        const Start& operator[](std::size_t index) const { return items[index]; }
        const Start* begin() const { return items.data(); }
        const Start* end() const { return items.data() + count; }

        bool operator==(const Starts& other) const;
    };

    double score = 0;
    bool chainFirst = false; // true: the hand's own position is tried first

    bool operator==(const StartOrder&) const = default;

    // Told the kind of start that just proved right.
    void learned(HandMovement::StartKind kind);

    // An absent position is left out.
    Starts ordered(std::optional<Point> hand, std::optional<Point> placement, bool placedLast) const;
};

} // namespace quellarine
