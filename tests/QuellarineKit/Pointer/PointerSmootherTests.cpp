#include "QuellarineKit/Pointer/PointerSmoother.h"

#include "QuellarineKit/Pointer/FilterPreset.h"
#include "QuellarineKit/Pointer/HandAttribution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace quellarine;

namespace {

const Rect laptop{{0, 0}, {1440, 900}};
const Rect tallerRight{{1440, 0}, {1920, 1080}};

PointerSmoother smootherOn(std::vector<Rect> displays)
{
    return PointerSmoother(FilterPreset::balanced().parameters, std::move(displays));
}

// Where a hand movement that ends at `target` lands: right after a resynchronisation the filter hands its first
// sample back unchanged, so only the clamp acts.
Point landing(PointerSmoother smoother, Point target)
{
    const Point start{target.x - 3, target.y - 4};
    smoother.resync(start);
    return smoother.move(target - start, start, 1.0);
}

} // namespace

TEST(PointerSmootherTest, FirstMoveShowsItsLocationUnclamped)
{
    auto smoother = smootherOn({laptop});
    EXPECT_EQ(smoother.move({40, -25}, {5000, 300}, 1.0), (Point{5000, 300}));
    EXPECT_EQ(smoother.raw(), (Point{5000, 300}));
    EXPECT_EQ(smoother.emitted(), (Point{5000, 300}));
    // The next move adds its delta to the raw position, not to the event's location, and is clamped.
    smoother.move({-10, 0}, {0, 0}, 1.008);
    EXPECT_EQ(smoother.raw(), (Point{1439, 300}));
}

TEST(PointerSmootherTest, ClampUsesTheLastPointBeforeTheRightAndBottomEdges)
{
    const auto smoother = smootherOn({laptop});
    EXPECT_EQ(landing(smoother, {1500, 950}), (Point{1439, 899}));
    EXPECT_EQ(landing(smoother, {1439.5, 10}), (Point{1439, 10}));
    EXPECT_EQ(landing(smoother, {100, 100}), (Point{100, 100}));
    EXPECT_EQ(landing(smoother, {-20, 450}), (Point{0, 450}));
}

TEST(PointerSmootherTest, PointOffTheDisplaysGoesToTheNearestAndTiesToTheFirstListed)
{
    // Below the smaller display on the left, in the gap next to the taller one.
    EXPECT_EQ(landing(smootherOn({laptop, tallerRight}), {1000, 1000}), (Point{1000, 899}));
    EXPECT_EQ(landing(smootherOn({laptop, tallerRight}), {1400, 1000}), (Point{1440, 1000}));
    // 101 points from each display.
    EXPECT_EQ(landing(smootherOn({laptop, tallerRight}), {1339, 1000}), (Point{1339, 899}));
    EXPECT_EQ(landing(smootherOn({tallerRight, laptop}), {1339, 1000}), (Point{1440, 1000}));
    // A point inside a later display stays put even when an earlier one is listed first.
    EXPECT_EQ(landing(smootherOn({laptop, tallerRight}), {2000, 1050}), (Point{2000, 1050}));
}

TEST(PointerSmootherTest, WithoutUsableDisplaysNothingIsClamped)
{
    EXPECT_EQ(landing(smootherOn({}), {-800, 99999}), (Point{-800, 99999}));
    EXPECT_EQ(landing(smootherOn({Rect{{0, 0}, {0, 900}}, Rect{{0, 0}, {1440, -1}}}), {-800, 99999}),
              (Point{-800, 99999}));
}

TEST(PointerSmootherTest, FrameNarrowerThanOnePointKeepsPointsOnIt)
{
    // The usable area of such a frame is its origin line; the point never ends up outside the frame.
    EXPECT_EQ(landing(smootherOn({Rect{{10, 20}, {0.5, 0.25}}}), {300, 300}), (Point{10, 20}));
    EXPECT_EQ(landing(smootherOn({Rect{{10, 20}, {0.5, 900}}}), {-300, 300}), (Point{10, 300}));
    EXPECT_EQ(landing(smootherOn({Rect{{10, 20}, {1440, 0.75}}}), {300, -5}), (Point{300, 20}));
}

TEST(PointerSmootherTest, SettleNeedsAHandPosition)
{
    auto smoother = smootherOn({laptop});
    EXPECT_EQ(smoother.settle(1.0), std::nullopt);
    EXPECT_EQ(smoother.raw(), std::nullopt);
    EXPECT_EQ(smoother.emitted(), std::nullopt);
}

