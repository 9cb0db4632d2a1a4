#include "Quellarine/Model/PermissionWatch.h"

#include "Quellarine/Desktop/SystemLog.h"
#include "RecordedLog.h"

#include "Backends/Sim/SimulatedWindowServer.h"

#include "QuellarineKit/Pointer/DirectPointerControl.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace quellarine;

namespace {

// Permission as the watch asks it, separate from whether the simulated server lets a tap be created.
struct TestPermission : system::Permission {
    bool trusted = true;
    bool maySteerPointer() const override { return trusted; }
};

class PermissionWatchTest : public ::testing::Test, protected quellarine::testing::RecordedLog {
protected:
    PermissionWatch& watch()
    {
        if (!watch_) {
            watch_ = std::make_unique<PermissionWatch>(
                PermissionWatch::Platform{permission, server.pointerSystem().mainLoop, pointer, log});
            QObject::connect(watch_.get(), &PermissionWatch::tapStarting, [this] { ++starts; });
            QObject::connect(watch_.get(), &PermissionWatch::tapChanged, [this] { ++changes; });
            watch_->start();
        }
        return *watch_;
    }

    QString lastInfo() const
    {
        auto info = messages(SystemLog::Level::info);
        return info.empty() ? QString() : info.back();
    }

    sim::SimulatedWindowServer server;
    DirectPointerControl pointer{server.pointerSystem()};
    TestPermission permission;
    int starts = 0;
    int changes = 0;
    std::unique_ptr<PermissionWatch> watch_;
};

} // namespace

TEST_F(PermissionWatchTest, WaitsForThePermissionAndStartsTheTapWithinASecond)
{
    permission.trusted = false;
    QSignalSpy trusted(&watch(), &PermissionWatch::maySteerPointerChanged);
    EXPECT_FALSE(watch().maySteerPointer());
    server.advance(2.5);
    EXPECT_FALSE(pointer.tap().isRunning());
    EXPECT_EQ(starts, 0);

    permission.trusted = true;
    server.advance(1.0);
    EXPECT_TRUE(watch().maySteerPointer());
    EXPECT_EQ(trusted.count(), 1);
    EXPECT_TRUE(pointer.tap().isRunning());
    EXPECT_FALSE(watch().tapFailed());
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(lastInfo(), QStringLiteral("Allowed to steer the pointer, tap started"));
}

TEST_F(PermissionWatchTest, LosingThePermissionStopsTheTapAndWaitsAgain)
{
    ASSERT_TRUE(watch().maySteerPointer());
    ASSERT_TRUE(pointer.tap().isRunning());
    // Lost and back again between two checks: the watch never sees it.
    server.advance(1.0);
    permission.trusted = false;
    server.advance(2.0);
    permission.trusted = true;
    const auto launchMessages = logged.size();
    server.advance(7.0);
    EXPECT_EQ(logged.size(), launchMessages);
    EXPECT_TRUE(pointer.tap().isRunning());

    permission.trusted = false;
    server.advance(5.0);
    EXPECT_FALSE(watch().maySteerPointer());
    EXPECT_FALSE(pointer.tap().isRunning());
    EXPECT_EQ(lastInfo(), QStringLiteral("Accessibility trusted changed to false"));

    permission.trusted = true;
    server.advance(1.0);
    EXPECT_TRUE(watch().maySteerPointer());
    EXPECT_TRUE(pointer.tap().isRunning());
    EXPECT_EQ(lastInfo(), QStringLiteral("Allowed to steer the pointer, tap started"));
}

