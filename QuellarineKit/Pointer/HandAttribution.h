#pragma once

#include "QuellarineKit/Support/Geometry.h"
#include "QuellarineKit/Pointer/StartOrder.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>

namespace quellarine {

// The tap's record of where the hand and the tap last put the pointer, used to attribute every hardware delta
// to the position the system applied it to. Fixed-size storage: nothing here allocates per event.
class HandAttribution {
public:
    // Movements that no candidate start explains within this many points are external moves.
    static constexpr double tolerance = 200;

    // Recent positions, newest first, keeping at most `capacity`.
    class EarlierPositions {
    public:
        static constexpr std::size_t capacity = 8;

        void push(Point point);
        void clear() { count_ = 0; }
        std::span<const Point> points() const { return {points_.data(), count_}; }

        bool operator==(const EarlierPositions& other) const;

    private:
        std::array<Point, capacity> points_{};
        std::size_t count_ = 0;
    };

    static constexpr std::size_t maxCandidates = 2 + 2 * EarlierPositions::capacity;

    // A marked event (a position the tap itself put the cursor at) passed the tap.
    void placed(Point location);

    // An unmarked move at `location` with the hardware `delta`: what the hand moved, or none when nothing
    // explains the jump (an external move; the caller then resynchronises). A system that tells the point it
    // added the delta to (`base`) leaves nothing to guess: that point is the one start tried, and whatever it
    // implies is the hand's movement, never an external move.
    std::optional<Vector> attribute(Point location, Vector delta, std::optional<Point> base = std::nullopt);

    // The tap starts over at `location`; the learned start order stays.
    void resync(Point location);

    std::optional<Point> lastHandLocation() const { return lastHandLocation_; }
    std::optional<Point> lastPlaced() const { return lastPlaced_; }
    bool placedLast() const { return placedLast_; }
    const StartOrder& startOrder() const { return startOrder_; }
    bool triesHandFirst() const { return startOrder_.chainFirst; }
    std::span<const Point> earlierHand() const { return earlierHand_.points(); }
    std::span<const Point> earlierPlaced() const { return earlierPlaced_.points(); }

    bool operator==(const HandAttribution&) const = default;

private:
    // The kind of the one start at exactly `point`; none when neither or both are there.
    static std::optional<HandMovement::StartKind> soleKindAt(const StartOrder::Starts& starts, Point point);

    std::optional<Point> lastHandLocation_; // location of the last unmarked move
    std::optional<Point> lastPlaced_;       // location of the last marked event
    bool placedLast_ = false;               // the more recent of those two was a placement
    StartOrder startOrder_;
    EarlierPositions earlierHand_;
    EarlierPositions earlierPlaced_;
};

} // namespace quellarine
