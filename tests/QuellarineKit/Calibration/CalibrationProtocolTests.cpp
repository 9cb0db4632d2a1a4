#include "QuellarineKit/Calibration/CalibrationProtocol.h"

#include <gtest/gtest.h>

#include <random>

using namespace quellarine;
using Protocol = CalibrationProtocol;

namespace {

// Stages from a narrow window to a large screen.
std::vector<Size> stages()
{
    std::mt19937 random(40);
    std::uniform_real_distribution<double> side(300, 2000);
    std::vector<Size> sizes{{596, 380}, {300, 290}};
    for (int i = 0; i < 20; ++i) {
        sizes.push_back({side(random), side(random)});
    }
    return sizes;
}

bool inside(Point point, Size stage)
{
    return point.x >= 0 && point.x <= stage.width && point.y >= 0 && point.y <= stage.height;
}

} // namespace

// Every target's whole hit area lies on the stage, and each target needs a move of its own: no press can hit
// both a target and the one after it, on any stage the page allows.
TEST(CalibrationProtocolTest, TargetsKeepTheirHitAreaOnTheStageAndApartFromTheNext)
{
    for (const Size stage : stages()) {
        for (int i = 0; i < Protocol::targetCount; ++i) {
            const Point target = Protocol::target(i, stage);
            const double margin = Protocol::hitRadius - 1e-9;
            EXPECT_TRUE(inside(target + Vector{margin, margin}, stage));
            EXPECT_TRUE(inside(target - Vector{margin, margin}, stage));
            EXPECT_TRUE(Protocol::hits(target, i, stage));
            if (i > 0) {
                EXPECT_GT(target.distance(Protocol::target(i - 1, stage)), 2 * Protocol::hitRadius);
            }
        }
    }
}

// The hit radius counts as a hit; the start radius does not start the hold.
TEST(CalibrationProtocolTest, TheHitRadiusIsInclusiveAndTheStartRadiusStrict)
{
    const Size stage{596, 380};
    std::mt19937 random(7);
    std::uniform_real_distribution<double> angle(0, 6.283185307179586);
    for (int i = 0; i < 200; ++i) {
        const double a = angle(random);
        const Vector unit{std::cos(a), std::sin(a)};
        const int index = i % Protocol::targetCount;
        const Point target = Protocol::target(index, stage);
        EXPECT_TRUE(Protocol::hits(target + unit * (Protocol::hitRadius * (1 - 1e-9)), index, stage));
        EXPECT_FALSE(Protocol::hits(target + unit * (Protocol::hitRadius + 1e-6), index, stage));
        const Point centre = Protocol::centre(stage);
        EXPECT_TRUE(Protocol::startsHold(centre + unit * (Protocol::startRadius - 1e-6), stage));
        EXPECT_FALSE(Protocol::startsHold(centre + unit * (Protocol::startRadius + 1e-6), stage));
    }
}

// The moving dot starts where the hold ended, stays on the stage, moves smoothly and traces a closed figure of
// eight: back at the centre after one period across, crossing the centre halfway.
TEST(CalibrationProtocolTest, TheMovingDotDrawsAClosedFigureOfEightOnTheStage)
{
    for (const Size stage : stages()) {
        const Point centre = Protocol::centre(stage);
        EXPECT_NEAR(Protocol::dotPosition(0, stage).distance(centre), 0, 1e-9);
        EXPECT_NEAR(Protocol::dotPosition(Protocol::acrossPeriod / 2, stage).distance(centre), 0, 1e-9);
        EXPECT_NEAR(Protocol::dotPosition(Protocol::acrossPeriod, stage).distance(centre), 0, 1e-9);
        Point last = Protocol::dotPosition(0, stage);
        bool leftSide = false, rightSide = false, above = false, below = false;
        for (double t = 0.01; t <= Protocol::followSeconds; t += 0.01) {
            const Point dot = Protocol::dotPosition(t, stage);
            ASSERT_TRUE(inside(dot, stage));
            // Never faster than a hand can follow: under 2 stage widths a second.
            ASSERT_LT(dot.distance(last), 0.02 * (stage.width + stage.height));
            leftSide |= dot.x < centre.x - stage.width / 4;
            rightSide |= dot.x > centre.x + stage.width / 4;
            above |= dot.y < centre.y - stage.height / 4;
            below |= dot.y > centre.y + stage.height / 4;
            last = dot;
        }
        EXPECT_TRUE(leftSide && rightSide && above && below);
    }
}
