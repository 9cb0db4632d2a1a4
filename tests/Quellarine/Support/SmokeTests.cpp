#include <QApplication>

#include <gtest/gtest.h>

TEST(ApplicationTests, RunsOnTheOffscreenPlatform)
{
    EXPECT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
}
