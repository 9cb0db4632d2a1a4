#include "Quellarine/Desktop/SingleInstance.h"

#include <QFile>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

using namespace quellarine;

namespace {

QString uniqueKey()
{
    return QStringLiteral("quellarine-test-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

} // namespace

TEST(SingleInstanceTest, SecondCopyReachesTheFirstInsteadOfRunning)
{
    QTemporaryDir dir;
    const QString key = uniqueKey();
    SingleInstance first(key, dir.path());
    ASSERT_TRUE(first.claim());
    EXPECT_TRUE(first.isPrimary());
    QSignalSpy asked(&first, &SingleInstance::activationRequested);

    SingleInstance second(key, dir.path());
    EXPECT_FALSE(second.claim());
    EXPECT_FALSE(second.isPrimary());
    EXPECT_TRUE(second.notifyPrimary());
    EXPECT_TRUE(asked.wait(2000));
    EXPECT_EQ(asked.count(), 1);
}

TEST(SingleInstanceTest, LockOfACopyThatDiedIsTakenOver)
{
    QTemporaryDir dir;
    const QString key = uniqueKey();
    // A lock file naming a process that no longer runs.
    QFile lock(dir.filePath(key + QStringLiteral(".lock")));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArrayLiteral("2147483646\nquellarine\n") + QSysInfo::machineHostName().toUtf8() + '\n');
    lock.close();

    SingleInstance copy(key, dir.path());
    EXPECT_TRUE(copy.claim());
}

TEST(SingleInstanceTest, NoFirstCopyToReach)
{
    QTemporaryDir dir;
    SingleInstance lonely(uniqueKey(), dir.path());
    EXPECT_FALSE(lonely.notifyPrimary(200));
}
