#include "QuellarineKit/Pointer/HandAttribution.h"

#include <gtest/gtest.h>

#include <vector>

using namespace quellarine;

namespace {

std::vector<Point> list(std::span<const Point> points)
{
    return {points.begin(), points.end()};
}

// Three moves that the system applied to the hand's own position while the tap had placed the pointer elsewhere.
void teachHandFirst(HandAttribution& attribution)
{
    Point hand = *attribution.lastHandLocation();
    for (int i = 0; i < 3; ++i) {
        attribution.placed(hand + Vector{50, 50});
        hand = hand + Vector{2, 1};
        EXPECT_EQ(attribution.attribute(hand, {2, 1}), (Vector{2, 1}));
    }
}

} // namespace

TEST(HandAttributionTest, DeltaAppliedToThePlacementTeachesPlacementFirst)
{
    HandAttribution attribution;
    attribution.resync({100, 100});
    attribution.placed({104, 100}); // the tap showed the pointer a little ahead

    // The system applied the delta to the placement, not to the hand's position 7 points back.
    EXPECT_EQ(attribution.attribute({107, 100}, {3, 0}), (Vector{3, 0}));
    EXPECT_EQ(attribution.startOrder(), (StartOrder{-1, false}));
    EXPECT_FALSE(attribution.placedLast());
}

TEST(HandAttributionTest, EarlierPositionOfAHandAloneTeachesNothing)
{
    // With no placement the only start is the hand; index 1 of the list is an earlier hand position.
    HandAttribution attribution;
    EXPECT_EQ(attribution.attribute({10, 10}, {4, 4}), (Vector{4, 4})); // nothing known yet: the raw delta
    attribution.attribute({20, 10}, {10, 0});
    EXPECT_EQ(attribution.startOrder(), (StartOrder{1, false})); // the sole hand match was learned

    // The system applied this delta to the position before last.
    EXPECT_EQ(attribution.attribute({13, 10}, {3, 0}), (Vector{3, 0}));
    EXPECT_EQ(attribution.startOrder(), (StartOrder{1, false}));
}

TEST(HandAttributionTest, UnexplainedJumpGivesNoMovementAndResyncStartsOver)
{
    HandAttribution attribution;
    attribution.resync({100, 100});
    attribution.placed({110, 100});
    attribution.attribute({103, 100}, {3, 0});
    const StartOrder learned = attribution.startOrder();

    EXPECT_EQ(attribution.attribute({900, 700}, {2, 2}), std::nullopt);
    attribution.resync({900, 700});
    EXPECT_EQ(attribution.lastHandLocation(), (Point{900, 700}));
    EXPECT_EQ(attribution.lastPlaced(), (Point{900, 700}));
    EXPECT_FALSE(attribution.placedLast());
    EXPECT_TRUE(attribution.earlierHand().empty());
    EXPECT_TRUE(attribution.earlierPlaced().empty());
    EXPECT_EQ(attribution.startOrder(), learned);

    // 150 points off every start still takes the delta.
    EXPECT_EQ(attribution.attribute({1050, 700}, {0, 0}), (Vector{0, 0}));
}

TEST(HandAttributionTest, EarlierListsKeepTheNewestEight)
{
    HandAttribution attribution;
    for (int i = 0; i < 12; ++i) {
        attribution.placed({double(i), 0});
        attribution.attribute({double(i), 5}, {0, 0});
    }
    std::vector<Point> placed, hands;
    for (int i = 10; i >= 3; --i) {
        placed.push_back({double(i), 0});
        hands.push_back({double(i), 5});
    }
    EXPECT_EQ(list(attribution.earlierPlaced()), placed);
    EXPECT_EQ(list(attribution.earlierHand()), hands);
}

TEST(HandAttributionTest, EarlierPositionsAreSearchedInThePreferredOrder)
{
    // An earlier placement at (1, 0) and an earlier hand position at (0, 0) both explain the last move; the
    // preferred kind's earlier list is searched first.
    const auto lastMovement = [](bool handFirst) {
        HandAttribution attribution;
        attribution.resync({0, 0});
        if (handFirst) {
            teachHandFirst(attribution);
            EXPECT_EQ(attribution.startOrder(), (StartOrder{3, true}));
            attribution.resync({0, 0});
        }
        attribution.placed({1, 0});
        attribution.placed({1, 0});
        attribution.attribute({300, 300}, {0, 0});
        attribution.placed({500, 500});
        return attribution.attribute({10, 0}, {10, 0});
    };
    EXPECT_EQ(lastMovement(false), (Vector{9, 0}));
    EXPECT_EQ(lastMovement(true), (Vector{10, 0}));
}

TEST(HandAttributionTest, AStartTheSystemNamesIsTheOnlyOneTried)
{
    HandAttribution attribution;
    attribution.resync({100, 100});
    // Hand and placement coincide after a resync: a move from there teaches nothing.
    EXPECT_EQ(attribution.attribute({103, 100}, {3, 0}, Point{100, 100}), (Vector{3, 0}));
    EXPECT_EQ(attribution.startOrder(), StartOrder{});
    teachHandFirst(attribution);

    // Both the hand (103 + 6, 103) and a placement one point off it agree with the delta; guessing takes the
    // preferred hand and is a point out. Named, the placement is the start, and teaches placement.
    Point hand = *attribution.lastHandLocation();
    attribution.placed(hand + Vector{1, 0});
    EXPECT_EQ(attribution.attribute(hand + Vector{3, 0}, {2, 0}, hand + Vector{1, 0}), (Vector{2, 0}));
    EXPECT_EQ(attribution.startOrder(), (StartOrder{2, true}));
    EXPECT_EQ(attribution.lastHandLocation(), (hand + Vector{3, 0}));
    EXPECT_EQ(list(attribution.earlierHand()).front(), hand);

    // However far from every position the tap knows: never an external move.
    EXPECT_EQ(attribution.attribute({905, 700}, {5, 0}, Point{900, 700}), (Vector{5, 0}));
    // A move the system kept on the display (the named start implies less than the delta): the delta.
    EXPECT_EQ(attribution.attribute({905, 700}, {5, 0}, Point{905, 700}), (Vector{5, 0}));
    EXPECT_EQ(attribution.startOrder(), (StartOrder{2, true}));
}
