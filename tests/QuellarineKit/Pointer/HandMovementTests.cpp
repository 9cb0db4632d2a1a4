#include "QuellarineKit/Pointer/HandMovement.h"
#include "QuellarineKit/Pointer/StartOrder.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using namespace quellarine;
using Kind = HandMovement::StartKind;
using Resolution = HandMovement::Resolution;

namespace {

const Point location{500, 400};
const Vector delta{10, -4};

// A start from which the hand's delta lands `offset` away from `location`.
Point startMissingBy(Vector offset)
{
    return location - delta - offset;
}

std::optional<Resolution> resolve(const std::vector<Point>& starts, double tolerance = 200)
{
    return HandMovement::resolve(location, delta, starts, tolerance);
}

} // namespace

TEST(HandMovementTest, NoStartsTakeTheDelta)
{
    EXPECT_EQ(resolve({}), (Resolution{delta, std::nullopt, false}));
}

TEST(HandMovementTest, FirstAgreeingStartWinsAndSoleNeedsExactlyOneOfTheFirstTwo)
{
    const Point exact = startMissingBy({0, 0});
    const Point nearEdge = startMissingBy({1.5, 0}); // agreement is inclusive
    const Point off = startMissingBy({1.6, 0});

    EXPECT_EQ(resolve({exact, nearEdge}), (Resolution{location - exact, 0, false}));
    EXPECT_EQ(resolve({off, nearEdge}), (Resolution{location - nearEdge, 1, true}));
    EXPECT_EQ(resolve({exact, off}), (Resolution{location - exact, 0, true}));
    EXPECT_EQ(resolve({exact}), (Resolution{location - exact, 0, true}));
    // The movement is the one the start implies, not the reported delta.
    EXPECT_EQ(resolve({nearEdge})->movement, (Vector{delta.dx + 1.5, delta.dy}));
}

TEST(HandMovementTest, WinnerBeyondTheFirstTwoIsNeverSole)
{
    const Point far = startMissingBy({40, 0});
    const Point exact = startMissingBy({0, 0});
    EXPECT_EQ(resolve({far, far, exact, exact}), (Resolution{location - exact, 2, false}));
}

TEST(HandMovementTest, ToleranceDecidesBetweenTheDeltaAndNoExplanation)
{
    const Point near = startMissingBy({0, 150});
    const Point far = startMissingBy({250, 0});
    EXPECT_EQ(resolve({far, near}), (Resolution{delta, std::nullopt, false}));
    EXPECT_EQ(resolve({far}), std::nullopt);
    EXPECT_EQ(HandMovement::movement(location, delta, std::vector<Point>{near}, 200), delta);
    EXPECT_EQ(HandMovement::movement(location, delta, std::vector<Point>{far}, 200), std::nullopt);
    // The tolerance only judges the nearest miss, never agreement.
    EXPECT_EQ(resolve({startMissingBy({1.6, 0})}, 0), std::nullopt);
}

TEST(HandMovementTest, UnmeasurableStartsTakeTheDelta)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(resolve({{nan, 0}, {inf, 0}}, 200), (Resolution{delta, std::nullopt, false}));
    // An unmeasurable start does not hide a measurable one that is far off.
    EXPECT_EQ(resolve({{nan, 0}, startMissingBy({250, 0})}), std::nullopt);
}

TEST(StartOrderTest, LearningFlipsThePreferenceWithHysteresis)
{
    StartOrder order;
    order.learned(Kind::hand);
    order.learned(Kind::hand);
    EXPECT_EQ(order, (StartOrder{2, false})); // the margin itself does not flip it
    order.learned(Kind::hand);
    EXPECT_EQ(order, (StartOrder{3, true}));
    for (int i = 0; i < 4; ++i) {
        order.learned(Kind::placement);
    }
    EXPECT_EQ(order, (StartOrder{-1, true}));
    order.learned(Kind::placement);
    EXPECT_EQ(order, (StartOrder{-2, true}));
    order.learned(Kind::placement);
    EXPECT_EQ(order, (StartOrder{-3, false}));
}

TEST(StartOrderTest, ScoreIsCapped)
{
    StartOrder order;
    for (int i = 0; i < 40; ++i) {
        order.learned(Kind::hand);
    }
    EXPECT_EQ(order, (StartOrder{30, true}));
    for (int i = 0; i < 33; ++i) {
        order.learned(Kind::placement);
    }
    EXPECT_EQ(order, (StartOrder{-3, false}));
    for (int i = 0; i < 40; ++i) {
        order.learned(Kind::placement);
    }
    EXPECT_EQ(order.score, -30);
}

TEST(StartOrderTest, OrderFollowsPreferenceAndWhatCameLast)
{
    const Point hand{1, 1};
    const Point placement{2, 2};
    const auto kinds = [&](const StartOrder::Starts& starts) {
        std::vector<Kind> result;
        for (const auto& start : starts) {
            result.push_back(start.kind);
            EXPECT_EQ(start.point, (start.kind == Kind::hand ? hand : placement));
        }
        return result;
    };
    StartOrder order;
    EXPECT_EQ(kinds(order.ordered(hand, placement, false)), (std::vector{Kind::hand, Kind::placement}));
    EXPECT_EQ(kinds(order.ordered(hand, placement, true)), (std::vector{Kind::placement, Kind::hand}));
    EXPECT_EQ(kinds(order.ordered(hand, std::nullopt, true)), std::vector{Kind::hand});
    order.chainFirst = true;
    EXPECT_EQ(kinds(order.ordered(hand, placement, true)), (std::vector{Kind::hand, Kind::placement}));
    EXPECT_EQ(kinds(order.ordered(std::nullopt, placement, false)), std::vector{Kind::placement});
    EXPECT_TRUE(order.ordered(std::nullopt, std::nullopt, true).empty());
}
