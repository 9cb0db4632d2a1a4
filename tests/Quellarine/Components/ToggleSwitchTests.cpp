#include "Screenshots.h"

#include "Quellarine/Components/ToggleSwitch.h"
#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Components/Style/DynamicColor.h"

#include <QApplication>

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace quellarine;

TEST(ToggleSwitchTest, OnlyTheUserFlipReportsAChange)
{
    ToggleSwitch toggle(QStringLiteral("Filter"), ToggleSwitch::ControlSize::large);
    toggle.show();
    QSignalSpy switched(&toggle, &ToggleSwitch::switched);

    // Values from the model are shown silently.
    toggle.setOn(true);
    toggle.setOn(false);
    toggle.setOn(true);
    EXPECT_TRUE(toggle.isOn());
    EXPECT_EQ(switched.count(), 0);

    QTest::mouseClick(&toggle, Qt::LeftButton);
    ASSERT_EQ(switched.count(), 1);
    EXPECT_FALSE(switched.at(0).at(0).toBool());
    EXPECT_FALSE(toggle.isOn());

    toggle.setFocus();
    QTest::keyClick(&toggle, Qt::Key_Space);
    ASSERT_EQ(switched.count(), 2);
    EXPECT_TRUE(switched.at(1).at(0).toBool());
}

TEST(ToggleSwitchTest, DisabledSwitchIgnoresClicksAndKeepsItsName)
{
    ToggleSwitch toggle(QStringLiteral("Click guard"));
    toggle.show();
    toggle.setEnabled(false);
    QSignalSpy switched(&toggle, &ToggleSwitch::switched);
    QTest::mouseClick(&toggle, Qt::LeftButton);
    EXPECT_EQ(switched.count(), 0);
    EXPECT_FALSE(toggle.isOn());

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&toggle);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Click guard"));
    EXPECT_TRUE(accessible->state().checkable);
    EXPECT_TRUE(accessible->state().disabled);
}

TEST(ToggleSwitchTest, ShownLabelStandsBeforeTheTrackAndAClickOnItFlips)
{
    const QString label = QStringLiteral("Check for updates automatically");
    ToggleSwitch toggle(label, ToggleSwitch::Label::shown);
    toggle.resize(toggle.sizeHint());
    toggle.show();
    EXPECT_GT(toggle.width(), toggle.fontMetrics().horizontalAdvance(label) + toggle.trackSize().width());
    EXPECT_GT(toggle.trackRect().left(), toggle.width() / 2);
    toggle.setLayoutDirection(Qt::RightToLeft);
    EXPECT_LT(toggle.trackRect().right(), toggle.width() / 2);

    QSignalSpy switched(&toggle, &ToggleSwitch::switched);
    QTest::mouseClick(&toggle, Qt::LeftButton, {}, QPoint(4, toggle.height() / 2));
    ASSERT_EQ(switched.count(), 1);
    EXPECT_TRUE(toggle.isOn());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&toggle)->text(QAccessible::Name), label);
}

// Off, the pale track alone barely stands out from the window; its outline does, by 3:1, light and dark.
TEST(ToggleSwitchTest, AnOffSwitchIsOutlinedWellEnoughToSee)
{
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        Appearance::shared().setChoice(dark ? Appearance::Choice::dark : Appearance::Choice::light);
        QWidget window;
        window.setAutoFillBackground(true);
        auto* toggle = new ToggleSwitch(QStringLiteral("Filter"), ToggleSwitch::ControlSize::large, &window);
        toggle->resize(toggle->sizeHint());
        window.resize(toggle->size());
        window.show();
        QApplication::processEvents();
        const QImage picture = quellarine::testing::Screenshots::render(window, 1.0);
        const QColor background = window.palette().color(QPalette::Window);
        // Across the track's edge, at mid-height on the side away from the knob: the strongest step.
        const QRectF track = toggle->trackRect();
        const int y = static_cast<int>(track.center().y());
        double strongest = 1;
        for (int x = static_cast<int>(track.right()) - 4; x <= static_cast<int>(track.right()); ++x) {
            strongest = std::max(strongest, contrastRatio(picture.pixelColor(x, y), background));
        }
        EXPECT_GE(strongest, 3.0);
    }
    Appearance::shared().setChoice(Appearance::Choice::light);
}
