#include "Screenshots.h"

#include "Quellarine/Pages/Research/CountUp.h"
#include "Quellarine/Components/Reveal.h"
#include "Quellarine/Components/Style/Motion.h"

#include <QAbstractAnimation>
#include <QAccessible>
#include <QApplication>
#include <QGraphicsEffect>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace quellarine {
namespace {

// A window with one red block at (10, 10), 40 by 40, whose entrance is revealed after 0.12 s.
class RevealedBlockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(100, 100);
        window.setAutoFillBackground(true);
        QPalette white;
        white.setColor(QPalette::Window, Qt::white);
        window.setPalette(white);
        block = new QWidget(&window);
        block->setGeometry(10, 10, 40, 40);
        block->setAutoFillBackground(true);
        QPalette red;
        red.setColor(QPalette::Window, Qt::red);
        block->setPalette(red);
        reveal = Reveal::apply(*block, 0.12);
    }

    void TearDown() override { Motion::shared().setOverride(std::nullopt); }

    // Shows the window and holds the entrance at `seconds` after the block appeared.
    void showAt(double seconds)
    {
        window.show();
        reveal->animation().pause();
        reveal->animation().setCurrentTime(static_cast<int>(std::lround(seconds * 1000)));
    }

    QColor pixel(int x, int y) { return testing::Screenshots::render(window, 1.0).pixelColor(x, y); }

    QWidget window;
    QWidget* block = nullptr;
    Reveal* reveal = nullptr;
};

TEST_F(RevealedBlockTest, HiddenUntilShownThenStillHiddenDuringItsDelay)
{
    EXPECT_FALSE(reveal->shown());
    EXPECT_EQ(reveal->opacity(), 0.0);
    EXPECT_EQ(reveal->offset(), 14.0);

    showAt(0.1);
    EXPECT_TRUE(reveal->shown());
    EXPECT_EQ(reveal->opacity(), 0.0);
    EXPECT_EQ(reveal->offset(), 14.0);
    EXPECT_EQ(pixel(30, 30), QColor(Qt::white));
}

TEST_F(RevealedBlockTest, MidwayItIsHalfFadedAndLowerThanItsPlace)
{
    showAt(0.12 + 0.1);
    // A critically damped spring of response 0.5 s, 0.1 s in.
    const double phase = 2 * std::numbers::pi / 0.5 * 0.1;
    const double progress = 1 - (1 + phase) * std::exp(-phase);
    EXPECT_NEAR(reveal->opacity(), progress, 0.02);
    EXPECT_NEAR(reveal->offset(), 14 * (1 - progress), 0.3);

    // Drawn lower: the block's top rows show the window, and it reaches below its own bottom edge.
    EXPECT_EQ(pixel(30, 12), QColor(Qt::white));
    const QColor below = pixel(30, 52);
    EXPECT_GT(below.red(), 250);
    EXPECT_LT(below.green(), 250);
    EXPECT_GT(below.green(), 5) << "half faded, not opaque";
}

TEST_F(RevealedBlockTest, AtTheEndItIsInPlaceAndDrawnDirectly)
{
    showAt(10.0);
    EXPECT_EQ(reveal->opacity(), 1.0);
    EXPECT_EQ(reveal->offset(), 0.0);
    EXPECT_FALSE(reveal->isEnabled());
    EXPECT_EQ(pixel(30, 12), QColor(Qt::red));
    EXPECT_EQ(pixel(30, 52), QColor(Qt::white));
}

TEST_F(RevealedBlockTest, UnderReducedMotionItOnlyFades)
{
    Motion::shared().setOverride(true);
    EXPECT_EQ(reveal->offset(), 0.0);
    showAt(0.12 + 0.1);
    EXPECT_GT(reveal->opacity(), 0.2);
    EXPECT_LT(reveal->opacity(), 0.8);
    EXPECT_EQ(reveal->offset(), 0.0);
    const QColor top = pixel(30, 12);
    EXPECT_GT(top.red(), 250);
    EXPECT_LT(top.green(), 250) << "the block fades in where it belongs";
    EXPECT_EQ(pixel(30, 52), QColor(Qt::white));
}

TEST(CountUpTest, CountsFromZeroWhileAssistiveTechnologyHearsTheFinalValue)
{
    CountUp number(38, 0.2, [](double value) { return QStringLiteral("%1 %").arg(std::lround(value)); });
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&number);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(number.text(), QStringLiteral("0 %"));
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("38 %"));

    number.show();
    number.animation().pause();
    number.animation().setCurrentTime(200 + 300);
    EXPECT_GT(number.shown(), 0.0);
    EXPECT_LT(number.shown(), 38.0);
    EXPECT_NE(number.text(), QStringLiteral("38 %"));
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("38 %"));
    EXPECT_GE(number.width(), number.fontMetrics().horizontalAdvance(QStringLiteral("38 %")))
        << "room for the final number from the start";

    number.animation().setCurrentTime(number.animation().totalDuration());
    EXPECT_EQ(number.shown(), 38.0);
    EXPECT_EQ(number.text(), QStringLiteral("38 %"));
}

} // namespace
} // namespace quellarine