TEST_F(PermissionWatchTest, TapThatCannotBeCreatedIsReportedOnceAndNotRetried)
{
    server.setMaySteerPointer(false); // the permission says yes, the system still refuses the tap
    EXPECT_TRUE(watch().maySteerPointer());
    EXPECT_TRUE(watch().tapFailed());
    QSignalSpy failed(&watch(), &PermissionWatch::tapFailedChanged);
    EXPECT_EQ(messages(SystemLog::Level::error),
              std::vector<QString>{QStringLiteral("Allowed to steer the pointer, but the tap could not be created")});
    server.setMaySteerPointer(true);
    server.advance(11.0);
    EXPECT_FALSE(pointer.tap().isRunning());

    // Lost and given again: a new start, which now succeeds and clears the failure.
    permission.trusted = false;
    server.advance(5.0);
    permission.trusted = true;
    server.advance(1.0);
    EXPECT_TRUE(pointer.tap().isRunning());
    EXPECT_FALSE(watch().tapFailed());
    ASSERT_EQ(failed.count(), 1);
    EXPECT_FALSE(failed.front().front().toBool());
}

TEST_F(PermissionWatchTest, TurnsASilentlyDisabledTapBackOn)
{
    watch();
    ASSERT_TRUE(pointer.tap().isRunning());
    server.disableTapsSilently();
    EXPECT_FALSE(pointer.tap().isRunning());
    server.advance(5.0);
    EXPECT_TRUE(pointer.tap().isRunning());
    EXPECT_EQ(lastInfo(), QStringLiteral("Tap was off; turned it back on"));
}

TEST_F(PermissionWatchTest, ExternalMovesAreLoggedOncePerChange)
{
    watch();
    pointer.setFiltering(true);
    server.moveHand({2, 0});
    server.advance(0.1);
    // Something else puts the cursor far away; the next hand move lands there.
    server.warp({1200, 800});
    server.setDeltaBase(sim::SimulatedWindowServer::DeltaBase::cursor);
    server.moveHand({2, 0});
    server.advance(0.1);
    ASSERT_EQ(pointer.tap().externalMoves(), 1);
    server.advance(10.0);
    auto isExternalLog = [](const QString& message) { return message.startsWith(QStringLiteral("Cursor found")); };
    auto info = messages(SystemLog::Level::info);
    EXPECT_EQ(std::count_if(info.begin(), info.end(), isExternalLog), 1);
    EXPECT_EQ(info.back(), QStringLiteral("Cursor found where we didn't put it: 1 times so far"));

    server.warp({300, 200});
    server.moveHand({2, 0});
    server.advance(10.0);
    ASSERT_EQ(pointer.tap().externalMoves(), 2);
    info = messages(SystemLog::Level::info);
    EXPECT_EQ(std::count_if(info.begin(), info.end(), isExternalLog), 2);
    EXPECT_EQ(info.back(), QStringLiteral("Cursor found where we didn't put it: 2 times so far"));
}

TEST_F(PermissionWatchTest, OverAnySequenceOfGrantsAndLossesTheTapRunsExactlyWhilePermitted)
{
    std::mt19937 random(40);
    for (int round = 0; round < 20; ++round) {
        watch_.reset();
        pointer.stop();
        changes = 0;
        starts = 0;
        permission.trusted = random() % 2 == 0;
        watch();
        for (int step = 0; step < 40; ++step) {
            // Short flips the five-second watch may miss, longer holds it must see.
            permission.trusted = random() % 2 == 0;
            const double hold = std::uniform_real_distribution<double>(0.2, 12.0)(random);
            server.advance(hold);
            // The once-a-second look and the five-second watch, never more: no pile of waiting loops.
            ASSERT_LE(server.timerCount(), 2u);
            ASSERT_EQ(pointer.tap().isRunning(), watch().maySteerPointer());
            if (hold >= 6.0) {
                ASSERT_EQ(watch().maySteerPointer(), permission.trusted) << "round " << round << ", step " << step;
            }
        }
        ASSERT_FALSE(watch().tapFailed());
    }
    watch_.reset();
    EXPECT_EQ(server.timerCount(), 0u);
}

TEST_F(PermissionWatchTest, NothingRunsOnceTheWatchIsGone)
{
    permission.trusted = false;
    watch();
    watch_.reset();
    permission.trusted = true;
    server.advance(10.0);
    EXPECT_EQ(server.timerCount(), 0u);
    EXPECT_EQ(server.tapCount(), 0u);
    EXPECT_TRUE(logged.empty());
}