TEST(PointerSmootherTest, SettleEasesTheShownPointOntoTheRestingHand)
{
    auto smoother = smootherOn({laptop});
    smoother.resync({200, 200});
    double time = 1.0;
    for (int i = 1; i <= 10; ++i) {
        time += 0.008;
        smoother.move({20, 10}, {0, 0}, time);
    }
    const Point hand = *smoother.raw();
    EXPECT_EQ(hand, (Point{400, 300}));
    EXPECT_GT(smoother.emitted()->distance(hand), 1.0); // the filter lags behind a moving hand

    for (int i = 0; i < 500; ++i) {
        time += 0.008;
        smoother.settle(time);
    }
    EXPECT_EQ(smoother.raw(), hand);
    EXPECT_LT(smoother.emitted()->distance(hand), 0.3);
}

TEST(PointerSmootherTest, CursorPlacedMovesOnlyTheEmittedPosition)
{
    auto smoother = smootherOn({laptop});
    smoother.cursorPlaced({300, 300});
    EXPECT_EQ(smoother.raw(), std::nullopt);
    EXPECT_EQ(smoother.emitted(), (Point{300, 300}));
    EXPECT_EQ(smoother.move({5, 5}, {50, 60}, 1.0), (Point{50, 60})); // still the first move

    smoother.resync({100, 100});
    smoother.cursorPlaced({700, 500});
    EXPECT_EQ(smoother.raw(), (Point{100, 100}));
    EXPECT_EQ(smoother.move({5, 0}, {700, 500}, 1.008), (Point{105, 100}));
}

TEST(PointerSmootherTest, ResyncThenAgreeingMoveComesOutExactlyAtTheNewLocation)
{
    auto smoother = smootherOn({laptop});
    HandAttribution attribution;
    Point hand{200, 200};
    smoother.resync(hand);
    attribution.resync(hand);
    for (int i = 1; i <= 5; ++i) {
        hand = hand + Vector{6, 3};
        smoother.move(*attribution.attribute(hand, {6, 3}), hand, 1.0 + i * 0.008);
    }

    // Something else put the cursor at Q; the next hardware move reports its delta from there, a little off.
    const Point q{1000.25, 640.5};
    smoother.resync(q);
    attribution.resync(q);
    const Point location{1010.75, 633.5};
    const auto movement = attribution.attribute(location, (location - q) + Vector{1, 0.5});
    ASSERT_TRUE(movement);
    EXPECT_EQ(smoother.move(*movement, location, 2.0), location);
    EXPECT_EQ(smoother.raw(), location);

    // The same beyond the display's edge lands on the clamped point.
    smoother.resync(q);
    attribution.resync(q);
    const Point outside{1450, 640.5};
    EXPECT_EQ(smoother.move(*attribution.attribute(outside, outside - q), outside, 3.0), (Point{1439, 640.5}));
}

TEST(PointerSmootherTest, NumbersThatAreNotFiniteNeverReachThePositions)
{
    constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
    constexpr double infinity = std::numeric_limits<double>::infinity();
    for (const std::vector<Rect>& displays : {std::vector<Rect>{laptop}, std::vector<Rect>{}}) {
        auto smoother = smootherOn(displays);
        EXPECT_TRUE(std::isnan(smoother.move({1, 1}, {notANumber, 5}, 1.0).x));
        EXPECT_EQ(smoother.raw(), std::nullopt) << "no place to start from";
        smoother.resync({infinity, 5});
        smoother.cursorPlaced({5, notANumber});
        EXPECT_EQ(smoother.emitted(), std::nullopt);

        smoother.resync({400, 300});
        double t = 2.0;
        for (int i = 0; i < 40; ++i) {
            t += 0.008;
            smoother.move({i % 2 ? 3.0 : -2.0, 1}, {0, 0}, t);
        }
        const Point hand = *smoother.raw();
        for (Vector bad : {Vector{notANumber, 0}, Vector{0, -infinity}, Vector{1.7e308, 0}}) {
            t += 0.008;
            smoother.move({1.7e308, 0}, {0, 0}, t); // finite; off the displays it is the sum that is not
            const Point before = *smoother.raw();
            t += 0.008;
            EXPECT_EQ(smoother.move(bad, {0, 0}, t), before) << "shown where the hand stays";
            EXPECT_EQ(smoother.raw(), before);
            t += 0.008;
            const Point restarted = smoother.move({2, 0}, {0, 0}, t);
            EXPECT_EQ(restarted, *smoother.raw()) << "the filter restarted there";
            smoother.resync(hand);
        }
        smoother.cursorPlaced({infinity, infinity});
        for (int i = 0; i < 40; ++i) {
            t += 0.008;
            const Point shown = smoother.move({i % 2 ? 3.0 : -2.0, 1}, {0, 0}, t);
            ASSERT_TRUE(std::isfinite(shown.x) && std::isfinite(shown.y));
            const auto settled = smoother.settle(t + 0.004);
            ASSERT_TRUE(std::isfinite(settled->x) && std::isfinite(settled->y));
        }
    }
}
