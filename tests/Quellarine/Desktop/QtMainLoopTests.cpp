#include "Quellarine/Desktop/QtMainLoop.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

using namespace quellarine;

TEST(QtMainLoopTest, OneShotRunsOnceAfterItsDelay)
{
    QtMainLoop loop;
    int runs = 0;
    QElapsedTimer elapsed;
    elapsed.start();
    qint64 ranAfter = -1;
    loop.scheduleAfter(0.02, [&] {
        ++runs;
        ranAfter = elapsed.elapsed();
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return runs == 1; }, 2000));
    QTest::qWait(40);
    EXPECT_EQ(runs, 1);
    EXPECT_GE(ranAfter, 19);
    EXPECT_EQ(loop.activeTimers(), 0u);
}

TEST(QtMainLoopTest, RepeatingTimerCanCancelItselfFromItsCallback)
{
    QtMainLoop loop;
    int runs = 0;
    system::MainLoop::TimerID id = 0;
    id = loop.scheduleRepeating(0.008, 0.008, [&] {
        if (++runs == 3) {
            loop.cancel(id);
        }
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return runs == 3; }, 2000));
    QTest::qWait(50);
    EXPECT_EQ(runs, 3);
    EXPECT_EQ(loop.activeTimers(), 0u);
}

TEST(QtMainLoopTest, CancelledOneShotNeverRunsAndUnknownTimersAreIgnored)
{
    QtMainLoop loop;
    bool ran = false;
    auto id = loop.scheduleAfter(0.01, [&] { ran = true; });
    loop.cancel(id);
    loop.cancel(id);
    loop.cancel(12345);
    QTest::qWait(40);
    EXPECT_FALSE(ran);
}

TEST(QtMainLoopTest, OneShotMayScheduleAnother)
{
    QtMainLoop loop;
    int runs = 0;
    loop.scheduleAfter(0, [&] {
        ++runs;
        loop.scheduleAfter(-1, [&] { ++runs; });
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return runs == 2; }, 2000));
}
