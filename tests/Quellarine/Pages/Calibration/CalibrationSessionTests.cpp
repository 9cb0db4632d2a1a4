#include "Quellarine/Pages/Calibration/CalibrationSession.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <random>

namespace quellarine {
namespace {

using Step = CalibrationSession::Step;
using Protocol = CalibrationProtocol;

class CalibrationSessionTest : public ::testing::Test {
protected:
    double clock = 100;
    CalibrationSession session{[this] { return clock; }};

    // The stage is 600 by 400: its centre is (300, 200).
    void SetUp() override { session.setArea({600, 400}); }

    void toClicks()
    {
        session.setStep(Step::hold);
        session.record(session.centre());
        clock += Protocol::holdSeconds;
        session.tick(clock);
        clock += Protocol::followSeconds;
        session.tick(clock);
        ASSERT_EQ(session.step(), Step::clicks);
    }

    void click(Point down, Point up)
    {
        session.beginPress(down);
        clock += 0.1;
        session.endPress(up);
        clock += 0.4;
    }
};

TEST_F(CalibrationSessionTest, TheHoldClockWaitsForThePointerAndTheFollowClockStartsAtTheTick)
{
    session.setStep(Step::hold);
    session.record({0, 0});
    session.record(session.centre() + Vector{Protocol::startRadius, 0}); // just at the radius: not yet
    EXPECT_TRUE(session.hold().empty());
    session.tick(clock + 60);
    EXPECT_EQ(session.step(), Step::hold);
    EXPECT_EQ(session.elapsed(), 0);

    const Point inside = session.centre() + Vector{Protocol::startRadius - 0.1, 0};
    session.record(inside);
    ASSERT_EQ(session.hold().size(), 1u);
    EXPECT_EQ(session.hold()[0], (CalibrationRecording::Sample{0, inside}));
    // Once started, samples anywhere count.
    clock += Protocol::holdSeconds - 0.01;
    session.record({500, 50});
    session.tick(clock);
    EXPECT_EQ(session.step(), Step::hold);
    // A sample after the hold time but before the tick still belongs to the hold part.
    clock += 0.02;
    session.record({301, 201});
    EXPECT_NEAR(session.hold().back().time, Protocol::holdSeconds + 0.01, 1e-9);
    clock += 0.01;
    session.tick(clock);
    EXPECT_EQ(session.step(), Step::follow);
    clock += 0.004;
    session.record({302, 202});
    ASSERT_EQ(session.follow().size(), 1u);
    EXPECT_NEAR(session.follow()[0].time, 0.004, 1e-9);
    EXPECT_EQ(session.hold().size(), 3u);

    clock += Protocol::followSeconds - 0.1;
    session.tick(clock);
    EXPECT_EQ(session.step(), Step::follow);
    clock += 0.1;
    session.tick(clock);
    EXPECT_EQ(session.step(), Step::clicks);
    // Nothing is sampled during the clicks part.
    session.record({10, 10});
    EXPECT_EQ(session.follow().size(), 1u);
    EXPECT_EQ(session.hold().size(), 3u);
}

TEST_F(CalibrationSessionTest, APressHitsByWhereItWentDownAndTheLastTargetFinishes)
{
    toClicks();
    QSignalSpy finished(&session, &CalibrationSession::finished);
    const Point first = session.targetPoint(0);
    // Just beyond the hit radius misses, wherever the release lands; a miss keeps the target.
    click(first + Vector{Protocol::hitRadius + 0.01, 0}, first);
    EXPECT_EQ(session.target(), 0);
    ASSERT_EQ(session.clicks().size(), 1u);
    EXPECT_FALSE(session.clicks()[0].hit);
    // Exactly at the hit radius hits, released far away.
    click(first + Vector{0, Protocol::hitRadius}, {0, 0});
    EXPECT_EQ(session.target(), 1);
    const CalibrationRecording::Click& hit = session.clicks()[1];
    EXPECT_TRUE(hit.hit);
    EXPECT_EQ(hit.downAt, first + Vector(0, Protocol::hitRadius));
    EXPECT_EQ(hit.upAt, (Point{0, 0}));
    EXPECT_NEAR(hit.up - hit.down, 0.1, 1e-9);
    // A release without a press records nothing.
    session.endPress(session.targetPoint(1));
    EXPECT_EQ(session.clicks().size(), 2u);

    for (int index = 1; index < Protocol::targetCount; ++index) {
        EXPECT_EQ(session.step(), Step::clicks);
        click(session.targetPoint(index), session.targetPoint(index));
    }
    EXPECT_EQ(session.step(), Step::working);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(session.clicks().size(), std::size_t(Protocol::targetCount) + 1);
    EXPECT_FALSE(session.press().has_value());
    // Nothing more is taken once the test is over.
    click(session.targetPoint(Protocol::targetCount - 1), session.targetPoint(Protocol::targetCount - 1));
    EXPECT_EQ(session.clicks().size(), std::size_t(Protocol::targetCount) + 1);

    const CalibrationRecording recording = session.recording(true);
    EXPECT_TRUE(recording.trackpad);
    EXPECT_EQ(recording.clicks, session.clicks());
    session.reset();
    EXPECT_EQ(session.step(), Step::intro);
    EXPECT_TRUE(session.clicks().empty() && session.hold().empty() && session.follow().empty());
    EXPECT_EQ(session.target(), 0);
    EXPECT_FALSE(session.started().has_value());
}

// Any mix of pointer events and ticks keeps the recording consistent: samples only in their own part with times
// from its clock, clicks only in the clicks part, the target equal to the hits so far, and the steps in order.
TEST_F(CalibrationSessionTest, RandomInputKeepsTheRecordingConsistent)
{
    std::mt19937 random(29);
    for (int run = 0; run < 40; ++run) {
        session.reset();
        session.setStep(Step::hold);
        std::uniform_real_distribution<double> coordinate(-50, 650);
        std::uniform_real_distribution<double> pause(0, 0.8);
        std::uniform_int_distribution<int> action(0, 5);
        int lastStep = int(Step::hold);
        for (int event = 0; event < 600; ++event) {
            clock += pause(random);
            // Aim near the target often enough that tests finish.
            Point point{coordinate(random), coordinate(random) * 0.6};
            if (action(random) < 3 && session.step() == Step::clicks) {
                point = session.targetPoint(session.target()) + Vector{coordinate(random) / 20, 0};
            }
            switch (action(random)) {
            case 0:
                session.tick(clock);
                break;
            case 1:
                session.beginPress(point);
                break;
            case 2:
                session.endPress(point);
                break;
            default:
                session.record(point);
                break;
            }
            ASSERT_GE(int(session.step()), lastStep);
            lastStep = int(session.step());
            int hits = 0;
            for (const auto& click : session.clicks()) {
                hits += click.hit ? 1 : 0;
                ASSERT_LE(click.down, click.up);
            }
            ASSERT_EQ(session.target(), hits);
            ASSERT_LE(session.target(), Protocol::targetCount);
            if (session.step() == Step::hold) {
                ASSERT_TRUE(session.follow().empty());
            }
            if (session.step() != Step::clicks && session.step() != Step::working) {
                ASSERT_TRUE(session.clicks().empty());
            }
        }
        for (const auto* samples : {&session.hold(), &session.follow()}) {
            for (std::size_t i = 0; i < samples->size(); ++i) {
                ASSERT_GE((*samples)[i].time, 0);
                if (i > 0) {
                    ASSERT_GE((*samples)[i].time, (*samples)[i - 1].time);
                }
            }
        }
        if (!session.hold().empty()) {
            ASSERT_EQ(session.hold().front().time, 0);
            ASSERT_LT(session.hold().front().point.distance(session.centre()), Protocol::startRadius);
        }
    }
}

} // namespace
} // namespace quellarine
