#include <QApplication>

#include <gtest/gtest.h>

TEST(ApplicationTest, RunsOnTheOffscreenPlatform)
{
    EXPECT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
}
